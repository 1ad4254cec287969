#include "platform/linux/LinuxSession.h"

#include "platform/Environment.h"
#include "platform/FileTree.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDir>
#include <QFile>
#include <QSaveFile>
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

namespace {

// KIO keeps in trashrc whether the Trash is empty; Plasma's trash icons and Dolphin's Empty Trash read it.
// The file is KIO's: where it is missing nothing reads it, so it is not made.
void markKioTrashEmpty(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return;
    QList<QByteArray> lines = file.readAll().split('\n');
    file.close();
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    qsizetype section = -1, end = lines.size();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray line = lines[i].trimmed();
        if (!line.startsWith('[')) continue;
        if (section >= 0) {
            end = i;
            break;
        }
        if (line == "[Status]") section = i;
    }
    if (section < 0) {
        lines << QByteArray() << "[Status]"
              << "Empty=true";
    } else {
        qsizetype entry = -1;
        for (qsizetype i = section + 1; i < end && entry < 0; ++i)
            if (lines[i].split('=').first().trimmed() == "Empty") entry = i;
        if (entry >= 0)
            lines[entry] = "Empty=true";
        else
            lines.insert(section + 1, "Empty=true");
    }
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(lines.join('\n') + '\n') < 0 || !out.commit())
        qWarning("Zarvo: could not update %s", qPrintable(path));
}

// The file managers learn of the change as after their own Empty Trash: Dolphin through KIO's change
// signal, Nautilus and Thunar through GIO's trash backend, which rescans when the Trash is listed.
void announceTrashChange() {
    auto signal = QDBusMessage::createSignal(QStringLiteral("/"), QStringLiteral("org.kde.KDirNotify"),
                                             QStringLiteral("FilesAdded"));
    signal << QStringLiteral("trash:/");
    QDBusConnection::sessionBus().send(signal);
    const gchar* const* schemes = g_vfs_get_supported_uri_schemes(g_vfs_get_default());
    if (!schemes || !g_strv_contains(schemes, "trash")) return;
    GRef<GFile> trash(g_file_new_for_uri("trash:///"));
    GRef<GFileEnumerator> children(g_file_enumerate_children(trash.get(), G_FILE_ATTRIBUTE_STANDARD_NAME,
                                                             G_FILE_QUERY_INFO_NONE, nullptr, nullptr));
    if (!children) return;
    while (GFileInfo* info = g_file_enumerator_next_file(children.get(), nullptr, nullptr))
        g_object_unref(info);
    g_file_enumerator_close(children.get(), nullptr, nullptr);
}

} // namespace

std::optional<QString> LinuxSession::emptyTrash() {
    const QStringList dirs = trashDirectories();
    const QString trashrc = m_environment.configHome() + QLatin1String("/trashrc");
    QThreadPool::globalInstance()->start([dirs, trashrc] {
        if (auto error = emptyTrashDirectories(dirs))
            qWarning("Zarvo: empty Trash failed: %s", qPrintable(*error));
        else
            markKioTrashEmpty(trashrc);
        announceTrashChange();
    });
    return std::nullopt;
}

} // namespace zarvo::linux_
