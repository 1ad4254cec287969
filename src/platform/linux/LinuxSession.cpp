#include "platform/linux/LinuxSession.h"

#include "platform/Environment.h"
#include "platform/FileTree.h"
#include "platform/Processes.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusPendingCallWatcher>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
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

bool isRegistered(QDBusConnection& bus, const QString& service) {
    if (!bus.isConnected() || !bus.interface()) return false;
    const auto reply = bus.interface()->isServiceRegistered(service);
    return reply.isValid() && reply.value();
}

// Sends a call without waiting for it; a failure that comes back later is logged.
void callAsync(QDBusConnection bus, const QString& service, const QString& path, const QString& interface,
               const QString& method, const QVariantList& arguments = {}) {
    auto message = QDBusMessage::createMethodCall(service, path, interface, method);
    message.setArguments(arguments);
    // Confirmation dialogs keep the call open while the user decides.
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(message, 5 * 60 * 1000));
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher, [watcher, method] {
        if (watcher->isError())
            qWarning("Zarvo: %s failed: %s", qPrintable(method), qPrintable(watcher->error().message()));
        watcher->deleteLater();
    });
}

} // namespace

LinuxSession::LinuxSession(const Environment& environment, Processes& processes, bool hasX11)
    : m_environment(environment), m_processes(processes), m_hasX11(hasX11) {}

bool LinuxSession::startProgram(const QString& program, const QStringList& arguments) {
    const QString path = QStandardPaths::findExecutable(program);
    return !path.isEmpty() && m_processes.startDetached(path, arguments);
}

std::optional<QString> LinuxSession::lockScreen() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    const QString freedesktop = QStringLiteral("org.freedesktop.ScreenSaver");
    if (isRegistered(bus, freedesktop)) {
        callAsync(bus, freedesktop, QStringLiteral("/org/freedesktop/ScreenSaver"), freedesktop,
                  QStringLiteral("Lock"));
        return std::nullopt;
    }
    const QString gnome = QStringLiteral("org.gnome.ScreenSaver");
    if (isRegistered(bus, gnome)) {
        callAsync(bus, gnome, QStringLiteral("/org/gnome/ScreenSaver"), gnome, QStringLiteral("Lock"));
        return std::nullopt;
    }
    // logind asks the session's locker to lock; it works wherever a locker listens.
    if (m_environment.variable(QStringLiteral("XDG_SESSION_ID")) &&
        startProgram(QStringLiteral("loginctl"), {QStringLiteral("lock-session")}))
        return std::nullopt;
    if (startProgram(QStringLiteral("xdg-screensaver"), {QStringLiteral("lock")})) return std::nullopt;
    return QString::fromLatin1(kNotAvailable);
}

std::optional<QString> LinuxSession::sleep() {
    QDBusConnection bus = QDBusConnection::systemBus();
    const QString login1 = QStringLiteral("org.freedesktop.login1");
    if (!isRegistered(bus, login1)) return QString::fromLatin1(kNotAvailable);
    callAsync(bus, login1, QStringLiteral("/org/freedesktop/login1"),
              QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("Suspend"), {true});
    return std::nullopt;
}

std::optional<QString> LinuxSession::displaySleep() {
    if (m_hasX11 && startProgram(QStringLiteral("xset"),
                                 {QStringLiteral("dpms"), QStringLiteral("force"), QStringLiteral("off")}))
        return std::nullopt;
    return QString::fromLatin1(kNotAvailable);
}

std::optional<QString> LinuxSession::startScreenSaver() {
    if (startProgram(QStringLiteral("xdg-screensaver"), {QStringLiteral("activate")})) return std::nullopt;
    QDBusConnection bus = QDBusConnection::sessionBus();
    const QString freedesktop = QStringLiteral("org.freedesktop.ScreenSaver");
    if (isRegistered(bus, freedesktop)) {
        callAsync(bus, freedesktop, QStringLiteral("/org/freedesktop/ScreenSaver"), freedesktop,
                  QStringLiteral("SetActive"), {true});
        return std::nullopt;
    }
    return QString::fromLatin1(kNotAvailable);
}

std::optional<QString> LinuxSession::endSession(Ending ending) {
    // The session manager asks the user to confirm (and lets applications save); logind does not, so
    // it is only the fallback for restart and shut down.
    QDBusConnection bus = QDBusConnection::sessionBus();
    struct Manager {
        const char* service;
        const char* path;
        const char* interface;
        const char* restart;
        const char* shutDown;
        const char* logOut;
        QVariantList logOutArguments;
    };
    const Manager managers[] = {
        {"org.kde.LogoutPrompt",
         "/LogoutPrompt",
         "org.kde.LogoutPrompt",
         "promptReboot",
         "promptShutDown",
         "promptLogout",
         {}},
        {"org.gnome.SessionManager",
         "/org/gnome/SessionManager",
         "org.gnome.SessionManager",
         "Reboot",
         "Shutdown",
         "Logout",
         {QVariant::fromValue(uint(0))}},
        {"org.xfce.SessionManager",
         "/org/xfce/SessionManager",
         "org.xfce.Session.Manager",
         nullptr,
         nullptr,
         "Logout",
         {true, true}},
        {"org.lxqt.session", "/LXQtSession", "org.lxqt.session", "reboot", "powerOff", "logout", {}},
    };
    for (const Manager& manager : managers) {
        const char* method = ending == Ending::Restart    ? manager.restart
                             : ending == Ending::ShutDown ? manager.shutDown
                                                          : manager.logOut;
        if (!method || !isRegistered(bus, QString::fromLatin1(manager.service))) continue;
        callAsync(bus, QString::fromLatin1(manager.service), QString::fromLatin1(manager.path),
                  QString::fromLatin1(manager.interface), QString::fromLatin1(method),
                  ending == Ending::LogOut ? manager.logOutArguments : QVariantList{});
        return std::nullopt;
    }
    if (ending == Ending::LogOut) return QString::fromLatin1(kNotAvailable);
    QDBusConnection system = QDBusConnection::systemBus();
    const QString login1 = QStringLiteral("org.freedesktop.login1");
    if (!isRegistered(system, login1)) return QString::fromLatin1(kNotAvailable);
    callAsync(system, login1, QStringLiteral("/org/freedesktop/login1"),
              QStringLiteral("org.freedesktop.login1.Manager"),
              ending == Ending::Restart ? QStringLiteral("Reboot") : QStringLiteral("PowerOff"), {true});
    return std::nullopt;
}

std::optional<QString> LinuxSession::restart() {
    return endSession(Ending::Restart);
}
std::optional<QString> LinuxSession::shutDown() {
    return endSession(Ending::ShutDown);
}
std::optional<QString> LinuxSession::logOut() {
    return endSession(Ending::LogOut);
}

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
