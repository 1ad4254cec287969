#include "platform/linux/FileDefaultsStore.h"

#include "platform/Environment.h"
#include "platform/linux/DefaultsFileSalvage.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <cmath>
#include <limits>

namespace zarvo::linux_ {

namespace {

const QString kFormat = QStringLiteral("zarvo-defaults");
constexpr int kVersion = 1;

namespace Tag {
const QString boolean = QStringLiteral("bool");
const QString integer = QStringLiteral("integer");
const QString real = QStringLiteral("real");
const QString string = QStringLiteral("string");
const QString data = QStringLiteral("data");
const QString date = QStringLiteral("date");
const QString array = QStringLiteral("array");
const QString dictionary = QStringLiteral("dictionary");
} // namespace Tag

// Nesting deeper than this is not a settings file; it also bounds the recursion on hostile input.
constexpr int kMaxDepth = 64;

QJsonObject tagged(const QString& type, const QJsonValue& value) {
    return QJsonObject{{QStringLiteral("type"), type}, {QStringLiteral("value"), value}};
}

std::optional<QJsonObject> encodeValue(const QVariant& value, int depth);

std::optional<QJsonObject> encodeMap(const QVariantMap& map, int depth) {
    QJsonObject out;
    for (auto it = map.constBegin(); it != map.constEnd(); ++it) {
        if (auto v = encodeValue(it.value(), depth + 1))
            out.insert(it.key(), *v);
        else
            qWarning().noquote() << "Zarvo: defaults value of unsupported type not saved:" << it.key();
    }
    return out;
}

QJsonValue encodeReal(double d) {
    // JSON has no NaN or infinities.
    if (std::isnan(d)) return QStringLiteral("nan");
    if (std::isinf(d)) return d > 0 ? QStringLiteral("inf") : QStringLiteral("-inf");
    return d;
}

std::optional<QJsonObject> encodeValue(const QVariant& value, int depth) {
    if (depth > kMaxDepth) return std::nullopt;
    switch (value.typeId()) {
    case QMetaType::Bool:
        return tagged(Tag::boolean, value.toBool());
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::LongLong:
        return tagged(Tag::integer, value.toLongLong());
    case QMetaType::ULong:
    case QMetaType::ULongLong: {
        const qulonglong n = value.toULongLong();
        if (n <= qulonglong(std::numeric_limits<qint64>::max())) return tagged(Tag::integer, qint64(n));
        return tagged(Tag::real, double(n));
    }
    case QMetaType::Double:
    case QMetaType::Float:
        return tagged(Tag::real, encodeReal(value.toDouble()));
    case QMetaType::QString:
        return tagged(Tag::string, value.toString());
    case QMetaType::QByteArray:
        return tagged(Tag::data, QString::fromLatin1(value.toByteArray().toBase64()));
    case QMetaType::QDateTime: {
        const QDateTime date = value.toDateTime();
        if (!date.isValid()) return std::nullopt;
        return tagged(Tag::date, date.toUTC().toString(Qt::ISODateWithMs));
    }
    case QMetaType::QStringList: {
        QJsonArray array;
        for (const QString& s : value.toStringList())
            array.append(tagged(Tag::string, s));
        return tagged(Tag::array, array);
    }
    case QMetaType::QVariantList: {
        QJsonArray array;
        for (const QVariant& v : value.toList()) {
            auto e = encodeValue(v, depth + 1);
            // An array keeps its positions: an element we cannot store makes the whole value unstorable.
            if (!e) return std::nullopt;
            array.append(*e);
        }
        return tagged(Tag::array, array);
    }
    case QMetaType::QVariantMap:
        return tagged(Tag::dictionary, *encodeMap(value.toMap(), depth));
    case QMetaType::QVariantHash: {
        QVariantMap map;
        const QVariantHash hash = value.toHash();
        for (auto it = hash.constBegin(); it != hash.constEnd(); ++it)
            map.insert(it.key(), it.value());
        return tagged(Tag::dictionary, *encodeMap(map, depth));
    }
    default:
        return std::nullopt;
    }
}

std::optional<QVariant> decodeValue(const QJsonValue& json, int depth) {
    if (depth > kMaxDepth || !json.isObject()) return std::nullopt;
    const QJsonObject object = json.toObject();
    const QString type = object.value(QStringLiteral("type")).toString();
    const QJsonValue value = object.value(QStringLiteral("value"));
    if (type == Tag::boolean) {
        if (!value.isBool()) return std::nullopt;
        return QVariant(value.toBool());
    }
    if (type == Tag::integer) {
        if (!value.isDouble()) return std::nullopt;
        const double d = value.toDouble();
        // Written integers parse back as exact 64-bit integers; a fraction or an out-of-range number
        // is someone's edit, not ours.
        if (d != std::floor(d) || d < -9.3e18 || d > 9.3e18) return std::nullopt;
        const qint64 sentinel = std::numeric_limits<qint64>::min();
        const qint64 n = value.toInteger(sentinel);
        if (n == sentinel && d != -9223372036854775808.0) return std::nullopt;
        return QVariant(n);
    }
    if (type == Tag::real) {
        if (value.isDouble()) return QVariant(value.toDouble());
        const QString s = value.toString();
        if (s == QLatin1String("nan")) return QVariant(std::numeric_limits<double>::quiet_NaN());
        if (s == QLatin1String("inf")) return QVariant(std::numeric_limits<double>::infinity());
        if (s == QLatin1String("-inf")) return QVariant(-std::numeric_limits<double>::infinity());
        return std::nullopt;
    }
    if (type == Tag::string) {
        if (!value.isString()) return std::nullopt;
        return QVariant(value.toString());
    }
    if (type == Tag::data) {
        if (!value.isString()) return std::nullopt;
        const auto result = QByteArray::fromBase64Encoding(value.toString().toLatin1(),
                                                           QByteArray::AbortOnBase64DecodingErrors);
        if (!result) return std::nullopt;
        return QVariant(*result);
    }
    if (type == Tag::date) {
        if (!value.isString()) return std::nullopt;
        const QDateTime date = QDateTime::fromString(value.toString(), Qt::ISODateWithMs);
        if (!date.isValid()) return std::nullopt;
        return QVariant(date.toUTC());
    }
    if (type == Tag::array) {
        if (!value.isArray()) return std::nullopt;
        QVariantList list;
        for (const QJsonValue element : value.toArray()) {
            auto v = decodeValue(element, depth + 1);
            if (!v) return std::nullopt;
            list.append(*v);
        }
        return QVariant(list);
    }
    if (type == Tag::dictionary) {
        if (!value.isObject()) return std::nullopt;
        QVariantMap map;
        const QJsonObject members = value.toObject();
        for (auto it = members.constBegin(); it != members.constEnd(); ++it) {
            auto v = decodeValue(it.value(), depth + 1);
            if (!v) return std::nullopt;
            map.insert(it.key(), *v);
        }
        return QVariant(map);
    }
    return std::nullopt;
}

} // namespace

FileDefaultsStore::FileDefaultsStore(QString directory) : m_directory(QDir::cleanPath(directory)) {}

QString FileDefaultsStore::defaultDirectory(const Environment& environment) {
    return environment.configHome() + QStringLiteral("/zarvo");
}

QString FileDefaultsStore::filePath(const QString& domain) const {
    // A domain is an identifier (reverse DNS), never a path: no separators, no leading dot.
    if (domain.isEmpty() || domain.size() > 200 || domain.startsWith(QLatin1Char('.'))) return {};
    for (const QChar c : domain)
        if (!(c.isLetterOrNumber() || c == QLatin1Char('.') || c == QLatin1Char('-') ||
              c == QLatin1Char('_')))
            return {};
    return m_directory + QLatin1Char('/') + domain + QStringLiteral(".json");
}

QByteArray FileDefaultsStore::encode(const QVariantMap& values) {
    QJsonObject root;
    root.insert(QStringLiteral("format"), kFormat);
    root.insert(QStringLiteral("version"), kVersion);
    root.insert(QStringLiteral("values"), *encodeMap(values, 0));
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

std::optional<FileDefaultsStore::Decoded> FileDefaultsStore::decode(const QByteArray& json) {
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    Decoded out;
    if (error.error != QJsonParseError::NoError) {
        // Damaged text of ours: each value that reads on its own still counts.
        const auto members = DefaultsFileSalvage::valuesMembers(json, kFormat, kVersion);
        if (!members) return std::nullopt;
        out.whole = false;
        for (const auto& [key, value] : members->members) {
            if (auto v = decodeValue(value, 0))
                out.values.insert(key, *v);
            else
                out.rejected << key;
        }
        out.rejected << members->broken;
        if (out.values.isEmpty()) return std::nullopt;
        return out;
    }
    if (!doc.isObject()) return std::nullopt;
    const QJsonObject root = doc.object();
    if (root.value(QStringLiteral("format")).toString() != kFormat ||
        root.value(QStringLiteral("version")).toInteger(-1) != kVersion ||
        !root.value(QStringLiteral("values")).isObject())
        return std::nullopt;
    const QJsonObject values = root.value(QStringLiteral("values")).toObject();
    for (auto it = values.constBegin(); it != values.constEnd(); ++it) {
        if (auto v = decodeValue(it.value(), 0))
            out.values.insert(it.key(), *v);
        else
            out.rejected << it.key();
    }
    return out;
}

std::optional<FileDefaultsStore::Kept> FileDefaultsStore::setAside(const QString& path, bool keepOriginal,
                                                                   const QByteArray& bytes) {
    const QFileInfo info(path);
    const QString prefix = info.fileName() + QStringLiteral(".corrupt-");
    if (keepOriginal) {
        // The same damaged file met again (no save came between): its copy is already there.
        const QFileInfoList earlier = info.dir().entryInfoList({prefix + QLatin1Char('*')}, QDir::Files);
        for (const QFileInfo& copy : earlier) {
            if (copy.isSymLink() || copy.size() != bytes.size()) continue;
            QFile file(copy.filePath());
            if (file.open(QIODevice::ReadOnly) && file.readAll() == bytes)
                return Kept{copy.filePath(), false};
        }
    }
    const QString base =
        path + QStringLiteral(".corrupt-") + QString::number(QDateTime::currentSecsSinceEpoch());
    QString target = base;
    for (int n = 2; QFileInfo::exists(target) || QFileInfo(target).isSymLink(); ++n)
        target = base + QLatin1Char('-') + QString::number(n);
    if (keepOriginal ? QFile::copy(path, target) : QFile::rename(path, target)) return Kept{target, true};
    return std::nullopt;
}

QVariantMap FileDefaultsStore::load(const QString& domain) {
    const QString path = filePath(domain);
    if (path.isEmpty()) {
        qWarning().noquote() << "Zarvo: not a defaults domain name:" << domain;
        return {};
    }
    m_checked.insert(domain);
    QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) {
        m_blocked.remove(domain);
        return {};
    }
    QFile file(path);
    QByteArray bytes;
    std::optional<Decoded> decoded;
    if (info.isFile() && file.open(QIODevice::ReadOnly)) {
        bytes = file.readAll();
        decoded = decode(bytes);
    }
    file.close();
    if (!decoded) {
        // Unreadable or not ours: move it out of the way so the next save cannot destroy it.
        if (const auto kept = setAside(path, false, bytes)) {
            m_blocked.remove(domain);
            qWarning().noquote() << "Zarvo: settings file" << path << "could not be read and was set aside as"
                                 << kept->path;
        } else {
            m_blocked.insert(domain);
            qWarning().noquote() << "Zarvo: settings file" << path << "could not be read nor set aside";
        }
        return {};
    }
    if (decoded->whole && decoded->rejected.isEmpty()) {
        m_blocked.remove(domain);
        return decoded->values;
    }
    // What reads is used; the file stays until the next save replaces it, and a copy keeps what could not be
    // read for the user.
    const auto kept = setAside(path, true, bytes);
    if (!kept) {
        m_blocked.insert(domain);
        qWarning().noquote() << "Zarvo: settings file" << path
                             << "could not be read whole nor copied aside; changes are not saved";
        return decoded->values;
    }
    m_blocked.remove(domain);
    if (kept->madeNow) {
        QString line = QStringLiteral("Zarvo: settings file ") + path +
                       (decoded->whole ? QStringLiteral(" holds unreadable values; ")
                                       : QStringLiteral(" could not be read whole; ")) +
                       QString::number(decoded->values.size()) + QStringLiteral(" values were read");
        if (!decoded->rejected.isEmpty())
            line += QStringLiteral(" (left out: ") + decoded->rejected.join(QStringLiteral(", ")) +
                    QLatin1Char(')');
        qWarning().noquote() << line + QStringLiteral(", and the original is kept as ") + kept->path;
    }
    return decoded->values;
}

bool FileDefaultsStore::save(const QString& domain, const QVariantMap& values) {
    const QString path = filePath(domain);
    if (path.isEmpty()) return false;
    // A domain saved before it was ever read may still have a damaged file in the way.
    if (!m_checked.contains(domain)) load(domain);
    if (m_blocked.contains(domain)) return false;
    if (!QDir().mkpath(m_directory)) return false;
    QFile::setPermissions(m_directory,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    // Settings hold history and keywords: private to the user.
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    const QByteArray bytes = encode(values);
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace zarvo::linux_
