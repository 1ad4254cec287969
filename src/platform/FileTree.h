#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <sys/types.h>

namespace zarvo {

// Copying and removing whole trees through open folder descriptors (openat, unlinkat …), so a link
// that someone plants while we work is never followed and a mount point inside a tree is never entered.
namespace FileTree {

// How deep a tree may nest: every level holds a descriptor open.
inline constexpr int maximumDepth = 256;

// An open folder descriptor, closed when it goes out of scope. -1 when opening failed (errno says why).
class Folder {
public:
    Folder() = default;
    explicit Folder(int fd) : m_fd(fd) {}
    Folder(Folder&& other) noexcept : m_fd(other.release()) {}
    Folder& operator=(Folder&& other) noexcept;
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;
    ~Folder();

    int fd() const { return m_fd; }
    bool isOpen() const { return m_fd >= 0; }
    int release();

private:
    int m_fd = -1;
};

// Opens a folder by path (links in the path are followed, as the user named it).
Folder openPath(const QByteArray& path);
// Opens the folder `name` inside `parent`; a link at `name` is refused (ELOOP), as is anything else but
// a folder (ENOTDIR).
Folder openChild(int parent, const QByteArray& name);

// Removes the entry `name` inside the open folder `parent` (a folder with everything in it) without
// following links and without entering another file system than `device`. Entries that stay are added
// to `failed`, shown under `shownParent`. True when everything went.
bool removeAt(int parent, const QByteArray& name, dev_t device, const QString& shownParent,
              QStringList* failed);
// Removes everything inside the open folder `folder` the same way; the folder itself stays.
bool emptyAt(int folder, dev_t device, const QString& shownFolder, QStringList* failed);
// Removes the item at `path` (a folder with everything in it); the error text, or none.
std::optional<QString> remove(const QString& path);

// Why a copy failed: an errno value (ENOTSUP for a device file or socket, which hold nothing that can be
// copied; ENOSPC also when the free space was found short before anything was written), the entry it
// concerns as a path from the copied item's own name on, and that entry's type (S_IFMT bits).
struct CopyFailure {
    int error = 0;
    QString entry;
    mode_t type = 0;
    qint64 needed = 0;    // when the free space was short: the bytes the copy takes
    qint64 available = 0; // and those free where it goes
};

// Copies the item at `from` to `to`, which must not exist. Folders are made 0700 and files 0600 while
// their content is copied; the original modes, owners (where allowed) and times are set once it is in
// place. Links are copied as links and never followed, holes in files stay holes; nothing existing is
// ever replaced. It starts only when the space the original takes is free. A failed copy leaves nothing
// behind.
std::optional<CopyFailure> copy(const QString& from, const QString& to);

} // namespace FileTree

} // namespace zarvo
