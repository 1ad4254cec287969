#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace zarvo {

class UserDefaults;

namespace index {
struct IndexStatus;
}

// The folders the file index searches and those it leaves out, as the person chooses them. Stored as
// given, with "~" for the home folder so the list survives a renamed home; read by the index on start.
namespace IndexedFolders {

enum class List { searched, leftOut };

// The stored folders; the home folder ("~") when none is stored for the searched ones.
QStringList folders(const UserDefaults& defaults, List list);

// How a stored entry is shown: "Home folder" for "~", others as stored.
QString displayName(const QString& entry);

// Adds an absolute folder to a list. Adding a folder that holds searched ones replaces them; a folder
// left out that is searched again is no longer left out. The message says why nothing changed.
std::optional<QString> add(UserDefaults& defaults, List list, const QString& folder, const QString& home);
// Removes a stored entry; the last searched folder stays (nothing searched would find nothing).
std::optional<QString> remove(UserDefaults& defaults, List list, const QString& entry);

// The lines under the lists: what is indexed, and how changes are followed ("3,120 folders are
// re-listed every two minutes: raise fs.inotify.max_user_watches").
QStringList statusLines(const index::IndexStatus& status, int relistMinutes);

} // namespace IndexedFolders

} // namespace zarvo
