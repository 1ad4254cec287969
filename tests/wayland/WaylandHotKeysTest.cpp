#include "fakes/EventLoop.h"
#include "fakes/FakePlatform.h"
#include "linux/LinuxSandbox.h"
#include "platform/HotKeyAdvice.h"
#include "platform/HotKeyManager.h"
#include "platform/SessionReport.h"
#include "platform/wayland/PortalShortcuts.h"
#include "platform/wayland/WaylandDesktopShortcuts.h"

#include <QDBusConnection>
#include <QDBusVirtualObject>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zarvo;
using zarvo::testing::pump;
using zarvo::testing::waitUntil;
using Slot = HotKeyManager::Slot;
using State = HotKeyManager::State;

namespace {

// The desktop's global-shortcut service as the manager sees it: what was asked, answers and presses.
class FakeDesktopKeys : public DesktopHotKeys {
public:
    QList<QList<Wanted>> requests;
    void request(const QList<Wanted>& keys) override { requests << keys; }
    void answer(const QHash<int, QString>& triggers, bool available = true) {
        emit answered(triggers, available);
    }
    void press(int slot) { emit pressed(slot); }
};

} // namespace

TEST(HotKeyManager, WhatTheDesktopDeliversIsShownAndOnlyItsPressesCountForIt) {
    fakes::FakeHotKeys grab;
    grab.xWindowsOnly = true;
    FakeDesktopKeys desktop;
    HotKeyManager keys(&grab, nullptr, &desktop);
    int mainPresses = 0, clipPresses = 0;
    keys.onPress[Slot::main] = [&] { ++mainPresses; };
    keys.onPress[Slot::clipboard] = [&] { ++clipPresses; };
    keys.registerKey(Slot::main, 15, 0x100);
    keys.registerKey(Slot::clipboard, 9, 0x300);
    EXPECT_EQ(keys.status(Slot::main).state, State::pending);
    EXPECT_EQ(keys.shownKey(Slot::main, QStringLiteral("Super+R")), QStringLiteral("Super+R"));
    // Both keys go in one request.
    ASSERT_TRUE(waitUntil([&] { return desktop.requests.size() == 1; }));
    EXPECT_EQ(desktop.requests[0].size(), 2);
    EXPECT_EQ(desktop.requests[0][1].modifiers, 0x300u);

    // The person chose Meta+Space for the main key and left the clipboard key out.
    desktop.answer({{1, QStringLiteral("Meta+Space")}});
    EXPECT_EQ(keys.status(Slot::main).state, State::fromDesktop);
    EXPECT_TRUE(keys.works(Slot::main));
    EXPECT_EQ(keys.shownKey(Slot::main, QStringLiteral("Super+R")), QStringLiteral("Meta+Space"));
    EXPECT_EQ(keys.status(Slot::clipboard).state, State::xWindowsOnly);
    EXPECT_FALSE(keys.works(Slot::clipboard));
    EXPECT_EQ(keys.shownKey(Slot::clipboard, QStringLiteral("Shift+Super+V")),
              QStringLiteral("Shift+Super+V works only in X11 apps"));
    // `--status` and the settings window say which key reaches us how, beside the back end's facts.
    const SessionFacts facts{QStringLiteral("Wayland (KWin), panel on XWayland"),
                             QStringLiteral("clipboard through data-control"),
                             {QStringLiteral("paste into X windows only")}};
    EXPECT_EQ(
        SessionReport::line(facts, keys),
        QStringLiteral("Wayland (KWin), panel on XWayland, panel key through the desktop portal, clipboard "
                       "key only while an X11 app is in front, clipboard through data-control, paste into X "
                       "windows only"));
    EXPECT_EQ(SessionReport::settingsLines(facts, keys).value(1),
              QStringLiteral("Clipboard through data-control, paste into X windows only"));

    // The main key counts once, from the desktop; the clipboard key comes from our grab only.
    grab.press(1);
    desktop.press(1);
    desktop.press(2);
    grab.press(2);
    ASSERT_TRUE(waitUntil([&] { return mainPresses == 1 && clipPresses == 1; }));
    pump(100);
    EXPECT_EQ(mainPresses, 1);
    EXPECT_EQ(clipPresses, 1);

    // A new key is pending until the desktop answers for it; a desktop without the service leaves the grab.
    keys.registerKey(Slot::main, 49, 0x100);
    EXPECT_EQ(keys.status(Slot::main).state, State::pending);
    ASSERT_TRUE(waitUntil([&] { return desktop.requests.size() == 2; }));
    desktop.answer({}, false);
    EXPECT_EQ(keys.status(Slot::main).state, State::xWindowsOnly);
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
    const QString swayConfig = environment.config + QStringLiteral("/sway/config");
    linuxtest::writeFile(swayConfig, "set $mod Mod4\nbindsym $mod+Shift+v exec zarvo --clipboard\n");
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
    EXPECT_EQ(HotKeyAdvice::configLines(keys, QStringLiteral("/usr/bin/zarvo")),
              QStringList{QStringLiteral("bindsym Mod4+r exec /usr/bin/zarvo --toggle")});
    EXPECT_FALSE(
        HotKeyAdvice::bindOffer(keys.status(Slot::main), &sway, QStringLiteral("Super+R")).has_value());

    // The person adds the line: the next retry finds it and the key is shown as working.
    linuxtest::writeFile(swayConfig, "set $mod Mod4\nbindsym $mod+Shift+v exec zarvo --clipboard\n"
                                     "bindsym Mod4+r exec /usr/bin/zarvo --toggle\n");
    keys.retry();
    EXPECT_TRUE(keys.works(Slot::main));
    EXPECT_TRUE(HotKeyAdvice::configLines(keys, QStringLiteral("/usr/bin/zarvo")).isEmpty());
    EXPECT_FALSE(grab.registered.contains(1)) << "no grab is kept beside sway's binding";

    // Included files count (relative, patterns, environment and sway variables); self-inclusion ends.
    environment.vars.insert(QStringLiteral("KEYS"), home.path() + QStringLiteral("/keys"));
    linuxtest::writeFile(swayConfig,
                         "set $mod Mod4\nset $extra extra\ninclude config.d/*.conf\ninclude $KEYS/$extra\n"
                         "include config\n");
    linuxtest::writeFile(environment.config + QStringLiteral("/sway/config.d/10-zarvo.conf"),
                         "bindsym $mod+r exec zarvo --toggle\n");
    linuxtest::writeFile(environment.config + QStringLiteral("/sway/config.d/20-other.txt"),
                         "bindsym $mod+Shift+v exec zarvo --clipboard\n");
    linuxtest::writeFile(home.path() + QStringLiteral("/keys/extra"), "bindsym Mod1+space exec rofi\n");
    const auto included = sway.holder(15, 0x100);
    ASSERT_TRUE(included.has_value());
    EXPECT_TRUE(included->runsOurCommand);
    EXPECT_FALSE(sway.holder(9, 0x300).has_value()) << "a file the pattern does not match is not read";
    EXPECT_TRUE(sway.holder(49, 0x800).has_value()) << "an include through the environment";
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

namespace {

// A desktop portal that takes every call and never replies (a portal stuck starting its back end).
class SilentPortal : public QDBusVirtualObject {
public:
    QList<QDBusMessage> calls;
    bool handleMessage(const QDBusMessage& message, const QDBusConnection&) override {
        message.setDelayedReply(true);
        calls << message;
        return true;
    }
    QString introspect(const QString&) const override { return {}; }
};

} // namespace

TEST(PortalShortcuts, APortalThatNeverAnswersLeavesTheKeysAsTheyWorkWithoutIt) {
    linuxtest::PrivateBus bus;
    if (!bus.start("ZARVO_TEST_BUS")) GTEST_SKIP() << "dbus-daemon is not installed";
    QDBusConnection service = QDBusConnection::connectToBus(bus.address, QStringLiteral("portal"));
    SilentPortal portal;
    ASSERT_TRUE(service.registerVirtualObject(QStringLiteral("/org/freedesktop/portal/desktop"), &portal));
    ASSERT_TRUE(service.registerService(QStringLiteral("org.freedesktop.portal.Desktop")));
    {
        wayland::PortalShortcuts portalKeys(
            QDBusConnection::connectToBus(bus.address, QStringLiteral("app")));
        fakes::FakeHotKeys grab;
        grab.xWindowsOnly = true;
        fakes::FakeDesktopShortcuts gnome;
        gnome.name = QStringLiteral("GNOME");
        HotKeyManager keys(&grab, &gnome, &portalKeys);
        keys.setDesktopAnswerWait(300);
        QElapsedTimer clock;
        clock.start();
        keys.registerKey(Slot::main, 15, 0x100);
        ASSERT_TRUE(waitUntil([&] { return !portal.calls.isEmpty(); })) << "the portal was not asked";
        ASSERT_TRUE(waitUntil([&] { return keys.status(Slot::main).state != State::pending; }));
        EXPECT_LT(clock.elapsed(), 2000) << "waited for D-Bus's own time-out";
        // What works without the portal: the X grab, and the offer to bind the key in GNOME.
        EXPECT_EQ(keys.status(Slot::main).state, State::xWindowsOnly);
        EXPECT_EQ(SessionReport::hotKeys(keys),
                  QStringLiteral(
                      "panel key only while an X11 app is in front (the desktop portal did not answer)"));
        EXPECT_TRUE(HotKeyAdvice::bindOffer(keys.status(Slot::main), &gnome, QStringLiteral("Super+R")));
        // A late answer still counts: the portal has no global shortcuts after all.
        service.send(
            portal.calls.first().createErrorReply(QDBusError::UnknownInterface, QStringLiteral("no")));
        ASSERT_TRUE(waitUntil([&] { return !keys.status(Slot::main).unanswered; }));
        EXPECT_EQ(SessionReport::hotKeys(keys),
                  QStringLiteral("panel key only while an X11 app is in front"));
    }
    QDBusConnection::disconnectFromBus(QStringLiteral("app"));
    QDBusConnection::disconnectFromBus(QStringLiteral("portal"));
}
