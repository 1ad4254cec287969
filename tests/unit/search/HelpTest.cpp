#include "search/Help.h"
#include "PanelHarness.h"
#include "fakes/Printers.h"

#include <gtest/gtest.h>

using namespace zarvo;

namespace {

QStringList titles(const QList<ResultItem>& rows) {
    QStringList out;
    for (const auto& row : rows)
        out << row.title.value_or(QString());
    return out;
}

QStringList titles(const QList<HelpTopic>& topics) {
    QStringList out;
    for (const auto& topic : topics)
        out << topic.title;
    return out;
}

} // namespace

TEST(Help, TableAndRows) {
    zarvo::testing::Panel panel; // the keyword rows read the shared settings
    const auto& all = HelpTopic::all();
    ASSERT_EQ(all.size(), 16);
    EXPECT_TRUE(all[0].detail.contains("\"quoted paths\""));
    EXPECT_TRUE(all[7].detail.startsWith("\\\\server\\share or"));

    // "?" and "help" list the whole table, in order, as help rows.
    for (const char* text : {"?", "  ?  ", "help", "HELP"}) {
        EXPECT_TRUE(Help::isHelpQuery(QString::fromUtf8(text))) << text;
        const auto rows = Help::rows(panel.p.platform, QString::fromUtf8(text));
        EXPECT_EQ(titles(rows), titles(all)) << text;
    }
    EXPECT_FALSE(Help::isHelpQuery("helpful"));

    const auto row = Help::item(all[0]);
    EXPECT_EQ(row.url.toString(QUrl::FullyEncoded), "zarvo:help/Open%20a%20path");
    EXPECT_EQ(row.source, ResultItem::Source::help);
    EXPECT_EQ(row.subtitle, all[0].detail);
    EXPECT_EQ(row.symbol, "folder");
    EXPECT_EQ(row.example, "~/");
    // Only letters, digits and unreserved marks survive unescaped; every topic has its own key.
    EXPECT_EQ(Help::url("a-b.c_d~e:/?#\u2318").toString(QUrl::FullyEncoded),
              "zarvo:help/a-b.c_d~e%3A%2F%3F%23%E2%8C%98");
    QSet<QString> keys;
    for (const auto& topic : all)
        keys.insert(Help::item(topic).historyKey());
    EXPECT_EQ(keys.size(), 16);
}

TEST(Help, MatchingWordsAndKeywordRows) {
    zarvo::testing::Panel panel; // the keyword rows read the shared settings
    // Fuzzy title matches, best first, then the keyword rows for the same words.
    const auto topics = titles(HelpTopic::matches("clip"));
    ASSERT_GE(topics.size(), 3);
    EXPECT_TRUE(topics.contains("Clipboard history"));
    EXPECT_TRUE(topics.contains("Clipboard paste-in"));
    EXPECT_TRUE(topics.contains("Favorites, clipboard and history"));
    EXPECT_LT(topics.indexOf("Clipboard history"), topics.indexOf("Favorites, clipboard and history"));

    // Only the detail of "Open a website" mentions browsers: a match with score 0.
    EXPECT_EQ(titles(HelpTopic::matches("  browser\t")), QStringList{"Open a website"});
    EXPECT_TRUE(HelpTopic::matches("qqqzzz").isEmpty());

    auto rows = Help::rows(panel.p.platform, "? downloads");
    ASSERT_FALSE(rows.isEmpty());
    EXPECT_EQ(rows.last().keyword, "downloads");
    EXPECT_EQ(rows.last().source, ResultItem::Source::shortcut);
    for (int i = 0; i + 1 < rows.size(); ++i)
        EXPECT_EQ(rows[i].source, ResultItem::Source::help);

    // "??" is the full keyword list instead of the manual.
    rows = Help::rows(panel.p.platform, "??");
    ASSERT_GT(rows.size(), 6);
    for (const auto& row : rows)
        EXPECT_EQ(row.source, ResultItem::Source::shortcut);
}
