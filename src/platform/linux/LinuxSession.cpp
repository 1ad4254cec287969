#include "platform/linux/LinuxSession.h"

#include "platform/Environment.h"
#include "platform/Processes.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusPendingCallWatcher>
#include <QStandardPaths>
#include <QTimer>

namespace zarvo::linux_ {

namespace {

// A confirmation dialog or a password prompt may keep a call open while the user decides.
constexpr int kDialogTimeoutMs = 5 * 60 * 1000;
constexpr int kLockTimeoutMs = 20 * 1000;

QString notAvailable() {
    return QCoreApplication::translate("LinuxSession", kNotAvailable);
}

bool isRegistered(QDBusConnection& bus, const QString& service) {
    if (!bus.isConnected() || !bus.interface()) return false;
    const auto reply = bus.interface()->isServiceRegistered(service);
    return reply.isValid() && reply.value();
}

bool isActivatable(QDBusConnection& bus, const QString& service) {
    if (!bus.isConnected() || !bus.interface()) return false;
    const auto reply = bus.interface()->activatableServiceNames();
    return reply.isValid() && reply.value().contains(service);
}

// Sends a call without waiting for it; a failure that comes back later is logged.
void callAsync(QDBusConnection bus, const QString& service, const QString& path, const QString& interface,
               const QString& method, const QVariantList& arguments = {}) {
    auto message = QDBusMessage::createMethodCall(service, path, interface, method);
    message.setArguments(arguments);
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(message, kDialogTimeoutMs));
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher, [watcher, method] {
        if (watcher->isError())
            qWarning("Zarvo: %s failed: %s", qPrintable(method), qPrintable(watcher->error().message()));
        watcher->deleteLater();
    });
}

// One way of doing something; it tells `next` whether it worked.
using Attempt = std::function<void(std::function<void(bool worked)> next)>;

// Tries the attempts in turn until one works; `done` hears whether one did.
void firstThatWorks(QList<Attempt> attempts, std::function<void(bool)> done) {
    if (attempts.isEmpty()) {
        done(false);
        return;
    }
    const Attempt attempt = attempts.takeFirst();
    attempt([attempts, done](bool worked) {
        if (worked)
            done(true);
        else
            firstThatWorks(attempts, done);
    });
}

// A call judged by its reply. A service that is not running is not started unless `autoStart`.
Attempt callAttempt(QDBusConnection bus, const QString& service, const QString& path,
                    const QString& interface, const QString& method, const QVariantList& arguments,
                    bool autoStart, int timeoutMs, QString* lastError) {
    return [=](std::function<void(bool)> next) {
        auto message = QDBusMessage::createMethodCall(service, path, interface, method);
        message.setArguments(arguments);
        message.setAutoStartService(autoStart);
        auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(message, timeoutMs));
        QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
                         [watcher, service, method, next, lastError] {
                             watcher->deleteLater();
                             const QDBusError error = watcher->error();
                             // GNOME's session manager answers a dialog the user cancelled with GIO's
                             // "cancelled": an answer, not a refusal (endings alone pass `lastError`).
                             if (lastError &&
                                 error.name().endsWith(QLatin1String("_g_2dio_2derror_2dquark.Code19"))) {
                                 next(true);
                                 return;
                             }
                             const bool absent =
                                 error.type() == QDBusError::ServiceUnknown ||
                                 error.name() == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner");
                             if (watcher->isError() && !absent) {
                                 qWarning("Zarvo: %s %s refused: %s", qPrintable(service), qPrintable(method),
                                          qPrintable(error.message()));
                                 if (lastError) *lastError = error.message();
                             }
                             next(!watcher->isError());
                         });
    };
}

} // namespace

LinuxSession::LinuxSession(const Environment& environment, Processes& processes, bool hasX11)
    : m_environment(environment), m_processes(processes), m_hasX11(hasX11) {}

bool LinuxSession::startProgram(const QString& program, const QStringList& arguments) {
    const QString path = QStandardPaths::findExecutable(program);
    return !path.isEmpty() && m_processes.startDetached(path, arguments);
}

bool LinuxSession::isDesktop(const char* name) const {
    const QString desktops =
        m_environment.variable(QStringLiteral("XDG_CURRENT_DESKTOP")).value_or(QString());
    return desktops.split(QLatin1Char(':'), Qt::SkipEmptyParts)
        .contains(QLatin1String(name), Qt::CaseInsensitive);
}

void LinuxSession::lockScreen(Completion done) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    const QString freedesktop = QStringLiteral("org.freedesktop.ScreenSaver");
    const QString gnome = QStringLiteral("org.gnome.ScreenSaver");
    // Each locker is judged by its answer: GNOME's org.freedesktop.ScreenSaver answers NotSupported,
    // xdg-screensaver exits 4 where it knows no locker.
    QList<Attempt> lockers;
    if (bus.isConnected()) {
        lockers << callAttempt(bus, freedesktop, QStringLiteral("/org/freedesktop/ScreenSaver"), freedesktop,
                               QStringLiteral("Lock"), {}, false, kLockTimeoutMs, nullptr)
                << callAttempt(bus, gnome, QStringLiteral("/org/gnome/ScreenSaver"), gnome,
                               QStringLiteral("Lock"), {}, false, kLockTimeoutMs, nullptr)
                << callAttempt(bus, QStringLiteral("org.kde.screensaver"), QStringLiteral("/ScreenSaver"),
                               freedesktop, QStringLiteral("Lock"), {}, false, kLockTimeoutMs, nullptr);
    }
    lockers << programAttempt(QStringLiteral("xflock4"), {});
    // logind asks the session's locker to lock; its exit status only says the request went out.
    if (m_environment.variable(QStringLiteral("XDG_SESSION_ID")))
        lockers << programAttempt(QStringLiteral("loginctl"), {QStringLiteral("lock-session")});
    // xdg-screensaver hands GNOME's locker the same call without waiting for its answer, and exits 0 when
    // it refused: where that locker is, its own answer above is the one that counts.
    const Attempt xdgScreensaver =
        programAttempt(QStringLiteral("xdg-screensaver"), {QStringLiteral("lock")});
    lockers << [bus, gnome, xdgScreensaver](std::function<void(bool)> next) mutable {
        if (isRegistered(bus, gnome))
            QTimer::singleShot(0, [next] { next(false); });
        else
            xdgScreensaver(next);
    };
    firstThatWorks(lockers, [done](bool locked) {
        if (!done) return;
        if (locked)
            done(std::nullopt);
        else
            done(QCoreApplication::translate("LinuxSession", "no screen locker answered"));
    });
}

std::function<void(std::function<void(bool)>)> LinuxSession::programAttempt(const QString& program,
                                                                            const QStringList& arguments) {
    return [this, program, arguments](std::function<void(bool)> next) {
        const QString path = QStandardPaths::findExecutable(program);
        if (path.isEmpty()) {
            // Answered later all the same, so no caller hears back before its call returned.
            QTimer::singleShot(0, [next] { next(false); });
            return;
        }
        m_processes.run(path, arguments, [program, next](Processes::Result result) {
            const bool worked = !result.error && result.exitCode == 0;
            if (!worked)
                qWarning(
                    "Zarvo: %s did not lock: %s", qPrintable(program),
                    qPrintable(result.error.value_or(QStringLiteral("exit status %1").arg(result.exitCode))));
            next(worked);
        });
    };
}

std::optional<QString> LinuxSession::sleep() {
    QDBusConnection bus = QDBusConnection::systemBus();
    const QString login1 = QStringLiteral("org.freedesktop.login1");
    if (!isRegistered(bus, login1)) return notAvailable();
    callAsync(bus, login1, QStringLiteral("/org/freedesktop/login1"),
              QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("Suspend"), {true});
    return std::nullopt;
}

std::optional<QString> LinuxSession::displaySleep() {
    if (m_hasX11 && startProgram(QStringLiteral("xset"),
                                 {QStringLiteral("dpms"), QStringLiteral("force"), QStringLiteral("off")}))
        return std::nullopt;
    return notAvailable();
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
    return notAvailable();
}

QList<LinuxSession::Manager> LinuxSession::managers() const {
    const Manager all[] = {
        {"XFCE",
         "org.xfce.SessionManager",
         "/org/xfce/SessionManager",
         "org.xfce.Session.Manager",
         "Restart",
         "Shutdown",
         "Logout",
         {true},
         {true, true},
         false},
        // The prompt shows Plasma's dialog; it is started on demand and exits after each prompt.
        {"KDE",
         "org.kde.LogoutPrompt",
         "/LogoutPrompt",
         "org.kde.LogoutPrompt",
         "promptReboot",
         "promptShutDown",
         "promptLogout",
         {},
         {},
         true},
        // ksmserver itself ends at once, though it still asks the applications to save.
        {"KDE",
         "org.kde.Shutdown",
         "/Shutdown",
         "org.kde.Shutdown",
         "logoutAndReboot",
         "logoutAndShutdown",
         "logout",
         {},
         {},
         false},
        {"GNOME",
         "org.gnome.SessionManager",
         "/org/gnome/SessionManager",
         "org.gnome.SessionManager",
         "Reboot",
         "Shutdown",
         "Logout",
         {},
         {QVariant::fromValue(uint(0))},
         false},
        {"LXQt",
         "org.lxqt.session",
         "/LXQtSession",
         "org.lxqt.session",
         "reboot",
         "powerOff",
         "logout",
         {},
         {},
         false},
    };
    // The running desktop's own manager first.
    QList<Manager> out;
    for (const Manager& manager : all)
        if (isDesktop(manager.desktop)) out << manager;
    for (const Manager& manager : all)
        if (!isDesktop(manager.desktop)) out << manager;
    return out;
}

bool LinuxSession::mayStart(const Manager& manager) const {
    // Plasma's prompt can be installed elsewhere too, but it only works when ksmserver runs.
    if (!manager.activatable) return false;
    QDBusConnection bus = QDBusConnection::sessionBus();
    return isDesktop(manager.desktop) || isRegistered(bus, QStringLiteral("org.kde.ksmserver"));
}

bool LinuxSession::hasSessionManager() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return false;
    for (const Manager& manager : managers()) {
        const QString service = QString::fromLatin1(manager.service);
        if (isRegistered(bus, service) || (mayStart(manager) && isActivatable(bus, service))) return true;
    }
    return false;
}

void LinuxSession::endSession(Ending ending, Completion done) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    auto refusal = std::make_shared<QString>();
    QList<Attempt> attempts;
    if (bus.isConnected()) {
        for (const Manager& manager : managers()) {
            const bool restart = ending == Ending::restart, shutDown = ending == Ending::shutDown;
            const char* method = restart ? manager.restart : shutDown ? manager.shutDown : manager.logOut;
            const QVariantList arguments =
                restart || shutDown ? manager.endArguments : manager.logOutArguments;
            attempts << callAttempt(bus, QString::fromLatin1(manager.service),
                                    QString::fromLatin1(manager.path), QString::fromLatin1(manager.interface),
                                    QString::fromLatin1(method), arguments, mayStart(manager),
                                    kDialogTimeoutMs, refusal.get());
        }
    }
    if (attempts.isEmpty()) {
        QTimer::singleShot(0, [done] {
            if (done) done(QCoreApplication::translate("LinuxSession", "no session manager answers"));
        });
        return;
    }
    firstThatWorks(attempts, [done, refusal](bool taken) {
        if (!done) return;
        if (taken)
            done(std::nullopt);
        else if (!refusal->isEmpty())
            //: %1 is the session manager's reason, as it gives it.
            done(
                QCoreApplication::translate("LinuxSession", "the session manager refused: %1").arg(*refusal));
        else
            done(QCoreApplication::translate("LinuxSession", "no session manager answers"));
    });
}

void LinuxSession::endSystem(Ending ending, Completion done) {
    QDBusConnection system = QDBusConnection::systemBus();
    auto refusal = std::make_shared<QString>();
    QList<Attempt> attempts;
    // Interactive: polkit may ask for a password, as it does when other users are logged in.
    if (ending != Ending::logOut && system.isConnected())
        attempts << callAttempt(
            system, QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
            QStringLiteral("org.freedesktop.login1.Manager"),
            ending == Ending::restart ? QStringLiteral("Reboot") : QStringLiteral("PowerOff"), {true}, false,
            kDialogTimeoutMs, refusal.get());
    if (attempts.isEmpty()) {
        QTimer::singleShot(0, [done] {
            if (done) done(notAvailable());
        });
        return;
    }
    firstThatWorks(attempts, [done, refusal](bool taken) {
        if (!done) return;
        if (taken)
            done(std::nullopt);
        else
            done(refusal->isEmpty() ? notAvailable() : *refusal);
    });
}

} // namespace zarvo::linux_
