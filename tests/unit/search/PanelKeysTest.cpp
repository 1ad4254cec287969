#include "PanelHarness.h"

#include "platform/HotKeyFormat.h"
#include "search/Help.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace zarvo;
using zarvo::testing::clearTimeout;
using zarvo::testing::Panel;
using zarvo::testing::readFile;

TEST(PanelKeys, SearchModeKeysEscapeAndTheTextFieldsOwnKeys) {
    Panel f;
    f.p.makeFile("Documents/Report.pdf", "pdf");
    f.type("~/Documents/Rep");
    ASSERT_FALSE(f.model.results().isEmpty());

    // Keys the text field handles itself are left to it.
    EXPECT_FALSE(f.press("a"));
    EXPECT_FALSE(f.press("cmd+c"));
    EXPECT_FALSE(f.press("cmd+0"));
    EXPECT_EQ(f.p.pasteboard.writes, 0);

    EXPECT_TRUE(f.press("cmd+shift+c"));
    EXPECT_EQ(f.p.pasteboard.string(PasteboardType::plainText), f.p.home() + "/Documents/Report.pdf");
    EXPECT_EQ(f.message(), "Copied ~/Documents/Report.pdf");

    EXPECT_TRUE(f.press("cmd+,"));
    EXPECT_EQ(f.settingsOpened, 1);

    // Escape with text clears it and keeps the panel; a second Escape hides it.
    EXPECT_TRUE(f.press("esc"));
    EXPECT_EQ(f.model.query(), "");
    EXPECT_EQ(f.dismissed, 0);
    EXPECT_TRUE(f.press("esc"));
    EXPECT_EQ(f.dismissed, 1);
}

TEST(PanelKeys, TabSwitchKeyHonoursShiftOnlyWhenBound) {
    Panel f;
    f.addTextClip("first");
    // Bound without Shift: pressing it with Shift held still switches.
    EXPECT_TRUE(f.press("cmd+shift+."));
    EXPECT_EQ(f.model.mode(), SearchModel::Mode::clips);
    EXPECT_TRUE(f.press("cmd+."));
    EXPECT_EQ(f.model.mode(), SearchModel::Mode::search);
    // With Option it is another combination.
    EXPECT_FALSE(f.press("cmd+opt+."));
    EXPECT_EQ(f.model.mode(), SearchModel::Mode::search);

    // Bound with Shift: only the shifted press switches.
    f.settings.setTabKeyModifiers(HotKeyModifier::command | HotKeyModifier::shift);
    f.press("cmd+.");
    EXPECT_EQ(f.model.mode(), SearchModel::Mode::search);
    EXPECT_TRUE(f.press("cmd+shift+."));
    EXPECT_EQ(f.model.mode(), SearchModel::Mode::clips);
}

TEST(PanelKeys, ActionsMenuFiltersRunsAfterRestoringAndCloses) {
    Panel f;
    const QString path = f.p.makeFile("Report.pdf", "pdf");
    f.type("~/Report.pdf");
    ASSERT_EQ(f.model.selected()->url.toLocalFile(), path);

    EXPECT_TRUE(f.press("cmd+k"));
    ASSERT_EQ(f.model.mode(), SearchModel::Mode::actions);
    EXPECT_EQ(f.model.query(), "");
    EXPECT_EQ(f.titles(),
              (QStringList{"Open", "Reveal in Finder", "Quick Look", "Open in Terminal",
                           "Paste Path into Front App", "Copy File", "Copy Path", "Copy Name",
                           "Copy as Markdown Link", "Add to Favorites", "Rename\u2026", "Duplicate",
                           "Compress to ZIP", "Move to\u2026", "Get Info", "Move to Trash"}));
    EXPECT_TRUE(f.model.actions().last().isDestructive);

    // Filtering by "cop" keeps the copy actions, best score first.
    f.type("cop");
    const QStringList filtered = f.titles();
    ASSERT_FALSE(filtered.isEmpty());
    for (const QString& title : filtered.mid(0, 4))
        EXPECT_TRUE(title.startsWith("Copy")) << title.toStdString();
    EXPECT_FALSE(filtered.contains("Open"));
    EXPECT_FALSE(f.press("a")); // typing goes to the filter

    // Down then ↩ runs the second copy action with the search restored first.
    EXPECT_TRUE(f.press("down"));
    EXPECT_EQ(f.model.actionIndex(), 1);
    f.press("up");
    f.press("up");
    EXPECT_EQ(f.model.actionIndex(), 0);
    f.press("down");
    EXPECT_TRUE(f.press("return"));
    EXPECT_EQ(f.model.mode(), SearchModel::Mode::search);
    EXPECT_EQ(f.model.query(), "~/Report.pdf");
    EXPECT_TRUE(f.message().startsWith("Copied")) << f.message().toStdString();
    EXPECT_FALSE(f.model.actionTarget());

    // ⌘K and Escape both close the menu without doing anything.
    f.press("cmd+k");
    EXPECT_TRUE(f.press("cmd+k"));
    EXPECT_EQ(f.model.mode(), SearchModel::Mode::search);
    f.press("cmd+k");
    EXPECT_TRUE(f.press("tab"));
    EXPECT_TRUE(f.press("esc"));
    EXPECT_EQ(f.model.query(), "~/Report.pdf");
}

TEST(PanelKeys, ActionsMenuRefusesHelpRowsAndNothing) {
    Panel f;
    f.type("?");
    ASSERT_FALSE(f.model.results().isEmpty());
    ASSERT_EQ(f.model.selected()->source, ResultItem::Source::help);
    f.press("cmd+k");
    EXPECT_EQ(f.model.mode(), SearchModel::Mode::search);
    EXPECT_EQ(f.message(), "Select a result first");
    EXPECT_EQ(f.beeps, 1);

    // ↩ on a help row without an example, with one, and on the settings topic.
    const QList<HelpTopic> manual = HelpTopic::all(HelpContext{f.p.platform, f.settings});
    f.model.resultActions().open(Help::item(manual.at(11)));
    EXPECT_EQ(f.message(), "Use these keys on any search result");
    EXPECT_EQ(f.model.query(), "?");
    f.model.resultActions().open(Help::item(manual.last()));
    EXPECT_EQ(f.settingsOpened, 1);
    f.model.resultActions().open(Help::item(manual.at(3)));
    EXPECT_EQ(f.model.query(), "pdf: week: ");
}

TEST(PanelKeys, WebAndCommandRowsGetTheirOwnMenus) {
    Panel f;
    f.type("https://example.com/docs");
    ASSERT_FALSE(f.model.results().isEmpty());
    f.press("cmd+k");
    EXPECT_EQ(f.titles().mid(0, 3), (QStringList{"Open", "Copy URL", "Copy as Markdown Link"}));
    EXPECT_FALSE(f.titles().contains("Duplicate"));
    f.type("markdown");
    f.press("return");
    EXPECT_EQ(f.p.pasteboard.string(PasteboardType::plainText), "[example.com](https://example.com/docs)");

    f.type("> echo hi");
    f.press("cmd+k");
    EXPECT_EQ(f.titles().mid(0, 2), (QStringList{"Run in Terminal", "Copy Command"}));
    f.press("esc");

    // Commands run in the terminal chosen for Open in Terminal; without any, the panel says so and stays.
    f.p.workspace.applications["foot"] = "/apps/foot.desktop";
    f.settings.setTerminalBundleID("foot");
    const int dismissed = f.dismissed;
    f.press("return");
    EXPECT_EQ(f.p.workspace.terminalsUsed, QStringList{"/apps/foot.desktop"});
    EXPECT_EQ(f.dismissed, dismissed + 1);
    f.p.workspace.applications.clear();
    f.type("> ls");
    f.press("return");
    EXPECT_EQ(f.message(), "Terminal isn't installed");
    EXPECT_EQ(f.dismissed, dismissed + 1);
}

TEST(PanelKeys, QuickLookFollowsTheSelection) {
    Panel f;
    f.p.makeFile("Docs/a.txt");
    f.p.makeFile("Docs/b.txt");
    f.type("~/Docs/");
    ASSERT_GE(f.model.results().size(), 2);
    EXPECT_TRUE(f.press("cmd+y"));
    EXPECT_EQ(f.quickLooks, 1);
    const auto first = f.model.resultActions().previewURL();
    ASSERT_TRUE(first);
    EXPECT_TRUE(f.model.keyMap().handleQuickLookKey(Panel::event("down")));
    EXPECT_NE(f.model.resultActions().previewURL(), first);
    EXPECT_EQ(f.model.resultActions().previewURL(), f.model.selected()->url);
    EXPECT_FALSE(f.model.keyMap().handleQuickLookKey(Panel::event("a")));
}

TEST(PanelKeys, RenameRefusesBadNamesAndNeverReplacesAnotherFile) {
    Panel f;
    const QString path = f.p.makeFile("Work/Report.pdf", "original");
    f.p.makeFile("Work/Other.pdf", "other");
    f.history.add(path);
    f.favorites.toggle(path);
    f.type("~/Work/Report.pdf");

    f.press("cmd+k");
    f.type("rename");
    f.press("return");
    ASSERT_EQ(f.model.mode(), SearchModel::Mode::rename);
    EXPECT_EQ(f.model.query(), "Report.pdf");
    EXPECT_TRUE(f.model.focusRequest().selectBaseName);
    EXPECT_EQ(f.message(), "Renaming \u201CReport.pdf\u201D. \u21A9 to save, esc to cancel");
    const auto save = [&f](const QString& name) {
        f.model.setQuery(name);
        f.press("return");
        return f.message();
    };

    // Bad names, a name taken, a name too long for the file system: refused, the panel still renaming.
    for (const QString& bad :
         {QString("a/b"), QString("  "), QString("."), QString(".."), QString("a") + QChar(0) + "b"})
        EXPECT_EQ(save(bad), "That isn't a valid name") << bad.toStdString();
    EXPECT_EQ(save("Other.pdf"), "\u201COther.pdf\u201D already exists here");
    EXPECT_TRUE(save(QString(300, QLatin1Char('x')) + ".pdf").contains("File name too long"));
    EXPECT_EQ(f.model.mode(), SearchModel::Mode::rename);
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_GE(f.beeps, 7);

    // Quotes, a newline and a leading dash are all fine on this file system.
    const QString odd = "-\"it's\"\nnew.pdf";
    EXPECT_EQ(save(odd), "Renamed to \u201C" + odd + "\u201D");
    EXPECT_EQ(f.model.mode(), SearchModel::Mode::search);
    const QString renamed = f.p.home() + "/Work/" + odd;
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(readFile(renamed), "original");
    EXPECT_EQ(f.model.query(), renamed);
    EXPECT_EQ(f.history.entries().first().key, renamed);
    EXPECT_EQ(f.favorites.keys(), QStringList{renamed});

    f.model.modes().startRename(f.fileRow(renamed));
    f.model.setQuery("Unused.pdf");
    f.press("esc");
    EXPECT_TRUE(QFile::exists(renamed));
    EXPECT_EQ(f.model.query(), renamed);

    // A change of case only is a rename too; but where both names can exist the other file stays.
    f.model.modes().startRename(f.fileRow(f.p.makeFile("Case/Report.pdf", "upper")));
    EXPECT_EQ(save("report.pdf"), "Renamed to \u201Creport.pdf\u201D");
    EXPECT_EQ(QDir(f.p.home() + "/Case").entryList(QDir::Files), QStringList{"report.pdf"});
    const QString other = f.p.makeFile("Case/REPORT.pdf", "other");
    f.model.modes().startRename(f.fileRow(f.p.home() + "/Case/report.pdf"));
    EXPECT_EQ(save("REPORT.pdf"), "\u201CREPORT.pdf\u201D already exists here");
    EXPECT_EQ(readFile(other), "other");
    f.press("esc");

    f.model.modes().startRename(Panel::webRow("https://example.com"));
    EXPECT_EQ(f.message(), "Only files and folders can be renamed");
    EXPECT_EQ(f.model.mode(), SearchModel::Mode::search);
}

TEST(PanelKeys, ClipboardTabKeysAndDigits) {
    Panel f;
    for (const char* text : {"one", "two", "three"})
        f.addTextClip(QString::fromLatin1(text));
    f.model.clipboardTab().switchTab(SearchModel::Tab::clipboard);
    ASSERT_EQ(f.model.results().size(), 3);
    EXPECT_EQ(f.model.results().first().title, "three");

    // ⌘5 with three clips does nothing, and "5" is not typed either.
    EXPECT_TRUE(f.press("cmd+5"));
    EXPECT_EQ(f.dismissed, 0);
    EXPECT_EQ(f.model.query(), "");
    EXPECT_TRUE(f.press("tab"));
    EXPECT_FALSE(f.press("delete"));

    // ⌘P pins the selected clip; ⌘D too (toggling it back).
    f.press("down");
    EXPECT_TRUE(f.press("cmd+p"));
    EXPECT_EQ(f.message(), "Pinned \u201Ctwo\u201D. Pinned clips are kept");
    EXPECT_EQ(f.model.selected()->title, "two");
    EXPECT_TRUE(f.press("cmd+d"));
    EXPECT_EQ(f.message(), "Unpinned \u201Ctwo\u201D");

    EXPECT_TRUE(f.press("cmd+2"));
    EXPECT_EQ(f.dismissed, 1);
    EXPECT_EQ(f.p.pasteboard.string(PasteboardType::plainText), "two");

    // ⌘⌫ on the last clip selects the new last one.
    f.model.setSelectedIndex(2);
    EXPECT_TRUE(f.press("cmd+delete"));
    EXPECT_EQ(f.model.results().size(), 2);
    EXPECT_EQ(f.model.selectedIndex(), 1);
    EXPECT_TRUE(f.message().startsWith("Deleted \u201C"));
    // A new filter is about other rows: the message goes with the old text.
    f.model.setQuery("o");
    EXPECT_FALSE(f.model.message());
    f.model.setQuery("");

    f.press("cmd+k");
    EXPECT_EQ(f.titles(), (QStringList{"Copy", "Copy as Plain Text", "Paste into Front App", "Pin",
                                       "Delete from Clipboard History"}));
    f.press("esc");
    EXPECT_EQ(f.model.mode(), SearchModel::Mode::clips);

    // Escape clears a filter first, then hides.
    f.model.setQuery("two");
    EXPECT_TRUE(f.press("esc"));
    EXPECT_EQ(f.model.query(), "");
    f.press("esc");
    EXPECT_EQ(f.dismissed, 2);

    f.p.workspace.front = AppInfo{"org.example.editor", "Editor"};
    f.model.setSelectedIndex(0);
    EXPECT_TRUE(f.press("cmd+return"));
    EXPECT_TRUE(zarvo::testing::waitUntil([&] { return f.p.keySynth.pastes == 1; }));
}

TEST(PanelKeys, ClearNeedsTwoClicksWithinFourSeconds) {
    Panel f;
    for (int i = 0; i < 10; ++i)
        f.addTextClip(QStringLiteral("clip %1").arg(i));
    f.model.clipboardTab().switchTab(SearchModel::Tab::clipboard);
    f.model.clipboardTab().togglePin(f.model.results().at(0));
    f.model.clipboardTab().togglePin(f.model.results().at(5));
    EXPECT_TRUE(f.model.modes().canClearHistory());

    f.model.modes().clearHistory();
    EXPECT_TRUE(f.model.confirmingClear());
    EXPECT_EQ(f.message(), "Click Clear again to delete all clips except pinned ones. This can't be undone.");
    EXPECT_EQ(clearTimeout(f.model).interval(), 4000);
    EXPECT_TRUE(clearTimeout(f.model).isActive());
    // Let the confirmation run out (sooner than 4 seconds, same timer).
    clearTimeout(f.model).start(10);
    EXPECT_TRUE(zarvo::testing::waitUntil([&] { return !f.model.confirmingClear(); }));
    EXPECT_FALSE(f.model.message());
    clearTimeout(f.model).setInterval(4000);

    // The next click only asks again; nothing is deleted.
    f.model.modes().clearHistory();
    EXPECT_EQ(f.clips.clips().size(), 10);
    f.model.modes().clearHistory();
    EXPECT_EQ(f.message(), "Cleared 8 clips. Pinned clips stay");
    EXPECT_FALSE(f.model.modes().canClearHistory());

    // The run tab forgets the history; favourites stay.
    f.model.clipboardTab().switchTab(SearchModel::Tab::run);
    const QString path = f.p.makeFile("kept.txt");
    f.history.add(path);
    f.favorites.toggle(path);
    EXPECT_TRUE(f.model.modes().canClearHistory());
    f.model.modes().clearHistory();
    EXPECT_EQ(f.message(), "Click Clear again to forget the places you've opened. Favorites stay.");
    f.model.modes().clearHistory();
    EXPECT_EQ(f.message(), "Cleared recent history");
    EXPECT_TRUE(f.history.entries().isEmpty());
    EXPECT_EQ(f.favorites.keys(), QStringList{path});
}
