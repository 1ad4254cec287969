#include "PanelHarness.h"

#include <gtest/gtest.h>

using namespace zarvo;
using zarvo::testing::Panel;
using zarvo::testing::rowNames;
using zarvo::testing::waitUntil;

TEST(SearchModel, OrdinaryTextWaitsForTheDebounceWhileUnambiguousFormsRunAtOnce) {
    Panel f(true);
    f.model.setQuery("dl");
    EXPECT_TRUE(f.model.pipeline().hasPendingSearch());
    EXPECT_TRUE(f.model.results().isEmpty());
    ASSERT_TRUE(waitUntil([&] { return !f.model.results().isEmpty(); }));
    EXPECT_EQ(f.model.results().first().keyword, "downloads");

    for (const char* immediate : {"~/", "> ls", "\\\\nas\\share", "g: cats", "?", "HELP", ""}) {
        f.model.setQuery(QString::fromLatin1(immediate));
        EXPECT_FALSE(f.model.pipeline().hasPendingSearch()) << immediate;
    }
    // Each edit cancels the previous wait: only the last text is searched.
    f.model.setQuery("dow");
    f.model.setQuery("down");
    ASSERT_TRUE(waitUntil([&] { return !f.model.pipeline().hasPendingSearch(); }));
    ASSERT_FALSE(f.live().isEmpty());
    EXPECT_TRUE(f.live().first()->predicate.namePatterns.contains("*down*"));
}

TEST(SearchModel, FileSearchStartsFromTwoCharactersAndMergesRankedBatches) {
    Panel f(true);
    f.type("a");
    EXPECT_TRUE(f.live().isEmpty());
    EXPECT_FALSE(f.model.isSearching());

    const QString report = f.p.makeFile("Documents/Report.pdf");
    const QString other = f.p.makeFile("Documents/old report notes.txt");
    const QString noise = f.p.makeFile("code/node_modules/report/index.js");
    f.type("report");
    ASSERT_EQ(f.live().size(), 2); // substring and subsequence
    EXPECT_TRUE(f.model.isSearching());
    // Our own clip store and the thumbnail cache are noise too, where the environment puts them.
    const QString ownLock = f.p.makeFile(".local/share/Zarvo/Clipboard/report.lock");
    const QString thumbnail = f.p.makeFile(".cache/thumbnails/large/report.png");
    f.live()[0]->progress({ownLock, other, noise, thumbnail, report});
    ASSERT_TRUE(waitUntil([&] { return f.model.results().size() == 3; }));
    // The exact name wins, noise is gone, the web row stays last.
    EXPECT_EQ(f.model.results()[0].url.toLocalFile(), report);
    EXPECT_EQ(f.model.results()[1].url.toLocalFile(), other);
    EXPECT_EQ(f.model.results()[0].source, ResultItem::Source::spotlight);
    EXPECT_EQ(f.model.results()[2].source, ResultItem::Source::web);

    // The user moves to the second row; an update that keeps it keeps it selected at its new place.
    f.model.pipeline().move(+1);
    const QString newer = f.p.makeFile("report");
    auto queries = f.live();
    queries[0]->finish({other, report, newer});
    queries[1]->finish({});
    ASSERT_TRUE(waitUntil([&] { return !f.model.isSearching(); }));
    ASSERT_TRUE(f.model.selected());
    EXPECT_EQ(f.model.selected()->url.toLocalFile(), other);

    // Typed wildcards are dropped from the patterns (see SpotlightSearchPlan): two queries as for "dwnl",
    // and both found names are listed, ranked as for "dwnl" (the web row follows).
    const QString download = f.p.makeFile("Downloads/download list.txt");
    const QString dwnl = f.p.makeFile("dwnl.log");
    f.type("*d*w*n*l*");
    queries = f.live();
    ASSERT_EQ(queries.size(), 2);
    queries[0]->finish({dwnl});
    queries[1]->finish({download, dwnl});
    ASSERT_TRUE(waitUntil([&] { return !f.model.isSearching(); }));
    ASSERT_EQ(f.model.results().size(), 3);
    EXPECT_EQ(f.model.results()[0].url.toLocalFile(), dwnl);
    EXPECT_EQ(f.model.results()[1].url.toLocalFile(), download);
}

TEST(SearchModel, FoldersAndFilters) {
    Panel f(true);
    f.type("in:nowhere");
    EXPECT_TRUE(f.model.results().isEmpty());
    EXPECT_EQ(f.model.message(),
              "No folder named \u201Cnowhere\u201D. Try in:desktop, in:downloads or in:~/path");
    EXPECT_TRUE(f.live().isEmpty());

    f.p.makeFile("Desktop/todo.txt");
    f.p.makeFile("Desktop/.secret");
    f.type("in:desktop");
    EXPECT_FALSE(f.model.message());
    EXPECT_TRUE(rowNames(f.model.results()).contains("todo.txt"));
    EXPECT_FALSE(rowNames(f.model.results()).contains(".secret"));
    EXPECT_TRUE(f.live().isEmpty());
    // Dot files show as the settings say.
    f.settings.setShowHiddenFiles(true);
    f.type("~/Desktop/");
    EXPECT_TRUE(rowNames(f.model.results()).contains(".secret"));

    // A filter alone searches, with no keyword or web rows.
    f.type("img: week:");
    EXPECT_TRUE(f.model.results().isEmpty());
    ASSERT_EQ(f.live().size(), 1);
    EXPECT_TRUE(f.live().first()->predicate.contentTypes.contains("public.image"));
}

TEST(SearchModel, EmptyQueryListsFavoritesThenHistoryWithoutDuplicates) {
    Panel f(true);
    const QString desktop = f.p.home() + "/Desktop";
    const QString docs = f.p.home() + "/Documents";
    f.history.add(docs);
    f.history.add(desktop);
    f.history.add(desktop);
    f.history.add("/no/longer/there");
    f.favorites.toggle(docs);
    f.model.setQuery("x");
    f.model.setQuery(QString());
    const auto rows = f.model.results();
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0].url.toLocalFile(), docs);
    EXPECT_EQ(rows[0].source, ResultItem::Source::favorite);
    EXPECT_EQ(rows[1].url.toLocalFile(), desktop);
    EXPECT_EQ(rows[1].source, ResultItem::Source::history);

    // With text, library rows are filtered by name, not scored.
    f.type("desk");
    EXPECT_TRUE(f.model.results().contains(rows[1]));
    EXPECT_FALSE(f.model.results().contains(rows[0]));
    EXPECT_TRUE(f.model.results()[0].isDirectory);

    // A path that matches (here by its folder) is still left out when the file is gone.
    f.type("longer");
    for (const auto& row : f.model.results())
        EXPECT_NE(row.url.toLocalFile(), "/no/longer/there");
    f.type("ments");
    EXPECT_TRUE(f.model.results().contains(rows[0]));
}

TEST(SearchModel, CommandsOfferThePastOnesThatMatch) {
    Panel f(true);
    f.history.add("run:git status");
    f.history.add("run:make test");
    f.model.setQuery(">");
    EXPECT_EQ(rowNames(f.model.results()), (QStringList{"make test", "git status"}));
    f.model.setQuery("> git st");
    EXPECT_EQ(rowNames(f.model.results()), (QStringList{"git st", "git status"}));
    EXPECT_EQ(f.model.results()[0].source, ResultItem::Source::command);
    EXPECT_EQ(f.model.results()[1].source, ResultItem::Source::history);
}

TEST(SearchModel, SelectionCompletionAndShowing) {
    Panel f(true);
    f.p.makeDir("Documents/Sub");
    f.model.setQuery("~/Do");
    f.model.pipeline().complete();
    EXPECT_EQ(f.model.query(), "~/Documents/");

    // No wrap-around at either end.
    f.model.setQuery("~/");
    const int last = int(f.model.results().size()) - 1;
    f.model.pipeline().move(1000);
    EXPECT_EQ(f.model.selectedIndex(), last);
    f.model.pipeline().move(+1);
    EXPECT_EQ(f.model.selectedIndex(), last);
    f.model.pipeline().move(-1000);
    EXPECT_EQ(f.model.selectedIndex(), 0);

    // Showing the panel fills in a copied path and searches at once.
    f.p.pasteboard.copyTextFromElsewhere("~/Documents");
    const int focus = f.model.focusRequest().token;
    f.model.modes().prepareForShow(false);
    EXPECT_EQ(f.model.query(), f.p.home() + "/Documents");
    EXPECT_EQ(f.model.clipboardPrefill(), f.model.query());
    EXPECT_FALSE(f.model.pipeline().hasPendingSearch());
    EXPECT_GT(f.model.focusRequest().token, focus);
    // A copied password is never filled in.
    PasteboardItem secret;
    secret.setString(PasteboardType::plainText, "/etc/hunter2");
    secret.setData(PasteboardType::concealed, {});
    f.p.pasteboard.copyFromElsewhere({secret});
    f.model.setQuery(QString());
    f.model.modes().prepareForShow(false);
    EXPECT_EQ(f.model.query(), QString());
}

TEST(SearchModel, TypingClipOpensTheClipboardTab) {
    Panel f(true);
    f.model.setQuery("clip:foo");
    EXPECT_EQ(f.model.mode(), SearchModel::Mode::clips);
    EXPECT_EQ(f.model.query(), "foo");
    EXPECT_TRUE(f.model.results().isEmpty()); // no clip store here, and no run rows
    f.settings.setKeepClipboardHistory(false);
    f.model.clipboardTab().switchTab(SearchModel::Tab::run);
    EXPECT_EQ(f.model.mode(), SearchModel::Mode::search);
    f.model.clipboardTab().switchTab(SearchModel::Tab::clipboard);
    EXPECT_EQ(f.model.message(), "Clipboard history is off. Turn it on in Settings (\u2318,)");
}
