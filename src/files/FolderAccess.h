#pragma once

#include <QPair>
#include <QString>
#include <QStringList>
#include <QUrl>

namespace zarvo {

struct Platform;

// Which of the user's Desktop, Documents and Downloads folders the program cannot list (privacy
// denial, missing, unreadable): file search silently misses those, so the panel warns about them.
namespace FolderAccess {

// The folders tested, in order, by name.
const QStringList& testedFolders();
// The names of the tested folders that cannot be listed. Touches the file system: call it off the
// main thread.
QStringList deniedFolders(const Platform& platform);
// The tested folders with where `platform` keeps them; asks the platform, so call it on the main thread.
QList<QPair<QString, QString>> places(const Platform& platform);
// The names among `places` whose folder cannot be listed; touches only the file system (any thread).
QStringList deniedAmong(const QList<QPair<QString, QString>>& places);
// The same under an explicit home folder (each name directly under it).
QStringList deniedFolders(const QString& home);

// The settings pages that let the user grant access.
const QUrl& filesAndFoldersPane();
const QUrl& fullDiskAccessPane();

// The banner line for a non-empty denied list.
QString bannerText(const QStringList& denied);

} // namespace FolderAccess

} // namespace zarvo
