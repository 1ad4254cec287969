#include "app/StartNotices.h"

#include "fakes/FakePlatform.h"
#include "platform/HotKeyManager.h"
#include "store/UserDefaults.h"

#include <gtest/gtest.h>

using namespace zarvo;
using zarvo::app::StartNotices;

TEST(StartNotices, TheKeyConflictAndTheBackgroundNoticeAreEachSaidOnce) {
    fakes::FakePlatform p;
    UserDefaults defaults(p.defaults, "test");
    const auto superR = qMakePair(15u, 0x100u);
    p.hotKeys.taken.insert(superR);
    p.desktopShortcuts.holders.insert(superR, {"Xfce"});
    HotKeyManager keys(&p.hotKeys, &p.desktopShortcuts);
    keys.registerKey(HotKeyManager::Slot::main, 15, 0x100);

    StartNotices notices(defaults, keys, &p.desktopShortcuts, &p.notifications);
    const auto notice = notices.takeKeyNotice("Super+R");
    ASSERT_TRUE(notice.has_value());
    EXPECT_EQ(notice->title, "Super+R is used by Xfce");
    EXPECT_EQ(notice->text,
              QStringLiteral("Super+R is used by Xfce, so it does not open Zarvo. Choose another key in "
                             "Zarvo's Settings, or bind \u201Czarvo --toggle\u201D to a key in "
                             "Settings \u203A Keyboard."));
    EXPECT_EQ(notice->bindOffer, "Let Xfce Open Zarvo with Super+R\u2026");
    EXPECT_FALSE(notices.takeKeyNotice("Super+R").has_value());
    // The next start, on the settings kept, says nothing again.
    UserDefaults reread(p.defaults, "test");
    EXPECT_FALSE(StartNotices(reread, keys, &p.desktopShortcuts, &p.notifications)
                     .takeKeyNotice("Super+R")
                     .has_value());

    // With a status area nothing is sent; a desktop without a notification server is told next time.
    EXPECT_FALSE(notices.notifyBackground(true, "Super+R"));
    p.notifications.available = false;
    EXPECT_FALSE(notices.notifyBackground(false, "Super+R"));
    EXPECT_FALSE(defaults.boolean(StartNotices::kBackgroundNoticeShown));
    p.notifications.available = true;
    EXPECT_TRUE(notices.notifyBackground(false, "Super+R"));
    EXPECT_FALSE(notices.notifyBackground(false, "Super+R"));
    // The key does not work here, so the notice does not tell the person to press it.
    EXPECT_EQ(p.notifications.sent,
              QStringList{QStringLiteral(
                  "Zarvo is running|Zarvo runs in the background. Bind \u201Czarvo --toggle\u201D "
                  "in Settings \u203A Keyboard, or choose another key in Zarvo's Settings "
                  "(\u201Czarvo --settings\u201D).")});

    // A working key: nothing to say about it, and the notice names it.
    fakes::FakePlatform fresh;
    UserDefaults freshDefaults(fresh.defaults, "test");
    HotKeyManager working(&fresh.hotKeys, &fresh.desktopShortcuts);
    working.registerKey(HotKeyManager::Slot::main, 15, 0x100);
    StartNotices quiet(freshDefaults, working, &fresh.desktopShortcuts, &fresh.notifications);
    EXPECT_FALSE(quiet.takeKeyNotice("Super+R").has_value());
    EXPECT_TRUE(quiet.notifyBackground(false, "Super+R"));
    EXPECT_EQ(
        fresh.notifications.sent,
        QStringList{QStringLiteral("Zarvo is running|Zarvo runs in the background. Press Super+R, or bind "
                                   "\u201Czarvo --toggle\u201D in Settings \u203A Keyboard.")});
}
