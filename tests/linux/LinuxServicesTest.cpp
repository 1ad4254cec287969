#include "LinuxSandbox.h"

#include "platform/HotKeyFormat.h"
#include "platform/HotKeyManager.h"
#include "platform/Translations.h"
#include "platform/linux/LinuxHotKeys.h"
#include "platform/linux/LinuxLoginItems.h"
#include "platform/linux/LinuxPanelWindowing.h"
#include "platform/linux/LinuxPasteboard.h"
#include "platform/linux/LinuxPlatform.h"
#include "platform/linux/LinuxPlatformWords.h"
#include "platform/linux/LinuxProcesses.h"
#include "platform/linux/LinuxSession.h"
#include "platform/linux/TerminalLauncher.h"

#include <QMimeData>
#include <gtest/gtest.h>

using namespace zarvo;
using namespace zarvo::linux_;
using namespace zarvo::linuxtest;

TEST(LinuxPasteboard, ForeignOffersBecomeItems) {
    // What another X client offers, as Qt lists it: protocol targets, duplicates and a private format.
    QMimeData offer;
    offer.setData("TARGETS", "x");
    offer.setData("text/uri-list", "file:///tmp/a%20b.txt\r\nfile:///tmp/c.png\r\n");
    offer.setData("x-special/gnome-copied-files", "copy\nfile:///tmp/a%20b.txt");
    offer.setData("text/plain;charset=utf-8", "a b.txt\nc.png");
    offer.setData("application/x-qt-image", "");
    offer.setData("application/x-office-private", "big");
    offer.setData("org.nspasteboard.source", "org.example.app");
    QStringList others;
    const auto items = PasteboardMime::items(offer, &others);
    ASSERT_EQ(items.size(), 2);
    EXPECT_EQ(items[0].data(PasteboardType::fileURL), QByteArray("file:///tmp/a%20b.txt"));
    EXPECT_EQ(items[1].data(PasteboardType::fileURL), QByteArray("file:///tmp/c.png"));
    // The text rendering and markers ride on the first file's item.
    EXPECT_EQ(items[0].string(PasteboardType::plainText), "a b.txt\nc.png");
    EXPECT_EQ(items[0].string("org.nspasteboard.source"), "org.example.app");
    EXPECT_EQ(items[1].types(), QStringList{PasteboardType::fileURL});
    EXPECT_EQ(others, QStringList{"application/x-office-private"});

    // KeePassXC's hint marks the copy concealed; another hint value does not.
    QMimeData secret;
    secret.setText("hunter2");
    secret.setData(QString::fromLatin1(PasteboardMime::passwordManagerHint), "secret");
    EXPECT_TRUE(PasteboardMime::items(secret).value(0).data(PasteboardType::concealed).has_value());
    secret.setData(QString::fromLatin1(PasteboardMime::passwordManagerHint), "plain");
    EXPECT_FALSE(PasteboardMime::items(secret).value(0).data(PasteboardType::concealed).has_value());

    // A web link copied as a uri-list is one URL item, not a file.
    QMimeData link;
    link.setData("text/uri-list", "https://example.org/\r\n");
    const auto linkItems = PasteboardMime::items(link);
    ASSERT_EQ(linkItems.size(), 1);
    EXPECT_EQ(linkItems[0].data(PasteboardType::url), QByteArray("https://example.org/"));

    EXPECT_TRUE(PasteboardMime::items(QMimeData()).isEmpty());

    // Files we copy travel as a uri-list only, with no text rendering of their own.
    PasteboardItem file;
    file.setData(PasteboardType::fileURL, "file:///tmp/one%20file");
    const std::unique_ptr<QMimeData> written(PasteboardMime::mimeData({file}));
    EXPECT_EQ(PasteboardMime::items(*written).value(0).types(), QStringList{PasteboardType::fileURL});
}

TEST(LinuxLoginItems, AutostartEntryStartsTheApplicationQuotedWhateverItsPath) {
    const auto& s = sandbox();
    // zarvo-cli asks, in a folder whose name would break the entry's lines and quoting if written raw.
    const QString folder = s.root + "/odd\t\"$HOME\" 100%\nExec=evil";
    writeProgram(folder + "/zarvo", "#!/bin/sh\n");
    LinuxLoginItems items(s.environment, folder + "/zarvo-cli");
    const QString path = s.config + "/autostart/com.velorin.zarvo.tests.desktop";
    EXPECT_FALSE(items.isEnabled());
    ASSERT_EQ(items.setEnabled(true), std::nullopt);
    EXPECT_TRUE(items.isEnabled());
    const QString text = QString::fromUtf8(readFile(path));
    EXPECT_TRUE(text.startsWith("[Desktop Entry]\nType=Application\n"));
    // \" \$ inside quotes and %% for %, then the value's escapes: backslashes doubled, \t and \n.
    EXPECT_TRUE(
        text.contains("\nExec=\"" + s.root + "/odd\\t\\\\\"\\\\$HOME\\\\\" 100%%\\nExec=evil/zarvo\"\n"))
        << qPrintable(text);
    EXPECT_EQ(text.count("\nExec="), 1);
    // Without the application beside it, or with a path no entry can hold, nothing is written.
    const auto refusal = [&](const QString& cli) {
        return LinuxLoginItems(s.environment, cli).setEnabled(true).value_or(QString());
    };
    EXPECT_TRUE(refusal(s.root + "/bare/zarvo-cli").contains("no Zarvo application"));
    writeProgram(s.root + "/bell\a/zarvo", "#!/bin/sh\n");
    EXPECT_TRUE(refusal(s.root + "/bell\a/zarvo").contains("control character"));
    EXPECT_EQ(QString::fromUtf8(readFile(path)), text);

    // Switched off in the desktop's own settings: the entry stays but is not enabled.
    writeFile(path, readFile(path) + "Hidden=true\n");
    EXPECT_FALSE(items.isEnabled());
    ASSERT_EQ(items.setEnabled(false), std::nullopt);
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_FALSE(refusal(QString()).isEmpty());
}

TEST(LinuxProcesses, ArgumentsTravelAsAListAndFailuresAreReported) {
    LinuxProcesses processes;
    std::optional<Processes::Result> result;
    processes.run("printf", {"%s|%s", "a 'b'", "$(echo c)"}, [&](Processes::Result r) { result = r; });
    ASSERT_TRUE(waitUntil([&] { return result.has_value(); }));
    EXPECT_EQ(result->exitCode, 0);
    EXPECT_EQ(result->standardOutput, QByteArray("a 'b'|$(echo c)"));
    EXPECT_EQ(result->error, std::nullopt);

    result.reset();
    processes.run("/nonexistent/zarvo-program", {}, [&](Processes::Result r) { result = r; });
    ASSERT_TRUE(waitUntil([&] { return result.has_value(); }));
    EXPECT_TRUE(result->error.has_value());
    EXPECT_FALSE(processes.startDetached("/nonexistent/zarvo-program", {}));
}

TEST(LinuxHotKeys, KeyTable) {
    // R, V, A, Return, Space, period, F12; then codes without a key.
    const QList<QPair<quint32, std::optional<unsigned long>>> rows{
        {15, 0x72},    {9, 0x76},          {0, 0x61},
        {36, 0xff0d},  {49, 0x20},         {47, 0x2e},
        {111, 0xffc9}, {10, std::nullopt}, {4000000000u, std::nullopt}};
    for (const auto& [code, keysym] : rows)
        EXPECT_EQ(keysymForKeyCode(code), keysym) << code;
}

TEST(HotKeyManager, KeysAreReplacedDispatchedRetriedAndBoundThroughTheDesktop) {
    using Slot = HotKeyManager::Slot;
    using State = HotKeyManager::State;
    fakes::FakeHotKeys hotKeys;
    fakes::FakeDesktopShortcuts desktop;
    HotKeyManager manager(&hotKeys, &desktop);
    int mainPresses = 0, clipboardPresses = 0, changes = 0;
    manager.onPress[Slot::main] = [&] { ++mainPresses; };
    manager.onPress[Slot::clipboard] = [&] { ++clipboardPresses; };
    const auto superR = qMakePair(quint32(15), quint32(0x100));
    const auto shiftSuperV = qMakePair(quint32(9), quint32(0x300));

    // A slot's new key replaces its former one; presses arrive later, on the main queue.
    EXPECT_TRUE(manager.registerKey(Slot::main, 15, 0x900));
    EXPECT_TRUE(manager.registerKey(Slot::main, 15, 0x100));
    EXPECT_EQ(hotKeys.registered, (QHash<int, QPair<quint32, quint32>>{{1, superR}}));
    hotKeys.press(1);
    hotKeys.press(2);
    hotKeys.press(7); // any other identifier acts as the main key
    EXPECT_EQ(mainPresses, 0);
    ASSERT_TRUE(waitUntil([&] { return mainPresses == 2 && clipboardPresses == 1; }));
    manager.unregisterAll();
    EXPECT_TRUE(hotKeys.registered.isEmpty());
    EXPECT_FALSE(HotKeyManager(nullptr).registerKey(Slot::main, 15, 0x100));

    QObject::connect(&manager, &HotKeyManager::statusChanged, [&] { ++changes; });
    // Xfce's app finder holds Super+R: the grab is refused (the texts: SettingsViewTest, HotKeyConflictTest).
    hotKeys.taken.insert(superR);
    desktop.holders.insert(superR, {"Xfce"});
    EXPECT_FALSE(manager.registerKey(Slot::main, 15, 0x100));
    // Another program, unknown to the desktop's files.
    hotKeys.taken.insert(shiftSuperV);
    EXPECT_FALSE(manager.registerKey(Slot::clipboard, 9, 0x300));
    EXPECT_EQ(manager.shownKey(Slot::clipboard, "Shift+Super+V"),
              "Shift+Super+V is used by another app \u2014 choose another key");
    EXPECT_TRUE(manager.isRetrying());
    EXPECT_EQ(changes, 2);

    // Nothing changed: retrying says nothing new. The desktop lets go of Super+R: the next try takes it.
    manager.retry();
    EXPECT_EQ(changes, 2);
    hotKeys.taken.remove(superR);
    desktop.holders.clear();
    manager.retry();
    EXPECT_EQ(hotKeys.registered.value(1), superR);
    EXPECT_TRUE(manager.isRetrying()) << "the clipboard key is still refused";
    hotKeys.taken.clear();
    manager.retry();
    EXPECT_TRUE(manager.isRegistered(Slot::clipboard));
    EXPECT_FALSE(manager.isRetrying());
    EXPECT_EQ(changes, 4);

    // GNOME's overlay key takes Super first: a grab would succeed and never fire, so none is made.
    desktop.name = "GNOME";
    desktop.holders.insert(superR, {"GNOME", true, false});
    EXPECT_FALSE(manager.registerKey(Slot::main, 15, 0x100));
    EXPECT_FALSE(hotKeys.registered.contains(1));
    EXPECT_EQ(manager.shownKey(Slot::main, "Super+R"), "Super+R is used by GNOME \u2014 choose another key");
    // With the user's yes the desktop runs us on the key: it works, and is shown as the key again.
    EXPECT_EQ(manager.bindThroughDesktop(Slot::main, "zarvo --toggle"), std::nullopt);
    EXPECT_EQ(desktop.bound, QStringList{"15 256 zarvo --toggle"});
    EXPECT_EQ(manager.status(Slot::main).state, State::throughDesktop);
    EXPECT_EQ(manager.shownKey(Slot::main, "Super+R"), "Super+R");
    manager.retry();
    EXPECT_EQ(manager.status(Slot::main).state, State::throughDesktop);
    // Setting the key aside (recording a new one) stops the retries.
    manager.unregisterAll();
    EXPECT_FALSE(manager.isRetrying());
}

TEST(LinuxPlatform, HeadlessRefusesDisplayAndSessionServices) {
    // Offscreen in the sandbox: no X server and no session bus, so the services are refused, not faked.
    const auto& s = sandbox();
    LinuxPlatform backEnd;
    EXPECT_EQ(backEnd.display(), LinuxPlatform::Display::None);
    Platform& platform = backEnd.platform();
    ASSERT_NE(platform.workspace, nullptr);
    ASSERT_NE(platform.pasteboard, nullptr);
    EXPECT_EQ(platform.defaults, nullptr);
    EXPECT_EQ(platform.metadata, nullptr);
    EXPECT_TRUE(platform.pasteboard->items().isEmpty());
    platform.pasteboard->setString("x");
    EXPECT_EQ(platform.pasteboard->string(PasteboardType::plainText), std::nullopt);
    EXPECT_FALSE(platform.hotKeys->registerHotKey(1, 15, HotKeyModifier::command));
    EXPECT_FALSE(platform.keySynth->isTrusted(false));
    EXPECT_FALSE(platform.keySynth->postPaste(PasteKeys::standard));
    ASSERT_TRUE(backEnd.startupNotice().has_value());
    EXPECT_TRUE(backEnd.startupNotice()->contains("needs a graphical session"));
    EXPECT_TRUE(LinuxPlatform::waylandNotice().contains("zarvo --toggle"));

    LinuxProcesses processes;
    LinuxSession session(s.environment, processes, false);
    EXPECT_FALSE(session.hasSessionManager());
    EXPECT_EQ(answer([&](auto done) { session.endSystem(Session::Ending::logOut, done); }),
              QString::fromLatin1(kNotAvailable));
    EXPECT_EQ(session.displaySleep(), QString::fromLatin1(kNotAvailable));
}

TEST(LinuxTerminal, EveryKnownTerminalStartsInTheFolder) {
    const auto& s = sandbox();
    // The chosen entry wins; a chosen entry that is gone falls back to the desktop's terminal.
    const QString apps = s.data + "/applications/";
    const QString recorder = s.root + "/record.sh";
    const QStringList command{s.root + "/zarvo-X.sh"};
    EXPECT_EQ(TerminalLauncher::terminalCommand(apps + "org.kde.konsole.desktop", std::nullopt, command),
              QStringList{recorder} + QStringList{"-e"} + command);
    EXPECT_EQ(
        TerminalLauncher::terminalCommand("/nonexistent/term", apps + "org.gnome.Terminal.desktop", command),
        QStringList{recorder} + QStringList{"-e"} + command);

    const QString folder = "/home/u/My 'Project'";
    const QString joined = "--working-directory=" + folder;
    struct Row {
        const char* program;
        QStringList folder;
        QStringList execute;
    };
    const Row rows[] = {
        {"xfce4-terminal", {joined}, {"-x"}},
        {"konsole", {"--workdir", folder}, {"-e"}},
        {"xterm", {}, {"-e"}},
        {"foot", {joined}, {}},
        {"wezterm", {"start", "--cwd", folder}, {"start", "--"}},
    };
    for (const Row& row : rows) {
        const QString program = QStringLiteral("/usr/bin/") + QLatin1String(row.program);
        EXPECT_EQ(TerminalLauncher::folderArguments(program, folder), row.folder) << row.program;
        EXPECT_EQ(TerminalLauncher::commandFlag(program), row.execute) << row.program;
    }
    // A terminal we do not know starts in the folder as its working directory only, and takes "-e".
    EXPECT_EQ(TerminalLauncher::folderArguments("/opt/bin/someterm", folder), QStringList{});
    EXPECT_EQ(TerminalLauncher::commandFlag("someterm"), QStringList{"-e"});

    // Desktop entries and x-terminal-emulator (through Debian's wrapper) lead to the terminal itself.
    const QString bin = s.root + "/terminal-bin/";
    writeProgram(bin + "xfce4-terminal", "#!/bin/sh\n");
    writeProgram(bin + "xfce4-terminal.wrapper", "#!/bin/sh\n");
    QFile::link(bin + "xfce4-terminal.wrapper", bin + "x-terminal-emulator");
    const QString entry = s.root + "/terminal-entries/xfce4-terminal.desktop";
    writeFile(entry, desktopEntry("Xfce Terminal", bin + "xfce4-terminal",
                                  "Categories=GTK;System;TerminalEmulator;\n"));
    const QString real = s.home + "/Code/zarvo";
    QDir().mkpath(real);
    const TerminalLauncher::Launch expected{bin + "xfce4-terminal", {"--working-directory=" + real}, real};
    EXPECT_EQ(TerminalLauncher::folderLaunch(entry, real + "/"), expected);
    EXPECT_EQ(TerminalLauncher::folderLaunch(bin + "x-terminal-emulator", real), expected);
    EXPECT_EQ(TerminalLauncher::folderLaunch(bin + "missing", real), std::nullopt);
    EXPECT_TRUE(TerminalLauncher::isTerminal(entry));
    EXPECT_TRUE(TerminalLauncher::isTerminal(bin + "x-terminal-emulator"));
    EXPECT_FALSE(TerminalLauncher::isTerminal(s.data + "/applications/org.example.Recorder.desktop"));

    // Terminals paste with their own keys, even one known only by its entry's Categories; an editor Ctrl+V.
    const struct {
        QStringList names;
        bool terminalCategory;
        PasteKeys keys;
    } pastes[] = {
        {{"xterm", "XTerm", "xterm"}, true, PasteKeys::shiftInsert},
        {{"gnome-terminal-server", "Gnome-terminal"}, false, PasteKeys::shifted},
        {{"", "", "", "com.gexperts.Tilix.desktop"}, false, PasteKeys::shifted},
        {{"gnome-text-editor", "org.gnome.TextEditor.desktop"}, false, PasteKeys::standard},
        {{"cool-retro-term", "cool-retro-term"}, true, PasteKeys::shifted},
    };
    for (const auto& row : pastes)
        EXPECT_EQ(TerminalLauncher::pasteKeys(row.names, row.terminalCategory), row.keys)
            << row.names.join(' ').toStdString();
}

TEST(LinuxWords, KeysFileManagerAndTheMacsNamesAreSpelledForLinux) {
    const LinuxPlatformWords words([] { return std::optional<QString>("Files"); });
    // Global keys: ⌘ is Super; inside our windows ⌘ is Ctrl and ⌃ is Super; fixed order either way.
    EXPECT_EQ(words.hotKey(0x1B00, "F5"), "Ctrl+Alt+Shift+Super+F5");
    EXPECT_EQ(words.keys("\u21E7\u2318V esc \u2303\u2325\u2318F12"), "Ctrl+Shift+V esc Ctrl+Alt+Super+F12");
    EXPECT_EQ(words.text("Can't search ~/a, ~/b \u2014 macOS hasn't granted access."),
              "Can't search ~/a, ~/b \u2014 missing or not readable by you.");
    EXPECT_EQ(words.text("System Settings \u203A Network"), "Settings \u203A Network");
    // The Mac's application names become titles (see ShownWords), never where the word is a plain label.
    EXPECT_EQ(words.text("Preview"), "Preview");
    // A text with nothing of the Mac's stays as it is, whatever its script.
    EXPECT_EQ(words.text("\u05E9\u05DC\u05D5\u05DD \u2318"), "\u05E9\u05DC\u05D5\u05DD Ctrl");

    // When the file manager cannot be told, it is the File Manager.
    int asked = 0;
    const LinuxPlatformWords unknown([&asked] {
        ++asked;
        return std::optional<QString>();
    });
    EXPECT_EQ(unknown.text("Reveal in Finder"), "Reveal in File Manager");
    EXPECT_EQ(unknown.text("Reveal in Finder"), "Reveal in File Manager");
    EXPECT_EQ(asked, 1);
}

TEST(LinuxWords, TranslatedTextsKeepTheMacsWordsForTheTableToSpell) {
    // Other catalogues keep the Mac's words and glyphs; the table spells them in the user's language.
    struct English {
        ~English() { Translations::install({QStringLiteral(ZARVO_TRANSLATIONS_DIR)}, {"en"}); }
    } restore;
    ASSERT_EQ(Translations::install({QStringLiteral(ZARVO_TRANSLATIONS_DIR)}, {"de"}), "de");
    const LinuxPlatformWords german([] { return std::optional<QString>(); });
    EXPECT_EQ(german.text("Öffnen Sie System Settings oder zeigen Sie es im Finder (⌘↩)."),
              "Öffnen Sie Einstellungen oder zeigen Sie es im Dateimanager (Strg+↩).");
    EXPECT_EQ(german.hotKey(0x300, "V"), "Umschalt+Super+V");
    EXPECT_EQ(german.hotKey(0x1000, "Space"), "Strg+Leertaste");
    EXPECT_EQ(german.keys("⌥Space"), "Alt+Leertaste");
    // A sentence other areas translate whole is found in its translation, not split into key combinations.
    EXPECT_EQ(german.text("Das Kürzel muss ⌘, ⌥ oder ⌃ enthalten."),
              "Das Kürzel muss Strg, Alt oder Super enthalten.");
    EXPECT_EQ(german.title("TextEdit"), "Texteditor");

    ASSERT_EQ(Translations::install({QStringLiteral(ZARVO_TRANSLATIONS_DIR)}, {"fr"}), "fr");
    const LinuxPlatformWords french([] { return std::optional<QString>(); });
    EXPECT_EQ(french.text("Ouvrez System Settings ou le Finder (⇧⌘V)"),
              "Ouvrez Paramètres ou le Gestionnaire de fichiers (Ctrl+Maj+V)");
}

TEST(LinuxWords, StartupIdsCarryTheirTime) {
    EXPECT_EQ(LinuxPanelWindowing::startupIdTime("xterm-1234-host-zarvo-0_TIME4242"), 4242ul);
    EXPECT_EQ(LinuxPanelWindowing::startupIdTime(""), 0ul);
}
