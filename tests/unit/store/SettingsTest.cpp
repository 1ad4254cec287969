#include "store/Settings.h"
#include "fakes/FakePlatform.h"
#include "fakes/Printers.h"
#include "store/Favorites.h"
#include "store/History.h"
#include "store/HotKeyRegistration.h"
#include "store/UserDefaults.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace zarvo;

namespace {

const QString kDomain = QString::fromLatin1(fakes::kTestIdentifier);

QVariantMap stored(fakes::FakePlatform& p, const QString& domain = kDomain) {
    return p.defaults.domains.value(domain);
}

// The keys (code, modifiers, label), prefill, hidden files, keep clips, retention days and terminal.
QString summary(const Settings& s) {
    QStringList out;
    for (const QVariant& value :
         QVariantList{s.hotKeyCode(), s.hotKeyModifiers(), s.hotKeyLabel(), s.clipHotKeyCode(),
                      s.clipHotKeyModifiers(), s.clipHotKeyLabel(), s.tabKeyCode(), s.tabKeyModifiers(),
                      s.tabKeyLabel(), s.prefillFromClipboard(), s.showHiddenFiles(),
                      s.keepClipboardHistory(), s.clipRetentionDays(), s.terminalBundleID()})
        out << value.toString();
    return out.join(u' ');
}

} // namespace

TEST(Settings, DefaultsUnwrittenUntilSetThenTypedAnnouncedAndShared) {
    fakes::FakePlatform p;
    UserDefaults defaults(p.defaults, kDomain);
    Settings s(defaults);
    EXPECT_EQ(summary(s), "15 256 R 9 768 V 47 256 . true false true 30 ");
    // The password managers of Linux desktops, by desktop-file id (as Debian and Flatpak name them).
    EXPECT_EQ(
        s.clipIgnoredApps(),
        (QStringList{"org.keepassxc.KeePassXC", "keepass2", "bitwarden", "com.bitwarden.desktop", "1password",
                     "proton-pass", "me.proton.Pass", "org.kde.kwalletmanager5", "kwalletmanager5-kwalletd",
                     "org.kde.kwalletmanager", "org.gnome.seahorse.Application", "org.gnome.World.Secrets",
                     "qtpass", "org.qtpass.QtPass", "enpass"}));
    EXPECT_TRUE(s.customShortcuts().isEmpty());
    // Registered, not stored: the terminal and keywords are not even registered.
    EXPECT_EQ(p.defaults.saves, 0);
    EXPECT_FALSE(defaults.object("terminalBundleID").has_value());
    EXPECT_FALSE(defaults.object("customShortcuts").has_value());

    // Set: written through with their types, announced before and after.
    int about = 0;
    QObject::connect(&s, &Settings::aboutToChange, [&] { ++about; });
    int changed = 0;
    QObject::connect(&s, &Settings::changed, [&] { ++changed; });

    s.setClipRetentionDays(0);
    EXPECT_EQ(stored(p).value("clipRetentionDays").typeId(), QMetaType::LongLong);
    s.setHotKeyCode(4000000000u);
    s.setHotKeyModifiers(0x100 | 0x800);
    s.setHotKeyLabel("J");
    s.setShowHiddenFiles(true);
    s.setPrefillFromClipboard(false);
    s.setTerminalBundleID("io.alacritty");
    s.setClipIgnoredApps({"a.b"});
    EXPECT_EQ(stored(p).value("showHiddenFiles").typeId(), QMetaType::Bool);
    EXPECT_EQ(stored(p).value("hotKeyLabel").typeId(), QMetaType::QString);
    EXPECT_EQ(about, 8);
    EXPECT_EQ(changed, 8);

    // A second instance sees every value, a code above 2^31 too.
    UserDefaults again(p.defaults, kDomain);
    Settings s2(again);
    EXPECT_EQ(summary(s2), "4000000000 2304 J 9 768 V 47 256 . false true true 0 io.alacritty");
    EXPECT_EQ(s2.clipIgnoredApps(), QStringList{"a.b"});
    // Removed, a value reads as registered again.
    again.remove("hotKeyCode");
    EXPECT_EQ(again.integer("hotKeyCode"), 15);
}

TEST(Settings, OutOfRangeOrMistypedValuesFallBackToDefaults) {
    fakes::FakePlatform p;
    p.defaults.domains[kDomain] = {
        {"hotKeyCode", qint64(-1)},
        {"hotKeyModifiers", qint64(4294967296LL)},
        {"clipHotKeyCode", QByteArray("junk")},
        {"tabKeyCode", qint64(4294967295LL)},
        {"clipRetentionDays", qint64(1) << 40},
        {"hotKeyLabel", QVariantList{1, 2}},
        {"clipIgnoredApps", QVariantList{"ok", 3}},
    };
    UserDefaults defaults(p.defaults, kDomain);
    Settings s(defaults);
    // The largest tab key code and retention still fit.
    EXPECT_EQ(summary(s), u"15 256 R 9 768 V 4294967295 256 . true false true %1 "_s.arg(
                              std::numeric_limits<int>::max()));
    // A list with a non-string is no string list: reads as absent, which for a stored value is empty.
    EXPECT_TRUE(s.clipIgnoredApps().isEmpty());
    EXPECT_EQ(stored(p).value("clipIgnoredApps"), QVariant(QVariantList{"ok", 3})) << "not migrated over";
}

TEST(Settings, IgnoredAppsAreMigratedToDesktopIdsAndKeptWhenUnknown) {
    fakes::FakePlatform p;
    // An earlier list: macOS defaults, an entry path, a file name, a default's id in other case, the user's
    // own (one unknown anywhere), a blank and a repeat.
    p.defaults.domains[kDomain] = {
        {"clipIgnoredApps",
         QStringList{"com.agilebits.onepassword7", "com.1password.1password",
                     "/var/lib/flatpak/exports/share/applications/com.bitwarden.desktop.desktop",
                     "org.example.Vault.desktop", "QtPass", "com.lastpass.LastPass", "  ",
                     "org.example.vault", "org.keepassxc.keepassxc"}}};
    const int savesBefore = p.defaults.saves;
    {
        UserDefaults defaults(p.defaults, kDomain);
        Settings s(defaults);
        const QStringList expected{"1password", "com.bitwarden.desktop", "org.example.Vault",
                                   "qtpass",    "com.lastpass.LastPass", "org.keepassxc.KeePassXC"};
        EXPECT_EQ(s.clipIgnoredApps(), expected);
        // Written back in the one form, and read back as it is: no second migration, no further write.
        EXPECT_EQ(stored(p).value("clipIgnoredApps").toStringList(), expected);
        EXPECT_EQ(p.defaults.saves, savesBefore + 1);
    }
    {
        UserDefaults again(p.defaults, kDomain);
        Settings s(again);
        EXPECT_EQ(s.clipIgnoredApps().size(), 6);
        EXPECT_EQ(p.defaults.saves, savesBefore + 1);
        // What the settings window or the command line sets takes the same form.
        s.setClipIgnoredApps({"/usr/share/applications/org.gnome.World.Secrets.desktop", "enpass.desktop"});
        EXPECT_EQ(s.clipIgnoredApps(), (QStringList{"org.gnome.World.Secrets", "enpass"}));
    }

    // A stored list that still holds every former default (the user only added to it) gains the new ones.
    fakes::FakePlatform q;
    q.defaults.domains[kDomain] = {
        {"clipIgnoredApps",
         QStringList{"com.apple.keychainaccess", "com.apple.Passwords", "com.1password.1password",
                     "com.agilebits.onepassword7", "com.bitwarden.desktop", "com.lastpass.LastPass",
                     "com.dashlane.dashlanephonefinal", "org.keepassxc.keepassxc", "signal-desktop"}}};
    UserDefaults kept(q.defaults, kDomain);
    Settings s(kept);
    const QStringList list = s.clipIgnoredApps();
    for (const char* id :
         {"org.gnome.seahorse.Application", "org.kde.kwalletmanager5", "org.keepassxc.KeePassXC", "keepass2",
          "enpass", "signal-desktop", "com.lastpass.LastPass"})
        EXPECT_TRUE(list.contains(QString::fromLatin1(id))) << id;
    EXPECT_FALSE(list.contains("com.apple.Passwords"));
    EXPECT_EQ(list.size(), QSet<QString>(list.begin(), list.end()).size());
}

TEST(Settings, CustomShortcutsADamagedObjectCostsOnlyItselfAndNewerMembersStay) {
    fakes::FakePlatform p;
    const QByteArray good = R"([{"id":"E621E1F8-C36C-495A-93FC-0C247A3E6E5F","keyword":"a","target":"/"},)";
    const CustomShortcut first{QUuid::fromString("E621E1F8-C36C-495A-93FC-0C247A3E6E5F"), "a", "/"};
    // Each damaged object costs that keyword only; the stored value stays, and a copy is kept aside.
    for (const QByteArray& data : QList<QByteArray>{
             good + R"({"id":"0B5D8C1E-1111-4222-8333-944455556666","keyword":"b"}])", // no target
             good + R"({"id":"not-a-uuid","keyword":"b","target":"/"}])",
             good + R"({"id":"{E621E1F8-C36C-495A-93FC-0C247A3E6E5F}","keyword":"b","target":"/"}])",
             good + "7]"}) {
        p.defaults.domains[kDomain] = {{"customShortcuts", data}};
        UserDefaults d(p.defaults, kDomain);
        Settings s(d);
        ASSERT_EQ(s.customShortcuts(), QList<CustomShortcut>{first}) << data.constData();
        ASSERT_TRUE(s.customShortcutsKeptAside().has_value());
        const QString aside = s.customShortcutsKeptAside()->key;
        EXPECT_EQ(stored(p).value("customShortcuts").toByteArray(), data);
        // The next change writes the readable keywords back; the copy stays as it was.
        s.setCustomShortcuts(s.customShortcuts() + QList<CustomShortcut>{{QUuid::createUuid(), "new", "/n"}});
        EXPECT_EQ(stored(p).value(aside).toByteArray(), data);
        UserDefaults again(p.defaults, kDomain);
        Settings reread(again);
        EXPECT_EQ(reread.customShortcuts(), s.customShortcuts());
        EXPECT_FALSE(reread.customShortcutsKeptAside().has_value());
    }
    // A newer version's member on a keyword is kept through a change of the list.
    p.defaults.domains[kDomain] = {
        {"customShortcuts", good +
                                R"({"id":"0B5D8C1E-1111-4222-8333-944455556666","keyword":"b","target":"/b",)"
                                R"("icon":{"name":"star"}}])"}};
    UserDefaults d(p.defaults, kDomain);
    Settings s(d);
    ASSERT_EQ(s.customShortcuts().size(), 2);
    EXPECT_FALSE(s.customShortcutsKeptAside().has_value());
    QList<CustomShortcut> list = s.customShortcuts();
    list[1].keyword = "bb";
    s.setCustomShortcuts(list);
    const QJsonArray written =
        QJsonDocument::fromJson(stored(p).value("customShortcuts").toByteArray()).array();
    EXPECT_EQ(written[1].toObject().value("icon").toObject().value("name").toString(), "star");
    EXPECT_EQ(written[1].toObject().value("keyword").toString(), "bb");
    // Lower-case ids are read (and written back upper-case).
    const auto lower =
        readCustomShortcuts(R"([{"id":"e621e1f8-c36c-495a-93fc-0c247a3e6e5f","keyword":"k","target":"t"}])");
    ASSERT_TRUE(lower.whole);
    EXPECT_TRUE(encodeCustomShortcuts(lower.shortcuts).contains("E621E1F8-C36C-495A-93FC-0C247A3E6E5F"));
}

TEST(Settings, LaunchAtLoginGoesThroughTheLoginItemServiceAndLogsFailures) {
    fakes::FakePlatform p;
    UserDefaults defaults(p.defaults, kDomain);
    Settings s(defaults, &p.platform);
    int about = 0;
    QObject::connect(&s, &Settings::aboutToChange, [&] { ++about; });
    EXPECT_FALSE(s.launchAtLogin());
    s.setLaunchAtLogin(true);
    EXPECT_TRUE(p.loginItems.enabled);
    EXPECT_TRUE(s.launchAtLogin());
    EXPECT_EQ(about, 1);
    EXPECT_FALSE(stored(p).contains("launchAtLogin"));

    p.loginItems.failure = "Operation not permitted";
    static QStringList logged;
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& msg) { logged << msg; });
    s.setLaunchAtLogin(false);
    qInstallMessageHandler(previous);
    EXPECT_TRUE(s.launchAtLogin()); // the real state, so the switch snaps back
    EXPECT_TRUE(logged.contains("Zarvo: launch at login failed: Operation not permitted"))
        << logged.join('|').toStdString();
}

TEST(Settings, PanelKeys) {
    // ⇧⌘9 still holds ⌘; the default tab-switch key ⌘. is free.
    const std::tuple<quint32, quint32, bool> keys[] = {
        {49, 0, true},     {36, 0x200, true}, {125, 0x100, true}, {40, 0, false},    {40, 0xa00, false},
        {40, 0x100, true}, {25, 0x300, true}, {15, 0x100, false}, {47, 0x100, false}};
    for (const auto& [code, modifiers, panel] : keys)
        EXPECT_EQ(Settings::isPanelKey(code, modifiers), panel) << code << " " << modifiers;
}

TEST(Settings, TerminalFallsBackThroughTheKnownTerminals) {
    fakes::FakePlatform p;
    UserDefaults defaults(p.defaults, kDomain);
    Settings s(defaults, &p.platform);
    EXPECT_FALSE(s.terminalAppURL().has_value());
    p.workspace.applications.insert("com.apple.Terminal", "/apps/terminal.desktop");
    p.workspace.applications.insert("io.alacritty", "/apps/alacritty.desktop");
    EXPECT_EQ(s.terminalAppURL(), "/apps/alacritty.desktop");
    p.workspace.applications.insert("com.googlecode.iterm2", "/apps/iterm.desktop");
    EXPECT_EQ(s.terminalAppURL(), "/apps/iterm.desktop");
    s.setTerminalBundleID("org.not.installed");
    EXPECT_EQ(s.terminalAppURL(), "/apps/iterm.desktop");
    s.setTerminalBundleID("com.apple.Terminal");
    EXPECT_EQ(s.terminalAppURL(), "/apps/terminal.desktop");
}

TEST(Settings, MigrationCopiesMissingKeysOnce) {
    fakes::FakePlatform p;
    const QString app = "com.velorin.zarvo";
    p.defaults.domains["com.velorin.quenlark"] = {
        {"hotKeyLabel", "J"}, {"favorites", QVariantList{"/x/one"}}, {"tabKeyLabel", ","}};
    p.defaults.domains[app] = {{"tabKeyLabel", "/"}};
    UserDefaults d(p.defaults, app);
    migrateDefaultsFromQuenlark(d, app);
    EXPECT_EQ(stored(p, app).value("hotKeyLabel").toString(), "J");
    EXPECT_EQ(stored(p, app).value("tabKeyLabel").toString(), "/"); // kept
    EXPECT_TRUE(stored(p, app).value("migratedFromQuenlark").toBool());
    EXPECT_EQ(Favorites(d).keys(), QStringList{"/x/one"});

    // A second start copies nothing, even what the user removed since.
    d.remove("hotKeyLabel");
    migrateDefaultsFromQuenlark(d, app);
    EXPECT_FALSE(d.hasStoredValue("hotKeyLabel"));
}

TEST(Settings, SharedInstancesLiveOnTheCurrentPlatformAndReset) {
    fakes::FakePlatform p;
    Settings::resetShared();
    Settings::shared().setHotKeyLabel("Q");
    Favorites::shared().toggle("/a");
    History::shared().add("/b");
    EXPECT_EQ(&Settings::shared().defaults(), &Settings::sharedDefaults());
    EXPECT_EQ(stored(p).value("hotKeyLabel").toString(), "Q");
    EXPECT_EQ(stored(p).value("favorites").toStringList(), QStringList{"/a"});
    EXPECT_TRUE(stored(p).contains("historyV2"));
    Settings::resetShared();
    {
        fakes::FakePlatform other;
        EXPECT_EQ(Settings::shared().hotKeyLabel(), "R");
        EXPECT_TRUE(Favorites::shared().keys().isEmpty());
        EXPECT_TRUE(History::shared().entries().isEmpty());
        Settings::resetShared();
    }
    // Migration through the shared defaults copies nothing under the test identifier, and sets no marker.
    p.defaults.domains["com.velorin.quenlark"] = {{"tabKeyLabel", ","}};
    migrateDefaultsFromQuenlark();
    EXPECT_FALSE(stored(p).contains("migratedFromQuenlark") || stored(p).contains("tabKeyLabel"));
    Settings::resetShared();
}

TEST(HotKeyRegistration, RegistersTheStoredKeysFollowsChangesAndWaitsWhileSetAside) {
    fakes::FakePlatform p;
    UserDefaults defaults(p.defaults, kDomain);
    Settings s(defaults);
    HotKeyManager keys(&p.hotKeys);
    HotKeyRegistration registration(s, keys);
    p.hotKeys.taken.insert(qMakePair(s.clipHotKeyCode(), s.clipHotKeyModifiers()));
    EXPECT_EQ(registration.start(), QList<HotKeyManager::Slot>{HotKeyManager::Slot::clipboard});
    EXPECT_EQ(p.hotKeys.registered.value(1), qMakePair(s.hotKeyCode(), s.hotKeyModifiers()));

    // A key changed elsewhere (zarvo-cli) is registered at once, but not while a new key is recorded.
    s.setHotKeyCode(40);
    EXPECT_EQ(p.hotKeys.registered.value(1).first, 40u);
    registration.suspend();
    EXPECT_TRUE(p.hotKeys.registered.isEmpty());
    s.setHotKeyCode(41);
    EXPECT_TRUE(p.hotKeys.registered.isEmpty());
    registration.resume();
    EXPECT_TRUE(registration.registerStored(HotKeyManager::Slot::main));
    EXPECT_EQ(p.hotKeys.registered.value(1).first, 41u);
}
