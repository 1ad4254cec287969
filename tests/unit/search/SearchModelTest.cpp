#include "search/SearchModel.h"
#include "fakes/EventLoop.h"
#include "fakes/FakeMetadataQuery.h"
#include "fakes/FakePlatform.h"
#include "search/ClipboardTab.h"
#include "search/PanelModes.h"
#include "search/QueryPipeline.h"
#include "store/Favorites.h"
#include "store/History.h"
#include "store/Settings.h"
#include "store/UserDefaults.h"

#include <gtest/gtest.h>

using namespace zarvo;
using zarvo::testing::pump;
using zarvo::testing::waitUntil;

namespace {

QStringList names(const QList<ResultItem>& items) {
    QStringList out;
    for (const auto& item : items)
        out << item.name();
    return out;
}

struct Fixture {
    fakes::FakePlatform platform;
    fakes::FakeMetadataQueryFactory metadata;
    UserDefaults defaults{platform.defaults, QString::fromLatin1(fakes::kTestIdentifier)};
    Settings settings{defaults, &platform.platform};
    History history{defaults, platform.clock};
    Favorites favorites{defaults};
    SearchModel model{SearchModel::Services{platform.platform, settings, history, favorites, nullptr,
                                            &metadata, &platform.pasteboard}};

    Fixture() { Settings::resetShared(); }
    ~Fixture() { Settings::resetShared(); }

    // The queries of the latest file search.
    QList<fakes::FakeMetadataQuery*> live() const {
        QList<fakes::FakeMetadataQuery*> out;
        for (const auto& q : metadata.created)
            if (q && q->started && !q->stopped) out << q.data();
        return out;
    }
};

} // namespace

TEST(SearchModel, OrdinaryTextWaitsForTheDebounceWhileUnambiguousFormsRunAtOnce) {
    Fixture f;
    f.model.setQuery(QStringLiteral("dl"));
    EXPECT_TRUE(f.model.pipeline().hasPendingSearch());
    EXPECT_TRUE(f.model.results().isEmpty());
    ASSERT_TRUE(waitUntil([&] { return !f.model.results().isEmpty(); }));
    EXPECT_EQ(f.model.results().first().keyword, QStringLiteral("downloads"));
    // The default engine's web row comes last.
    EXPECT_EQ(f.model.results().last().source, ResultItem::Source::web);

    for (const char* immediate : {"~/", "> ls", "\\\\nas\\share", "g: cats", "?", "HELP", ""}) {
        f.model.setQuery(QString::fromLatin1(immediate));
        EXPECT_FALSE(f.model.pipeline().hasPendingSearch()) << immediate;
    }
    // Each edit cancels the previous wait: only the last text is searched.
    f.model.setQuery(QStringLiteral("dow"));
    f.model.setQuery(QStringLiteral("down"));
    ASSERT_TRUE(waitUntil([&] { return !f.model.pipeline().hasPendingSearch(); }));
    ASSERT_FALSE(f.live().isEmpty());
    EXPECT_TRUE(f.live().first()->predicate.namePatterns.contains(QStringLiteral("*down*")));
}

TEST(SearchModel, FileSearchStartsFromTwoCharactersAndMergesRankedBatches) {
    Fixture f;
    f.model.setQuery(QStringLiteral("a"));
    f.model.pipeline().runSearch();
    EXPECT_TRUE(f.live().isEmpty());
    EXPECT_FALSE(f.model.isSearching());

    const QString report = f.platform.makeFile(QStringLiteral("Documents/Report.pdf"));
    const QString other = f.platform.makeFile(QStringLiteral("Documents/old report notes.txt"));
    const QString noise = f.platform.makeFile(QStringLiteral("code/node_modules/report/index.js"));
    f.model.setQuery(QStringLiteral("report"));
    f.model.pipeline().runSearch();
    ASSERT_EQ(f.live().size(), 2); // substring and subsequence
    EXPECT_TRUE(f.model.isSearching());
    // Our own clip store and the thumbnail cache are noise too, where the environment puts them.
    const QString ownLock = f.platform.makeFile(QStringLiteral(".local/share/Zarvo/Clipboard/report.lock"));
    const QString thumbnail = f.platform.makeFile(QStringLiteral(".cache/thumbnails/large/report.png"));
    f.live()[0]->progress({ownLock, other, noise, thumbnail, report});
    ASSERT_TRUE(waitUntil([&] { return f.model.results().size() == 3; }));
    // The exact name wins, noise is gone, the web row stays last.
    EXPECT_EQ(f.model.results()[0].url.toLocalFile(), report);
    EXPECT_EQ(f.model.results()[1].url.toLocalFile(), other);
    EXPECT_EQ(f.model.results()[0].source, ResultItem::Source::spotlight);
    EXPECT_EQ(f.model.results()[2].source, ResultItem::Source::web);

    // The user moves to the second row; an update that keeps it keeps it selected at its new place.
    f.model.pipeline().move(+1);
    const QString newer = f.platform.makeFile(QStringLiteral("report"));
    auto queries = f.live();
    queries[0]->finish({other, report, newer});
    queries[1]->finish({});
    ASSERT_TRUE(waitUntil([&] { return !f.model.isSearching(); }));
    ASSERT_TRUE(f.model.selected());
    EXPECT_EQ(f.model.selected()->url.toLocalFile(), other);
}

TEST(SearchModel, TypedWildcardsNeitherWidenTheSearchNorDropWhatItFound) {
    Fixture f;
    const QString download = f.platform.makeFile(QStringLiteral("Downloads/download list.txt"));
    const QString dwnl = f.platform.makeFile(QStringLiteral("dwnl.log"));
    f.model.setQuery(QStringLiteral("*d*w*n*l*"));
    f.model.pipeline().runSearch();
    const auto queries = f.live();
    ASSERT_EQ(queries.size(), 2);
    EXPECT_EQ(queries[0]->predicate.namePatterns, QStringList{QStringLiteral("*dwnl*")});
    EXPECT_EQ(queries[1]->predicate.namePatterns, QStringList{QStringLiteral("*d*w*n*l*")});
    queries[0]->finish({dwnl});
    queries[1]->finish({download, dwnl});
    ASSERT_TRUE(waitUntil([&] { return !f.model.isSearching(); }));
    // Both found names are listed, ranked as for "dwnl": the exact name first, the web row last.
    ASSERT_EQ(f.model.results().size(), 3);
    EXPECT_EQ(f.model.results()[0].url.toLocalFile(), dwnl);
    EXPECT_EQ(f.model.results()[1].url.toLocalFile(), download);
    EXPECT_EQ(f.model.results()[2].source, ResultItem::Source::web);
}

TEST(SearchModel, LateResultsOfAnOlderQueryChangeNothing) {
    Fixture f;
    const QString report = f.platform.makeFile(QStringLiteral("Report.pdf"));
    f.model.setQuery(QStringLiteral("report"));
    f.model.pipeline().runSearch();
    QPointer<fakes::FakeMetadataQuery> old = f.live().first();
    f.model.setQuery(QStringLiteral("reporting"));
    f.model.pipeline().runSearch();
    const auto before = f.model.results();
    if (old) old->finish({report});
    pump(50);
    EXPECT_EQ(f.model.results(), before);
}

TEST(SearchModel, FoldersAndFilters) {
    Fixture f;
    f.model.setQuery(QStringLiteral("in:nowhere"));
    f.model.pipeline().runSearch();
    EXPECT_TRUE(f.model.results().isEmpty());
    EXPECT_EQ(
        f.model.message(),
        QStringLiteral("No folder named \u201Cnowhere\u201D. Try in:desktop, in:downloads or in:~/path"));
    EXPECT_TRUE(f.live().isEmpty());

    f.platform.makeFile(QStringLiteral("Desktop/todo.txt"));
    f.model.setQuery(QStringLiteral("in:desktop"));
    f.model.pipeline().runSearch();
    EXPECT_FALSE(f.model.message());
    EXPECT_TRUE(names(f.model.results()).contains(QStringLiteral("todo.txt")));
    EXPECT_TRUE(f.live().isEmpty());

    // A filter alone searches, with no keyword or web rows.
    f.model.setQuery(QStringLiteral("img: week:"));
    f.model.pipeline().runSearch();
    EXPECT_TRUE(f.model.results().isEmpty());
    ASSERT_EQ(f.live().size(), 1);
    EXPECT_TRUE(f.live().first()->predicate.contentTypes.contains(QStringLiteral("public.image")));
}

TEST(SearchModel, EmptyQueryListsFavoritesThenHistoryWithoutDuplicates) {
    Fixture f;
    const QString desktop = f.platform.home() + QStringLiteral("/Desktop");
    const QString docs = f.platform.home() + QStringLiteral("/Documents");
    f.history.add(docs);
    f.history.add(desktop);
    f.history.add(desktop);
    f.history.add(QStringLiteral("/no/longer/there"));
    f.favorites.toggle(docs);
    f.model.setQuery(QStringLiteral("x"));
    f.model.setQuery(QString());
    const auto rows = f.model.results();
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0].url.toLocalFile(), docs);
    EXPECT_EQ(rows[0].source, ResultItem::Source::favorite);
    EXPECT_EQ(rows[1].url.toLocalFile(), desktop);
    EXPECT_EQ(rows[1].source, ResultItem::Source::history);

    // With text, library rows are filtered by name, not scored.
    f.model.setQuery(QStringLiteral("desk"));
    f.model.pipeline().runSearch();
    EXPECT_TRUE(f.model.results().contains(rows[1]));
    EXPECT_FALSE(f.model.results().contains(rows[0]));
    EXPECT_TRUE(f.model.results()[0].isDirectory);

    // A path that matches (here by its folder) is still left out when the file is gone.
    f.model.setQuery(QStringLiteral("longer"));
    f.model.pipeline().runSearch();
    for (const auto& row : f.model.results())
        EXPECT_NE(row.url.toLocalFile(), QStringLiteral("/no/longer/there"));
    f.model.setQuery(QStringLiteral("ments"));
    f.model.pipeline().runSearch();
    EXPECT_TRUE(f.model.results().contains(rows[0]));
}

TEST(SearchModel, CommandsOfferThePastOnesThatMatch) {
    Fixture f;
    f.history.add(QStringLiteral("run:git status"));
    f.history.add(QStringLiteral("run:make test"));
    f.model.setQuery(QStringLiteral(">"));
    EXPECT_EQ(names(f.model.results()),
              (QStringList{QStringLiteral("make test"), QStringLiteral("git status")}));
    f.model.setQuery(QStringLiteral("> git st"));
    EXPECT_EQ(names(f.model.results()),
              (QStringList{QStringLiteral("git st"), QStringLiteral("git status")}));
    EXPECT_EQ(f.model.results()[0].source, ResultItem::Source::command);
    EXPECT_EQ(f.model.results()[1].source, ResultItem::Source::history);
}

TEST(SearchModel, SelectionCompletionAndShowing) {
    Fixture f;
    f.platform.makeDir(QStringLiteral("Documents/Sub"));
    f.model.setQuery(QStringLiteral("~/Do"));
    ASSERT_FALSE(f.model.results().isEmpty());
    EXPECT_EQ(f.model.results().first().name(), QStringLiteral("Documents"));
    f.model.pipeline().complete();
    EXPECT_EQ(f.model.query(), QStringLiteral("~/Documents/"));

    const QString absolute = f.platform.home() + QStringLiteral("/Do");
    f.model.setQuery(absolute);
    f.model.pipeline().complete();
    EXPECT_EQ(f.model.query(), f.platform.home() + QStringLiteral("/Documents/"));

    // No wrap-around at either end.
    f.model.setQuery(QStringLiteral("~/"));
    const int last = int(f.model.results().size()) - 1;
    f.model.pipeline().move(1000);
    EXPECT_EQ(f.model.selectedIndex(), last);
    f.model.pipeline().move(+1);
    EXPECT_EQ(f.model.selectedIndex(), last);
    f.model.pipeline().move(-1000);
    EXPECT_EQ(f.model.selectedIndex(), 0);

    // Showing the panel fills in a copied path and searches at once.
    f.platform.pasteboard.copyTextFromElsewhere(QStringLiteral("~/Documents"));
    const int focus = f.model.focusRequest().token;
    f.model.modes().prepareForShow(false);
    EXPECT_EQ(f.model.query(), f.platform.home() + QStringLiteral("/Documents"));
    EXPECT_EQ(f.model.clipboardPrefill(), f.model.query());
    EXPECT_FALSE(f.model.pipeline().hasPendingSearch());
    EXPECT_GT(f.model.focusRequest().token, focus);
    // A copied password is never filled in.
    PasteboardItem secret;
    secret.setString(PasteboardType::plainText, QStringLiteral("/etc/hunter2"));
    secret.setData(PasteboardType::concealed, {});
    f.platform.pasteboard.copyFromElsewhere({secret});
    f.model.setQuery(QString());
    f.model.modes().prepareForShow(false);
    EXPECT_EQ(f.model.query(), QString());
}

TEST(SearchModel, TypingClipOpensTheClipboardTab) {
    Fixture f;
    f.model.setQuery(QStringLiteral("clip:foo"));
    EXPECT_EQ(f.model.mode(), SearchModel::Mode::clips);
    EXPECT_EQ(f.model.query(), QStringLiteral("foo"));
    EXPECT_TRUE(f.model.results().isEmpty()); // no clip store here, and no run rows
    f.settings.setKeepClipboardHistory(false);
    f.model.clipboardTab().switchTab(SearchModel::Tab::run);
    EXPECT_EQ(f.model.mode(), SearchModel::Mode::search);
    f.model.clipboardTab().switchTab(SearchModel::Tab::clipboard);
    EXPECT_EQ(f.model.message(),
              QStringLiteral("Clipboard history is off. Turn it on in Settings (\u2318,)"));
}
