#include "search/SearchQuery.h"
#include "fakes/FakePlatform.h"
#include "fakes/Printers.h"

#include <gtest/gtest.h>

using namespace zarvo;
using zarvo::fakes::FakePlatform;

namespace {
const QDateTime kNow(QDate(2026, 3, 14), QTime(15, 9, 26));
}

TEST(SearchQuery, TermsKindsDatesAndFolderScopes) {
    FakePlatform fake;
    auto q = SearchQuery::parse(fake.platform, "  quarterly   report\t ", kNow);
    EXPECT_EQ(q.term, "quarterly report");
    EXPECT_FALSE(q.hasFilters());

    EXPECT_EQ(SearchQuery::parse(fake.platform, QString(), kNow), SearchQuery{});

    // Kinds in token order, case-insensitive, duplicates kept; the term keeps its case.
    q = SearchQuery::parse(fake.platform, "IMG: pdf: Report kind:PDF", kNow);
    EXPECT_EQ(q.term, "Report");
    EXPECT_EQ(q.contentTypes, (QStringList{"public.image", "com.adobe.pdf", "com.adobe.pdf"}));
    EXPECT_TRUE(q.hasFilters());
    EXPECT_EQ(SearchQuery::parse(fake.platform, "doc:", kNow).contentTypes.size(), 7);

    // Unknown kinds and other colon words are plain words; so is a bare in:.
    q = SearchQuery::parse(fake.platform, "kind:xyz note: in: kind:", kNow);
    EXPECT_EQ(q.term, "kind:xyz note: in: kind:");
    EXPECT_FALSE(q.hasFilters());

    // Dates: the last one wins.
    EXPECT_EQ(SearchQuery::parse(fake.platform, "today: week:", kNow).since, kNow.addSecs(-604800));
    EXPECT_EQ(SearchQuery::parse(fake.platform, "Today:", kNow).since, QDate(2026, 3, 14).startOfDay());
    EXPECT_EQ(SearchQuery::parse(fake.platform, "yesterday:", kNow).since, QDate(2026, 3, 13).startOfDay());
    EXPECT_EQ(SearchQuery::parse(fake.platform, "month:", kNow).since, kNow.addSecs(-2592000));
    EXPECT_EQ(SearchQuery::parse(fake.platform, "year:", kNow).since, kNow.addSecs(-31536000));
    // Without a usable clock the date words stay words.
    q = SearchQuery::parse(fake.platform, "today:", QDateTime());
    EXPECT_FALSE(q.since);
    EXPECT_EQ(q.term, "today:");

    const QString home = fake.home();
    const QString projects = fake.makeDir("Projects");
    fake.makeFile("notes");
    // Folder scopes by run keyword, case-insensitive, aliases included.
    q = SearchQuery::parse(fake.platform, "in:Desktop avatar", kNow);
    EXPECT_EQ(q.scope, home + "/Desktop");
    EXPECT_FALSE(q.unknownScope);
    EXPECT_EQ(q.term, "avatar");
    EXPECT_EQ(SearchQuery::resolveFolder(fake.platform, "DL"), home + "/Downloads");

    // A home entry by name; a file of that name is not a folder.
    EXPECT_EQ(SearchQuery::resolveFolder(fake.platform, "projects"), projects);
    EXPECT_EQ(SearchQuery::resolveFolder(fake.platform, "notes"), std::nullopt);
    // Paths, expanded as PathInputTest checks, lose a trailing slash (not the root's); missing ones: nothing.
    EXPECT_EQ(SearchQuery::resolveFolder(fake.platform, "~/Projects/"), projects);
    EXPECT_EQ(SearchQuery::resolveFolder(fake.platform, "/"), "/");
    EXPECT_EQ(SearchQuery::resolveFolder(fake.platform, "~/missing"), std::nullopt);
    // The Trash keyword's folder is missing here: the name is looked up in the home folder instead.
    EXPECT_EQ(SearchQuery::resolveFolder(fake.platform, "trash"), std::nullopt);

    // The last resolved and the last unresolved in: are each kept, with the name as typed.
    q = SearchQuery::parse(fake.platform, "in:Nowhere in:music in:Elsewhere x", kNow);
    EXPECT_EQ(q.scope, home + "/Music");
    EXPECT_EQ(q.unknownScope, "Elsewhere");
    EXPECT_TRUE(q.hasFilters());
}
