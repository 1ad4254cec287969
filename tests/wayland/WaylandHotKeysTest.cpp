#include "fakes/FakePlatform.h"
#include "platform/HotKeyAdvice.h"
#include "platform/HotKeyManager.h"
#include "platform/wayland/PortalShortcuts.h"
#include "platform/wayland/WaylandDesktopShortcuts.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zarvo;
using Slot = HotKeyManager::Slot;
using State = HotKeyManager::State;

namespace {

bool waitFor(const std::function<bool()>& done, int milliseconds = 5000) {
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

QString readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// A private session bus with no service files, so nothing of the machine's (its real portal) can start
// on it, and the portal stand-in on it when asked for.
class PortalBus {
public:
    QTemporaryDir dir;
    QProcess daemon, portal;
    QString address;

    QString log() const { return dir.path() + QStringLiteral("/calls.log"); }

    bool start() {
        const QString program = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
        if (program.isEmpty()) return false;
        QDir().mkpath(dir.path() + QStringLiteral("/services"));
        QFile conf(dir.path() + QStringLiteral("/bus.conf"));
        if (!conf.open(QIODevice::WriteOnly)) return false;
        conf.write(QStringLiteral(
                       "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\" "
                       "\"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
                       "<busconfig><type>session</type><listen>unix:dir=%1</listen>"
                       "<servicedir>%1/services</servicedir><policy context=\"default\">"
                       "<allow send_destination=\"*\" eavesdrop=\"true\"/><allow eavesdrop=\"true\"/>"
                       "<allow own=\"*\"/></policy>"
                       "</busconfig>\n")
                       .arg(dir.path())
                       .toUtf8());
        conf.close();
        daemon.start(program, {QStringLiteral("--nofork"), QStringLiteral("--print-address"),
                               QStringLiteral("--config-file=") + conf.fileName()});
        while (!daemon.canReadLine())
            if (!daemon.waitForReadyRead(5000)) return false;
        address = QString::fromUtf8(daemon.readLine()).trimmed();
        return !address.isEmpty();
    }

    // False when python3's D-Bus binding is missing.
    bool serve(const QString& mode) {
        QFile::remove(log());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), address);
        portal.setProcessEnvironment(environment);
        portal.setProcessChannelMode(QProcess::ForwardedChannels);
        portal.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral(ZARVO_PORTAL_STANDIN), log(), mode});
        return waitFor([this] { return readAll(log()).startsWith(QLatin1String("ready")); }) &&
               waitFor([this] { return portal.state() == QProcess::Running; });
    }

    void stopPortal() {
        portal.terminate();
        portal.waitForFinished(5000);
    }

    ~PortalBus() {
        stopPortal();
        daemon.terminate();
        daemon.waitForFinished(5000);
    }

    void activate(QDBusConnection& bus, const QString& id, bool ownSession) {
        QDBusMessage call = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.portal.Desktop"),
                                                           QStringLiteral("/org/freedesktop/portal/desktop"),
                                                           QStringLiteral("org.zarvo.test.Portal"),
                                                           QStringLiteral("Activate"));
        call << id << ownSession;
        bus.call(call);
    }
};

struct Keys {
    fakes::FakeHotKeys grab;
    wayland::PortalShortcuts portal;
    HotKeyManager manager;
    int mainPresses = 0, clipPresses = 0;

    explicit Keys(const QDBusConnection& bus) : portal(bus), manager(&grab, nullptr, &portal) {
        grab.xWindowsOnly = true;
        manager.onPress[Slot::main] = [this] { ++mainPresses; };
        manager.onPress[Slot::clipboard] = [this] { ++clipPresses; };
        manager.registerKey(Slot::main, 15, 0x100);     // Super+R
        manager.registerKey(Slot::clipboard, 9, 0x300); // Shift+Super+V
    }
    bool answered() const {
        return manager.status(Slot::main).state != State::pending &&
               manager.status(Slot::clipboard).state != State::pending;
    }
};

} // namespace

TEST(PortalShortcuts, TheKeysGoInTheSessionTheDesktopsAnswerIsShownAndItsPressesToggle) {
    PortalBus bus;
    if (!bus.start()) GTEST_SKIP() << "dbus-daemon is not installed";
    QDBusConnection connection = QDBusConnection::connectToBus(bus.address, QStringLiteral("portal-test"));
    ASSERT_TRUE(connection.isConnected());

    // No portal on the bus: the grab's keys stay, honestly named as reaching us from X windows only.
    {
        Keys keys(connection);
        EXPECT_EQ(keys.manager.status(Slot::main).state, State::pending);
        ASSERT_TRUE(waitFor([&] { return keys.answered(); }));
        EXPECT_EQ(keys.manager.status(Slot::main).state, State::xWindowsOnly);
        EXPECT_FALSE(keys.manager.works(Slot::main));
        EXPECT_EQ(keys.manager.shownKey(Slot::main, QStringLiteral("Super+R")),
                  QStringLiteral("Super+R works only in X11 apps"));
        keys.grab.press(1);
        EXPECT_TRUE(waitFor([&] { return keys.mainPresses == 1; })) << "the grab still serves X windows";
    }

    if (!bus.serve(QStringLiteral("plasma527"))) GTEST_SKIP() << "python3 with dbus and gi is not installed";
    {
        // Plasma 5.27: the keys travel in CreateSession's options; BindShortcuts is refused and the list
        // says what the desktop holds.
        Keys keys(connection);
        ASSERT_TRUE(waitFor([&] { return keys.answered(); }));
        EXPECT_EQ(readAll(bus.log()),
                  QStringLiteral("ready\nCreateSession toggle=LOGO+r clipboard=SHIFT+LOGO+v\n"
                                 "BindShortcuts toggle clipboard\nListShortcuts\n"));
        EXPECT_EQ(keys.manager.status(Slot::main).state, State::fromDesktop);
        EXPECT_TRUE(keys.manager.works(Slot::clipboard));
        EXPECT_EQ(keys.manager.shownKey(Slot::clipboard, QStringLiteral("Shift+Super+V")),
                  QStringLiteral("Shift+Meta+V"));

        bus.activate(connection, QStringLiteral("clipboard"), true);
        ASSERT_TRUE(waitFor([&] { return keys.clipPresses == 1; }));
        // Another application's session, and our grab while the portal has the key: no second toggle.
        bus.activate(connection, QStringLiteral("toggle"), false);
        keys.grab.press(1);
        bus.activate(connection, QStringLiteral("toggle"), true);
        ASSERT_TRUE(waitFor([&] { return keys.mainPresses == 1; }));
        waitFor([] { return false; }, 200);
        EXPECT_EQ(keys.mainPresses, 1);
        EXPECT_EQ(keys.clipPresses, 1);
    }
    bus.stopPortal();

    ASSERT_TRUE(bus.serve(QStringLiteral("chosen")));
    {
        // Later versions: the person picked Meta+Space and left the clipboard key out in the dialog.
        Keys keys(connection);
        ASSERT_TRUE(waitFor([&] { return keys.answered(); }));
        EXPECT_FALSE(readAll(bus.log()).contains(QLatin1String("ListShortcuts")));
        EXPECT_EQ(keys.manager.shownKey(Slot::main, QStringLiteral("Super+R")), QStringLiteral("Meta+Space"));
        EXPECT_EQ(keys.manager.status(Slot::clipboard).state, State::xWindowsOnly);
        EXPECT_FALSE(keys.manager.works(Slot::clipboard));
    }
}

TEST(WaylandDesktopShortcuts, SwayBindingsAreReadAndTheMissingOnesGivenAsLines) {
    const QString config =
        QStringLiteral("set $mod Mod4\n"
                       "set $modifier Mod1\n"
                       "bindsym $mod+r mode \"resize\"\n"
                       "  bindsym --to-code $mod+Shift+v exec '/opt/my apps/zarvo' --clipboard\n"
                       "bindsym $modifier+space exec rofi -show run\n");
    using wayland::WaylandDesktopShortcuts;
    const auto resize = WaylandDesktopShortcuts::swayHolder(config, 15, 0x100);
    ASSERT_TRUE(resize.has_value());
    EXPECT_TRUE(resize->swallowsGrab);
    EXPECT_FALSE(resize->runsOurCommand);
    const auto ours = WaylandDesktopShortcuts::swayHolder(config, 9, 0x300);
    ASSERT_TRUE(ours.has_value());
    EXPECT_TRUE(ours->runsOurCommand);
    EXPECT_TRUE(WaylandDesktopShortcuts::swayHolder(config, 49, 0x800).has_value()) << "$modifier, not $mod";
    EXPECT_FALSE(WaylandDesktopShortcuts::swayHolder(config, 49, 0x100).has_value());

    QTemporaryDir home;
    fakes::FakeEnvironment environment;
    environment.home = home.path();
    environment.config = home.path() + QStringLiteral("/.config");
    environment.vars.insert(QStringLiteral("XDG_CURRENT_DESKTOP"), QStringLiteral("sway"));
    QDir().mkpath(environment.config + QStringLiteral("/sway"));
    QFile file(environment.config + QStringLiteral("/sway/config"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("set $mod Mod4\nbindsym $mod+Shift+v exec zarvo --clipboard\n");
    file.close();
    WaylandDesktopShortcuts sway(environment, nullptr);
    EXPECT_EQ(sway.shortcutsPlace(), QStringLiteral("sway's config file (~/.config/sway/config)"));
    EXPECT_FALSE(sway.canBind());

    // The clipboard key runs us through sway; Super+R reaches us only from X windows: one line to add.
    fakes::FakeHotKeys grab;
    grab.xWindowsOnly = true;
    HotKeyManager keys(&grab, &sway);
    keys.registerKey(Slot::main, 15, 0x100);
    keys.registerKey(Slot::clipboard, 9, 0x300);
    EXPECT_EQ(keys.status(Slot::clipboard).state, State::throughDesktop);
    EXPECT_EQ(keys.shownKey(Slot::main, QStringLiteral("Super+R")),
              QStringLiteral("Super+R works only in X11 apps"));
    EXPECT_EQ(HotKeyAdvice::configLines(keys, QStringLiteral("/usr/bin/zarvo")),
              QStringList{QStringLiteral("bindsym Mod4+r exec /usr/bin/zarvo --toggle")});
    EXPECT_FALSE(
        HotKeyAdvice::bindOffer(keys.status(Slot::main), &sway, QStringLiteral("Super+R")).has_value());

    // The person adds the line: the next retry finds it and the key is shown as working.
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("bindsym Mod4+r exec /usr/bin/zarvo --toggle\n");
    file.close();
    keys.retry();
    EXPECT_TRUE(keys.works(Slot::main));
    EXPECT_TRUE(HotKeyAdvice::configLines(keys, QStringLiteral("/usr/bin/zarvo")).isEmpty());
    EXPECT_FALSE(grab.registered.contains(1)) << "no grab is kept beside sway's binding";
}

TEST(HotKeyAdvice, AKeyOnlyXWindowsSeeIsOfferedToTheDesktopWithItsWordOnSuper) {
    fakes::FakeDesktopShortcuts gnome;
    gnome.name = QStringLiteral("GNOME");
    const HotKeyManager::Status status{State::xWindowsOnly, {}, 15, 0x100, {}};
    const QString key = QStringLiteral("Super+R");
    EXPECT_EQ(HotKeyAdvice::conflictTitle(status, key), QStringLiteral("Super+R works only in X11 apps"));
    EXPECT_TRUE(
        HotKeyAdvice::conflict(status, key, gnome.shortcutsPlace())->contains(gnome.shortcutsPlace()));
    // Nobody holds the key: the running desktop is the one offered, and only where it takes bindings.
    EXPECT_EQ(HotKeyAdvice::bindOffer(status, &gnome, key),
              QStringLiteral("Let GNOME Open Zarvo with Super+R\u2026"));
    gnome.bindable = false;
    EXPECT_FALSE(HotKeyAdvice::bindOffer(status, &gnome, key).has_value());
    const QString note = QStringLiteral("GNOME keeps Super pressed alone for its overview.");
    EXPECT_TRUE(HotKeyAdvice::bindQuestion(QStringLiteral("GNOME"), key, QStringLiteral("zarvo --toggle"),
                                           gnome.shortcutsPlace(), note)
                    .endsWith(QStringLiteral(". ") + note));
}
