#include "platform/linux/LinuxSession.h"

#include "platform/Environment.h"
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

QStringList LinuxSession::trashDirectories() const {
    QStringList out{m_environment.dataHome() + QLatin1String("/Trash")};
    const QString uid = QString::number(getuid());
    GList* mounts = g_unix_mounts_get(nullptr);
    for (GList* l = mounts; l; l = l->next) {
        auto* entry = static_cast<GUnixMountEntry*>(l->data);
        const QString root = QString::fromUtf8(g_unix_mount_get_mount_path(entry));
        for (const QString& candidate :
             {root + QLatin1String("/.Trash/") + uid, root + QLatin1String("/.Trash-") + uid}) {
            const QFileInfo info(candidate);
            if (info.isDir() && !info.isSymLink() && !out.contains(candidate)) out << candidate;
        }
    }
    g_list_free_full(mounts, reinterpret_cast<GDestroyNotify>(g_unix_mount_free));
    return out;
}

std::optional<QString> LinuxSession::emptyTrashDirectories(const QStringList& trashDirectories) {
    QStringList failed;
    for (const QString& trash : trashDirectories) {
        for (const char* sub : {"files", "info", "expunged"}) {
            QDir dir(trash + QLatin1Char('/') + QLatin1String(sub));
            if (!dir.exists()) continue;
            const auto entries =
                dir.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
            for (const QFileInfo& entry : entries) {
                // Links are removed themselves, never what they point to.
                const bool ok = (entry.isDir() && !entry.isSymLink())
                                    ? QDir(entry.filePath()).removeRecursively()
                                    : QFile::remove(entry.filePath());
                if (!ok) failed << entry.filePath();
            }
        }
        QFile::remove(trash + QLatin1String("/directorysizes"));
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
