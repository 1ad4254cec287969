#include "ui/Accessibility.h"
#include "../search/PanelHarness.h"
#include "ui/PanelControls.h"
#include "ui/ResultList.h"

#include <gtest/gtest.h>

using namespace zarvo;
using namespace zarvo::ui;

// What a screen reader gets of a row after its name, and which row it is told the keyboard is on.
TEST(AccessibilityTest, RowsTellKindPlaceMarksAndPositionAndFollowTheSelection) {
    const fakes::FakePlatform p;
    const ResultItem folder = ResultItem::file(nullptr, p.home() + "/Downloads", ResultItem::Source::path);
    ResultItem app =
        ResultItem::file(nullptr, "/nowhere/org.example.Pad.desktop", ResultItem::Source::shortcut);
    app.title = QStringLiteral("Pad");
    app.subtitle = QStringLiteral("Application");
    ResultItem web = zarvo::testing::Panel::webRow(QStringLiteral("https://www.google.com/search?q=dl"));
    web.symbol = QStringLiteral("magnifyingglass");
    web.subtitle = QStringLiteral("www.google.com");
    ResultItem clip = web;
    clip.source = ResultItem::Source::clip;
    clip.clipID = QUuid::createUuid();
    clip.subtitle = QStringLiteral("Zarvo \u00B7 just now");
    clip.isPinned = true;

    ResultList list({nullptr, nullptr, p.home()});
    list.setItems({folder, app, web, clip}, {folder.historyKey()}, 2);
    const auto details = [&](int row) {
        return list.listModel()->index(row).data(Qt::AccessibleDescriptionRole).toString().toStdString();
    };
    EXPECT_EQ(details(0), "folder, ~/Downloads, favorite, 1 of 4");
    EXPECT_EQ(details(1), "application, 2 of 4");
    EXPECT_EQ(details(2), "web search, www.google.com, 3 of 4");
    EXPECT_EQ(details(3), "clip, Zarvo \u00B7 just now, pinned, 4 of 4");
    EXPECT_EQ(list.selectionModel()->currentIndex().row(), 2);
    EXPECT_EQ(list.selectionModel()->selectedIndexes().size(), 1);
    // New rows (the model resets the list) keep the selection the model names; a plain list has none.
    list.setItems({folder}, {}, 0);
    EXPECT_EQ(list.selectionModel()->currentIndex().row(), 0);
    list.setPlain(true);
    list.setItems({folder}, {}, 0);
    EXPECT_FALSE(list.selectionModel()->currentIndex().isValid());

    EXPECT_EQ(Accessibility::spokenKeys(QStringLiteral("Ctrl+\u21A9")), "Ctrl+Return");
}

TEST(AccessibilityTest, TabsArePageTabsWithTheirCountAndSelection) {
    Accessibility::install();
    TabButton tab(QStringLiteral("doc.on.clipboard"), QStringLiteral("Clipboard"));
    tab.setCount(3);
    tab.setSelected(true);
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&tab);
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->role(), QAccessible::PageTab);
    EXPECT_EQ(face->text(QAccessible::Name), "Clipboard, 3 items");
    EXPECT_TRUE(face->state().selected);
    tab.setSelected(false);
    tab.setCount(1);
    EXPECT_EQ(face->text(QAccessible::Name), "Clipboard, 1 item");
    EXPECT_FALSE(face->state().selected);
}
