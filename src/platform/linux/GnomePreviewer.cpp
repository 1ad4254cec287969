#include "platform/linux/GnomePreviewer.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>

namespace zarvo::linux_ {

namespace {
const QString kService = QStringLiteral("org.gnome.NautilusPreviewer");
const QString kPath = QStringLiteral("/org/gnome/NautilusPreviewer");
const QString kInterface = QStringLiteral("org.gnome.NautilusPreviewer2");
} // namespace

bool GnomePreviewer::isAvailable() const {
    QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
    if (!bus) return false;
    if (bus->isServiceRegistered(kService)) return true;
    // The previewer is started by the bus on the first call.
    const QStringList activatable = bus->activatableServiceNames().value();
    return activatable.contains(kService);
}

bool GnomePreviewer::show(const QUrl& file, quintptr parent) {
    QDBusMessage call =
        QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("ShowFile"));
    call << file.toString(QUrl::FullyEncoded) << QStringLiteral("x11:%1").arg(parent, 0, 16) << false;
    // Not waiting for the answer: the previewer may take a moment to start, the panel must not.
    return QDBusConnection::sessionBus().send(call);
}

} // namespace zarvo::linux_
