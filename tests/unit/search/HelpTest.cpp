#include "search/Help.h"
#include "PanelHarness.h"
#include "fakes/Printers.h"

#include <gtest/gtest.h>

using namespace zarvo;
using zarvo::testing::rowNames;

TEST(Help, TableRowsMatchesAndKeywordRows) {
    zarvo::testing::Panel panel;
    const HelpContext context{panel.p.platform, panel.settings};
    const auto& all = HelpTopic::all(context);
    // "?" and "help" list the whole table, in order, as help rows.
    QStringList table;
    for (const auto& topic : all)
        table << topic.title;
    for (const char* text : {"?", "  ?  ", "help", "HELP"}) {
        EXPECT_TRUE(Help::isHelpQuery(QString::fromUtf8(text))) << text;
        EXPECT_EQ(rowNames(Help::rows(context, QString::fromUtf8(text))), table) << text;
    }
    EXPECT_FALSE(Help::isHelpQuery("helpful"));

    const auto row = Help::item(all[0]);
    EXPECT_EQ(row.url.toString(QUrl::FullyEncoded), "zarvo:help/Open%20a%20path");
    EXPECT_EQ(row.subtitle, all[0].detail);
    // Only letters, digits and unreserved marks survive unescaped; every topic has its own key.
    EXPECT_EQ(Help::url("a-b.c_d~e:/?#\u2318").toString(QUrl::FullyEncoded),
              "zarvo:help/a-b.c_d~e%3A%2F%3F%23%E2%8C%98");
    QSet<QString> keys;
    for (const auto& topic : all)
        keys.insert(Help::item(topic).historyKey());
    EXPECT_EQ(keys.size(), all.size());

    // Fuzzy title matches, best first, then the keyword rows for the same words.
    QStringList topics;
    for (const auto& topic : HelpTopic::matches(context, "clip"))
        topics << topic.title;
    EXPECT_TRUE(topics.contains("Clipboard paste-in"));
    EXPECT_LT(topics.indexOf("Clipboard history"), topics.indexOf("Favorites, clipboard and history"));
    EXPECT_GE(topics.indexOf("Clipboard history"), 0);

    // Only the detail of "Open a website" mentions browsers: a match with score 0.
    ASSERT_EQ(HelpTopic::matches(context, "  browser\t").size(), 1);
    EXPECT_EQ(HelpTopic::matches(context, "  browser\t").first().title, "Open a website");
    EXPECT_TRUE(HelpTopic::matches(context, "qqqzzz").isEmpty());

    auto rows = Help::rows(context, "? downloads");
    ASSERT_FALSE(rows.isEmpty());
    EXPECT_EQ(rows.last().keyword, "downloads");
    EXPECT_EQ(rows.last().source, ResultItem::Source::shortcut);
    for (int i = 0; i + 1 < rows.size(); ++i)
        EXPECT_EQ(rows[i].source, ResultItem::Source::help);

    // "??" is the full keyword list instead of the manual.
    rows = Help::rows(context, "??");
    ASSERT_GT(rows.size(), 6);
    for (const auto& row : rows)
        EXPECT_EQ(row.source, ResultItem::Source::shortcut);
}
