#include "store/Salvage.h"

#include "store/UserDefaults.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <algorithm>
#include <climits>
#include <cstring>

namespace zarvo {

namespace {

// No stored entry comes near this; a longer span is not one entry.
constexpr qsizetype kMaxObjectBytes = 16 * 1024 * 1024;

// The end (one past the closing brace) of the object opening at `start`, or -1 when it does not close
// within the limits. Braces inside strings do not count.
qsizetype objectEnd(const char* p, qsizetype n, qsizetype start, qint64& budget) {
    int depth = 0;
    bool inString = false, escaped = false;
    const qsizetype last = std::min(n, start + kMaxObjectBytes);
    for (qsizetype i = start; i < last; ++i) {
        if (--budget < 0) return -1;
        const char c = p[i];
        if (inString) {
            if (escaped)
                escaped = false;
            else if (c == '\\')
                escaped = true;
            else if (c == '"')
                inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == '{') {
            ++depth;
        } else if (c == '}' && --depth == 0) {
            return i + 1;
        }
    }
    return -1;
}

} // namespace

Salvage::Objects Salvage::arrayObjects(const QByteArray& json) {
    Objects out;
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error == QJsonParseError::NoError && document.isArray()) {
        out.whole = true;
        for (const QJsonValue value : document.array()) {
            if (value.isObject())
                out.objects.append(value.toObject());
            else
                out.whole = false;
        }
        return out;
    }
    // Damaged: every object that stands on its own. After one that does not parse, the search goes on
    // from the next brace, so a broken quote costs its own object and not the rest of the list. The
    // budget keeps hostile input (thousands of unclosed braces) linear; what it leaves unread stays in
    // the original, which is kept.
    const char* p = json.constData();
    const qsizetype n = json.size();
    qint64 budget = 16 * qint64(n) + (1 << 20);
    qsizetype pos = 0;
    while (pos < n && budget > 0) {
        const void* brace = std::memchr(p + pos, '{', size_t(n - pos));
        if (!brace) break;
        const qsizetype start = static_cast<const char*>(brace) - p;
        const qsizetype end = objectEnd(p, n, start, budget);
        if (end > 0) {
            QJsonParseError e{};
            const QJsonDocument one =
                QJsonDocument::fromJson(QByteArray::fromRawData(p + start, end - start), &e);
            if (e.error == QJsonParseError::NoError && one.isObject()) {
                out.objects.append(one.object());
                pos = end;
                continue;
            }
        }
        pos = start + 1;
    }
    return out;
}

QJsonObject Salvage::unknownMembers(const QJsonObject& object, std::initializer_list<const char*> known) {
    QJsonObject extra;
    for (auto it = object.constBegin(); it != object.constEnd(); ++it) {
        const QString name = it.key();
        if (std::none_of(known.begin(), known.end(), [&](const char* k) { return name == QLatin1String(k); }))
            extra.insert(name, it.value());
    }
    return extra;
}

QJsonObject Salvage::withMembers(QJsonObject object, const QJsonObject& extra) {
    for (auto it = extra.constBegin(); it != extra.constEnd(); ++it)
        if (!object.contains(it.key())) object.insert(it.key(), it.value());
    return object;
}

void Salvage::appendMembers(QByteArray& json, const QJsonObject& members) {
    if (members.isEmpty()) return;
    // A document of the members alone gives their compact text between its braces.
    const QByteArray text = QJsonDocument(members).toJson(QJsonDocument::Compact);
    json += ',';
    json += QByteArrayView(text).sliced(1, text.size() - 2);
}

QString Salvage::KeptAside::notice(const QString& what) const {
    const int read = int(std::min<qsizetype>(entriesRead, INT_MAX));
    //: %1 is what was stored (history, favorites), %2 the key it is kept under.
    return QCoreApplication::translate(
               "Salvage",
               "the stored %1 could not be read whole; %Ln entries were read, and the "
               "stored value is kept unchanged under “%2” in the settings file",
               nullptr, read)
        .arg(what, key);
}

std::optional<Salvage::KeptAside> Salvage::keepAside(UserDefaults& defaults, const QString& key,
                                                     qsizetype entriesRead) {
    if (!defaults.hasStoredValue(key)) return std::nullopt;
    const QVariant value = defaults.storedValues().value(key);
    const QString prefix = key + QStringLiteral(".unreadable-");
    const QVariantMap& stored = defaults.storedValues();
    for (auto it = stored.constBegin(); it != stored.constEnd(); ++it)
        if (it.key().startsWith(prefix) && it.value() == value)
            return KeptAside{it.key(), entriesRead, false};
    const QString base = prefix + QString::number(QDateTime::currentSecsSinceEpoch());
    QString name = base;
    for (int n = 2; defaults.hasStoredValue(name); ++n)
        name = base + QLatin1Char('-') + QString::number(n);
    defaults.set(name, value);
    return KeptAside{name, entriesRead, true};
}

} // namespace zarvo
