#pragma once

#include "search/ResultItem.h"

#include <QSet>
#include <QString>
#include <QStringList>
#include <optional>

namespace zarvo {

class Environment;
class Workspace;

// File-system work behind the result actions. Paths are absolute; nothing here ever replaces an
// existing file.
namespace FileOperations {

// Content types (MIME names on this platform) that run code when opened.
const QStringList& runnableTypes();
// The 35 extensions of documents that run code or install something when opened.
const QSet<QString>& runnableExtensions();
// The same for this platform's own launchers and installers (desktop entries, AppImages, packages).
const QSet<QString>& platformRunnableExtensions();
// Whether opening the file may run code: a runnable type or extension, what the desktop says it would
// run, or an executable file. A symbolic link counts by its own name and by what it points to; a chain
// deeper than 8 links, a loop or a link to nothing counts as runnable (it is asked about). `workspace`
// says what the desktop would run; none: types, extensions and the executable bit only.
bool isRunnable(const Workspace* workspace, const QString& path, int depth = 0);

// " copy", " copy 2" … beside the item, keeping the extension of files; the first free one.
QString duplicateCandidate(const QString& path, bool isDirectory);
// "name.zip", "name 2.zip" … beside the item; the first free one.
QString archiveCandidate(const QString& path);
// Copies a file or a whole folder (links stay links, holes stay holes). Fails rather than replace
// anything, and before it starts when the space is short; a failed copy leaves nothing behind. The error
// text, naming the entry that could not be copied, or none; `done` is the word for what was asked.
std::optional<QString> copyItem(const QString& from, const QString& to,
                                const QString& done = QStringLiteral("copied"));
// Moves (renames) an item, across file systems by copying then removing the original. Never replaces an
// existing item other than the item itself (a change of letter case on a case-insensitive volume). The
// error text, or none; on failure the original stays where it was.
std::optional<QString> moveItem(const QString& from, const QString& to);
// Whether two paths name the same file (same device and inode).
bool isSameFile(const QString& a, const QString& b);
// Whether something, even a dangling link, is at the path.
bool existsAt(const QString& path);

// The row's second line as the view shows it: the subtitle, the tilde path of a file, or "Open in browser".
QString displaySubtitle(const Environment* environment, const ResultItem& item);

} // namespace FileOperations

// What Copy Path and pasting put on the pasteboard: the command, the path, or the address.
QString copiedText(const ResultItem& item);

// Whether there is a row and it stands for a file or folder.
inline bool isFile(const std::optional<ResultItem>& item) {
    return item && item->url.isLocalFile();
}

} // namespace zarvo
