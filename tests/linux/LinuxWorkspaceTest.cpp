#include "LinuxSandbox.h"

#include "platform/linux/DesktopApps.h"
#include "platform/linux/DesktopEntries.h"
#include "platform/linux/LinuxAppearance.h"
#include "platform/linux/LinuxWorkspace.h"
#include "platform/linux/SettingsPanes.h"
#include "platform/linux/TerminalLauncher.h"
#include "platform/linux/WindowIdentity.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace zarvo;
using namespace zarvo::linux_;
using zarvo::linuxtest::sandbox;
using zarvo::linuxtest::writeFile;

namespace {} // namespace

TEST(LinuxPlaces, TableFoldersMapToXdgPlaces) {
    const auto& s = sandbox();
    fakes::FakeEnvironment env = s.environment;
    const QString home = env.home;
    const QString dirs = env.config + QStringLiteral("/user-dirs.dirs");
    QFile::remove(dirs);

    // Without user-dirs.dirs the English defaults apply; Movies is the XDG Videos folder.
    EXPECT_EQ(xdgPlaceForTablePath(QStringLiteral("~/Downloads"), env), home + "/Downloads");
    EXPECT_EQ(xdgPlaceForTablePath(QStringLiteral("~/Movies"), env), home + "/Videos");
    EXPECT_EQ(xdgPlaceForTablePath(QStringLiteral("~"), env), home);

    writeFile(dirs, "# written by xdg-user-dirs-update\n"
                    "XDG_DOWNLOAD_DIR=\"$HOME/Téléchargements\"\n"
                    "XDG_VIDEOS_DIR=\"/media/films\"\n"
                    "XDG_MUSIC_DIR=\"$HOME/\"\n"
                    "XDG_PICTURES_DIR=\"relative/Bilder\"\n");
    EXPECT_EQ(xdgPlaceForTablePath(QStringLiteral("~/Downloads"), env),
              home + QStringLiteral("/Téléchargements"));
    EXPECT_EQ(xdgPlaceForTablePath(QStringLiteral("~/Downloads/report.pdf"), env),
              home + QStringLiteral("/Téléchargements/report.pdf"));
    // The home-expanded spelling of a table path maps the same way.
    EXPECT_EQ(xdgPlaceForTablePath(home + QStringLiteral("/Downloads"), env),
              home + QStringLiteral("/Téléchargements"));
    EXPECT_EQ(xdgPlaceForTablePath(QStringLiteral("~/Movies"), env), QStringLiteral("/media/films"));
    // "$HOME/" means the folder is not used, and relative values are invalid: both fall back.
    EXPECT_EQ(xdgPlaceForTablePath(QStringLiteral("~/Music"), env), home + "/Music");
    EXPECT_EQ(xdgPlaceForTablePath(QStringLiteral("~/Pictures"), env), home + "/Pictures");

    EXPECT_EQ(xdgPlaceForTablePath(QStringLiteral("~/.Trash"), env), env.data + "/Trash/files");
    EXPECT_EQ(xdgPlaceForTablePath(QStringLiteral("~/Library/Application Support"), env), env.data);
    EXPECT_EQ(xdgPlaceForTablePath(QStringLiteral("~/Library/Application Support/Zarvo"), env),
              env.data + "/Zarvo");
    EXPECT_EQ(xdgPlaceForTablePath(QStringLiteral("/Applications"), env),
              QStringLiteral("/usr/share/applications"));
    // Places without a counterpart stay as they are (and so resolve to nothing).
    EXPECT_EQ(xdgPlaceForTablePath(QStringLiteral("/Applications/Utilities"), env),
              QStringLiteral("/Applications/Utilities"));
    EXPECT_EQ(xdgPlaceForTablePath(QStringLiteral("/etc/hosts"), env), QStringLiteral("/etc/hosts"));
    EXPECT_EQ(xdgPlaceForTablePath(QStringLiteral("~/Desktopper"), env), home + "/Desktopper");
    QFile::remove(dirs);
}

TEST(LinuxApplications, IdentifiersFindDesktopEntries) {
    const auto& s = sandbox();
    fakes::FakeEnvironment env = s.environment;
    LinuxWorkspace workspace(env, nullptr);
    const QString apps = s.data + QStringLiteral("/applications/");

    // A reverse-DNS identifier is first a desktop-file id.
    EXPECT_EQ(workspace.urlForApplication(QStringLiteral("org.example.Recorder")),
              apps + "org.example.Recorder.desktop");
    // Well-known identifiers go through the table; case does not matter for desktop-file ids.
    EXPECT_EQ(workspace.urlForApplication(QStringLiteral("com.apple.calculator")),
              apps + "org.gnome.Calculator.desktop");
    EXPECT_EQ(workspace.urlForApplication(QStringLiteral("io.alacritty")), apps + "Alacritty.desktop");
    EXPECT_EQ(workspace.urlForApplication(QStringLiteral("net.pemberlux.kitty")), apps + "kitty.desktop");
    EXPECT_EQ(workspace.urlForApplication(QStringLiteral("org.keepassxc.keepassxc")),
              apps + "org.keepassxc.KeePassXC.desktop");
    // An entry whose program is missing is not installed; TextEdit finds no other editor here.
    EXPECT_EQ(workspace.urlForApplication(QStringLiteral("com.apple.TextEdit")), std::nullopt);
    EXPECT_EQ(workspace.urlForApplication(QStringLiteral("com.example.nothing")), std::nullopt);
    EXPECT_EQ(workspace.urlForApplication(QString()), std::nullopt);
    EXPECT_EQ(workspace.urlForApplication(QStringLiteral("../../etc/passwd")), std::nullopt);

    // The terminal follows the running desktop.
    env.vars.insert(QStringLiteral("XDG_CURRENT_DESKTOP"), QStringLiteral("KDE"));
    EXPECT_EQ(workspace.urlForApplication(QStringLiteral("com.apple.Terminal")),
              apps + "org.kde.konsole.desktop");
    env.vars.insert(QStringLiteral("XDG_CURRENT_DESKTOP"), QStringLiteral("ubuntu:GNOME"));
    EXPECT_EQ(workspace.urlForApplication(QStringLiteral("com.apple.Terminal")),
              apps + "org.gnome.Terminal.desktop");

    // Identifiers round-trip: the well-known one where its lookup leads back, else the desktop-file id.
    EXPECT_EQ(workspace.applicationIdentifier(apps + "org.keepassxc.KeePassXC.desktop"),
              QStringLiteral("org.keepassxc.keepassxc"));
    EXPECT_EQ(workspace.applicationIdentifier(apps + "org.gnome.Terminal.desktop"),
              QStringLiteral("com.apple.Terminal"));
    // Under GNOME, Konsole is not what Terminal opens, so it keeps its own id.
    EXPECT_EQ(workspace.applicationIdentifier(apps + "org.kde.konsole.desktop"),
              QStringLiteral("org.kde.konsole"));
    EXPECT_EQ(workspace.urlForApplication(QStringLiteral("org.kde.konsole")),
              apps + "org.kde.konsole.desktop");
    EXPECT_EQ(workspace.applicationIdentifier(s.root + "/nothing.desktop"), std::nullopt);
    EXPECT_EQ(workspace.applicationName(apps + "org.example.Other.desktop"), QStringLiteral("Other Browser"));
}

TEST(LinuxApplications, HandlersComeFromMimeappsAndOpenThroughGio) {
    const auto& s = sandbox();
    const QString apps = s.data + QStringLiteral("/applications/");
    // A file manager, made before GIO first reads the applications of this test process.
    writeFile(apps + "org.example.Files.desktop", "[Desktop Entry]\nType=Application\nName=Files\nExec=" +
                                                      (s.root + "/record.sh files %U").toUtf8() +
                                                      "\nMimeType=inode/directory;\n");
    QFile list(s.config + "/mimeapps.list");
    ASSERT_TRUE(list.open(QIODevice::Append));
    list.write("inode/directory=org.example.Files.desktop\n");
    list.close();
    LinuxWorkspace workspace(s.environment, nullptr);
    const QUrl page(QStringLiteral("https://example.org/a?b=c d"));

    EXPECT_EQ(workspace.applicationToOpen(page), apps + "org.example.Recorder.desktop");
    const auto all = workspace.applicationsToOpen(page);
    ASSERT_GE(all.size(), 2);
    EXPECT_EQ(all.first(), apps + "org.example.Recorder.desktop");
    EXPECT_TRUE(all.contains(apps + "org.example.Other.desktop"));
    EXPECT_EQ(workspace.applicationToOpen(QUrl(QStringLiteral("zarvo-unknown-scheme:x"))), std::nullopt);

    QFile::remove(s.launchLog());
    ASSERT_TRUE(workspace.openURL(page));
    const QString expected =
        QStringLiteral("recorder|") + QString::fromUtf8(page.toEncoded()) + QLatin1Char('|');
    EXPECT_TRUE(linuxtest::waitUntil([&] { return linuxtest::launchLines().contains(expected); }));

    // With a chosen application, and with arguments that reach the program as they are (no shell).
    std::optional<std::optional<QString>> withResult;
    workspace.openURLWithApplication(page, apps + "org.example.Other.desktop",
                                     [&](std::optional<QString> error) { withResult = error; });
    EXPECT_TRUE(linuxtest::waitUntil([&] { return withResult.has_value(); }));
    EXPECT_EQ(*withResult, std::nullopt);
    std::optional<std::optional<QString>> appResult;
    workspace.openApplication(apps + "gnome-control-center.desktop",
                              {QStringLiteral("--flag"), QStringLiteral("a b; $(rm x)")},
                              [&](std::optional<QString> error) { appResult = error; });
    EXPECT_TRUE(linuxtest::waitUntil([&] { return appResult.has_value(); }));
    EXPECT_EQ(*appResult, std::nullopt);
    EXPECT_TRUE(linuxtest::waitUntil([&] {
        const auto lines = linuxtest::launchLines();
        return lines.contains(QStringLiteral("other|") + QString::fromUtf8(page.toEncoded()) +
                              QLatin1Char('|')) &&
               lines.contains(QStringLiteral("settings|--flag|a b; $(rm x)|"));
    }));

    // The Trash opens as the file manager's Trash view, where Restore and Empty are.
    ASSERT_TRUE(workspace.openURL(QUrl::fromLocalFile(s.data + "/Trash/files/")));
    EXPECT_TRUE(linuxtest::waitUntil([&] { return linuxtest::launchLines().contains("files|trash:///|"); }));

    // A location that is no application is refused through the completion.
    std::optional<std::optional<QString>> badResult;
    workspace.openURLWithApplication(page, s.root + "/missing.desktop",
                                     [&](std::optional<QString> e) { badResult = e; });
    EXPECT_TRUE(linuxtest::waitUntil([&] { return badResult.has_value(); }));
    EXPECT_TRUE(badResult->has_value());
}

// The panel asks for handlers, names and identifiers on every keystroke: they are read once and read
// again only when the applications folders or the mimeapps lists change.
TEST(LinuxApplications, AnswersAreKeptUntilEntriesOrListsChange) {
    const auto& s = sandbox();
    const QString apps = s.data + QStringLiteral("/applications/");
    const QString notes = apps + "org.example.Notes.desktop";
    const auto entry = [&](const QByteArray& name) {
        writeFile(notes, "[Desktop Entry]\nType=Application\nName=" + name +
                             "\nExec=" + (s.root + "/record.sh notes %U").toUtf8() + "\n");
    };
    entry("Notes");
    LinuxWorkspace workspace(s.environment, nullptr);
    DesktopEntrySource entries(DesktopEntrySource::fromEnvironment(s.environment));
    entries.startWatching();
    workspace.followChanges(entries);
    const QUrl page(QStringLiteral("https://example.org/"));
    EXPECT_EQ(workspace.applicationName(notes), QStringLiteral("Notes"));
    EXPECT_EQ(workspace.applicationToOpen(page), apps + "org.example.Recorder.desktop");
    EXPECT_EQ(workspace.urlForApplication(QStringLiteral("org.example.Later")), std::nullopt);
    // Asked again before any watcher has told: the kept answers, not the files' new contents.
    entry("Renamed Notes");
    EXPECT_EQ(workspace.applicationName(notes), QStringLiteral("Notes"));
    EXPECT_EQ(workspace.applicationIdentifier(notes), QStringLiteral("org.example.Notes"));
    EXPECT_EQ(workspace.applicationToOpen(page), apps + "org.example.Recorder.desktop");
    EXPECT_EQ(workspace.urlForApplication(QStringLiteral("org.example.Later")), std::nullopt);

    // A changed entry and a new one are seen once the folder's watcher has told.
    writeFile(apps + "org.example.Later.desktop", "[Desktop Entry]\nType=Application\nName=Later\nExec=" +
                                                      (s.root + "/record.sh later %U").toUtf8() + "\n");
    EXPECT_TRUE(linuxtest::waitUntil(
        [&] { return workspace.applicationName(notes) == QLatin1String("Renamed Notes"); }));
    EXPECT_TRUE(linuxtest::waitUntil([&] {
        return workspace.urlForApplication(QStringLiteral("org.example.Later")) ==
               apps + "org.example.Later.desktop";
    }));

    // So is another default browser chosen in the user's mimeapps.list.
    QFile list(s.config + "/mimeapps.list");
    ASSERT_TRUE(list.open(QIODevice::ReadOnly));
    const QByteArray kept = list.readAll();
    list.close();
    QByteArray changed = kept;
    changed.replace("x-scheme-handler/https=org.example.Recorder.desktop",
                    "x-scheme-handler/https=org.example.Other.desktop");
    writeFile(s.config + "/mimeapps.list", changed);
    EXPECT_TRUE(linuxtest::waitUntil(
        [&] { return workspace.applicationToOpen(page) == apps + "org.example.Other.desktop"; }));
    EXPECT_EQ(workspace.applicationsToOpen(page).value(0), apps + "org.example.Other.desktop");
    writeFile(s.config + "/mimeapps.list", kept);
    QFile::remove(notes);
    QFile::remove(apps + "org.example.Later.desktop");
}

TEST(LinuxApplications, SettingsPanesFollowTheDesktop) {
    const QString bt = QStringLiteral("com.apple.BluetoothSettings");
    EXPECT_EQ(SettingsPanes::command(bt, {QStringLiteral("GNOME")}),
              (QStringList{QStringLiteral("gnome-control-center"), QStringLiteral("bluetooth")}));
    EXPECT_EQ(SettingsPanes::command(bt, {QStringLiteral("KDE")}),
              (QStringList{QStringLiteral("systemsettings"), QStringLiteral("kcm_bluetooth")}));
    EXPECT_EQ(SettingsPanes::command(QStringLiteral("com.apple.Displays-Settings.extension"),
                                     {QStringLiteral("XFCE")}),
              QStringList{QStringLiteral("xfce4-display-settings")});
    // An anchor after "?" is not part of the pane.
    EXPECT_EQ(SettingsPanes::command(QStringLiteral("com.apple.preference.security?Privacy_AllFiles"),
                                     {QStringLiteral("GNOME")}),
              (QStringList{QStringLiteral("gnome-control-center"), QStringLiteral("privacy")}));
    EXPECT_EQ(SettingsPanes::command(bt, {QStringLiteral("XFCE")}), std::nullopt);
    EXPECT_EQ(SettingsPanes::command(QStringLiteral("com.example.pane"), {QStringLiteral("GNOME")}),
              std::nullopt);
    EXPECT_EQ(DesktopApps::currentDesktops(QStringLiteral("ubuntu:GNOME")),
              (QStringList{QStringLiteral("UBUNTU"), QStringLiteral("GNOME")}));

    // Without a panel for it, a pane opens the settings application.
    const auto& s = sandbox();
    LinuxWorkspace workspace(s.environment, nullptr);
    QFile::remove(s.launchLog());
    EXPECT_TRUE(workspace.openURL(QUrl(QStringLiteral("x-apple.systempreferences:com.example.unknown"))));
    EXPECT_TRUE(
        linuxtest::waitUntil([&] { return linuxtest::launchLines().contains(QStringLiteral("settings|")); }));
}

TEST(LinuxFiles, RecycleMovesIntoTheSandboxTrashWithTrashInfo) {
    const auto& s = sandbox();
    LinuxWorkspace workspace(s.environment, nullptr);
    const QString path = s.home + QStringLiteral("/Documents/a report #1.txt");
    writeFile(path, "contents");
    std::optional<std::optional<QString>> result;
    workspace.recycle(QUrl::fromLocalFile(path), [&](std::optional<QString> error) { result = error; });
    ASSERT_TRUE(linuxtest::waitUntil([&] { return result.has_value(); }));
    ASSERT_EQ(*result, std::nullopt) << qPrintable(result->value_or(QString()));
    EXPECT_FALSE(QFile::exists(path));
    const QString trash = s.data + QStringLiteral("/Trash");
    EXPECT_TRUE(QFile::exists(trash + QStringLiteral("/files/a report #1.txt")));
    QFile info(trash + QStringLiteral("/info/a report #1.txt.trashinfo"));
    ASSERT_TRUE(info.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(info.readAll());
    EXPECT_TRUE(text.startsWith(QStringLiteral("[Trash Info]\n"))) << qPrintable(text);
    // The original path is stored percent-encoded, the date as local ISO 8601 without a zone.
    EXPECT_TRUE(
        text.contains(QStringLiteral("Path=") + QString::fromUtf8(QUrl::toPercentEncoding(path, "/"))))
        << qPrintable(text);
    EXPECT_TRUE(text.contains(
        QRegularExpression(QStringLiteral("DeletionDate=\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d\n"))))
        << qPrintable(text);

    std::optional<std::optional<QString>> missing;
    workspace.recycle(QUrl::fromLocalFile(s.home + QStringLiteral("/no such file")),
                      [&](auto e) { missing = e; });
    ASSERT_TRUE(linuxtest::waitUntil([&] { return missing.has_value(); }));
    EXPECT_TRUE(missing->has_value());
}

TEST(LinuxFiles, IconsAndPackages) {
    const auto& s = sandbox();
    LinuxWorkspace workspace(s.environment, nullptr);
    QDir().mkpath(s.root + QStringLiteral("/Tool.app/Contents"));
    QDir().mkpath(s.root + QStringLiteral("/Plain.app"));
    EXPECT_TRUE(workspace.isFilePackage(s.root + QStringLiteral("/Tool.app")));
    EXPECT_FALSE(workspace.isFilePackage(s.root + QStringLiteral("/Plain.app")));
    EXPECT_FALSE(workspace.isFilePackage(s.root));
    EXPECT_EQ(workspace.iconNameForFile(s.root), QStringLiteral("folder"));
    writeFile(s.root + QStringLiteral("/notes.txt"), "hello");
    EXPECT_EQ(workspace.iconNameForFile(s.root + QStringLiteral("/notes.txt")), QStringLiteral("text-plain"));
    // A theme without the content type's own name still has the generic one, tried after it.
    const QStringList names = workspace.iconNamesForFile(s.root + QStringLiteral("/notes.txt"));
    EXPECT_EQ(names.first(), QStringLiteral("text-plain"));
    EXPECT_TRUE(names.contains(QStringLiteral("text-x-generic"))) << names.join(' ').toStdString();
    EXPECT_FALSE(names.join(' ').contains(QStringLiteral("-symbolic")));
    // A desktop entry stands for its application: its Icon=, never the entry file as a picture.
    writeFile(s.root + QStringLiteral("/tool.desktop"),
              "[Desktop Entry]\nType=Application\nName=Tool\nExec=true\nIcon=utilities-terminal\n");
    EXPECT_EQ(workspace.iconNamesForFile(s.root + QStringLiteral("/tool.desktop")).first(),
              QStringLiteral("utilities-terminal"));
    // Without an X server the front application is unknown rather than guessed.
    EXPECT_EQ(workspace.frontmostApplication(), std::nullopt);
}

TEST(LinuxFiles, TheDesktopSaysWhatWouldRunCode) {
    const auto& s = sandbox();
    LinuxWorkspace workspace(s.environment, nullptr);
    const QString folder = s.root + QStringLiteral("/runs");
    // A document whose default handler is a runtime (Wine here) runs code without any execute bit.
    writeFile(folder + QStringLiteral("/report.vbs"), "MsgBox 1");
    EXPECT_TRUE(workspace.wouldRunCode(folder + QStringLiteral("/report.vbs")));
    // A plain document opened by an ordinary application does not, until it is made executable.
    writeFile(folder + QStringLiteral("/notes.txt"), "hello");
    EXPECT_FALSE(workspace.wouldRunCode(folder + QStringLiteral("/notes.txt")));
    QFile::setPermissions(folder + QStringLiteral("/notes.txt"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_TRUE(workspace.wouldRunCode(folder + QStringLiteral("/notes.txt")));
    // A script recognised by its content, whatever its name says.
    writeFile(folder + QStringLiteral("/tool"), "#!/bin/sh\necho hi\n");
    EXPECT_TRUE(workspace.wouldRunCode(folder + QStringLiteral("/tool")));
    // A link is judged by its own name here: its target is judged on its own by the caller.
    ASSERT_TRUE(QFile::link(folder + QStringLiteral("/tool"), folder + QStringLiteral("/readme.txt")));
    EXPECT_FALSE(workspace.wouldRunCode(folder + QStringLiteral("/readme.txt")));

    EXPECT_TRUE(
        DesktopApps::isRuntimeCommand(QStringLiteral("env WINEPREFIX=/x wine64-stable start /unix %f")));
    EXPECT_TRUE(DesktopApps::isRuntimeCommand(QStringLiteral("/usr/bin/python3.11 -m tool %f")));
    EXPECT_TRUE(DesktopApps::isRuntimeCommand(QStringLiteral("java -jar %f")));
    EXPECT_FALSE(DesktopApps::isRuntimeCommand(QStringLiteral("gnome-text-editor %U")));
    EXPECT_FALSE(DesktopApps::isRuntimeCommand(QStringLiteral("env")));
    EXPECT_FALSE(DesktopApps::isRuntimeCommand(QStringLiteral("'unterminated")));
}

TEST(LinuxApplications, TerminalsOpenInTheFolderAndAreListed) {
    const auto& s = sandbox();
    LinuxWorkspace workspace(s.environment, nullptr);
    // A terminal that writes down where it started and what it was told.
    const QString bin = s.root + QStringLiteral("/workspace-terminals/");
    const QString log = s.root + QStringLiteral("/terminal.log");
    const QByteArray recorder =
        QStringLiteral("#!/bin/sh\nprintf '%s|' \"$PWD\" \"$@\" >> '%1'\necho >> '%1'\n").arg(log).toUtf8();
    writeFile(bin + QStringLiteral("konsole"), recorder, true);
    writeFile(bin + QStringLiteral("wezterm"), recorder, true);
    const QString entry = s.root + QStringLiteral("/workspace-terminals/konsole.desktop");
    writeFile(entry, QStringLiteral("[Desktop Entry]\nType=Application\nName=Konsole\nExec=%1 %U\n"
                                    "Categories=Qt;KDE;System;TerminalEmulator;\n")
                         .arg(bin + QStringLiteral("konsole"))
                         .toUtf8());
    const QString folder = s.home + QStringLiteral("/Projects/it's -x here");
    QDir().mkpath(folder);
    const auto lines = [&] {
        QFile file(log);
        return file.open(QIODevice::ReadOnly)
                   ? QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts)
                   : QStringList{};
    };
    std::optional<std::optional<QString>> result;
    workspace.openURLWithApplication(QUrl::fromLocalFile(folder), entry, [&](auto error) { result = error; });
    ASSERT_TRUE(linuxtest::waitUntil([&] { return result.has_value() && !lines().isEmpty(); }));
    EXPECT_EQ(*result, std::nullopt);
    EXPECT_EQ(lines(), QStringList{folder + QStringLiteral("|--workdir|") + folder + QLatin1Char('|')});

    // A terminal installed without a desktop entry is found on PATH, named and started the same way.
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", bin.toUtf8() + ':' + path);
    const QStringList listed = workspace.terminalApplications();
    qputenv("PATH", path);
    const QString apps = s.data + QStringLiteral("/applications/");
    for (const QString& expected :
         {apps + QStringLiteral("org.gnome.Terminal.desktop"),
          apps + QStringLiteral("org.kde.konsole.desktop"), apps + QStringLiteral("kitty.desktop"),
          apps + QStringLiteral("Alacritty.desktop"), bin + QStringLiteral("wezterm")})
        EXPECT_TRUE(listed.contains(expected))
            << qPrintable(expected + QStringLiteral(" in ") + listed.join(u' '));
    EXPECT_FALSE(listed.contains(apps + QStringLiteral("org.example.Recorder.desktop")));
    EXPECT_EQ(workspace.applicationName(bin + QStringLiteral("wezterm")), QStringLiteral("WezTerm"));
    EXPECT_EQ(workspace.applicationIdentifier(bin + QStringLiteral("wezterm")), QStringLiteral("wezterm"));
    EXPECT_EQ(workspace.iconNameForFile(bin + QStringLiteral("wezterm")),
              QStringLiteral("org.wezfurlong.wezterm"));
    result.reset();
    workspace.openURLWithApplication(QUrl::fromLocalFile(folder), bin + QStringLiteral("wezterm"),
                                     [&](auto error) { result = error; });
    ASSERT_TRUE(linuxtest::waitUntil([&] { return result.has_value() && lines().size() == 2; }));
    EXPECT_EQ(lines().value(1), folder + QStringLiteral("|start|--cwd|") + folder + QLatin1Char('|'));
}

TEST(LinuxApplications, AWindowIsKeptApartFromTheWindowThatHadItsIdBefore) {
    // The command name may hold spaces and parentheses: fields count from the last ")".
    const QByteArray stat =
        "4242 (evil) S 1 (name)) R 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 987654 19 20\n";
    EXPECT_EQ(startTimeFromStat(stat), QStringLiteral("987654"));
    EXPECT_EQ(startTimeFromStat("4242 (short) S 1 2"), QString());
    EXPECT_EQ(startTimeFromStat("garbage"), QString());
    EXPECT_FALSE(processStartTime(quint64(::getpid())).isEmpty());
    EXPECT_EQ(processStartTime(quint64(::getpid()), QStringLiteral("/nonexistent")), QString());

    // The same id under another process, or the same pid started again, is another window.
    WindowIdentity terminal{{}, QStringLiteral("xfce4-terminal"), QStringLiteral("Xfce4-terminal"), 100, "5"};
    WindowIdentity editor{{}, QStringLiteral("mousepad"), QStringLiteral("Mousepad"), 200, "9"};
    EXPECT_NE(terminal.cacheKey(0x1600001), editor.cacheKey(0x1600001));
    WindowIdentity restarted = terminal;
    restarted.processStart = QStringLiteral("77");
    EXPECT_NE(terminal.cacheKey(0x1600001), restarted.cacheKey(0x1600001));
    EXPECT_EQ(terminal.cacheKey(0x1600001), WindowIdentity(terminal).cacheKey(0x1600001));
}

// Each desktop names its icon theme in its own place; Xfce's user file overrides the system one.
TEST(LinuxAppearance, IconThemeIsTheDesktops) {
    const auto& s = sandbox();
    const QString channel = QStringLiteral("/xfce4/xfconf/xfce-perchannel-xml/xsettings.xml");
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
    const QString system = s.root + QStringLiteral("/etc-xdg") + channel;
    const QString user = s.config + channel;
    const QString kde = s.config + QStringLiteral("/kdeglobals");
    qputenv("XDG_CURRENT_DESKTOP", "XFCE");
    writeFile(system, xsettings("elementary-xfce"));
    EXPECT_EQ(LinuxAppearance::iconThemeName(), QStringLiteral("elementary-xfce"));
    writeFile(user, xsettings("Papirus"));
    EXPECT_EQ(LinuxAppearance::iconThemeName(), QStringLiteral("Papirus"));
    writeFile(user, "<channel><property name=\"Net\"><property name="); // cut off: the system one
    EXPECT_EQ(LinuxAppearance::iconThemeName(), QStringLiteral("elementary-xfce"));

    qputenv("XDG_CURRENT_DESKTOP", "KDE");
    EXPECT_EQ(LinuxAppearance::iconThemeName(), QStringLiteral("breeze"));
    writeFile(kde, "[General]\nColorScheme=BreezeDark\n\n[Icons]\nTheme=breeze-dark\n");
    EXPECT_EQ(LinuxAppearance::iconThemeName(), QStringLiteral("breeze-dark"));

    // No GSettings schema in the sandbox: nothing is named, and nothing aborts.
    qputenv("XDG_CURRENT_DESKTOP", "GNOME");
    EXPECT_EQ(LinuxAppearance::iconThemeName(), QString());
    qunsetenv("XDG_CURRENT_DESKTOP");
    for (const QString& path : {system, user, kde})
        QFile::remove(path);
}

// A change notice's word counts over what the files say; KDE's colours decide there, Xfce's theme name.
TEST(LinuxAppearance, DarkFollowsWhatTheDesktopSaysNow) {
    const auto& s = sandbox();
    const QString kde = s.config + QStringLiteral("/kdeglobals");
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
    known.gtkTheme = QStringLiteral("Greybird-dark");
    known.iconTheme = QStringLiteral("elementary-xfce-dark");
    EXPECT_TRUE(LinuxAppearance::prefersDark(known));
    EXPECT_EQ(LinuxAppearance::iconThemeName(known), QStringLiteral("elementary-xfce-dark"));
    known.gtkTheme = QStringLiteral("Greybird");
    EXPECT_FALSE(LinuxAppearance::prefersDark(known));
    EXPECT_FALSE(LinuxAppearance::kdePalette().has_value()); // not on KDE
    qunsetenv("XDG_CURRENT_DESKTOP");
    QFile::remove(kde);
}

TEST(LinuxApplications, FlatpakTerminalsAreListedAndOpenInTheFolder) {
    const auto& s = sandbox();
    // flatpak itself stands in: it writes down where it started and what it was told.
    const QString flatpak = s.root + QStringLiteral("/flatpak-bin/flatpak");
    const QString log = s.root + QStringLiteral("/flatpak.log");
    writeFile(
        flatpak,
        QStringLiteral("#!/bin/sh\nprintf '%s|' \"$PWD\" \"$@\" >> '%1'\necho >> '%1'\n").arg(log).toUtf8(),
        true);
    // Entries as Flatpak exports them: one terminal with a folder option of its own, one without.
    const QString exports = s.data + QStringLiteral("/flatpak/exports/share/applications/");
    const auto exported = [&](const QString& id, const QString& command) {
        writeFile(
            exports + id + QStringLiteral(".desktop"),
            QStringLiteral("[Desktop Entry]\nType=Application\nName=%1\nCategories=System;TerminalEmulator;\n"
                           "Exec=%2 run --branch=stable --arch=x86_64 --command=%3 --file-forwarding %1 @@u "
                           "%U @@\nX-Flatpak=%1\n")
                .arg(id, flatpak, command)
                .toUtf8());
        return exports + id + QStringLiteral(".desktop");
    };
    const QString console = exported(QStringLiteral("org.gnome.Console"), QStringLiteral("kgx"));
    const QString ptyxis = exported(QStringLiteral("app.devsuite.Ptyxis"), QStringLiteral("ptyxis"));
    LinuxWorkspace workspace(s.environment, nullptr);
    const QStringList listed = workspace.terminalApplications();
    EXPECT_TRUE(listed.contains(console) && listed.contains(ptyxis)) << qPrintable(listed.join(u' '));
    // The picker stores the desktop-file id and finds the entry again by it.
    EXPECT_EQ(workspace.urlForApplication(workspace.applicationIdentifier(console).value_or(QString())),
              console);

    const QString folder = s.home + QStringLiteral("/Projects/flat pak");
    QDir().mkpath(folder);
    const auto lines = [&] {
        QFile file(log);
        return file.open(QIODevice::ReadOnly)
                   ? QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts)
                   : QStringList{};
    };
    for (const QString& entry : {console, ptyxis}) {
        std::optional<std::optional<QString>> result;
        workspace.openURLWithApplication(QUrl::fromLocalFile(folder), entry,
                                         [&](auto error) { result = error; });
        ASSERT_TRUE(linuxtest::waitUntil(
            [&] { return result.has_value() && lines().size() == (entry == console ? 1 : 2); }));
        EXPECT_EQ(*result, std::nullopt);
    }
    const QString common = QStringLiteral("--branch=stable|--arch=x86_64|--command=");
    EXPECT_EQ(lines().value(0),
              folder + QStringLiteral("|run|") + common +
                  QStringLiteral("kgx|--file-forwarding|org.gnome.Console|--working-directory=") + folder +
                  QLatin1Char('|'));
    // A command runs in it after the application id, behind the terminal's own flag.
    EXPECT_EQ(TerminalLauncher::terminalCommand(console, std::nullopt, {QStringLiteral("/tmp/a.sh")}),
              (QStringList{flatpak, QStringLiteral("run"), QStringLiteral("--branch=stable"),
                           QStringLiteral("--arch=x86_64"), QStringLiteral("--command=kgx"),
                           QStringLiteral("--file-forwarding"), QStringLiteral("org.gnome.Console"),
                           QStringLiteral("--"), QStringLiteral("/tmp/a.sh")}));
    EXPECT_EQ(lines().value(1), folder + QStringLiteral("|run|--cwd=") + folder + QLatin1Char('|') + common +
                                    QStringLiteral("ptyxis|--file-forwarding|app.devsuite.Ptyxis|"));
}
