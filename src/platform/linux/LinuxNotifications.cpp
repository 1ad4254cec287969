#include "platform/linux/LinuxNotifications.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QVariantMap>

namespace zarvo::linux_ {

namespace {
const QString kService = QStringLiteral("org.freedesktop.Notifications");
}

LinuxNotifications::LinuxNotifications(QString desktopEntry) : m_desktopEntry(std::move(desktopEntry)) {}

bool LinuxNotifications::notify(const QString& summary, const QString& body) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface()) return false;
    // Said once at start: the check is a single round trip, and a missing server means "not said".
    const auto registered = bus.interface()->isServiceRegistered(kService);
    if (!registered.isValid() || !registered.value()) {
        const auto activatable = bus.interface()->activatableServiceNames();
        if (!activatable.isValid() || !activatable.value().contains(kService)) return false;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        kService, QStringLiteral("/org/freedesktop/Notifications"), kService, QStringLiteral("Notify"));
    const QVariantMap hints{{QStringLiteral("desktop-entry"), m_desktopEntry}};
    call << QStringLiteral("Zarvo") << uint(0) << m_desktopEntry << summary << body << QStringList() << hints
         << int(-1);
    return bus.send(call);
}

} // namespace zarvo::linux_
