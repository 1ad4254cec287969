#include "store/UserDefaults.h"

#include "platform/UserDefaultsStore.h"

namespace zarvo {

UserDefaults::UserDefaults(UserDefaultsStore& store, QString domain)
    : m_store(store), m_domain(std::move(domain)), m_values(m_store.load(m_domain)) {}

void UserDefaults::registerDefaults(const QVariantMap& values) {
    for (auto it = values.begin(); it != values.end(); ++it)
        m_registered.insert(it.key(), it.value());
}

std::optional<QVariant> UserDefaults::object(const QString& key) const {
    if (auto it = m_values.constFind(key); it != m_values.constEnd()) return *it;
    if (auto it = m_registered.constFind(key); it != m_registered.constEnd()) return *it;
    return std::nullopt;
}

std::optional<qint64> UserDefaults::integer(const QString& key) const {
    auto value = object(key);
    if (!value) return std::nullopt;
    switch (value->typeId()) {
    case QMetaType::Bool:
        return value->toBool() ? 1 : 0;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return value->toLongLong();
    case QMetaType::Double: {
        const double d = value->toDouble();
        if (d != d || d > 9.2e18 || d < -9.2e18) return std::nullopt;
        return static_cast<qint64>(d);
    }
    case QMetaType::QString: {
        bool ok = false;
        const qint64 n = value->toString().trimmed().toLongLong(&ok);
        return ok ? std::optional<qint64>(n) : std::nullopt;
    }
    default:
        return std::nullopt;
    }
}

bool UserDefaults::boolean(const QString& key) const {
    auto value = object(key);
    if (!value) return false;
    if (value->typeId() == QMetaType::QString) {
        const QString s = value->toString().trimmed().toLower();
        return s == QLatin1String("yes") || s == QLatin1String("true") || s.toLongLong() != 0;
    }
    if (auto n = integer(key)) return *n != 0;
    return false;
}

std::optional<QString> UserDefaults::string(const QString& key) const {
    auto value = object(key);
    if (!value) return std::nullopt;
    switch (value->typeId()) {
    case QMetaType::QString:
        return value->toString();
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Bool:
        return value->toString();
    default:
        return std::nullopt;
    }
}

std::optional<QStringList> UserDefaults::stringArray(const QString& key) const {
    auto value = object(key);
    if (!value) return std::nullopt;
    if (value->typeId() == QMetaType::QStringList) return value->toStringList();
    if (value->typeId() != QMetaType::QVariantList) return std::nullopt;
    QStringList out;
    for (const auto& v : value->toList()) {
        if (v.typeId() != QMetaType::QString) return std::nullopt;
        out << v.toString();
    }
    return out;
}

std::optional<QByteArray> UserDefaults::data(const QString& key) const {
    auto value = object(key);
    if (!value || value->typeId() != QMetaType::QByteArray) return std::nullopt;
    return value->toByteArray();
}

void UserDefaults::set(const QString& key, const QVariant& value) {
    if (!value.isValid()) {
        remove(key);
        return;
    }
    m_values.insert(key, value);
    write();
}

void UserDefaults::remove(const QString& key) {
    if (m_values.remove(key) > 0) write();
}

QVariantMap UserDefaults::persistentDomain(const QString& name) const {
    if (name == m_domain) return m_values;
    return m_store.load(name);
}

void UserDefaults::write() {
    m_store.save(m_domain, m_values);
}

} // namespace zarvo
