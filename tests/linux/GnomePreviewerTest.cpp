#include "LinuxSandbox.h"

#include "platform/linux/GnomePreviewer.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>
#include <gtest/gtest.h>

using namespace zarvo::linux_;
using zarvo::linuxtest::waitFor;

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
    const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
    if (daemon.isEmpty()) GTEST_SKIP() << "dbus-daemon is not installed";
    QProcess bus;
    bus.start(daemon,
              {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address")});
    ASSERT_TRUE(bus.waitForReadyRead(5000));
    const QByteArray address = bus.readLine().trimmed();
    // Each test runs in its own process, so the session bus of this one is the private bus.
    qputenv("DBUS_SESSION_BUS_ADDRESS", address);

    GnomePreviewer previewer;
    EXPECT_FALSE(previewer.isAvailable()) << "nothing offers the previewer yet";

    QDBusConnection service =
        QDBusConnection::connectToBus(QString::fromUtf8(address), QStringLiteral("fake"));
    ASSERT_TRUE(service.isConnected());
    FakeNautilusPreviewer fake;
    ASSERT_TRUE(service.registerObject(QStringLiteral("/org/gnome/NautilusPreviewer"), &fake,
                                       QDBusConnection::ExportAllSlots));
    ASSERT_TRUE(service.registerService(QStringLiteral("org.gnome.NautilusPreviewer")));
    EXPECT_TRUE(waitFor([&] { return previewer.isAvailable(); }));

    // A name that needs escaping arrives as a proper file URI, with the panel's window as parent.
    EXPECT_TRUE(previewer.show(QUrl::fromLocalFile(QStringLiteral("/tmp/a b#1.pdf")), 0x2a0001f));
    ASSERT_TRUE(waitFor([&] { return !fake.calls.isEmpty(); }));
    EXPECT_EQ(fake.calls, QStringList{QStringLiteral("file:///tmp/a%20b%231.pdf x11:2a0001f keep")});

    QDBusConnection::disconnectFromBus(QStringLiteral("fake"));
    bus.terminate();
    bus.waitForFinished(3000);
}

#include "GnomePreviewerTest.moc"
