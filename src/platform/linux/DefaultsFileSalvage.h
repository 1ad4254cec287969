#pragma once

#include <QByteArray>
#include <QJsonValue>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <utility>

namespace zarvo::linux_ {

// Reading a defaults file that does not parse whole (cut short, a broken quote): the members of its
// "values" object that stand on their own, so one damaged byte costs the value it falls in.
namespace DefaultsFileSalvage {

struct Members {
    // Each member whose value parses on its own, in stored order (the first of a repeated name).
    QList<std::pair<QString, QJsonValue>> members;
    // Names of members found whose value text does not parse.
    QStringList broken;
};

// None when the text does not open as a file of `format` at `version` (its root object's members before
// "values" must name that format and no other version). Bounded work on any input; what the bound leaves
// unread is not returned.
std::optional<Members> valuesMembers(const QByteArray& json, const QString& format, int version);

} // namespace DefaultsFileSalvage

} // namespace zarvo::linux_
