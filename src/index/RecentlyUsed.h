#pragma once

#include <QHash>
#include <QString>

namespace zarvo::index::RecentlyUsed {

// The local files of a freedesktop recently-used list (recently-used.xbel): clean path → the latest
// of its visited, modified and added times, in seconds since the epoch. Empty when it cannot be read;
// a malformed list gives what was read before the fault (the fault goes to the log).
QHash<QString, quint32> read(const QString& xbelPath);

} // namespace zarvo::index::RecentlyUsed
