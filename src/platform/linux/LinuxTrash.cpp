#include "platform/linux/LinuxSession.h"

#include "platform/Environment.h"
#include "platform/FileTree.h"

#include <QDir>
#include <QFile>
#include <QThreadPool>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/linux/GioIncludes.h"
#include <gio/gunixmounts.h>

namespace zarvo::linux_ {

namespace {

QString uidText() {
    return QString::number(getuid());
}

// Opens a trash folder the way the freedesktop Trash rules allow: the user's own folder, not a link,
// on the file system it belongs to; for the shared "$topdir/.Trash/$uid" form also a sticky ".Trash"
// that is not a link. Otherwise a closed folder and the reason in `why`.
FileTree::Folder openTrash(const QString& path, QString* why) {
    const QString clean = QDir::cleanPath(path);
    const QString name = clean.section(QLatin1Char('/'), -1);
    const QString parentPath = clean.section(QLatin1Char('/'), 0, -2);
    const bool shared = name == uidText() && parentPath.endsWith(QLatin1String("/.Trash"));
    const QString topPath = shared ? parentPath.section(QLatin1Char('/'), 0, -2) : parentPath;
    FileTree::Folder top =
        FileTree::openPath(QFile::encodeName(topPath.isEmpty() ? QStringLiteral("/") : topPath));
    struct stat topStatus;
    if (!top.isOpen() || ::fstat(top.fd(), &topStatus) != 0) {
        *why = QString::fromLocal8Bit(strerror(errno));
        return {};
    }
    FileTree::Folder parent;
    int parentFd = top.fd();
    if (shared) {
        parent = FileTree::openChild(top.fd(), ".Trash");
        struct stat sharedStatus;
        if (!parent.isOpen() || ::fstat(parent.fd(), &sharedStatus) != 0 ||
            !(sharedStatus.st_mode & S_ISVTX) || sharedStatus.st_dev != topStatus.st_dev) {
            *why = QStringLiteral("the shared .Trash is a link, not sticky or on another file system");
            return {};
        }
        parentFd = parent.fd();
    } else if (name != QLatin1String(".Trash-") + uidText() && name != QLatin1String("Trash")) {
        *why = QStringLiteral("not a trash folder");
        return {};
    }
    FileTree::Folder trash = FileTree::openChild(parentFd, QFile::encodeName(name));
    struct stat status;
    if (!trash.isOpen() || ::fstat(trash.fd(), &status) != 0) {
        *why = errno == ELOOP ? QStringLiteral("a link") : QString::fromLocal8Bit(strerror(errno));
        return {};
    }
    if (status.st_uid != getuid()) {
        *why = QStringLiteral("owned by another user");
        return {};
    }
    // The home Trash may live on a file system of its own; a volume's trash lives on the volume.
    if (name != QLatin1String("Trash") && status.st_dev != topStatus.st_dev) {
        *why = QStringLiteral("on another file system than its volume");
        return {};
    }
    return trash;
}

} // namespace

QStringList LinuxSession::trashDirectories() const {
    QStringList roots;
    GList* mounts = g_unix_mounts_get(nullptr);
    for (GList* l = mounts; l; l = l->next) {
        auto* entry = static_cast<GUnixMountEntry*>(l->data);
        roots << QString::fromUtf8(g_unix_mount_get_mount_path(entry));
    }
    g_list_free_full(mounts, reinterpret_cast<GDestroyNotify>(g_unix_mount_free));
    return trashDirectories(m_environment.dataHome() + QLatin1String("/Trash"), roots);
}

QStringList LinuxSession::trashDirectories(const QString& homeTrash, const QStringList& mountRoots) {
    QStringList out;
    QString why;
    if (openTrash(homeTrash, &why).isOpen()) out << QDir::cleanPath(homeTrash);
    const QString uid = uidText();
    for (const QString& root : mountRoots) {
        const QString base = root == QLatin1String("/") ? QString() : root;
        for (const QString& candidate :
             {base + QLatin1String("/.Trash/") + uid, base + QLatin1String("/.Trash-") + uid})
            if (!out.contains(candidate) && openTrash(candidate, &why).isOpen()) out << candidate;
    }
    return out;
}

std::optional<QString> LinuxSession::emptyTrashDirectories(const QStringList& trashDirectories) {
    QStringList failed;
    for (const QString& path : trashDirectories) {
        QString why;
        const FileTree::Folder trash = openTrash(path, &why);
        struct stat status;
        if (!trash.isOpen() || ::fstat(trash.fd(), &status) != 0) {
            failed << path + QLatin1String(" (") + why + QLatin1Char(')');
            continue;
        }
        for (const char* sub : {"files", "info", "expunged"}) {
            const QString shown = path + QLatin1Char('/') + QLatin1String(sub);
            const FileTree::Folder folder = FileTree::openChild(trash.fd(), sub);
            if (!folder.isOpen()) {
                // A link or a file where the folder should be is left alone.
                if (errno != ENOENT) failed << shown;
                continue;
            }
            struct stat subStatus;
            if (::fstat(folder.fd(), &subStatus) != 0 || subStatus.st_dev != status.st_dev ||
                subStatus.st_uid != getuid()) {
                failed << shown;
                continue;
            }
            FileTree::emptyAt(folder.fd(), status.st_dev, shown, &failed);
        }
        // unlinkat removes a link itself, never its target.
        ::unlinkat(trash.fd(), "directorysizes", 0);
    }
    if (failed.isEmpty()) return std::nullopt;
    return QStringLiteral("could not delete %1").arg(failed.join(QLatin1String(", ")));
}

std::optional<QString> LinuxSession::emptyTrash() {
    const QStringList dirs = trashDirectories();
    QThreadPool::globalInstance()->start([dirs] {
        if (auto error = emptyTrashDirectories(dirs))
            qWarning("Zarvo: empty Trash failed: %s", qPrintable(*error));
    });
    return std::nullopt;
}

} // namespace zarvo::linux_
