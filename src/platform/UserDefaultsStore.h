#pragma once

#include <QString>
#include <QVariantMap>

namespace zarvo {

// Persistent storage of user-defaults domains (one per identifier). Values are QVariant of bool,
// qint64, double, QString, QByteArray (data), QDateTime, QVariantList and QVariantMap.
// The registration (fallback) layer and typed reads live in the core's UserDefaults.
class UserDefaultsStore {
public:
    virtual ~UserDefaultsStore() = default;
    // The stored values of a domain; empty when it does not exist or cannot be read.
    virtual QVariantMap load(const QString& domain) = 0;
    // Replaces the domain's values, whole and atomically. False when it could not be written.
    virtual bool save(const QString& domain, const QVariantMap& values) = 0;
};

} // namespace zarvo
