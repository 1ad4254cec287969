#include "files/SpotlightSearch.h"
#include "fakes/FakeMetadataQuery.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

// Queries are designated initializers leaving members to their defaults, which GCC 12 warns about.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

using namespace Qt::StringLiterals;
using namespace zarvo;
using zarvo::fakes::FakeMetadataQuery;
using zarvo::fakes::FakeMetadataQueryFactory;

namespace {

struct Calls {
    QList<QPair<QStringList, bool>> calls;
    SpotlightSearch::Callback callback() {
        return [this](const QStringList& paths, bool finished) { calls << qMakePair(paths, finished); };
    }
};

} // namespace

TEST(SpotlightSearchPlan, PatternsWildcardsConditionsScopesAndSorts) {
    const auto patterns = [](const QString& text) {
        QList<QStringList> out;
        for (const auto& plan : SpotlightSearch::plan({.term = text}))
            out << plan.predicate.namePatterns;
        return out;
    };
    // A substring and a subsequence query, by the last use of what they find, anywhere.
    auto plans = SpotlightSearch::plan({.term = "report summary"});
    ASSERT_EQ(plans.size(), 2);
    for (const auto& plan : plans) {
        EXPECT_FALSE(plan.predicate.matchAll);
        EXPECT_TRUE(plan.scopes.isEmpty());
        EXPECT_EQ(plan.sort, MetadataSort::LastUsedDateDescending);
    }
    // Only short words: the substring query alone; one long word adds the subsequence query for every word.
    EXPECT_EQ(patterns("ab  c"), QList<QStringList>{(QStringList{"*ab*", "*c*"})});
    EXPECT_EQ(patterns("dwnl x").value(1), (QStringList{"*d*w*n*l*", "*x*"}));
    // Typed wildcards are removed, not honoured; quotes are escaped, also inside the subsequence.
    EXPECT_EQ(patterns("re*po?rt it's"),
              (QList<QStringList>{{"*report*", "*it\\'s*"}, {"*r*e*p*o*r*t*", "*i*t*\\'*s*"}}));
    EXPECT_TRUE(patterns(QString()).isEmpty());

    // Kinds alone: one query on the content type tree.
    plans = SpotlightSearch::plan({.contentTypes = {"public.image", "com.adobe.pdf"}});
    ASSERT_EQ(plans.size(), 1);
    EXPECT_EQ(plans[0].sort, MetadataSort::LastUsedDateDescending);
    EXPECT_EQ(plans[0].predicate.format(), QStringLiteral("(kMDItemContentTypeTree == \"public.image\" OR "
                                                          "kMDItemContentTypeTree == \"com.adobe.pdf\")"));

    SearchQuery dated{.term = "tax"};
    dated.since = QDateTime(QDate(2026, 3, 7), QTime(12, 0), Qt::UTC);
    dated.scope = "/home/u/Documents";
    plans = SpotlightSearch::plan(dated);
    ASSERT_EQ(plans.size(), 2);
    for (const auto& p : plans) {
        EXPECT_EQ(p.predicate.changedSince, dated.since);
        EXPECT_EQ(p.sort, MetadataSort::ContentChangeDateDescending);
        EXPECT_EQ(p.scopes, QStringList{"/home/u/Documents"});
    }

    // A folder alone: everything in it.
    plans = SpotlightSearch::plan({.scope = "/home/u/Downloads"});
    ASSERT_EQ(plans.size(), 1);
    EXPECT_EQ(plans[0].predicate.format(), "kMDItemFSName LIKE \"*\"");
}

TEST(SpotlightSearch, MergesBatchesFinishesOnceAndANewSearchOrCancelSilencesTheOldOne) {
    FakeMetadataQueryFactory factory;
    SpotlightSearch search(factory);
    Calls calls;
    search.search({.term = "report"}, calls.callback());
    ASSERT_EQ(factory.created.size(), 2);
    FakeMetadataQuery* substring = factory.at(0);
    FakeMetadataQuery* subsequence = factory.at(1);
    EXPECT_TRUE(substring->started && subsequence->started);
    EXPECT_DOUBLE_EQ(substring->interval, 0.1);
    EXPECT_TRUE(calls.calls.isEmpty());

    // The subsequence query reports first; the substring query's list still comes first once it reports.
    subsequence->progress({"/h/r-e-p-o-r-t", "/h/report.txt"});
    substring->progress({"/h/report.txt", "/h/my report.pdf"});
    ASSERT_EQ(calls.calls.size(), 2);
    EXPECT_EQ(calls.calls[0], qMakePair(QStringList{"/h/r-e-p-o-r-t", "/h/report.txt"}, false));
    EXPECT_EQ(calls.calls[1].first, (QStringList{"/h/report.txt", "/h/my report.pdf", "/h/r-e-p-o-r-t"}));
    EXPECT_EQ(substring->readsWhileEnabled, 0) << "results are read while updates are held";
    EXPECT_GT(substring->readsWhileDisabled, 0);
    EXPECT_EQ(substring->disabled, 0);

    substring->finish({"/h/report.txt"});
    EXPECT_TRUE(substring->stopped);
    EXPECT_FALSE(calls.calls.last().second);
    // Missing paths are skipped; at most 300 are read from one query.
    subsequence->results = {std::nullopt};
    for (int i = 0; i < 400; ++i)
        subsequence->results << u"/h/s%1"_s.arg(i);
    emit subsequence->didFinishGathering();
    ASSERT_EQ(calls.calls.size(), 4);
    EXPECT_TRUE(calls.calls.last().second);
    EXPECT_EQ(calls.calls.last().first.size(), 1 + 299);
    EXPECT_EQ(calls.calls.last().first.first(), "/h/report.txt");
    EXPECT_FALSE(search.isRunning());

    // Finished queries are released; anything they say afterwards reaches no one.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(factory.created[0].isNull());
    EXPECT_TRUE(factory.created[1].isNull());
    EXPECT_EQ(calls.calls.size(), 4);

    // A new search or a cancel silences the old one.
    Calls first, second;
    search.search({.term = "alpha"}, first.callback());
    FakeMetadataQuery* oldQuery = factory.at(2);
    oldQuery->progress({"/h/alpha"});
    ASSERT_EQ(first.calls.size(), 1);

    search.search({.term = "beta"}, second.callback());
    EXPECT_TRUE(oldQuery->stopped);
    // The old query still exists until the event loop runs, and may still talk: nobody listens.
    oldQuery->finish({"/h/alpha2"});
    EXPECT_EQ(first.calls.size(), 1);
    EXPECT_TRUE(second.calls.isEmpty());

    search.cancel();
    search.cancel(); // idle: harmless
    factory.at(4)->finish({"/h/beta"});
    EXPECT_TRUE(second.calls.isEmpty());

    // A callback may start the next search itself.
    Calls third;
    search.search({.term = "ab"}, [&](const QStringList& paths, bool finished) {
        third.calls << qMakePair(paths, finished);
        if (finished) search.search({.term = "cd"}, third.callback());
    });
    factory.at(6)->finish({"/h/ab"});
    ASSERT_EQ(third.calls.size(), 1);
    EXPECT_TRUE(search.isRunning());
    factory.at(7)->finish({"/h/cd"});
    EXPECT_EQ(third.calls.size(), 2);
}

TEST(SpotlightSearch, NothingToLookForAndRejectedQueries) {
    FakeMetadataQueryFactory factory;
    SpotlightSearch search(factory);
    Calls calls;
    search.search({.term = "** ?"}, calls.callback());
    EXPECT_EQ(calls.calls, (QList<QPair<QStringList, bool>>{qMakePair(QStringList(), true)}));
    EXPECT_TRUE(factory.created.isEmpty());

    static QStringList logged;
    logged.clear();
    auto previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& m) { logged << m; });
    factory.refuseAt = 0; // the substring query is refused, the subsequence one runs
    Calls partial;
    search.search({.term = "report"}, partial.callback());
    EXPECT_EQ(logged, QStringList{QStringLiteral(
                          "Zarvo: Spotlight rejected query kMDItemFSName LIKE[cd] \"*report*\" "
                          "OR kMDItemDisplayName LIKE[cd] \"*report*\"")});
    EXPECT_TRUE(partial.calls.isEmpty());
    factory.at(1)->finish({"/h/r.e.p.o.r.t"});
    EXPECT_EQ(partial.calls,
              (QList<QPair<QStringList, bool>>{qMakePair(QStringList{"/h/r.e.p.o.r.t"}, true)}));

    factory.refuseAt = -1;
    factory.refuseStart = true;
    Calls none;
    search.search({.term = "report"}, none.callback());
    qInstallMessageHandler(previous);
    EXPECT_EQ(none.calls, (QList<QPair<QStringList, bool>>{qMakePair(QStringList(), true)}));
    EXPECT_EQ(logged.size(), 3);
    EXPECT_FALSE(search.isRunning());
}

TEST(SpotlightSearch, ACallerOfTheOutcomeOnlyHearsOnceWithEverything) {
    FakeMetadataQueryFactory factory;
    SpotlightSearch search(factory);
    search.reportsProgress = false;
    Calls calls;
    search.search({.term = "report"}, calls.callback());
    factory.at(1)->progress({"/h/r-e-p-o-r-t"});
    factory.at(0)->finish({"/h/report.txt"});
    EXPECT_TRUE(calls.calls.isEmpty());
    factory.at(1)->finish({"/h/r-e-p-o-r-t"});
    EXPECT_EQ(calls.calls, (QList<QPair<QStringList, bool>>{
                               qMakePair(QStringList{"/h/report.txt", "/h/r-e-p-o-r-t"}, true)}));
}
