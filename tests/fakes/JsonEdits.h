#pragma once

// Stored JSON lists with one member of one object changed, for the tests of damaged files.

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace zarvo::testing {

inline QByteArray withMember(QJsonArray array, int index, const char* key, const QJsonValue& value) {
    QJsonObject object = array[index].toObject();
    object[QLatin1String(key)] = value;
    array[index] = object;
    return QJsonDocument(array).toJson(QJsonDocument::Compact);
}

} // namespace zarvo::testing
