#include "LinuxSandbox.h"

#include "platform/linux/GnomePreviewer.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QUrl>
#include <gtest/gtest.h>

using namespace zarvo::linux_;
using zarvo::linuxtest::waitUntil;

namespace {

// Stands in for GNOME's previewer on a private session bus, recording what it is asked to show.
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

} // namespace

TEST(GnomePreviewer, HandsTheFileToThePreviewerOnTheSessionBus) {
    zarvo::linuxtest::PrivateBus bus;
    if (!bus.start()) GTEST_SKIP() << "dbus-daemon is not installed";

    GnomePreviewer previewer;
    EXPECT_FALSE(previewer.isAvailable()) << "nothing offers the previewer yet";

    QDBusConnection service = QDBusConnection::connectToBus(bus.address, "fake");
    ASSERT_TRUE(service.isConnected());
    FakeNautilusPreviewer fake;
    ASSERT_TRUE(
        service.registerObject("/org/gnome/NautilusPreviewer", &fake, QDBusConnection::ExportAllSlots));
    ASSERT_TRUE(service.registerService("org.gnome.NautilusPreviewer"));
    EXPECT_TRUE(waitUntil([&] { return previewer.isAvailable(); }));

    // A name that needs escaping arrives as a proper file URI, with the panel's window as parent.
    EXPECT_TRUE(previewer.show(QUrl::fromLocalFile("/tmp/a b#1.pdf"), 0x2a0001f));
    ASSERT_TRUE(waitUntil([&] { return !fake.calls.isEmpty(); }));
    EXPECT_EQ(fake.calls, QStringList{"file:///tmp/a%20b%231.pdf x11:2a0001f keep"});

    QDBusConnection::disconnectFromBus("fake");
}

#include "GnomePreviewerTest.moc"
