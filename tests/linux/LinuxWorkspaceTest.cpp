#include "LinuxSandbox.h"

#include "../unit/search/PanelHarness.h"

#include "platform/linux/DesktopApps.h"
#include "platform/linux/DesktopEntries.h"
#include "platform/linux/LinuxAppearance.h"
#include "platform/linux/LinuxWorkspace.h"
#include "platform/linux/SettingsPanes.h"
#include "platform/linux/TerminalLauncher.h"
#include "platform/linux/WindowIdentity.h"

#include <QRegularExpression>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace zarvo;
using namespace zarvo::linux_;
using namespace zarvo::linuxtest;

namespace {
std::optional<QString> openWith(LinuxWorkspace& workspace, const QUrl& url, const QString& app) {
    return answer([&](auto done) { workspace.openURLWithApplication(url, app, done); });
}
} // namespace

TEST(LinuxPlaces, TableFoldersMapToXdgPlaces) {
    fakes::FakeEnvironment env = sandbox().environment;
    const QString home = env.home;
    const QString dirs = env.config + "/user-dirs.dirs";
    QFile::remove(dirs);
    // Without user-dirs.dirs the English defaults apply; Movies is the XDG Videos folder.
    EXPECT_EQ(xdgPlaceForTablePath("~/Movies", env), home + "/Videos");

    writeFile(dirs, "# written by xdg-user-dirs-update\n"
                    "XDG_DOWNLOAD_DIR=\"$HOME/Téléchargements\"\n"
                    "XDG_VIDEOS_DIR=\"/media/films\"\n"
                    "XDG_MUSIC_DIR=\"$HOME/\"\n"
                    "XDG_PICTURES_DIR=\"relative/Bilder\"\n");
    const QList<QPair<QString, QString>> rows{
        {"~/Downloads", home + "/Téléchargements"},
        {"~/Downloads/report.pdf", home + "/Téléchargements/report.pdf"},
        // The home-expanded spelling of a table path maps the same way.
        {home + "/Downloads", home + "/Téléchargements"},
        {"~/Movies", "/media/films"},
        // "$HOME/" means the folder is not used, and relative values are invalid: both fall back.
        {"~/Music", home + "/Music"},
        {"~/Pictures", home + "/Pictures"},
        {"~/Library/Application Support", env.data}, // not under ~/Library's own place
        {"~", home},
        {"/Applications", "/usr/share/applications"},
        // Places without a counterpart stay as they are (and so resolve to nothing).
        {"/Applications/Utilities", "/Applications/Utilities"},
        {"~/Desktopper", home + "/Desktopper"},
    };
    for (const auto& [table, place] : rows)
        EXPECT_EQ(xdgPlaceForTablePath(table, env), place) << table.toStdString();
    QFile::remove(dirs);
}

TEST(LinuxApplications, IdentifiersFindDesktopEntries) {
    const auto& s = sandbox();
    fakes::FakeEnvironment env = s.environment;
    LinuxWorkspace workspace(env, nullptr);
    const QString apps = s.data + "/applications/";
    // A desktop-file id of any case, else the table; TextEdit's entry lacks its program, so: none.
    const QList<QPair<QString, std::optional<QString>>> rows{
        {"org.example.Recorder", apps + "org.example.Recorder.desktop"},
        {"com.apple.calculator", apps + "org.gnome.Calculator.desktop"},
        {"org.keepassxc.keepassxc", apps + "org.keepassxc.KeePassXC.desktop"},
        {"com.apple.TextEdit", std::nullopt},
        {"com.example.nothing", std::nullopt},
        {"", std::nullopt},
        {"../../etc/passwd", std::nullopt},
    };
    for (const auto& [identifier, location] : rows)
        EXPECT_EQ(workspace.urlForApplication(identifier), location) << identifier.toStdString();

    // The terminal follows the running desktop.
    env.vars.insert("XDG_CURRENT_DESKTOP", "KDE");
    EXPECT_EQ(workspace.urlForApplication("com.apple.Terminal"), apps + "org.kde.konsole.desktop");
    env.vars.insert("XDG_CURRENT_DESKTOP", "ubuntu:GNOME");
    EXPECT_EQ(workspace.urlForApplication("com.apple.Terminal"), apps + "org.gnome.Terminal.desktop");

    // Back: the well-known identifier where its lookup leads back (not Konsole's here), else the file's id.
    const QList<QPair<QString, std::optional<QString>>> identifiers{
        {apps + "org.keepassxc.KeePassXC.desktop", "org.keepassxc.keepassxc"},
        {apps + "org.gnome.Terminal.desktop", "com.apple.Terminal"},
        {apps + "org.kde.konsole.desktop", "org.kde.konsole"},
        {s.root + "/nothing.desktop", std::nullopt}};
    for (const auto& [location, identifier] : identifiers)
        EXPECT_EQ(workspace.applicationIdentifier(location), identifier) << location.toStdString();
}

TEST(LinuxApplications, HandlersComeFromMimeappsAndOpenThroughGio) {
    const auto& s = sandbox();
    const QString apps = s.data + "/applications/";
    // A file manager, made before GIO first reads the applications of this test process.
    writeFile(apps + "org.example.Files.desktop",
              desktopEntry("Files", s.root + "/record.sh files %U", "MimeType=inode/directory;\n"));
    const QString list = s.config + "/mimeapps.list";
    writeFile(list, readFile(list) + "inode/directory=org.example.Files.desktop\n");
    LinuxWorkspace workspace(s.environment, nullptr);
    const QUrl page("https://example.org/a?b=c d");
    const QString pageArgument = QString::fromUtf8(page.toEncoded()) + '|';

    EXPECT_EQ(workspace.applicationToOpen(page), apps + "org.example.Recorder.desktop");
    EXPECT_EQ(workspace.applicationsToOpen(page),
              (QStringList{apps + "org.example.Recorder.desktop", apps + "org.example.Other.desktop"}));
    EXPECT_EQ(workspace.applicationToOpen(QUrl("zarvo-unknown-scheme:x")), std::nullopt);

    QFile::remove(s.launchLog());
    ASSERT_TRUE(workspace.openURL(page));
    EXPECT_TRUE(waitUntil([&] { return launchLines().contains("recorder|" + pageArgument); }));

    // With a chosen application, and with arguments that reach the program as they are (no shell).
    EXPECT_EQ(openWith(workspace, page, apps + "org.example.Other.desktop"), std::nullopt);
    EXPECT_EQ(answer([&](auto done) {
                  workspace.openApplication(apps + "gnome-control-center.desktop", {"--flag", "a b; $(rm x)"},
                                            done);
              }),
              std::nullopt);
    EXPECT_TRUE(waitUntil([&] {
        const auto lines = launchLines();
        return lines.contains("other|" + pageArgument) && lines.contains("settings|--flag|a b; $(rm x)|");
    }));

    // The Trash opens as the file manager's Trash view, where Restore and Empty are.
    ASSERT_TRUE(workspace.openURL(QUrl::fromLocalFile(s.data + "/Trash/files/")));
    EXPECT_TRUE(waitUntil([&] { return launchLines().contains("files|trash:///|"); }));

    // A location that is no application is refused through the completion.
    EXPECT_TRUE(openWith(workspace, page, s.root + "/missing.desktop").has_value());
    // A settings pane without a panel for it opens the settings application.
    EXPECT_TRUE(workspace.openURL(QUrl("x-apple.systempreferences:com.example.unknown")));
    EXPECT_TRUE(waitUntil([&] { return launchLines().contains("settings|"); }));
}

// Asked on every keystroke, handlers, names and identifiers are read again only once their files change.
TEST(LinuxApplications, AnswersAreKeptUntilEntriesOrListsChange) {
    const auto& s = sandbox();
    const QString apps = s.data + "/applications/";
    const QString notes = apps + "org.example.Notes.desktop";
    const auto entry = [&](const QString& path, const QString& name) {
        writeFile(path, desktopEntry(name, s.root + "/record.sh notes %U"));
    };
    entry(notes, "Notes");
    LinuxWorkspace workspace(s.environment, nullptr);
    DesktopEntrySource entries(DesktopEntrySource::fromEnvironment(s.environment));
    entries.startWatching();
    workspace.followChanges(entries);

    zarvo::testing::Panel f;
    f.p.platform.workspace = &workspace;
    f.p.install();
    f.history.add(f.p.makeFile("Documents/notes 1.txt", "notes"));
    f.history.add("run:make all");
    f.favorites.toggle(f.p.makeDir("Downloads/dl"));
    // Each keystroke as the panel paints it: the rows, then each row's icon, handlers and their names.
    auto type = [&] {
        int rows = 0;
        for (const char* text : {"dl", "notes 1", "?", "term", "calc", "make", "https://example.org", ""}) {
            f.type(QString::fromUtf8(text));
            for (const ResultItem& item : f.model.results()) {
                ++rows;
                const QString path = item.url.isLocalFile() ? item.url.toLocalFile() : item.url.toString();
                (void)workspace.iconNamesForFile(path);
                for (const QString& app : workspace.applicationsToOpen(item.url))
                    (void)workspace.applicationName(app);
                if (auto app = workspace.applicationToOpen(item.url)) (void)workspace.applicationName(*app);
            }
        }
        (void)workspace.terminalApplications();
        return rows;
    };
    ASSERT_GT(type(), 8); // the first keystrokes may read what nothing has asked for yet
    const quint64 before = DesktopApps::entryReads();
    type();
    EXPECT_EQ(DesktopApps::entryReads(), before);
    (void)DesktopApps::installedIds(); // reads every entry: the count sees this thread's reads
    EXPECT_GT(DesktopApps::entryReads(), before);

    const QUrl page("https://example.org/");
    EXPECT_EQ(workspace.applicationName(notes), "Notes");
    EXPECT_EQ(workspace.applicationToOpen(page), apps + "org.example.Recorder.desktop");
    EXPECT_EQ(workspace.urlForApplication("org.example.Later"), std::nullopt);
    // Asked again before any watcher has told: the kept answers, not the files' new contents.
    entry(notes, "Renamed Notes");
    EXPECT_EQ(workspace.applicationName(notes), "Notes");

    // A changed entry and a new one are seen once the folder's watcher has told.
    entry(apps + "org.example.Later.desktop", "Later");
    EXPECT_TRUE(waitUntil([&] { return workspace.applicationName(notes) == "Renamed Notes"; }));
    EXPECT_TRUE(waitUntil([&] {
        return workspace.urlForApplication("org.example.Later") == apps + "org.example.Later.desktop";
    }));

    // So is another default browser chosen in the user's mimeapps.list.
    const QByteArray kept = readFile(s.config + "/mimeapps.list");
    QByteArray changed = kept;
    changed.replace("x-scheme-handler/https=org.example.Recorder.desktop",
                    "x-scheme-handler/https=org.example.Other.desktop");
    writeFile(s.config + "/mimeapps.list", changed);
    EXPECT_TRUE(
        waitUntil([&] { return workspace.applicationToOpen(page) == apps + "org.example.Other.desktop"; }));
    EXPECT_EQ(workspace.applicationsToOpen(page).value(0), apps + "org.example.Other.desktop");
    writeFile(s.config + "/mimeapps.list", kept);
    QFile::remove(notes);
    QFile::remove(apps + "org.example.Later.desktop");
}

TEST(LinuxApplications, SettingsPanesFollowTheDesktop) {
    const QString bt = "com.apple.BluetoothSettings";
    const struct {
        QString pane, desktop;
        std::optional<QStringList> command;
    } rows[] = {
        {bt, "GNOME", QStringList{"gnome-control-center", "bluetooth"}},
        {bt, "KDE", QStringList{"systemsettings", "kcm_bluetooth"}},
        {"com.apple.Displays-Settings.extension", "XFCE", QStringList{"xfce4-display-settings"}},
        // An anchor after "?" is not part of the pane.
        {"com.apple.preference.security?Privacy_AllFiles", "GNOME",
         QStringList{"gnome-control-center", "privacy"}},
        {bt, "XFCE", std::nullopt},
        {"com.example.pane", "GNOME", std::nullopt},
    };
    for (const auto& row : rows)
        EXPECT_EQ(SettingsPanes::command(row.pane, {row.desktop}), row.command)
            << (row.pane + ' ' + row.desktop).toStdString();
    EXPECT_EQ(DesktopApps::currentDesktops("ubuntu:GNOME"), (QStringList{"UBUNTU", "GNOME"}));
}

TEST(LinuxFiles, TrashIconsPackagesAndWhatWouldRunCode) {
    const auto& s = sandbox();
    LinuxWorkspace workspace(s.environment, nullptr);
    const QString path = s.home + "/Documents/a report #1.txt";
    writeFile(path, "contents");
    const auto result = answer([&](auto done) { workspace.recycle(QUrl::fromLocalFile(path), done); });
    ASSERT_EQ(result, std::nullopt) << qPrintable(result.value_or(QString()));
    EXPECT_FALSE(QFile::exists(path));
    const QString trash = s.data + "/Trash";
    EXPECT_TRUE(QFile::exists(trash + "/files/a report #1.txt"));
    const QString text = QString::fromUtf8(readFile(trash + "/info/a report #1.txt.trashinfo"));
    EXPECT_TRUE(text.startsWith("[Trash Info]\n")) << qPrintable(text);
    // The original path is stored percent-encoded, the date as local ISO 8601 without a zone.
    EXPECT_TRUE(text.contains("Path=" + QString::fromUtf8(QUrl::toPercentEncoding(path, "/"))))
        << qPrintable(text);
    EXPECT_TRUE(text.contains(QRegularExpression("DeletionDate=\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d\n")))
        << qPrintable(text);

    EXPECT_TRUE(answer([&](auto done) {
                    workspace.recycle(QUrl::fromLocalFile(s.home + "/no such file"), done);
                }).has_value());

    QDir().mkpath(s.root + "/Tool.app/Contents");
    QDir().mkpath(s.root + "/Plain.app");
    EXPECT_TRUE(workspace.isFilePackage(s.root + "/Tool.app"));
    EXPECT_FALSE(workspace.isFilePackage(s.root + "/Plain.app"));
    EXPECT_EQ(workspace.iconNameForFile(s.root), "folder");
    writeFile(s.root + "/notes.txt", "hello");
    // A theme without the content type's own name still has the generic one, tried after it.
    const QStringList names = workspace.iconNamesForFile(s.root + "/notes.txt");
    EXPECT_EQ(names.first(), "text-plain");
    EXPECT_TRUE(names.contains("text-x-generic")) << names.join(' ').toStdString();
    EXPECT_FALSE(names.join(' ').contains("-symbolic"));
    // A desktop entry stands for its application: its Icon=, never the entry file as a picture.
    writeFile(s.root + "/tool.desktop", desktopEntry("Tool", "true", "Icon=utilities-terminal\n"));
    EXPECT_EQ(workspace.iconNamesForFile(s.root + "/tool.desktop").first(), "utilities-terminal");
    // Without an X server the front application is unknown rather than guessed.
    EXPECT_EQ(workspace.frontmostApplication(), std::nullopt);

    const QString folder = s.root + "/runs/";
    // A document whose default handler is a runtime (Wine here) runs code without any execute bit.
    writeFile(folder + "report.vbs", "MsgBox 1");
    EXPECT_TRUE(workspace.wouldRunCode(folder + "report.vbs"));
    // A plain document opened by an ordinary application does not, until it is made executable.
    writeFile(folder + "notes.txt", "hello");
    EXPECT_FALSE(workspace.wouldRunCode(folder + "notes.txt"));
    QFile::setPermissions(folder + "notes.txt", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_TRUE(workspace.wouldRunCode(folder + "notes.txt"));
    // A script recognised by its content, whatever its name says.
    writeFile(folder + "tool", "#!/bin/sh\necho hi\n");
    EXPECT_TRUE(workspace.wouldRunCode(folder + "tool"));
    // A link is judged by its own name here: its target is judged on its own by the caller.
    ASSERT_TRUE(QFile::link(folder + "tool", folder + "readme.txt"));
    EXPECT_FALSE(workspace.wouldRunCode(folder + "readme.txt"));

    for (const char* runtime : {"env WINEPREFIX=/x wine64-stable start %f", "/usr/bin/python3.11 -m x %f"})
        EXPECT_TRUE(DesktopApps::isRuntimeCommand(runtime)) << runtime;
    for (const char* other : {"gnome-text-editor %U", "env", "'unterminated"})
        EXPECT_FALSE(DesktopApps::isRuntimeCommand(other)) << other;
}

TEST(LinuxApplications, TerminalsAreListedAndOpenInTheFolder) {
    const auto& s = sandbox();
    // Terminals (and flatpak itself) that write down where they started and what they were told.
    const QString bin = s.root + "/workspace-terminals/";
    const QString log = s.root + "/terminal.log";
    for (const char* program : {"konsole", "wezterm", "flatpak"})
        writeProgram(bin + program, recorderScript(log));
    const QString entry = bin + "konsole.desktop";
    writeFile(entry,
              desktopEntry("Konsole", bin + "konsole %U", "Categories=Qt;KDE;System;TerminalEmulator;\n"));
    // Entries as Flatpak exports them: one terminal with a folder option of its own, one without.
    const QString exports = s.data + "/flatpak/exports/share/applications/";
    const auto exported = [&](const QString& id, const QString& command) {
        writeFile(exports + id + ".desktop",
                  QString("[Desktop Entry]\nType=Application\nName=%1\nCategories=System;TerminalEmulator;\n"
                          "Exec=%2 run --branch=stable --arch=x86_64 --command=%3 --file-forwarding %1 @@u "
                          "%U @@\nX-Flatpak=%1\n")
                      .arg(id, bin + "flatpak", command)
                      .toUtf8());
        return exports + id + ".desktop";
    };
    const QString console = exported("org.gnome.Console", "kgx");
    const QString ptyxis = exported("app.devsuite.Ptyxis", "ptyxis");
    LinuxWorkspace workspace(s.environment, nullptr);
    const QString folder = s.home + "/Projects/it's -x here";
    QDir().mkpath(folder);
    const auto open = [&](const QString& terminal) {
        const auto before = readLines(log).size();
        EXPECT_EQ(openWith(workspace, QUrl::fromLocalFile(folder), terminal), std::nullopt);
        EXPECT_TRUE(waitUntil([&] { return readLines(log).size() > before; }));
        return readLines(log).value(before);
    };
    EXPECT_EQ(open(entry), folder + "|--workdir|" + folder + '|');

    // A terminal installed without a desktop entry is found on PATH, named and started the same way.
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", bin.toUtf8() + ':' + path);
    const QStringList listed = workspace.terminalApplications();
    qputenv("PATH", path);
    const QString apps = s.data + "/applications/";
    for (const QString& expected : {apps + "org.gnome.Terminal.desktop", apps + "org.kde.konsole.desktop",
                                    apps + "kitty.desktop", bin + "wezterm", console, ptyxis})
        EXPECT_TRUE(listed.contains(expected)) << qPrintable(expected + " in " + listed.join(u' '));
    EXPECT_FALSE(listed.contains(apps + "org.example.Recorder.desktop"));
    EXPECT_EQ(workspace.applicationName(bin + "wezterm"), "WezTerm");
    EXPECT_EQ(workspace.applicationIdentifier(bin + "wezterm"), "wezterm");
    EXPECT_EQ(workspace.iconNameForFile(bin + "wezterm"), "org.wezfurlong.wezterm");
    EXPECT_EQ(open(bin + "wezterm"), folder + "|start|--cwd|" + folder + '|');

    // The picker stores a Flatpak terminal's desktop-file id and finds the entry again by it.
    EXPECT_EQ(workspace.urlForApplication(workspace.applicationIdentifier(console).value_or(QString())),
              console);
    const QString common = "--branch=stable|--arch=x86_64|--command=";
    EXPECT_EQ(open(console), folder + "|run|" + common + "kgx|--file-forwarding|org.gnome.Console|" +
                                 "--working-directory=" + folder + '|');
    EXPECT_EQ(open(ptyxis), folder + "|run|--cwd=" + folder + '|' + common +
                                "ptyxis|--file-forwarding|app.devsuite.Ptyxis|");
    // A command runs in it after the application id, behind the terminal's own flag.
    EXPECT_EQ(TerminalLauncher::terminalCommand(console, std::nullopt, {"/tmp/a.sh"}),
              (QStringList{bin + "flatpak", "run", "--branch=stable", "--arch=x86_64", "--command=kgx",
                           "--file-forwarding", "org.gnome.Console", "--", "/tmp/a.sh"}));
}

TEST(LinuxApplications, AWindowIsKeptApartFromTheWindowThatHadItsIdBefore) {
    // The command name may hold spaces and parentheses: fields count from the last ")".
    const QByteArray stat =
        "4242 (evil) S 1 (name)) R 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 987654 19 20\n";
    EXPECT_EQ(startTimeFromStat(stat), "987654");
    EXPECT_EQ(startTimeFromStat("4242 (short) S 1 2"), QString());
    EXPECT_EQ(startTimeFromStat("garbage"), QString());
    EXPECT_FALSE(processStartTime(quint64(::getpid())).isEmpty());
    EXPECT_EQ(processStartTime(quint64(::getpid()), "/nonexistent"), QString());

    // The same pid started again is another window (an id reused by another process: DesktopTest).
    WindowIdentity terminal{{}, "xfce4-terminal", "Xfce4-terminal", 100, "5"};
    WindowIdentity restarted = terminal;
    restarted.processStart = "77";
    EXPECT_NE(terminal.cacheKey(0x1600001), restarted.cacheKey(0x1600001));
}

// Each desktop names its icon theme in its own place; Xfce's user file overrides the system one.
TEST(LinuxAppearance, IconThemeAndDarkAreTheDesktops) {
    const auto& s = sandbox();
    const QString channel = "/xfce4/xfconf/xfce-perchannel-xml/xsettings.xml";
    const auto xsettings = [](const char* theme) {
        return QByteArray(
                   "<?xml version=\"1.0\"?>\n<channel name=\"xsettings\" version=\"1.0\">\n"
                   "  <property name=\"Gtk\" type=\"empty\">\n"
                   "    <property name=\"IconThemeName\" type=\"string\" value=\"Wrong\"/>\n  </property>\n"
                   "  <property name=\"Net\" type=\"empty\">\n"
                   "    <property name=\"ThemeName\" type=\"string\" value=\"Greybird\"/>\n"
                   "    <property name=\"IconThemeName\" type=\"string\" value=\"") +
               theme + "\"/>\n  </property>\n</channel>\n";
    };
    const QString system = s.root + "/etc-xdg" + channel;
    const QString user = s.config + channel;
    const QString kde = s.config + "/kdeglobals";
    qputenv("XDG_CURRENT_DESKTOP", "XFCE");
    writeFile(system, xsettings("elementary-xfce"));
    EXPECT_EQ(LinuxAppearance::iconThemeName(), "elementary-xfce");
    writeFile(user, xsettings("Papirus"));
    EXPECT_EQ(LinuxAppearance::iconThemeName(), "Papirus");
    writeFile(user, "<channel><property name=\"Net\"><property name="); // cut off: the system one
    EXPECT_EQ(LinuxAppearance::iconThemeName(), "elementary-xfce");

    qputenv("XDG_CURRENT_DESKTOP", "KDE");
    EXPECT_EQ(LinuxAppearance::iconThemeName(), "breeze");
    writeFile(kde, "[General]\nColorScheme=BreezeDark\n\n[Icons]\nTheme=breeze-dark\n");
    EXPECT_EQ(LinuxAppearance::iconThemeName(), "breeze-dark");

    // No GSettings schema in the sandbox: nothing is named, and nothing aborts.
    qputenv("XDG_CURRENT_DESKTOP", "GNOME");
    EXPECT_EQ(LinuxAppearance::iconThemeName(), QString());

    // A change notice's word counts over what the files say; KDE's colours decide there, Xfce's theme name.
    qunsetenv("GTK_THEME");
    LinuxAppearance::Known known;
    known.colorScheme = 0; // no preference: the desktop's own theme decides
    qputenv("XDG_CURRENT_DESKTOP", "KDE");
    writeFile(kde, "[Colors:Window]\nBackgroundNormal=32,35,38\nForegroundNormal=252,252,252\n"
                   "[Colors:View]\nBackgroundNormal=20,22,24\nForegroundNormal=252,252,252\n"
                   "[Colors:Selection]\nBackgroundNormal=61,174,233\n");
    const auto palette = LinuxAppearance::kdePalette();
    ASSERT_TRUE(palette.has_value());
    EXPECT_EQ(palette->color(QPalette::Window), QColor(32, 35, 38));
    EXPECT_EQ(palette->color(QPalette::Highlight), QColor(61, 174, 233));
    EXPECT_TRUE(LinuxAppearance::prefersDark(known));
    known.colorScheme = 2; // the portal says light: it wins
    EXPECT_FALSE(LinuxAppearance::prefersDark(known));
    writeFile(kde, "[General]\nColorScheme=Broken\n");
    EXPECT_FALSE(LinuxAppearance::kdePalette().has_value());

    qputenv("XDG_CURRENT_DESKTOP", "XFCE");
    known.colorScheme = 0;
    known.gtkTheme = "Greybird-dark";
    known.iconTheme = "elementary-xfce-dark";
    EXPECT_TRUE(LinuxAppearance::prefersDark(known));
    EXPECT_EQ(LinuxAppearance::iconThemeName(known), "elementary-xfce-dark");
    known.gtkTheme = "Greybird";
    EXPECT_FALSE(LinuxAppearance::prefersDark(known));
    EXPECT_FALSE(LinuxAppearance::kdePalette().has_value()); // not on KDE
    qunsetenv("XDG_CURRENT_DESKTOP");
    for (const QString& path : {system, user, kde})
        QFile::remove(path);
}
