#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>
#include <optional>

namespace zarvo {

class UserDefaultsStore;

// One user-defaults domain: stored values over a registration (fallback) layer, written through to
// the platform's store on every change. Main thread only.
class UserDefaults {
public:
    UserDefaults(UserDefaultsStore& store, QString domain);

    const QString& domain() const { return m_domain; }

    // Values registered here answer reads for keys that have no stored value; they are never written.
    void registerDefaults(const QVariantMap& values);

    // The stored value, else the registered one, else none.
    std::optional<QVariant> object(const QString& key) const;
    // True only for a stored (not registered) value.
    bool hasStoredValue(const QString& key) const { return m_values.contains(key); }

    // Typed reads in the manner of the platform's defaults: a value of another type reads as absent.
    std::optional<qint64> integer(const QString& key) const;
    bool boolean(const QString& key) const;
    std::optional<QString> string(const QString& key) const;
    std::optional<QStringList> stringArray(const QString& key) const;
    std::optional<QByteArray> data(const QString& key) const;

    void set(const QString& key, const QVariant& value);
    void remove(const QString& key);

    // Every stored value of another domain, read once from the store (empty when absent).
    QVariantMap persistentDomain(const QString& name) const;
    const QVariantMap& storedValues() const { return m_values; }

private:
    void write();

    UserDefaultsStore& m_store;
    QString m_domain;
    QVariantMap m_values;
    QVariantMap m_registered;
};

} // namespace zarvo
