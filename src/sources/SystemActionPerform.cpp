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

QString ejectAll() {
    Workspace* workspace = Platform::current().workspace;
    int count = 0;
    if (workspace) {
        for (const QString& volume : workspace->ejectableVolumes()) {
            if (volume == QLatin1String("/")) continue;
            if (!workspace->unmountAndEject(volume)) ++count;
        }
    }
    if (count == 0) return QStringLiteral("No disks to eject");
    return QStringLiteral("Ejected %1 disk%2").arg(count).arg(count == 1 ? QString() : QStringLiteral("s"));
}

std::optional<QString> perform(SystemAction action, std::function<void(QString)> completion,
                               std::function<void(qint64)> ownChange) {
    const Platform& platform = Platform::current();
    Session* session = platform.session;
    const auto viaSession = [&](std::optional<QString> (Session::*call)()) {
        if (!session) {
            logFailure(action, QStringLiteral("no session service"));
            return;
        }
        logFailure(action, (session->*call)());
    };
    switch (action) {
    case SystemAction::lock:
        if (session) {
            const auto error = session->lockScreen();
            if (!error) return std::nullopt;
            logFailure(action, error);
        }
        // Without a lock the screen saver is the next best thing, as the screen saver asks for the password.
        viaSession(&Session::startScreenSaver);
        return std::nullopt;
    case SystemAction::sleep:
        viaSession(&Session::sleep);
        return std::nullopt;
    case SystemAction::displaySleep:
        viaSession(&Session::displaySleep);
        return std::nullopt;
    case SystemAction::screensaver:
        viaSession(&Session::startScreenSaver);
        return std::nullopt;
    case SystemAction::restart:
        viaSession(&Session::restart);
        return std::nullopt;
    case SystemAction::shutdown:
        viaSession(&Session::shutDown);
        return std::nullopt;
    case SystemAction::logout:
        viaSession(&Session::logOut);
        return std::nullopt;
    case SystemAction::emptyTrash:
        viaSession(&Session::emptyTrash);
        return std::nullopt;
    case SystemAction::eject: {
        QCoreApplication* app = QCoreApplication::instance();
        QThreadPool::globalInstance()->start([completion, app] {
            const QString text = ejectAll();
            if (app)
                QMetaObject::invokeMethod(
                    app,
                    [completion, text] {
                        if (completion) completion(text);
                    },
                    Qt::QueuedConnection);
        });
        return QStringLiteral("Ejecting\u2026");
    }
    case SystemAction::ip: {
        const auto address = localIPAddress();
        if (!address) return QStringLiteral("No network connection");
        if (Pasteboard* pasteboard = platform.pasteboard) {
            pasteboard->clearContents();
            pasteboard->setString(*address);
            if (ownChange) ownChange(pasteboard->changeCount());
        }
        return QStringLiteral("Copied IP address ") + *address;
    }
    }
    return std::nullopt;
}

} // namespace zarvo::SystemActions
