#include "search/SearchQuery.h"
#include "fakes/FakePlatform.h"
#include "fakes/Printers.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace zarvo;
using zarvo::fakes::FakePlatform;

namespace {
const QDateTime kNow(QDate(2026, 3, 14), QTime(15, 9, 26));
}

TEST(SearchQuery, TermsKindsAndDates) {
    FakePlatform fake;
    auto q = SearchQuery::parse(QStringLiteral("  quarterly   report\t "), kNow);
    EXPECT_EQ(q.term, QStringLiteral("quarterly report"));
    EXPECT_FALSE(q.hasFilters());

    EXPECT_EQ(SearchQuery::parse(QString(), kNow), SearchQuery{});
    EXPECT_FALSE(SearchQuery{}.hasFilters());

    // Kinds in token order, case-insensitive, duplicates kept; the term keeps its case.
    q = SearchQuery::parse(QStringLiteral("IMG: pdf: Report kind:PDF"), kNow);
    EXPECT_EQ(q.term, QStringLiteral("Report"));
    EXPECT_EQ(q.contentTypes, (QStringList{"public.image", "com.adobe.pdf", "com.adobe.pdf"}));
    EXPECT_TRUE(q.hasFilters());
    EXPECT_EQ(SearchQuery::parse(QStringLiteral("doc:"), kNow).contentTypes.size(), 7);

    // Unknown kinds and other colon words are plain words; so is a bare in:.
    q = SearchQuery::parse(QStringLiteral("kind:xyz note: in: kind:"), kNow);
    EXPECT_EQ(q.term, QStringLiteral("kind:xyz note: in: kind:"));
    EXPECT_FALSE(q.hasFilters());

    // Dates: the last one wins.
    EXPECT_EQ(SearchQuery::parse(QStringLiteral("today: week:"), kNow).since, kNow.addSecs(-604800));
    EXPECT_EQ(SearchQuery::parse(QStringLiteral("Today:"), kNow).since, QDate(2026, 3, 14).startOfDay());
    EXPECT_EQ(SearchQuery::parse(QStringLiteral("yesterday:"), kNow).since, QDate(2026, 3, 13).startOfDay());
    EXPECT_EQ(SearchQuery::parse(QStringLiteral("month:"), kNow).since, kNow.addSecs(-2592000));
    EXPECT_EQ(SearchQuery::parse(QStringLiteral("year:"), kNow).since, kNow.addSecs(-31536000));
    // Without a usable clock the date words stay words.
    q = SearchQuery::parse(QStringLiteral("today:"), QDateTime());
    EXPECT_FALSE(q.since);
    EXPECT_EQ(q.term, QStringLiteral("today:"));

    EXPECT_EQ(SearchQuery::kinds().size(), 25);
}

TEST(SearchQuery, FolderScopes) {
    FakePlatform fake;
    const QString home = fake.home();
    const QString projects = fake.makeDir(QStringLiteral("Projects"));
    fake.makeFile(QStringLiteral("notes"));

    // Run keywords, case-insensitive, aliases included.
    auto q = SearchQuery::parse(QStringLiteral("in:Desktop avatar"), kNow);
    EXPECT_EQ(q.scope, home + "/Desktop");
    EXPECT_FALSE(q.unknownScope);
    EXPECT_EQ(q.term, QStringLiteral("avatar"));
    EXPECT_EQ(SearchQuery::resolveFolder(QStringLiteral("DL")), home + "/Downloads");
    EXPECT_EQ(SearchQuery::resolveFolder(QStringLiteral("videos")), home + "/Movies");

    // A home entry by name; a file of that name is not a folder.
    EXPECT_EQ(SearchQuery::resolveFolder(QStringLiteral("projects")), projects);
    EXPECT_EQ(SearchQuery::resolveFolder(QStringLiteral("notes")), std::nullopt);
    // Paths: ~, variables, absolute; missing ones give nothing.
    EXPECT_EQ(SearchQuery::resolveFolder(QStringLiteral("~/Projects/")), projects);
    EXPECT_EQ(SearchQuery::resolveFolder(QStringLiteral("$HOME/Music")), home + "/Music");
    EXPECT_EQ(SearchQuery::resolveFolder(QStringLiteral("/")), QStringLiteral("/"));
    EXPECT_EQ(SearchQuery::resolveFolder(QStringLiteral("~/missing")), std::nullopt);
    // The Trash keyword's folder is missing here: the name is looked up in the home folder instead.
    EXPECT_EQ(SearchQuery::resolveFolder(QStringLiteral("trash")), std::nullopt);

    // The last resolved and the last unresolved in: are each kept, with the name as typed.
    q = SearchQuery::parse(QStringLiteral("in:Nowhere in:music in:Elsewhere x"), kNow);
    EXPECT_EQ(q.scope, home + "/Music");
    EXPECT_EQ(q.unknownScope, QStringLiteral("Elsewhere"));
    EXPECT_TRUE(q.hasFilters());
}
