#include "platform/FileTree.h"

#include <QCoreApplication>
#include <QFile>
#include <QPair>

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <limits>
#include <string>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace zarvo::FileTree {

namespace {

// Metadata that cannot be carried over (another user's owner, say) is left as it is: the copy stays ours.
void bestEffort(int) {}

QString errorText(int error) {
    return QString::fromStdString(std::error_code(error, std::generic_category()).message());
}

// The names in an open folder, read through a descriptor of its own so `folder` stays usable.
bool listNames(int folder, std::vector<QByteArray>* names) {
    const int copy = ::fcntl(folder, F_DUPFD_CLOEXEC, 0);
    if (copy < 0) return false;
    DIR* dir = ::fdopendir(copy);
    if (!dir) {
        ::close(copy);
        return false;
    }
    ::rewinddir(dir);
    errno = 0;
    while (const dirent* entry = ::readdir(dir)) {
        const char* name = entry->d_name;
        if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0))) continue;
        names->push_back(QByteArray(name));
    }
    const bool ok = errno == 0;
    ::closedir(dir);
    return ok;
}

QString shown(const QString& parent, const QByteArray& name) {
    return parent + QLatin1Char('/') + QFile::decodeName(name);
}

bool removeIn(int parent, const QByteArray& name, dev_t device, const QString& shownParent,
              QStringList* failed, int depth);

bool emptyIn(int folder, dev_t device, const QString& shownFolder, QStringList* failed, int depth) {
    std::vector<QByteArray> names;
    if (!listNames(folder, &names)) {
        if (failed) *failed << shownFolder;
        return false;
    }
    bool ok = true;
    for (const QByteArray& name : names)
        ok = removeIn(folder, name, device, shownFolder, failed, depth) && ok;
    return ok;
}

bool removeIn(int parent, const QByteArray& name, dev_t device, const QString& shownParent,
              QStringList* failed, int depth) {
    struct stat status;
    if (::fstatat(parent, name.constData(), &status, AT_SYMLINK_NOFOLLOW) != 0) {
        if (errno == ENOENT) return true;
        if (failed) *failed << shown(shownParent, name);
        return false;
    }
    if (!S_ISDIR(status.st_mode)) {
        // Links, files and everything else go themselves, never what they stand for.
        if (::unlinkat(parent, name.constData(), 0) == 0 || errno == ENOENT) return true;
        if (failed) *failed << shown(shownParent, name);
        return false;
    }
    const QString here = shown(shownParent, name);
    // A folder of another file system (a mount point) is never entered.
    if (status.st_dev != device || depth >= maximumDepth) {
        if (failed) *failed << here;
        return false;
    }
    Folder folder = openChild(parent, name);
    struct stat opened;
    if (!folder.isOpen() || ::fstat(folder.fd(), &opened) != 0 || opened.st_dev != status.st_dev ||
        opened.st_ino != status.st_ino) {
        // Replaced by a link or another folder since it was looked at: left alone.
        if (failed) *failed << here;
        return false;
    }
    // A read-only folder of ours (trashed that way) is opened up so its entries can go.
    if ((opened.st_mode & S_IRWXU) != S_IRWXU && opened.st_uid == ::geteuid())
        bestEffort(::fchmod(folder.fd(), (opened.st_mode & 07777) | S_IRWXU));
    const bool emptied = emptyIn(folder.fd(), device, here, failed, depth + 1);
    folder = Folder();
    if (!emptied) return false;
    if (::unlinkat(parent, name.constData(), AT_REMOVEDIR) == 0 || errno == ENOENT) return true;
    if (failed) *failed << here;
    return false;
}

// ---- Copying ----

void copyTimesAndOwner(int fd, const struct stat& source) {
    // Owners first: changing them may clear set-id bits, which the mode then sets again. Without the
    // right to give the file away, the group alone may still be kept.
    if (::fchown(fd, source.st_uid, source.st_gid) != 0) bestEffort(::fchown(fd, uid_t(-1), source.st_gid));
    bestEffort(::fchmod(fd, source.st_mode & 07777));
    const struct timespec times[2] = {source.st_atim, source.st_mtim};
    ::futimens(fd, times);
}

// Copies bytes [`at`, `end`) of `from` to the same place in `to`; stops early at the end of the file.
int copyRange(int from, int to, off_t at, off_t end) {
    bool plain = false;
    while (at < end) {
        const size_t length = size_t(std::min<off_t>(end - at, off_t(1) << 30));
        if (!plain) {
            off_t in = at, out = at;
            const ssize_t copied = ::copy_file_range(from, &in, to, &out, length, 0);
            if (copied > 0) {
                at += copied;
                continue;
            }
            if (copied == 0) return 0;
            if (errno == EINTR) continue;
            if (errno != EXDEV && errno != ENOSYS && errno != EINVAL && errno != EOPNOTSUPP && errno != EPERM)
                return errno;
            plain = true;
        }
        char buffer[128 * 1024];
        const ssize_t got = ::pread(from, buffer, std::min(sizeof buffer, length), at);
        if (got == 0) return 0;
        if (got < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        for (ssize_t done = 0; done < got;) {
            const ssize_t put = ::pwrite(to, buffer + done, size_t(got - done), at + done);
            if (put < 0) {
                if (errno == EINTR) continue;
                return errno;
            }
            done += put;
        }
        at += got;
    }
    return 0;
}

// Copies the content of `from` region by region: what reads as a hole is left unwritten, so a sparse
// file stays sparse (a disk image of 1 GiB holding 4 KiB takes 4 KiB again).
int copyData(int from, int to) {
    off_t at = 0;
    for (;;) {
        const off_t data = ::lseek(from, at, SEEK_DATA);
        if (data < 0) {
            if (errno == ENXIO) break; // only a hole, or nothing, from here to the end
            // A file system that cannot tell holes: everything is data.
            if (const int error = copyRange(from, to, at, std::numeric_limits<off_t>::max())) return error;
            break;
        }
        off_t hole = ::lseek(from, data, SEEK_HOLE);
        if (hole < 0) hole = std::numeric_limits<off_t>::max();
        if (const int error = copyRange(from, to, data, hole)) return error;
        if (hole == std::numeric_limits<off_t>::max()) break;
        at = hole;
    }
    // A hole at the end is made by the length alone.
    struct stat status;
    if (::fstat(from, &status) != 0) return errno;
    if (::ftruncate(to, status.st_size) != 0) return errno;
    return 0;
}

// The bytes the entry `name` of `parent` takes on disk, everything in it counted; what cannot be read is
// left out (the copy itself reports it).
qint64 allocatedBytes(int parent, const QByteArray& name, int depth) {
    struct stat status;
    if (::fstatat(parent, name.constData(), &status, AT_SYMLINK_NOFOLLOW) != 0) return 0;
    qint64 bytes = qint64(status.st_blocks) * 512;
    if (!S_ISDIR(status.st_mode) || depth >= maximumDepth) return bytes;
    Folder folder = openChild(parent, name);
    std::vector<QByteArray> names;
    if (!folder.isOpen() || !listNames(folder.fd(), &names)) return bytes;
    for (const QByteArray& child : names)
        bytes += allocatedBytes(folder.fd(), child, depth + 1);
    return bytes;
}

// Copies the entry `name` of `fromParent` to `toName` in `toParent`, which does not have it yet.
// Returns 0 or an errno value, with `failure` saying which entry failed; `created` tells whether `toName`
// was made (on failure the caller removes it again; something that was there already is never touched).
int copyIn(int fromParent, const QByteArray& name, int toParent, const QByteArray& toName, int depth,
           bool* created, CopyFailure* failure) {
    bool ignored = false;
    if (!created) created = &ignored;
    failure->entry = QFile::decodeName(name);
    failure->type = 0;
    struct stat status;
    if (::fstatat(fromParent, name.constData(), &status, AT_SYMLINK_NOFOLLOW) != 0) return errno;
    failure->type = status.st_mode & S_IFMT;

    if (S_ISLNK(status.st_mode)) {
        QByteArray target(qsizetype(status.st_size > 0 ? status.st_size : 255) + 1, Qt::Uninitialized);
        for (;;) {
            const ssize_t length =
                ::readlinkat(fromParent, name.constData(), target.data(), size_t(target.size()));
            if (length < 0) return errno;
            if (length < target.size()) {
                target.truncate(length);
                break;
            }
            target.resize(target.size() * 2);
        }
        if (::symlinkat(target.constData(), toParent, toName.constData()) != 0) return errno;
        *created = true;
        bestEffort(
            ::fchownat(toParent, toName.constData(), status.st_uid, status.st_gid, AT_SYMLINK_NOFOLLOW));
        const struct timespec times[2] = {status.st_atim, status.st_mtim};
        ::utimensat(toParent, toName.constData(), times, AT_SYMLINK_NOFOLLOW);
        return 0;
    }

    if (S_ISDIR(status.st_mode)) {
        if (depth >= maximumDepth) return ELOOP;
        Folder from = openChild(fromParent, name);
        if (!from.isOpen()) return errno;
        struct stat opened;
        if (::fstat(from.fd(), &opened) != 0) return errno;
        if (opened.st_dev != status.st_dev || opened.st_ino != status.st_ino) return EAGAIN;
        // Private while it fills: nobody else can look in before the original mode is set at the end.
        if (::mkdirat(toParent, toName.constData(), S_IRWXU) != 0) return errno;
        *created = true;
        Folder to = openChild(toParent, toName);
        if (!to.isOpen()) return errno;
        std::vector<QByteArray> names;
        if (!listNames(from.fd(), &names)) return errno ? errno : EIO;
        for (const QByteArray& child : names) {
            if (const int error = copyIn(from.fd(), child, to.fd(), child, depth + 1, nullptr, failure)) {
                failure->entry = QFile::decodeName(name) + QLatin1Char('/') + failure->entry;
                return error;
            }
        }
        copyTimesAndOwner(to.fd(), opened);
        return 0;
    }

    if (S_ISREG(status.st_mode)) {
        // O_NONBLOCK: should the file have become a pipe since it was looked at, opening does not hang.
        const int from =
            ::openat(fromParent, name.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
        if (from < 0) return errno;
        struct stat opened;
        int error = 0;
        if (::fstat(from, &opened) != 0)
            error = errno;
        else if (!S_ISREG(opened.st_mode) || opened.st_ino != status.st_ino || opened.st_dev != status.st_dev)
            error = EAGAIN;
        int to = -1;
        if (!error) {
            ::fcntl(from, F_SETFL, ::fcntl(from, F_GETFL) & ~O_NONBLOCK);
            to = ::openat(toParent, toName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                          S_IRUSR | S_IWUSR);
            if (to < 0)
                error = errno;
            else
                *created = true;
        }
        if (!error) error = copyData(from, to);
        if (!error) copyTimesAndOwner(to, opened);
        if (to >= 0 && ::close(to) != 0 && !error) error = errno;
        ::close(from);
        return error;
    }

    if (S_ISFIFO(status.st_mode)) {
        if (::mkfifoat(toParent, toName.constData(), S_IRUSR | S_IWUSR) != 0) return errno;
        *created = true;
        bestEffort(
            ::fchownat(toParent, toName.constData(), status.st_uid, status.st_gid, AT_SYMLINK_NOFOLLOW));
        bestEffort(::fchmodat(toParent, toName.constData(), status.st_mode & 07777, 0));
        const struct timespec times[2] = {status.st_atim, status.st_mtim};
        ::utimensat(toParent, toName.constData(), times, AT_SYMLINK_NOFOLLOW);
        return 0;
    }
    // Sockets and devices hold no content of their own to copy.
    return ENOTSUP;
}

// The folder part and the last component of a path.
QPair<QByteArray, QByteArray> split(const QString& path) {
    QByteArray bytes = QFile::encodeName(path);
    while (bytes.size() > 1 && bytes.endsWith('/'))
        bytes.chop(1);
    const qsizetype slash = bytes.lastIndexOf('/');
    if (slash < 0) return {QByteArray("."), bytes};
    return {slash == 0 ? QByteArray("/") : bytes.left(slash), bytes.mid(slash + 1)};
}

} // namespace

Folder& Folder::operator=(Folder&& other) noexcept {
    if (this != &other) {
        if (m_fd >= 0) ::close(m_fd);
        m_fd = other.release();
    }
    return *this;
}

Folder::~Folder() {
    if (m_fd >= 0) ::close(m_fd);
}

int Folder::release() {
    const int fd = m_fd;
    m_fd = -1;
    return fd;
}

Folder openPath(const QByteArray& path) {
    return Folder(::open(path.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
}

Folder openChild(int parent, const QByteArray& name) {
    return Folder(::openat(parent, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
}

bool removeAt(int parent, const QByteArray& name, dev_t device, const QString& shownParent,
              QStringList* failed) {
    return removeIn(parent, name, device, shownParent, failed, 0);
}

bool emptyAt(int folder, dev_t device, const QString& shownFolder, QStringList* failed) {
    return emptyIn(folder, device, shownFolder, failed, 0);
}

std::optional<QString> remove(const QString& path) {
    const auto [folderPath, name] = split(path);
    Folder parent = openPath(folderPath);
    struct stat status;
    if (!parent.isOpen() || ::fstatat(parent.fd(), name.constData(), &status, AT_SYMLINK_NOFOLLOW) != 0)
        return errorText(errno);
    QStringList failed;
    if (removeAt(parent.fd(), name, status.st_dev, QFile::decodeName(folderPath), &failed))
        return std::nullopt;
    //: %1 lists the items that stay.
    return QCoreApplication::translate("FileTree", "could not delete %1")
        .arg(failed.join(QLatin1String(", ")));
}

std::optional<CopyFailure> copy(const QString& from, const QString& to) {
    const auto [fromFolder, fromName] = split(from);
    const auto [toFolder, toName] = split(to);
    CopyFailure failure;
    failure.entry = QFile::decodeName(fromName);
    Folder source = openPath(fromFolder);
    Folder destination = source.isOpen() ? openPath(toFolder) : Folder();
    if (!destination.isOpen()) {
        failure.error = errno;
        return failure;
    }
    // Found short before anything is written rather than with a half-made copy.
    struct statvfs space;
    if (::fstatvfs(destination.fd(), &space) == 0) {
        const qint64 available = qint64(space.f_bavail) * qint64(space.f_frsize);
        const qint64 needed = allocatedBytes(source.fd(), fromName, 0);
        if (needed > available) {
            failure.error = ENOSPC;
            failure.needed = needed;
            failure.available = available;
            return failure;
        }
    }
    bool created = false;
    const int error = copyIn(source.fd(), fromName, destination.fd(), toName, 0, &created, &failure);
    if (!error) return std::nullopt;
    failure.error = error;
    struct stat made;
    if (created && ::fstatat(destination.fd(), toName.constData(), &made, AT_SYMLINK_NOFOLLOW) == 0)
        removeAt(destination.fd(), toName, made.st_dev, QFile::decodeName(toFolder), nullptr);
    return failure;
}

} // namespace zarvo::FileTree
