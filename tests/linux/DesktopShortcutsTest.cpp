#include "LinuxSandbox.h"

#include "platform/HotKeyFormat.h"
#include "platform/linux/LinuxDesktopShortcuts.h"

#include <QDBusConnectionInterface>
#include <QStandardPaths>
#include <gtest/gtest.h>

using namespace zarvo;
using namespace zarvo::linux_;
using namespace zarvo::linuxtest;

namespace {

constexpr quint32 kSuper = HotKeyModifier::command;
constexpr quint32 kShiftSuper = HotKeyModifier::command | HotKeyModifier::shift;

const QString kXfconf = "/xfce4/xfconf/xfce-perchannel-xml/xfce4-keyboard-shortcuts.xml";

struct Desktop {
    QTemporaryDir dir;
    fakes::FakeEnvironment environment;
    explicit Desktop(const QString& name) {
        environment.home = dir.path();
        environment.config = dir.path() + "/config";
        environment.vars.insert("XDG_CURRENT_DESKTOP", name);
        environment.vars.insert("XDG_CONFIG_DIRS", dir.path() + "/etc-xdg");
    }
    QString systemXfconf() const { return dir.path() + "/etc-xdg" + kXfconf; }
    QString userXfconf() const { return environment.config + kXfconf; }
};

QByteArray channel(const QByteArray& commands) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<channel name=\"xfce4-keyboard-shortcuts\" "
           "version=\"1.0\">\n"
           "<property name=\"commands\" type=\"empty\">\n" +
           commands + "</property>\n</channel>\n";
}

// Xfce 4.18's own defaults for the keys that matter here.
const QByteArray kXfceDefaults =
    channel("<property name=\"default\" type=\"empty\">\n"
            "  <property name=\"&lt;Super&gt;e\" type=\"string\" value=\"thunar\"/>\n"
            "  <property name=\"&lt;Super&gt;r\" type=\"string\" value=\"xfce4-appfinder -c\">\n"
            "    <property name=\"startup-notify\" type=\"bool\" value=\"true\"/>\n"
            "  </property>\n"
            "</property>\n");

// Who holds a combination, in words: the desktop, then "swallows" and "ours" where they apply.
QString held(const DesktopShortcuts& shortcuts, quint32 keyCode, quint32 modifiers) {
    const auto holder = shortcuts.holder(keyCode, modifiers);
    if (!holder) return "nobody";
    return holder->desktop + (holder->swallowsGrab ? " swallows" : "") +
           (holder->runsOurCommand ? " ours" : "");
}

} // namespace

TEST(DesktopShortcuts, XfceAndKdeHoldersAreReadFromTheirFilesAndXfceBindsThroughXfconfQuery) {
    Desktop xfce("XFCE");
    QList<QStringList> runs;
    LinuxDesktopShortcuts shortcuts(xfce.environment,
                                    [&](const QString& program, const QStringList& arguments) {
                                        runs << (QStringList{program} + arguments);
                                        return std::optional<QString>();
                                    });
    EXPECT_EQ(held(shortcuts, 15, kSuper), "nobody") << "no files: nothing known";

    // The system's defaults hold Super+R until the user's custom set exists.
    writeFile(xfce.systemXfconf(), kXfceDefaults);
    EXPECT_EQ(held(shortcuts, 15, kSuper), "Xfce");
    EXPECT_EQ(held(shortcuts, 15, kShiftSuper), "nobody") << "Shift+Super+R is another combination";

    // The user's set as xfconfd writes it (defaults as empty placeholders) wins: no Super+R, Shift+Super+V.
    writeFile(xfce.userXfconf(),
              channel("<property name=\"default\" type=\"empty\">\n"
                      "  <property name=\"&lt;Super&gt;r\" type=\"empty\"/>\n"
                      "</property>\n"
                      "<property name=\"custom\" type=\"empty\">\n"
                      "  <property name=\"&lt;Super&gt;e\" type=\"string\" value=\"thunar\"/>\n"
                      "  <property name=\"&lt;Shift&gt;&lt;Super&gt;V\" type=\"string\" "
                      "value=\"/opt/zarvo/zarvo --clipboard\"/>\n"
                      "  <property name=\"override\" type=\"bool\" value=\"true\"/>\n"
                      "</property>\n"));
    EXPECT_EQ(held(shortcuts, 15, kSuper), "nobody");
    EXPECT_EQ(held(shortcuts, 9, kShiftSuper), "Xfce ours");

    // Binding goes through xfconf-query, on the property that holds the key now if there is one.
    EXPECT_EQ(shortcuts.bind(15, kSuper, "zarvo --toggle"), std::nullopt);
    EXPECT_EQ(shortcuts.bind(9, kShiftSuper, "zarvo --clipboard"), std::nullopt);
    ASSERT_EQ(runs.size(), 2);
    EXPECT_EQ(
        runs[0].join(QLatin1Char(' ')),
        QStringLiteral("xfconf-query -c xfce4-keyboard-shortcuts -p /commands/custom/<Super>r -n -t string "
                       "-s zarvo --toggle"));
    EXPECT_EQ(runs[1][4], "/commands/custom/<Shift><Super>V");

    // A damaged user file counts for nothing, as for xfconfd: the system's defaults hold the key again.
    writeFile(xfce.userXfconf(), "<channel><property name=\"commands\" type=\"empty\"><property");
    EXPECT_EQ(held(shortcuts, 15, kSuper), "Xfce");

    // KDE Plasma: kglobalshortcutsrc names the active shortcuts before the first comma, tab-separated.
    Desktop kde("KDE");
    LinuxDesktopShortcuts plasma(kde.environment);
    EXPECT_FALSE(plasma.canBind());
    EXPECT_EQ(held(plasma, 15, kSuper), "nobody");
    writeFile(kde.environment.config + "/kglobalshortcutsrc",
              "[org.kde.krunner.desktop]\n_k_friendly_name=KRunner\n"
              "_launch=Alt+Space\tAlt+F2\tSearch,Alt+Space\tAlt+F2\tSearch,KRunner\n"
              "[org.kde.spectacle.desktop]\nRecordRegion=Meta+R,none,Record a region\n"
              "[com.velorin.zarvo.desktop]\nclipboard=Meta+Shift+V,none,Clipboard History\n");
    EXPECT_EQ(held(plasma, 15, kSuper), "KDE Plasma");
    EXPECT_EQ(held(plasma, 9, kShiftSuper), "KDE Plasma ours");

    // Elsewhere nothing is read or written.
    Desktop other("LXQt");
    LinuxDesktopShortcuts unknown(other.environment);
    EXPECT_EQ(unknown.desktopName(), QString());
    EXPECT_FALSE(unknown.canBind());
    EXPECT_TRUE(unknown.bind(15, kSuper, "zarvo --toggle").has_value());
}

TEST(DesktopShortcuts, XfceBindingThroughARealXfconfdReachesItsFileAndIsSeenAsOurs) {
    sandbox();
    const QString daemon =
        QStandardPaths::findExecutable("xfconfd", {"/usr/lib/x86_64-linux-gnu/xfce4/xfconf",
                                                   "/usr/lib/xfce4/xfconf", "/usr/libexec/xfce4/xfconf"});
    if (daemon.isEmpty() || QStandardPaths::findExecutable("xfconf-query").isEmpty())
        GTEST_SKIP() << "xfconfd or xfconf-query is not installed";
    PrivateBus bus;
    ASSERT_TRUE(bus.start());
    Desktop xfce("XFCE");
    writeFile(xfce.systemXfconf(), kXfceDefaults);
    QProcess xfconf;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", xfce.environment.home);
    env.insert("XDG_CONFIG_HOME", xfce.environment.config);
    env.insert("XDG_CONFIG_DIRS", xfce.dir.path() + "/etc-xdg");
    xfconf.setProcessEnvironment(env);
    xfconf.start(daemon, {});
    ASSERT_TRUE(xfconf.waitForStarted(5000));
    // On a loaded machine the daemon takes a while to own its name; a binding sent before would be lost.
    QDBusConnection watcher = QDBusConnection::connectToBus(bus.address, "xfconf-watch");
    ASSERT_TRUE(waitUntil([&] { return watcher.interface()->isServiceRegistered("org.xfce.Xfconf").value(); },
                          10000));

    LinuxDesktopShortcuts shortcuts(xfce.environment);
    ASSERT_EQ(held(shortcuts, 15, kSuper), "Xfce");
    EXPECT_EQ(shortcuts.bind(15, kSuper, "zarvo --toggle"), std::nullopt);
    // xfconfd writes its files when it stops.
    xfconf.terminate();
    ASSERT_TRUE(xfconf.waitForFinished(5000));
    QDBusConnection::disconnectFromBus("xfconf-watch");
    EXPECT_EQ(held(shortcuts, 15, kSuper), "Xfce ours");
    EXPECT_TRUE(readFile(xfce.userXfconf()).contains("value=\"zarvo --toggle\""));
}

TEST(DesktopShortcuts, GnomeOverlayKeyHoldsSuperAndTheCustomBindingIsWrittenToGSettings) {
    // GSettings reads its schema folder and backend once: set before the first use in this process.
    const auto& box = sandbox();
    if (QStandardPaths::findExecutable("glib-compile-schemas").isEmpty())
        GTEST_SKIP() << "glib-compile-schemas is not installed";
    const QString schemas = box.root + "/schemas";
    writeFile(schemas + "/zarvo-test.gschema.xml", R"(<schemalist>
  <schema id="org.gnome.mutter" path="/org/gnome/mutter/">
    <key name="overlay-key" type="s"><default>'Super_L'</default></key>
  </schema>
  <schema id="org.gnome.settings-daemon.plugins.media-keys" path="/org/gnome/settings-daemon/plugins/media-keys/">
    <key name="custom-keybindings" type="as"><default>[]</default></key>
  </schema>
  <schema id="org.gnome.settings-daemon.plugins.media-keys.custom-keybinding">
    <key name="name" type="s"><default>''</default></key>
    <key name="command" type="s"><default>''</default></key>
    <key name="binding" type="s"><default>''</default></key>
  </schema>
</schemalist>
)");
    ASSERT_EQ(QProcess::execute("glib-compile-schemas", {schemas}), 0);
    qputenv("GSETTINGS_SCHEMA_DIR", schemas.toUtf8());
    qputenv("GSETTINGS_BACKEND", "keyfile");

    Desktop gnome("ubuntu:GNOME");
    LinuxDesktopShortcuts shortcuts(gnome.environment);
    // Any Super combination: the grab would succeed and never see the key.
    EXPECT_EQ(held(shortcuts, 9, kShiftSuper), "GNOME swallows");
    EXPECT_EQ(held(shortcuts, 96, HotKeyModifier::control), "nobody");

    // The custom keybinding runs us on Super+R, as GNOME's Settings › Keyboard would write it.
    EXPECT_EQ(shortcuts.bind(15, kSuper, "zarvo --toggle"), std::nullopt);
    EXPECT_EQ(held(shortcuts, 15, kSuper), "GNOME ours");
    // Binding the same key again rewrites that entry rather than adding a second one.
    EXPECT_EQ(shortcuts.bind(15, kSuper, "/opt/zarvo --toggle"), std::nullopt);
    const auto bindings = GnomeShortcuts::customBindings();
    ASSERT_EQ(bindings.size(), 1);
    EXPECT_EQ(bindings[0].path, "/org/gnome/settings-daemon/plugins/media-keys/custom-keybindings/custom0/");
    EXPECT_EQ(bindings[0].binding, "<Super>r");
    EXPECT_EQ(bindings[0].name, "Zarvo");
    EXPECT_EQ(shortcuts.bind(9, kShiftSuper, "zarvo --clipboard"), std::nullopt);
    ASSERT_EQ(GnomeShortcuts::customBindings().size(), 2);

    const QByteArray written = readFile(box.config + "/glib-2.0/settings/keyfile");
    EXPECT_TRUE(written.contains("command='/opt/zarvo --toggle'")) << written.constData();
    EXPECT_TRUE(written.contains("custom-keybindings/custom1/']")) << written.constData();
}
