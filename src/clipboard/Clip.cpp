#include "clipboard/Clip.h"

#include "store/Salvage.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTextBoundaryFinder>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace zarvo {

namespace {

const char* const kKindNames[] = {"text", "richText", "link", "image", "files"};

bool isLineBreak(QChar c) {
    const char16_t u = c.unicode();
    return u == 0x0A || u == 0x0B || u == 0x0C || u == 0x0D || u == 0x85 || u == 0x2028 || u == 0x2029;
}

// Spaces and tabs and the other Unicode space separators; not line breaks.
bool isHorizontalSpace(QChar c) {
    return c == QLatin1Char('\t') || c.category() == QChar::Separator_Space;
}

QString trimHorizontal(QStringView line) {
    qsizetype start = 0, end = line.size();
    while (start < end && isHorizontalSpace(line[start]))
        ++start;
    while (end > start && isHorizontalSpace(line[end - 1]))
        --end;
    return line.mid(start, end - start).toString();
}

QString textTitle(const QString& text) {
    // Only the first non-blank line matters, so scan line by line instead of splitting the whole text.
    qsizetype pos = 0;
    const qsizetype n = text.size();
    while (pos < n) {
        qsizetype end = pos;
        while (end < n && !isLineBreak(text[end]))
            ++end;
        const QString line = trimHorizontal(QStringView(text).mid(pos, end - pos));
        if (!line.isEmpty()) {
            QString joined;
            joined.reserve(line.size());
            bool gap = false;
            for (QChar c : line) {
                if (c.isSpace()) {
                    gap = true;
                    continue;
                }
                if (gap && !joined.isEmpty()) joined += QLatin1Char(' ');
                gap = false;
                joined += c;
            }
            return Clip::prefix(joined, 200);
        }
        pos = end + 1;
    }
    return {};
}

// A dimension as the title shows it: truncated to an integer; none when it is not a sensible number.
std::optional<qint64> wholeDimension(double value) {
    if (!std::isfinite(value) || value <= -9.0e18 || value >= 9.0e18) return std::nullopt;
    return static_cast<qint64>(value);
}

} // namespace

QStringList Clip::paths() const {
    if (kind != Kind::files) return {};
    return text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

namespace {

// The title in English (what scripts read from zarvo-cli) or in the user's language (what rows show).
QString titleIn(const Clip& clip, bool translated) {
    const auto say = [translated](const char* english, int n = -1) {
        if (translated) return QCoreApplication::translate("Clip", english, nullptr, n);
        return QString::fromUtf8(english).replace(QLatin1String("%Ln"), QString::number(n));
    };
    switch (clip.kind) {
    case Clip::Kind::text:
    case Clip::Kind::richText:
    case Clip::Kind::link:
        return textTitle(clip.text);
    case Clip::Kind::image: {
        if (!clip.imageSize) return say(QT_TRANSLATE_NOOP("Clip", "Image"));
        const auto w = wholeDimension(clip.imageSize->width), h = wholeDimension(clip.imageSize->height);
        if (!w || !h) return say(QT_TRANSLATE_NOOP("Clip", "Image"));
        //: An image's width × height in pixels.
        return say(QT_TRANSLATE_NOOP("Clip", "Image %1\u00D7%2")).arg(*w).arg(*h);
    }
    case Clip::Kind::files: {
        const QStringList all = clip.paths();
        if (all.isEmpty()) return say(QT_TRANSLATE_NOOP("Clip", "Files"));
        auto name = [](const QString& path) {
            return path.section(QLatin1Char('/'), -1, -1, QString::SectionSkipEmpty);
        };
        if (all.size() == 1) return name(all.first());
        //: %1 is the first file's name.
        return say(QT_TRANSLATE_N_NOOP("Clip", "%1 and %Ln more"), int(all.size() - 1))
            .arg(name(all.first()));
    }
    }
    return {};
}

} // namespace

QString Clip::title() const {
    return titleIn(*this, false);
}

QString Clip::shownTitle() const {
    return titleIn(*this, true);
}

QString Clip::rawValue(Kind kind) {
    return QString::fromLatin1(kKindNames[static_cast<int>(kind)]);
}

std::optional<Clip::Kind> Clip::kindFromRawValue(const QString& raw) {
    for (int i = 0; i < int(std::size(kKindNames)); ++i)
        if (raw == QLatin1String(kKindNames[i])) return static_cast<Kind>(i);
    return std::nullopt;
}

QString Clip::idString(const QUuid& id) {
    return id.toString(QUuid::WithoutBraces).toUpper();
}

QString Clip::contentHash(const char* kindWord, const QByteArray& content) {
    QCryptographicHash sha(QCryptographicHash::Sha256);
    sha.addData(QByteArrayView(kindWord));
    sha.addData(content);
    return QString::fromLatin1(sha.result().left(16).toHex());
}

int Clip::characterCount(const QString& text) {
    // Fast path: below U+0300 the only character made of two code units is CR LF, so a plain count
    // will do; a 1 MB copy is counted without running the full boundary rules.
    qsizetype count = 0;
    bool simple = true;
    const char16_t* p = reinterpret_cast<const char16_t*>(text.constData());
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (p[i] >= 0x300) {
            simple = false;
            break;
        }
        if (!(p[i] == u'\n' && i > 0 && p[i - 1] == u'\r')) ++count;
    }
    if (!simple) {
        count = 0;
        QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
        while (finder.toNextBoundary() != -1)
            ++count;
    }
    return int(std::min<qsizetype>(count, std::numeric_limits<int>::max()));
}

QString Clip::prefix(const QString& text, int count) {
    if (count <= 0) return {};
    if (text.size() <= count) return text; // never more characters than code units
    // The boundary finder analyses its whole string up front, so give it a window that grows only
    // when the characters are long: a 1 MB copy costs as little as a short one.
    for (qsizetype window = qsizetype(count) * 4 + 64;; window *= 2) {
        const bool whole = window >= text.size();
        const QString part = whole ? text : text.left(window);
        QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, part);
        qsizetype position = 0;
        int found = 0;
        while (found < count) {
            const qsizetype next = finder.toNextBoundary();
            if (next == -1) break;
            position = next;
            ++found;
        }
        // The window's end always counts as a boundary; it is a real one only for the whole text.
        if (found == count && (whole || position < part.size())) return text.left(position);
        if (whole) return text;
    }
}

// ---- Index ----

namespace {

void appendJsonString(QByteArray& out, const QString& value) {
    out += '"';
    const QByteArray utf8 = value.toUtf8();
    for (char ch : utf8) {
        const auto c = static_cast<unsigned char>(ch);
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\f':
            out += "\\f";
            break;
        default:
            if (c < 0x20) {
                static const char hex[] = "0123456789abcdef";
                out += "\\u00";
                out += hex[c >> 4];
                out += hex[c & 0xF];
            } else {
                out += ch;
            }
        }
    }
    out += '"';
}

void appendNumber(QByteArray& out, double value) {
    out += std::isfinite(value) ? QByteArray::number(value, 'g', QLocale::FloatingPointShortest)
                                : QByteArray("0");
}

QString formatDate(const QDateTime& date) {
    QDateTime utc = date.toUTC();
    utc.setTime(QTime(utc.time().hour(), utc.time().minute(), utc.time().second()));
    return utc.toString(Qt::ISODate);
}

std::optional<QDateTime> parseDate(const QString& text) {
    static const QRegularExpression form(
        QStringLiteral("^\\d{4}-\\d{2}-\\d{2}T\\d{2}:\\d{2}:\\d{2}(Z|[+-]\\d{2}:\\d{2})$"));
    if (!form.match(text).hasMatch()) return std::nullopt;
    QDateTime date = QDateTime::fromString(text, Qt::ISODate);
    if (!date.isValid()) return std::nullopt;
    return date.toUTC();
}

std::optional<QUuid> parseUuid(const QString& text) {
    static const QRegularExpression form(
        QStringLiteral("^[0-9A-Fa-f]{8}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{12}$"));
    if (!form.match(text).hasMatch()) return std::nullopt;
    return QUuid::fromString(text);
}

// An integral JSON number within [min, max]; none for anything else.
std::optional<qint64> integerValue(const QJsonValue& value, double min, double max) {
    if (!value.isDouble()) return std::nullopt;
    const double d = value.toDouble();
    if (!std::isfinite(d) || std::trunc(d) != d || d < min || d > max) return std::nullopt;
    return value.toInteger(static_cast<qint64>(d));
}

bool absent(const QJsonObject& object, const char* key) {
    const auto it = object.constFind(QLatin1String(key));
    return it == object.constEnd() || it->isNull();
}

std::optional<Clip> decodeClip(const QJsonValue& value) {
    if (!value.isObject()) return std::nullopt;
    const QJsonObject o = value.toObject();
    const QJsonValue id = o.value(QLatin1String("id")), kind = o.value(QLatin1String("kind")),
                     text = o.value(QLatin1String("text")), date = o.value(QLatin1String("date")),
                     hash = o.value(QLatin1String("hash"));
    if (!id.isString() || !kind.isString() || !text.isString() || !date.isString() || !hash.isString())
        return std::nullopt;
    Clip clip;
    const auto uuid = parseUuid(id.toString());
    const auto k = Clip::kindFromRawValue(kind.toString());
    const auto d = parseDate(date.toString());
    if (!uuid || !k || !d) return std::nullopt;
    clip.id = *uuid;
    clip.kind = *k;
    clip.text = text.toString();
    clip.date = *d;
    clip.hash = hash.toString();

    constexpr double intMax = std::numeric_limits<int>::max(), intMin = std::numeric_limits<int>::min();
    if (absent(o, "length")) {
        clip.length = Clip::characterCount(clip.text);
    } else if (auto n = integerValue(o.value(QLatin1String("length")), intMin, intMax)) {
        clip.length = int(*n);
    } else {
        return std::nullopt;
    }
    if (!absent(o, "pinned")) {
        const QJsonValue pinned = o.value(QLatin1String("pinned"));
        if (!pinned.isBool()) return std::nullopt;
        clip.pinned = pinned.toBool();
    }
    for (auto [key, field] : {std::pair{"appName", &clip.appName}, std::pair{"bundleID", &clip.bundleID}}) {
        if (absent(o, key)) continue;
        const QJsonValue v = o.value(QLatin1String(key));
        if (!v.isString()) return std::nullopt;
        *field = v.toString();
    }
    if (!absent(o, "size")) {
        // Limits that keep the value exact in a double.
        auto n = integerValue(o.value(QLatin1String("size")), -9.0e15, 9.0e15);
        if (!n) return std::nullopt;
        clip.size = *n;
    }
    if (!absent(o, "imageSize")) {
        const QJsonValue v = o.value(QLatin1String("imageSize"));
        if (!v.isArray()) return std::nullopt;
        const QJsonArray pair = v.toArray();
        if (pair.size() != 2 || !pair[0].isDouble() || !pair[1].isDouble()) return std::nullopt;
        clip.imageSize = Clip::Size{pair[0].toDouble(), pair[1].toDouble()};
    }
    return clip;
}

} // namespace

QByteArray ClipIndex::encode(const QList<Clip>& clips, const Extras& extras) {
    QByteArray out;
    qsizetype estimate = 2;
    for (const Clip& clip : clips)
        estimate += clip.text.size() + 256;
    out.reserve(estimate);
    out += '[';
    bool first = true;
    for (const Clip& clip : clips) {
        if (!first) out += ',';
        first = false;
        out += "{\"id\":";
        appendJsonString(out, Clip::idString(clip.id));
        out += ",\"kind\":";
        appendJsonString(out, Clip::rawValue(clip.kind));
        out += ",\"text\":";
        appendJsonString(out, clip.text);
        out += ",\"length\":";
        out += QByteArray::number(clip.length);
        out += ",\"date\":";
        appendJsonString(out, formatDate(clip.date));
        out += ",\"pinned\":";
        out += clip.pinned ? "true" : "false";
        if (clip.appName) {
            out += ",\"appName\":";
            appendJsonString(out, *clip.appName);
        }
        if (clip.bundleID) {
            out += ",\"bundleID\":";
            appendJsonString(out, *clip.bundleID);
        }
        out += ",\"size\":";
        out += QByteArray::number(clip.size);
        out += ",\"hash\":";
        appendJsonString(out, clip.hash);
        if (clip.imageSize) {
            out += ",\"imageSize\":[";
            appendNumber(out, clip.imageSize->width);
            out += ',';
            appendNumber(out, clip.imageSize->height);
            out += ']';
        }
        if (!extras.isEmpty()) Salvage::appendMembers(out, extras.value(clip.id));
        out += '}';
    }
    out += ']';
    return out;
}

ClipIndex::Decoded ClipIndex::read(const QByteArray& json) {
    Decoded out;
    if (json.size() > maximumBytes) return out;
    const Salvage::Objects found = Salvage::arrayObjects(json);
    out.whole = found.whole;
    out.clips.reserve(found.objects.size());
    for (const QJsonObject& object : found.objects) {
        auto clip = decodeClip(object);
        if (!clip) {
            out.whole = false;
            continue;
        }
        const QJsonObject extra =
            Salvage::unknownMembers(object, {"id", "kind", "text", "length", "date", "pinned", "appName",
                                             "bundleID", "size", "hash", "imageSize"});
        if (!extra.isEmpty() && !out.extras.contains(clip->id)) out.extras.insert(clip->id, extra);
        out.clips.append(std::move(*clip));
    }
    return out;
}

std::optional<QList<Clip>> ClipIndex::decode(const QByteArray& json) {
    Decoded decoded = read(json);
    if (!decoded.whole) return std::nullopt; // one bad object spoils the whole index
    return std::move(decoded.clips);
}

namespace {

bool isHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

void collectIds(QByteArrayView bytes, QSet<QString>& ids) {
    static constexpr int groups[] = {8, 4, 4, 4, 12};
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i + 36 <= n; ++i) {
        if (!isHexDigit(bytes[i]) || (i > 0 && isHexDigit(bytes[i - 1]))) continue;
        qsizetype at = i;
        bool match = true;
        for (int g = 0; g < 5 && match; ++g) {
            if (g > 0 && bytes[at++] != '-') match = false;
            for (int k = 0; k < groups[g] && match; ++k)
                if (!isHexDigit(bytes[at++])) match = false;
        }
        if (!match) continue;
        ids.insert(QString::fromLatin1(bytes.sliced(i, 36)).toUpper());
        i += 35;
    }
}

// The bytes with JSON string escapes resolved the way a lenient reader does (\u0041 is A, \2 is 2), so
// an id written with escapes is found too. Characters beyond ASCII cannot be part of an id.
QByteArray unescaped(QByteArrayView bytes) {
    QByteArray out;
    out.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\\' || i + 1 == bytes.size()) {
            out += bytes[i];
            continue;
        }
        const char next = bytes[++i];
        if (next == 'u' && i + 4 < bytes.size() &&
            std::all_of(bytes.begin() + i + 1, bytes.begin() + i + 5, isHexDigit)) {
            const int code = QByteArray(bytes.sliced(i + 1, 4).data(), 4).toInt(nullptr, 16);
            out += code < 0x80 ? char(code) : '?';
            i += 4;
        } else {
            out += next;
        }
    }
    return out;
}

} // namespace

QSet<QString> ClipIndex::namedIds(QByteArrayView bytes) {
    QSet<QString> ids;
    collectIds(bytes, ids);
    if (bytes.contains('\\')) collectIds(unescaped(bytes), ids);
    return ids;
}

} // namespace zarvo
