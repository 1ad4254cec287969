#include "LinuxSandbox.h"

#include "platform/linux/GnomePreviewer.h"
#include "platform/linux/LinuxNotifications.h"

#include <QDBusConnection>
#include <QUrl>
#include <gtest/gtest.h>

using namespace zarvo::linux_;
using zarvo::linuxtest::waitUntil;

namespace {

// Offers `object`'s slots as the desktop's service `name` on the private bus at `address`.
bool offer(const QString& address, QObject* object, const QString& name, const QString& path) {
    QDBusConnection service = QDBusConnection::connectToBus(address, "fake");
    return service.registerObject(path, object, QDBusConnection::ExportAllSlots) &&
           service.registerService(name);
}

// Stand in for GNOME's previewer and the notification server, recording what they are asked.
class FakeNautilusPreviewer : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.gnome.NautilusPreviewer2")
public:
    QStringList calls;
public slots:
    void ShowFile(const QString& uri, const QString& parentHandle, bool closeIfShown) {
        calls << uri + QLatin1Char(' ') + parentHandle + (closeIfShown ? " close" : " keep");
    }
};

class FakeNotificationServer : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    QStringList calls;
public slots:
    uint Notify(const QString& app, uint replaces, const QString& icon, const QString& summary,
                const QString& body, const QStringList& actions, const QVariantMap& hints, int timeout) {
        calls << QString("%1|%2|%3|%4|%5|%6|%7|%8")
                     .arg(app, QString::number(replaces), icon, summary, body, actions.join(','),
                          hints.value("desktop-entry").toString(), QString::number(timeout));
        return uint(calls.size());
    }
};

} // namespace

TEST(GnomePreviewer, HandsTheFileToThePreviewerOnTheSessionBus) {
    zarvo::linuxtest::PrivateBus bus;
    if (!bus.start()) GTEST_SKIP() << "dbus-daemon is not installed";
    GnomePreviewer previewer;
    EXPECT_FALSE(previewer.isAvailable()) << "nothing offers the previewer yet";
    FakeNautilusPreviewer fake;
    ASSERT_TRUE(offer(bus.address, &fake, "org.gnome.NautilusPreviewer", "/org/gnome/NautilusPreviewer"));
    EXPECT_TRUE(waitUntil([&] { return previewer.isAvailable(); }));

    // A name that needs escaping arrives as a proper file URI, with the panel's window as parent.
    EXPECT_TRUE(previewer.show(QUrl::fromLocalFile("/tmp/a b#1.pdf"), 0x2a0001f));
    ASSERT_TRUE(waitUntil([&] { return !fake.calls.isEmpty(); }));
    EXPECT_EQ(fake.calls, QStringList{"file:///tmp/a%20b%231.pdf x11:2a0001f keep"});
    QDBusConnection::disconnectFromBus("fake");
}

TEST(DesktopShortcuts, NotificationReachesTheServerOnTheSessionBus) {
    zarvo::linuxtest::sandbox();
    zarvo::linuxtest::PrivateBus bus;
    if (!bus.start()) GTEST_SKIP() << "dbus-daemon is not installed";
    LinuxNotifications notifications("com.velorin.zarvo");
    EXPECT_FALSE(notifications.notify("Zarvo is running", "x")) << "no notification server on the bus yet";
    FakeNotificationServer server;
    ASSERT_TRUE(
        offer(bus.address, &server, "org.freedesktop.Notifications", "/org/freedesktop/Notifications"));
    const QString body =
        QStringLiteral("Zarvo runs in the background. Press Super+R, or bind \u201Czarvo --toggle\u201D "
                       "in Settings \u203A Keyboard.");
    EXPECT_TRUE(notifications.notify("Zarvo is running", body));
    ASSERT_TRUE(waitUntil([&] { return !server.calls.isEmpty(); }));
    EXPECT_EQ(server.calls,
              QStringList{"Zarvo|0|com.velorin.zarvo|Zarvo is running|" + body + "||com.velorin.zarvo|-1"});
    QDBusConnection::disconnectFromBus("fake");
}

#include "SessionServicesTest.moc"
