#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <initializer_list>
#include <optional>

namespace zarvo {

class UserDefaults;

// Reading stored lists entry by entry, so that one damaged entry costs that entry and no more.
namespace Salvage {

// The objects of a stored JSON array of objects.
struct Objects {
    QList<QJsonObject> objects;
    // The bytes parsed as an array holding objects only: nothing was skipped.
    bool whole = false;
};

// The array's objects when it parses; otherwise (cut short, a damaged byte) every balanced object that
// parses on its own, in stored order. Bounded work on any input.
Objects arrayObjects(const QByteArray& json);

// The members of `object` that are not among `known`: what a newer version added, kept to be written back.
QJsonObject unknownMembers(const QJsonObject& object, std::initializer_list<const char*> known);
// `object` with `extra` members added where it has none of that name.
QJsonObject withMembers(QJsonObject object, const QJsonObject& extra);
// Appends ,"name":value for each member, compact, for writers that emit their own member order.
void appendMembers(QByteArray& json, const QJsonObject& members);

// Where the original of a stored value that did not decode whole is kept.
struct KeptAside {
    // The defaults key holding the original value, beside the value's own key.
    QString key;
    // Entries that did decode and are in use.
    qsizetype entriesRead = 0;
    // The copy was made by this process (an earlier one found an equal copy and left it alone).
    bool madeNow = false;

    // One line for the user: what `what` ("history") lost, what was read and where the rest lies.
    QString notice(const QString& what) const;
};

// Copies the stored value of `key` to `key` + ".unreadable-<seconds>", unless a copy holding an equal value
// is already there; an earlier copy is never replaced. None when `key` has no stored value.
std::optional<KeptAside> keepAside(UserDefaults& defaults, const QString& key, qsizetype entriesRead);

} // namespace Salvage

} // namespace zarvo
