#include "PanelHarness.h"

#include "platform/PlatformWords.h"
#include "search/FileOperations.h"
#include "sources/Shortcuts.h"
#include "sources/SystemAction.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

using namespace zarvo;
using zarvo::testing::Panel;
using zarvo::testing::readFile;
using zarvo::testing::waitUntil;

namespace {

// A file name inside `folder` that is not valid UTF-8, for the raw system calls.
QByteArray rawName(const QString& folder) {
    return QFile::encodeName(folder) + "/caf\xe9.txt";
}

// The entry count of a zip's end record, counting the names not valid UTF-8 that listing tools skip.
int zipEntryCount(const QByteArray& zip) {
    const qsizetype end = zip.lastIndexOf(QByteArray("PK\x05\x06", 4));
    if (end < 0 || end + 12 > zip.size()) return -1;
    return uchar(zip[end + 10]) | (uchar(zip[end + 11]) << 8);
}

// The keyword table's row of a system action.
ResultItem actionRow(const Platform& platform, const QString& keyword) {
    return Shortcuts::itemForKeyword(platform, keyword, ResultItem::Source::shortcut,
                                     Shortcuts::builtIn(platform))
        .value_or(ResultItem());
}

} // namespace

TEST(ResultActions, OpenRecordsHidesAndOpens) {
    Panel f;
    const QString path = f.p.makeFile("Notes.txt", "n");
    f.type("~/Notes.txt");
    EXPECT_TRUE(f.press("return"));
    EXPECT_EQ(f.dismissed, 1);
    EXPECT_EQ(f.p.workspace.opened, QList<QUrl>{QUrl::fromLocalFile(path)});
    EXPECT_EQ(f.history.entries().first().key, path);

    // ⌘↩ reveals, ⌥↩ opens the terminal there (none installed: refused first).
    f.press("cmd+return");
    EXPECT_EQ(f.p.workspace.revealed, QList<QList<QUrl>>{{QUrl::fromLocalFile(path)}});
    f.press("opt+return");
    EXPECT_EQ(f.message(), "No terminal app found");
    f.p.workspace.applications.insert("org.example.term", "/usr/share/applications/term.desktop");
    f.settings.setTerminalBundleID("org.example.term");
    f.press("opt+return");
    ASSERT_EQ(f.p.workspace.openedWith.size(), 1);
    EXPECT_EQ(f.p.workspace.openedWith.first().first.toLocalFile(), f.p.home());
    EXPECT_EQ(f.p.workspace.openedWith.first().second, "/usr/share/applications/term.desktop");

    // Nothing selected and nothing that resolves.
    f.type("~/does-not-exist-at-all.txt");
    f.model.setResults({});
    f.press("return");
    EXPECT_EQ(f.message(), "Nothing to open \u2014 path not found");
}

TEST(ResultActions, RunnableFileFromTheClipboardNeedsASecondSeparatePress) {
    Panel f;
    const auto asked = [](const char* name) {
        return QString("\u201C%1\u201D came from the clipboard and runs code. Press \u21A9 again to open it.")
            .arg(name);
    };
    const QString script = f.p.makeFile("Downloads/setup.sh", "#!/bin/sh\necho hi\n");
    f.p.pasteboard.copyTextFromElsewhere(script);
    f.model.modes().prepareForShow(false);
    ASSERT_EQ(f.model.clipboardPrefill(), script);
    ASSERT_EQ(f.model.selected()->url.toLocalFile(), script);
    f.press("return");
    EXPECT_EQ(f.message(), asked("setup.sh"));
    // Holding ↩ down does not confirm.
    f.press("return", true);
    EXPECT_TRUE(f.p.workspace.opened.isEmpty());
    EXPECT_EQ(f.beeps, 2);
    f.press("return");
    ASSERT_EQ(f.p.workspace.opened.size(), 1);
    EXPECT_EQ(f.dismissed, 1);

    // A document from the clipboard opens at once.
    f.p.pasteboard.copyTextFromElsewhere(f.p.makeFile("Downloads/readme.md", "# hi"));
    f.model.modes().prepareForShow(false);
    f.press("return");
    EXPECT_EQ(f.p.workspace.opened.size(), 2);

    // Lines that are no path, copied after it: no prefill, yet the empty query's clip row still asks.
    const QString jar = f.p.makeFile("Downloads/payload.jar", "PK");
    f.addTextClip(jar);
    f.addTextClip("line one\nline two");
    f.p.pasteboard.copyTextFromElsewhere("line one\nline two");
    f.type(QString());
    f.model.modes().prepareForShow(false);
    ASSERT_FALSE(f.model.clipboardPrefill());
    ASSERT_EQ(f.model.selected()->url.toLocalFile(), jar);
    f.press("cmd+k");
    ASSERT_EQ(f.titles().value(0), "Open");
    f.model.actions().first().perform();
    f.model.modes().prepareForShow(false);
    f.press("return");
    EXPECT_EQ(f.message(), asked("payload.jar"));
    EXPECT_EQ(f.p.workspace.opened.size(), 2);
    f.press("return");
    EXPECT_EQ(f.p.workspace.opened.value(2).toLocalFile(), jar);
}

TEST(ResultActions, SystemActionsConfirmEmptyTrashAndReportEject) {
    Panel f;
    f.model.setResults({actionRow(f.p.platform, "emptytrash")});
    f.press("return");
    EXPECT_EQ(f.message(), "Press \u21A9 again to empty trash. This can't be undone.");
    EXPECT_TRUE(f.p.session.performed.isEmpty());
    f.press("return");
    EXPECT_EQ(f.p.session.performed, QStringList{"emptyTrash"});
    EXPECT_EQ(f.dismissed, 1);

    const ResultItem eject = actionRow(f.p.platform, "eject");
    f.p.workspace.volumes = {"/media/tester/USB", "/media/tester/Busy"};
    f.p.workspace.ejectErrors.insert("/media/tester/Busy", "busy");
    f.model.setResults({eject});
    f.press("return");
    EXPECT_EQ(f.message(), "Ejecting\u2026");
    EXPECT_EQ(f.settled(), "Ejected 1 disk");
    EXPECT_EQ(f.dismissed, 1); // the panel stays
    f.model.resultActions().open(eject);
    EXPECT_EQ(f.settled(), "No disks to eject");

    // Locking keeps the panel until the locker answered; a failed lock beeps, no screen saver instead.
    const ResultItem lock = actionRow(f.p.platform, "lock");
    f.model.resultActions().open(lock);
    EXPECT_EQ(f.message(), "Locking the screen\u2026");
    ASSERT_TRUE(f.waitForOperations());
    EXPECT_EQ(f.p.session.performed.last(), "lock");
    EXPECT_EQ(f.dismissed, 2);
    f.p.session.lockFailure = "no screen locker answered";
    const int beeps = f.beeps;
    f.model.resultActions().open(lock);
    EXPECT_EQ(f.settled(), "Couldn't lock the screen: no screen locker answered");
    EXPECT_EQ(f.beeps, beeps + 1);
    EXPECT_EQ(f.dismissed, 2);
    EXPECT_FALSE(f.p.session.performed.contains("screensaver"));
}

TEST(ResultActions, EndingTheSessionGoesThroughItsManagerAndAsksTwiceWithoutOne) {
    Panel f;
    QStringList alerts;
    f.model.shell().showAlert = [&](const QString& text) { alerts << text; };
    const ResultItem restart = actionRow(f.p.platform, "restart"),
                     shutdown = actionRow(f.p.platform, "shutdown"),
                     logout = actionRow(f.p.platform, "logout");

    // With a session manager one ↩ hands it over: its own dialog asks.
    f.model.setResults({restart});
    f.press("return");
    EXPECT_EQ(f.p.session.performed, QStringList{"restart"});
    EXPECT_EQ(f.dismissed, 1);
    // A manager that refuses later is reported in an alert, the panel being gone.
    f.p.session.endFailure = "the session manager refused: busy";
    f.model.resultActions().open(logout);
    EXPECT_TRUE(waitUntil([&] { return !alerts.isEmpty(); }));
    EXPECT_EQ(alerts, QStringList{"Couldn't log out: the session manager refused: busy"});

    // Without one the system would end at once: ↩ twice, and another row's ↩ in between does not confirm.
    f.p.session.sessionManager = false;
    f.p.session.performed.clear();
    f.model.setResults({shutdown});
    f.press("return");
    EXPECT_EQ(f.message(), "No session manager answers: press \u21A9 again to shut down now. Unsaved work in "
                           "open applications may be lost.");
    EXPECT_EQ(f.beeps, 1);
    EXPECT_TRUE(f.p.session.performed.isEmpty());
    f.press("return");
    EXPECT_EQ(f.p.session.performed, QStringList{"system shutdown"});
    EXPECT_EQ(f.dismissed, 3);
    f.model.setResults({restart});
    f.press("return");
    f.model.setResults({shutdown});
    f.press("return");
    // Logging out has no way without a manager.
    f.model.resultActions().open(logout);
    EXPECT_EQ(f.message(), "Couldn't log out: no session manager answers");
    EXPECT_EQ(f.p.session.performed, QStringList{"system shutdown"});
}

TEST(ResultActions, IPAddressPrefersWiredAndWirelessInterfaces) {
    using SystemActions::chooseIPAddress;
    EXPECT_EQ(chooseIPAddress({{"tun0", "10.8.0.2"}, {"wlp2s0", "192.168.1.20"}}), "192.168.1.20");
    EXPECT_EQ(chooseIPAddress({{"docker0", "172.17.0.1"}, {"eth0", "10.1.2.3"}}), "10.1.2.3");
    EXPECT_EQ(chooseIPAddress({{"tun0", "10.8.0.2"}}), "10.8.0.2");
    EXPECT_EQ(chooseIPAddress({}), std::nullopt);

    // The real machine: either an address that was copied as our own change, or no connection.
    Panel f;
    const auto outcome = SystemActions::perform(
        f.p.platform, SystemAction::ip, {}, [&](qint64 count) { EXPECT_EQ(count, f.p.pasteboard.count); });
    ASSERT_EQ(outcome.kind, SystemActions::Outcome::Kind::shown);
    if (outcome.text != "No network connection") {
        EXPECT_TRUE(outcome.text.startsWith("Copied IP address "));
        EXPECT_EQ(f.p.pasteboard.string(PasteboardType::plainText), outcome.text.mid(18));
    }
}

TEST(ResultActions, DuplicateNamesCopiesAndNeverOverwrites) {
    Panel f;
    const auto duplicate = [&f](const QString& path) {
        f.model.resultActions().duplicate(f.fileRow(path));
        return f.settled();
    };
    const QString home = f.p.home();
    const QString report = f.p.makeFile("Report.pdf", "pdf bytes");
    f.model.resultActions().duplicate(f.fileRow(report));
    EXPECT_EQ(f.message(), "Duplicating \u201CReport.pdf\u201D\u2026");
    EXPECT_EQ(f.settled(), "Duplicated as \u201CReport copy.pdf\u201D");
    EXPECT_EQ(f.model.query(), home + "/Report copy.pdf");
    EXPECT_EQ(duplicate(report), "Duplicated as \u201CReport copy 2.pdf\u201D");
    EXPECT_EQ(readFile(home + "/Report copy 2.pdf"), "pdf bytes");
    EXPECT_EQ(FileOperations::duplicateCandidate(home + "/Makefile", false), home + "/Makefile copy");

    // A folder keeps its dotted name whole and is copied with links and raw names intact.
    const QString folder = f.p.makeDir("Old.d");
    f.p.makeFile("Old.d/inner/a.txt", "a");
    ASSERT_TRUE(QFile::link("inner/a.txt", folder + "/link"));
    ASSERT_EQ(::close(::open(rawName(folder).constData(), O_WRONLY | O_CREAT, 0644)), 0);
    EXPECT_EQ(duplicate(folder), "Duplicated as \u201COld.d copy\u201D");
    const QString copy = home + "/Old.d copy";
    EXPECT_EQ(readFile(copy + "/inner/a.txt"), "a");
    EXPECT_EQ(QFileInfo(copy + "/link").symLinkTarget(), copy + "/inner/a.txt");
    EXPECT_EQ(::access(rawName(copy).constData(), F_OK), 0);

    // A name too long for the file system.
    const QString longPath = f.p.makeFile(QString(250, QLatin1Char('l')) + ".txt", "long");
    EXPECT_TRUE(duplicate(longPath).contains("File name too long")) << f.message().toStdString();
    EXPECT_EQ(readFile(longPath), "long");

    // A read-only folder is filled first and gets its permissions last.
    const QString locked = f.p.makeDir("Locked");
    f.p.makeFile("Locked/keep.txt", "k");
    const auto readOnly = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup;
    QFile::setPermissions(locked, readOnly);
    duplicate(locked);
    EXPECT_EQ(readFile(home + "/Locked copy/keep.txt"), "k");
    EXPECT_EQ(QFile::permissions(home + "/Locked copy"), QFile::permissions(locked));
    for (const QString& path : {locked, home + "/Locked copy"})
        QFile::setPermissions(path, readOnly | QFile::WriteOwner);
}

TEST(ResultActions, CompressMakesANewArchiveBesideTheItem) {
    Panel f;
    f.p.processes.runForReal = true;
    const QString photos = f.p.makeDir("Pictures/Photos");
    f.p.makeFile("Pictures/Photos/cat.jpg", "cat");
    ASSERT_EQ(::close(::open(rawName(photos).constData(), O_WRONLY | O_CREAT, 0644)), 0);
    f.p.makeFile("Pictures/Photos.zip", "someone else's archive");

    f.model.resultActions().compress(f.fileRow(photos));
    EXPECT_EQ(f.message(), "Compressing \u201CPhotos\u201D\u2026");
    EXPECT_EQ(f.settled(), "Compressed to \u201CPhotos 2.zip\u201D");
    const QString archive = f.p.home() + "/Pictures/Photos 2.zip";
    EXPECT_EQ(f.model.query(), archive);
    EXPECT_EQ(readFile(f.p.home() + "/Pictures/Photos.zip"), "someone else's archive");
    const QByteArray zip = readFile(archive);
    EXPECT_TRUE(zip.startsWith("PK") && zip.contains("Photos/cat.jpg") && zip.contains("Photos/caf\xe9.txt"));
    EXPECT_EQ(zipEntryCount(zip), 3); // the folder, cat.jpg and the raw-named file

    // Names the archiver could read as an option or an archive, or with a line break: the item alone.
    f.p.makeFile("odd/x", "an archive named x would be read instead");
    for (const QString& odd : QStringList{"@x", "-x", "x\ny"}) {
        SCOPED_TRACE(odd.toStdString());
        f.p.makeFile("odd/" + odd + "/inside", odd.toUtf8());
        f.model.resultActions().compress(f.fileRow(f.p.home() + "/odd/" + odd));
        EXPECT_EQ(f.settled(), "Compressed to \u201C" + odd + ".zip\u201D");
        const QString out = f.p.makeDir("extracted/" + QString::number(odd.size()) + odd.left(1));
        QProcess tar;
        tar.start("bsdtar", {"-xf", f.p.home() + "/odd/" + odd + ".zip", "-C", out});
        ASSERT_TRUE(tar.waitForFinished(30000));
        EXPECT_EQ(tar.exitCode(), 0) << tar.readAllStandardError().toStdString();
        EXPECT_EQ(QDir(out).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{odd});
        EXPECT_EQ(readFile(out + "/" + odd + "/inside"), odd.toUtf8());
    }

    // A failing archiver leaves no archive behind.
    f.p.processes.runForReal = false;
    f.p.processes.nextResult = {1, {}, "bsdtar: error", std::nullopt};
    f.model.resultActions().compress(f.fileRow(f.p.makeFile("Notes.txt", "n")));
    EXPECT_EQ(f.settled(), "Couldn't compress \u201CNotes.txt\u201D");
    EXPECT_FALSE(QFile::exists(f.p.home() + "/Notes.txt.zip"));
    EXPECT_EQ(f.beeps, 1);
}

TEST(ResultActions, MoveToAsksForAFolderAndKeepsWhatIsThere) {
    Panel f;
    const QString path = f.p.makeFile("Inbox/Invoice.pdf", "invoice");
    const QString target = f.p.makeDir("Archive");
    f.history.add(path);
    f.favorites.toggle(path);
    int hidden = 0;
    QStringList alerts;
    std::optional<PanelShell::FolderRequest> asked;
    std::optional<QString> answer;
    f.model.shell().chooseFolder = [&](const PanelShell::FolderRequest& request) {
        asked = request;
        return answer;
    };
    f.model.shell().showAlert = [&](const QString& text) { alerts << text; };
    f.model.shell().onHideApplication = [&] { ++hidden; };

    f.model.resultActions().moveTo(f.fileRow(path)); // cancelled
    ASSERT_TRUE(asked);
    EXPECT_EQ(asked->prompt, "Move");
    EXPECT_EQ(asked->message, "Move \u201CInvoice.pdf\u201D to\u2026");
    EXPECT_EQ(asked->startFolder, f.p.home() + "/Inbox");
    EXPECT_EQ(hidden, 1);
    EXPECT_TRUE(QFile::exists(path));

    f.p.makeFile("Archive/Invoice.pdf", "older");
    answer = target;
    f.model.resultActions().moveTo(f.fileRow(path));
    EXPECT_EQ(alerts, QStringList{"\u201CInvoice.pdf\u201D already exists in Archive"});
    EXPECT_EQ(readFile(target + "/Invoice.pdf"), "older");
    EXPECT_TRUE(QFile::exists(path));

    QFile::remove(target + "/Invoice.pdf");
    f.model.resultActions().moveTo(f.fileRow(path));
    const QString moved = target + "/Invoice.pdf";
    EXPECT_EQ(alerts.size(), 1);
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(readFile(moved), "invoice");
    EXPECT_EQ(f.history.entries().first().key, moved);
    EXPECT_EQ(f.favorites.keys(), QStringList{moved});
    EXPECT_EQ(f.p.workspace.revealed.last(), QList<QUrl>{QUrl::fromLocalFile(moved)});
}

TEST(ResultActions, TrashForgetsTheItemAndReportsFailures) {
    Panel f;
    const QString path = f.p.makeFile("Old.log", "log");
    f.history.add(path);
    f.favorites.toggle(path);
    f.model.resultActions().moveToTrash(f.fileRow(path));
    EXPECT_EQ(f.settled(), "Moved \u201COld.log\u201D to Trash");
    EXPECT_TRUE(f.history.entries().isEmpty());
    EXPECT_TRUE(f.favorites.keys().isEmpty());
    EXPECT_EQ(f.beeps, 0);

    f.p.workspace.recycleError = "The trash is not available on this volume";
    f.model.resultActions().moveToTrash(f.fileRow(f.p.makeFile("Kept.log", "log")));
    EXPECT_EQ(f.settled(), "The trash is not available on this volume");
    EXPECT_EQ(f.beeps, 1);
}

TEST(ResultActions, PastingThePathRestoresEveryItemAndType) {
    Panel f;
    PasteboardItem rich;
    rich.setString(PasteboardType::plainText, "hello");
    rich.setData(PasteboardType::html, "<b>hello</b>");
    rich.setData("com.example.private-format", QByteArray("\x00\x01\x02", 3));
    PasteboardItem image;
    image.setData(PasteboardType::png, QByteArray("\x89PNG fake", 9));
    f.p.pasteboard.copyFromElsewhere({rich, image});
    f.fileClips();
    const int clipsBefore = int(f.clips.clips().size());
    const QList<PasteboardItem> before = f.p.pasteboard.contents;

    const QString path = f.p.makeFile("Paste Me.txt");
    f.type("~/Paste Me.txt");
    EXPECT_TRUE(f.press("cmd+opt+return"));
    EXPECT_EQ(f.dismissed, 1);
    EXPECT_EQ(f.p.pasteboard.string(PasteboardType::plainText), path);
    EXPECT_TRUE(f.p.pasteboard.types().contains(PasteboardType::transient));
    EXPECT_EQ(f.p.keySynth.pastes, 0); // 0.15 s later
    ASSERT_TRUE(waitUntil([&] { return f.p.keySynth.pastes == 1; }));
    ASSERT_TRUE(f.waitForOperations());

    QList<PasteboardItem> expected = before;
    expected.first().setData(PasteboardType::restored, {});
    EXPECT_EQ(f.p.pasteboard.contents, expected);
    // Neither the path nor the restored copy became a clip.
    f.fileClips();
    EXPECT_EQ(f.clips.clips().size(), clipsBefore);

    // A copy made meanwhile by someone else is not overwritten by the restore.
    f.press("cmd+opt+return");
    f.p.pasteboard.copyTextFromElsewhere("newer");
    ASSERT_TRUE(f.waitForOperations());
    EXPECT_EQ(f.p.pasteboard.string(PasteboardType::plainText), "newer");

    // Without key synthesis (no X server) the path stays on the clipboard and the panel says how to paste.
    f.p.keySynth.trusted = false;
    const int dismissed = f.dismissed;
    f.press("cmd+opt+return");
    EXPECT_EQ(f.message(), "Copied \u2014 press \u2318V to paste (\u21E7\u2318V in a terminal)");
    EXPECT_EQ(f.dismissed, dismissed);
    ASSERT_TRUE(f.waitForOperations());
    EXPECT_EQ(f.p.pasteboard.string(PasteboardType::plainText), path);
    EXPECT_FALSE(f.p.pasteboard.types().contains(PasteboardType::transient));
}

TEST(ResultActions, PasteKeysFollowTheFrontApplication) {
    Panel f;
    const QString path = f.p.makeFile("Notes/To Do.txt");
    f.type("~/Notes/To Do.txt");
    const auto pasteInto = [&](const AppInfo& front) {
        f.p.workspace.front = front;
        const int before = f.p.keySynth.pastes;
        f.p.pasteboard.selection.reset();
        f.press("cmd+opt+return");
        EXPECT_TRUE(waitUntil([&] { return f.p.keySynth.pastes == before + 1; }));
        EXPECT_TRUE(f.waitForOperations());
        return f.p.keySynth.keys.value(before);
    };
    EXPECT_EQ(pasteInto({"org.gnome.TextEditor", "Text Editor"}), PasteKeys::standard);
    EXPECT_EQ(f.p.pasteboard.selection, std::nullopt);
    // The front application's own keys are sent; for xterm's the primary selection holds the path too.
    EXPECT_EQ(pasteInto({"debian-xterm", "XTerm", PasteKeys::shiftInsert}), PasteKeys::shiftInsert);
    EXPECT_EQ(f.p.pasteboard.selection, path);

    // A clip pasted into a terminal; and, without key synthesis, left on the clipboard with its keys named.
    f.addTextClip("make test");
    f.model.clipboardTab().switchTab(SearchModel::Tab::clipboard);
    f.model.setQuery(QString());
    ASSERT_EQ(f.model.results().value(0).title, "make test");
    f.model.clipboardTab().pasteClip(f.model.results().value(0), false);
    EXPECT_TRUE(waitUntil([&] { return f.p.keySynth.keys.size() == 3; }));
    EXPECT_EQ(f.p.keySynth.keys.value(2), PasteKeys::shiftInsert);
    EXPECT_EQ(f.p.pasteboard.selection, "make test");
    f.p.keySynth.trusted = false;
    f.p.workspace.front = AppInfo{"org.gnome.Terminal", "Terminal", PasteKeys::shifted};
    const int dismissed = f.dismissed;
    f.model.clipboardTab().pasteClip(f.model.results().value(0), false);
    EXPECT_EQ(f.message(), "Copied \u2014 press \u21E7\u2318V to paste");
    EXPECT_EQ(f.dismissed, dismissed);
    EXPECT_EQ(f.p.pasteboard.string(PasteboardType::plainText), "make test");
    EXPECT_EQ(f.p.keySynth.keys.size(), 3);
}

TEST(ResultActions, CopiesAreOwnChangesAndFavoritesToggle) {
    Panel f;
    const QString path = f.p.makeFile("Docs/Plan.md", "plan");
    const ResultItem item = f.fileRow(path);
    f.model.resultActions().copyFile(item);
    EXPECT_EQ(f.message(), "Copied file \u201CPlan.md\u201D");
    EXPECT_EQ(f.p.pasteboard.fileURLs(), QList<QUrl>{QUrl::fromLocalFile(path)});
    f.fileClips();
    ASSERT_FALSE(f.clips.clips().isEmpty());
    EXPECT_EQ(f.clips.clips().first().appName, "Zarvo");

    f.model.resultActions().copyPath(Panel::webRow("https://example.org/"));
    EXPECT_EQ(f.message(), "Copied Open in browser");
    f.model.resultActions().copyPath(std::nullopt);
    EXPECT_EQ(f.message(), "Nothing to copy");

    f.type("");
    f.model.resultActions().toggleFavorite(item);
    EXPECT_EQ(f.message(), "\u2605 Added \u201CPlan.md\u201D to favorites");
    EXPECT_EQ(f.model.selected()->historyKey(), path);
    EXPECT_TRUE(f.press("cmd+d"));
    EXPECT_EQ(f.message(), "Removed \u201CPlan.md\u201D from favorites");
    f.model.resultActions().toggleFavorite(std::nullopt);
    EXPECT_EQ(f.message(), "Nothing to favorite");

    // Remove from History is offered for remembered items (PanelKeysTest lists a new file's menu without it).
    f.history.add(path);
    f.type("~/Docs/Plan.md");
    f.press("cmd+k");
    EXPECT_TRUE(f.titles().contains("Remove from History"));

    // The context menu's short list; Remove from History, set apart, for a row from the history.
    const auto menuTitles = [&f](const ResultItem& row) {
        QStringList out;
        for (const ItemAction& action : f.model.resultActions().contextActions(row))
            out << (action.startsGroup ? "|" : QString()) + action.title;
        return out;
    };
    const ResultItem remembered = f.fileRow(path, ResultItem::Source::history);
    EXPECT_EQ(menuTitles(remembered),
              (QStringList{"Open", "Actions\u2026", PlatformWords::current().text("Reveal in Finder"),
                           "Quick Look", "Copy Path", "Add to Favorites", "|Remove from History"}));
    EXPECT_FALSE(menuTitles(item).contains("|Remove from History"));
    f.model.resultActions().contextActions(remembered).last().perform();
    EXPECT_TRUE(f.history.entries().isEmpty());
}

TEST(FileOperations, RunnableTypesExtensionsLinksAndTheExecutableBit) {
    zarvo::fakes::FakePlatform p;
    const auto runnable = [&p](const QString& path) {
        return FileOperations::isRunnable(&p.workspace, path);
    };
    // Scripts, launchers, Windows scripts and shortcuts (Wine) and Java Web Start launchers by their name.
    for (const char* name : {"a.command", "tool.PY", "launcher.desktop", "setup.bat", "run.vbs", "page.hta",
                             "app.lnk", "site.url", "start.jnlp"})
        EXPECT_TRUE(runnable(p.makeFile(name, "x"))) << name;
    EXPECT_TRUE(runnable(p.makeFile("noext", "#!/bin/sh\necho hi\n")));
    EXPECT_FALSE(runnable(p.makeFile("data.json", "{}")));
    EXPECT_FALSE(runnable(p.makeDir("folder.d")));
    EXPECT_FALSE(runnable(p.home() + "/missing"));
    const QString binary = p.makeFile("program", "plain words");
    EXPECT_FALSE(runnable(binary));
    QFile::setPermissions(binary, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_TRUE(runnable(binary));

    // What the desktop says it would run (its content type or its handler), beyond our own lists.
    const QString odd = p.makeFile("report.weird", "x");
    EXPECT_FALSE(runnable(odd));
    p.workspace.runsCode.insert(odd);
    EXPECT_TRUE(runnable(odd));

    // Links count by their own name and by what they point to; a chain followed to its end decides.
    const QString plain = p.makeFile("deep/blob", "plain words");
    ASSERT_TRUE(QFile::link(plain, p.home() + "/deep/setup.sh"));
    EXPECT_TRUE(runnable(p.home() + "/deep/setup.sh"));
    ASSERT_TRUE(QFile::link(plain, p.home() + "/deep/readme"));
    EXPECT_FALSE(runnable(p.home() + "/deep/readme"));
    const QString script = p.makeFile("deep/run.sh", "echo");
    QString toScript = script, toPlain = plain;
    for (int i = 1; i <= 9; ++i) {
        const QString link = p.home() + QStringLiteral("/deep/s%1").arg(i);
        ASSERT_TRUE(QFile::link(toScript, link));
        toScript = link;
        EXPECT_TRUE(runnable(link)) << i;
        const QString other = p.home() + QStringLiteral("/deep/p%1").arg(i);
        ASSERT_TRUE(QFile::link(toPlain, other));
        toPlain = other;
        // Deeper than 8 cannot be judged: asked about.
        EXPECT_EQ(runnable(other), i > 8) << i;
    }
    // A loop and a link to nothing cannot be judged either.
    ASSERT_TRUE(QFile::link(p.home() + "/loopB", p.home() + "/loopA"));
    ASSERT_TRUE(QFile::link(p.home() + "/loopA", p.home() + "/loopB"));
    EXPECT_TRUE(runnable(p.home() + "/loopA"));
    ASSERT_TRUE(QFile::link(p.home() + "/gone", p.home() + "/dangling"));
    EXPECT_TRUE(runnable(p.home() + "/dangling"));
}
