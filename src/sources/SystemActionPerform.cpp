#include "platform/Pasteboard.h"
#include "platform/Platform.h"
#include "platform/Session.h"
#include "platform/Workspace.h"
#include "sources/SystemAction.h"

#include <QCoreApplication>
#include <QDebug>
#include <QThreadPool>

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netdb.h>
#include <sys/socket.h>

namespace zarvo::SystemActions {

namespace {

void logFailure(SystemAction action, const std::optional<QString>& error) {
    if (error) qWarning().noquote() << QStringLiteral("Zarvo: %1 failed: %2").arg(rawValue(action), *error);
}

// Wired and wireless interfaces: "en" (macOS, systemd's predictable names), "eth" and "wl".
bool isPhysicalInterface(const QString& name) {
    return name.startsWith(QLatin1String("en")) || name.startsWith(QLatin1String("eth")) ||
           name.startsWith(QLatin1String("wl"));
}

} // namespace

std::optional<QString> chooseIPAddress(const QList<QPair<QString, QString>>& interfaces) {
    for (const auto& [name, address] : interfaces)
        if (isPhysicalInterface(name)) return address;
    if (!interfaces.isEmpty()) return interfaces.first().second;
    return std::nullopt;
}

std::optional<QString> localIPAddress() {
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0 || !list) return std::nullopt;
    QList<QPair<QString, QString>> kept;
    for (ifaddrs* entry = list; entry; entry = entry->ifa_next) {
        if (!entry->ifa_addr || !(entry->ifa_flags & IFF_UP) || (entry->ifa_flags & IFF_LOOPBACK)) continue;
        if (entry->ifa_addr->sa_family != AF_INET) continue;
        char host[1025] = {};
        if (getnameinfo(entry->ifa_addr, sizeof(sockaddr_in), host, sizeof host, nullptr, 0,
                        NI_NUMERICHOST) != 0)
            continue;
        kept.append({QString::fromLocal8Bit(entry->ifa_name), QString::fromLatin1(host)});
    }
    freeifaddrs(list);
    return chooseIPAddress(kept);
}

QString ejectAll(Workspace* workspace) {
    int count = 0;
    if (workspace) {
        for (const QString& volume : workspace->ejectableVolumes()) {
            if (volume == QLatin1String("/")) continue;
            if (!workspace->unmountAndEject(volume)) ++count;
        }
    }
    if (count == 0) return QCoreApplication::translate("SystemActions", "No disks to eject");
    return QCoreApplication::translate("SystemActions", "Ejected %Ln disk(s)", nullptr, count);
}

namespace {

// A failure line: "Couldn't restart: …", whole sentences so that each language can word them.
QString failureText(SystemAction action, const QString& why) {
    switch (action) {
    case SystemAction::restart:
        return QCoreApplication::translate("SystemActions", "Couldn't restart: %1").arg(why);
    case SystemAction::shutdown:
        return QCoreApplication::translate("SystemActions", "Couldn't shut down: %1").arg(why);
    case SystemAction::logout:
        return QCoreApplication::translate("SystemActions", "Couldn't log out: %1").arg(why);
    case SystemAction::lock:
        return QCoreApplication::translate("SystemActions", "Couldn't lock the screen: %1").arg(why);
    default:
        //: %1 is the action's title in lower case, %2 the reason.
        return QCoreApplication::translate("SystemActions", "Couldn't %1: %2")
            .arg(title(action).toLower(), why);
    }
}

Outcome failed(SystemAction action, const QString& why) {
    return {Outcome::Kind::failed, failureText(action, why)};
}

// The reasons this file gives itself, shown after "Couldn't …:".
QString noSessionService() {
    return QCoreApplication::translate("SystemActions", "no session service");
}

// Hands a later outcome to the main thread's event loop, so it never arrives before perform returned.
std::function<void(Outcome)> posted(std::function<void(Outcome)> later) {
    return [later](Outcome outcome) {
        QCoreApplication* app = QCoreApplication::instance();
        if (!app || !later) return;
        QMetaObject::invokeMethod(
            app, [later, outcome] { later(outcome); }, Qt::QueuedConnection);
    };
}

// Only failures are reported: the desktop's own dialog or the end of the session follows success.
Session::Completion reportingFailure(SystemAction action, std::function<void(Outcome)> report) {
    return [action, report](std::optional<QString> error) {
        if (error) {
            logFailure(action, error);
            report(failed(action, *error));
        }
    };
}

std::optional<Session::Ending> ending(SystemAction action) {
    if (action == SystemAction::restart) return Session::Ending::restart;
    if (action == SystemAction::shutdown) return Session::Ending::shutDown;
    if (action == SystemAction::logout) return Session::Ending::logOut;
    return std::nullopt;
}

} // namespace

std::optional<QString> confirmationPrompt(SystemAction action, Session* session) {
    if (action == SystemAction::emptyTrash)
        return QCoreApplication::translate("SystemActions",
                                           "Press \u21A9 again to empty trash. This can't be undone.");
    if ((action == SystemAction::restart || action == SystemAction::shutdown) && session &&
        !session->hasSessionManager())
        return action == SystemAction::restart
                   ? QCoreApplication::translate(
                         "SystemActions", "No session manager answers: press \u21A9 again to restart now. "
                                          "Unsaved work in open applications may be lost.")
                   : QCoreApplication::translate(
                         "SystemActions", "No session manager answers: press \u21A9 again to shut down now. "
                                          "Unsaved work in open applications may be lost.");
    return std::nullopt;
}

bool reportsLater(SystemAction action) {
    return action == SystemAction::eject || action == SystemAction::lock;
}

Outcome perform(const Platform& platform, SystemAction action, std::function<void(Outcome)> later,
                std::function<void(qint64)> ownChange) {
    Session* session = platform.session;
    const auto report = posted(std::move(later));
    const Outcome done;
    const auto viaSession = [&](std::optional<QString> (Session::*call)()) {
        if (!session) {
            logFailure(action, QStringLiteral("no session service"));
            return;
        }
        logFailure(action, (session->*call)());
    };
    switch (action) {
    case SystemAction::lock:
        if (!session) return failed(action, noSessionService());
        // A screen saver is no lock: without a locker the user hears so, and the panel stays.
        session->lockScreen([action, report](std::optional<QString> error) {
            logFailure(action, error);
            report(error ? failed(action, *error) : Outcome{});
        });
        return {Outcome::Kind::shown,
                QCoreApplication::translate("SystemActions", "Locking the screen\u2026")};
    case SystemAction::sleep:
        viaSession(&Session::sleep);
        return done;
    case SystemAction::displaySleep:
        viaSession(&Session::displaySleep);
        return done;
    case SystemAction::screensaver:
        viaSession(&Session::startScreenSaver);
        return done;
    case SystemAction::restart:
    case SystemAction::shutdown:
    case SystemAction::logout:
        if (!session) return failed(action, noSessionService());
        if (session->hasSessionManager()) {
            session->endSession(*ending(action), reportingFailure(action, report));
            return done;
        }
        // The system ends the session without asking the applications: the model asked the user first.
        if (action == SystemAction::logout)
            return failed(action, QCoreApplication::translate("SystemActions", "no session manager answers"));
        session->endSystem(*ending(action), reportingFailure(action, report));
        return done;
    case SystemAction::emptyTrash:
        viaSession(&Session::emptyTrash);
        return done;
    case SystemAction::eject:
        QThreadPool::globalInstance()->start([report, workspace = platform.workspace] {
            report({Outcome::Kind::shown, ejectAll(workspace)});
        });
        return {Outcome::Kind::shown, QCoreApplication::translate("SystemActions", "Ejecting\u2026")};
    case SystemAction::ip: {
        const auto address = localIPAddress();
        if (!address)
            return {Outcome::Kind::shown,
                    QCoreApplication::translate("SystemActions", "No network connection")};
        if (Pasteboard* pasteboard = platform.pasteboard) {
            pasteboard->clearContents();
            pasteboard->setString(*address);
            if (ownChange) ownChange(pasteboard->changeCount());
        }
        return {Outcome::Kind::shown,
                QCoreApplication::translate("SystemActions", "Copied IP address %1").arg(*address)};
    }
    }
    return done;
}

} // namespace zarvo::SystemActions
