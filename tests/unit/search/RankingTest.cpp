#include "search/Ranking.h"

#include <gtest/gtest.h>

using namespace zarvo;

namespace {
const auto noBoost = [](const QString&) { return 0; };
}

TEST(Ranking, NoiseIsNeverListedHoweverWellItMatches) {
    for (const char* path :
         {"/Users/u/proj/node_modules/report/index.js", "/Users/u/Library/Caches/report",
          "/Users/u/.Trash/report.pdf", "/x/.git/report", "/Applications/Report.app/Contents/report",
          "/Library/Frameworks/Report.framework", "/x/Report.appex", "/x/Report.bundle/",
          "/usr/lib/libreport.dylib", "/x/Report.xpc", "/x/Report.plugin", "/.git/report",
          "/a/b.app/Contents/x.app/Contents/y", "/a//node_modules/x"})
        EXPECT_TRUE(Ranking::isNoise(path)) << path;
    // Extensions compare exactly; a fragment needs its slashes; a bare hidden name has no extension.
    for (const char* path :
         {"/x/Report.Framework", "/x/report.bundles", "/x/node_modules", "/x/.dylib", "/x/Report.app",
          "/x/mygit/report", "/x/.gitx/report", "/x/a.app/Content/s", "/x/.app/Contents", "x.app/Contents"})
        EXPECT_FALSE(Ranking::isNoise(path)) << path;

    const QStringList ranked = Ranking::rank(
        {"/a/node_modules/report.js", "/a/report.framework", "/a/report.txt"}, "report", noBoost);
    EXPECT_EQ(ranked, QStringList{"/a/report.txt"});
}

TEST(Ranking, ExactNamesWinThenFuzzyScoresThenInputOrder) {
    const QStringList paths = {
        "/d/Quarterly Report Draft.pdf", // fuzzy
        "/d/Report.pdf",                 // exact without extension: 10000
        "/d/nothing.txt",                // no match: dropped
        "/d/REPORT",                     // exact, case-insensitive: 10000, after the earlier one
        "/d/Report.pdf.bak",             // "report.pdf" is not "report": fuzzy
    };
    const QStringList ranked = Ranking::rank(paths, "Report", noBoost);
    ASSERT_EQ(ranked.size(), 4);
    EXPECT_EQ(ranked[0], "/d/Report.pdf");
    EXPECT_EQ(ranked[1], "/d/REPORT");
    EXPECT_FALSE(ranked.contains("/d/nothing.txt"));
    // Between the fuzzy ones the better name match leads.
    const int bak = *Fuzzy::score("Report", "Report.pdf.bak");
    const int draft = *Fuzzy::score("Report", "Quarterly Report Draft.pdf");
    ASSERT_NE(bak, draft);
    EXPECT_EQ(ranked[2], bak > draft ? "/d/Report.pdf.bak" : "/d/Quarterly Report Draft.pdf");

    // Equal scores keep the delivered order, whichever it is.
    const QStringList twins = {"/b/notes.md", "/a/notes.md", "/c/notes.md"};
    EXPECT_EQ(Ranking::rank(twins, "note", noBoost), twins);
    const QStringList reversed = {"/c/notes.md", "/a/notes.md", "/b/notes.md"};
    EXPECT_EQ(Ranking::rank(reversed, "note", noBoost), reversed);

    // Applications get a small lead over an equal document; a multi-word query must match every word.
    EXPECT_EQ(Ranking::rank({"/x/Calc.txt", "/x/Calc.app"}, "cal", noBoost),
              (QStringList{"/x/Calc.app", "/x/Calc.txt"}));
    EXPECT_EQ(Ranking::rank({"/x/tax return 2024.pdf", "/x/tax.pdf"}, "tax 2024", noBoost),
              QStringList{"/x/tax return 2024.pdf"});
}

TEST(Ranking, BoostFromHistoryAndFavourites) {
    EXPECT_EQ(Ranking::boost(std::nullopt, false), 0);
    EXPECT_EQ(Ranking::boost(1000, true), 70);
    EXPECT_EQ(Ranking::boost(399, false), 39);
    EXPECT_EQ(Ranking::boost(9.9, false), 0);
    EXPECT_EQ(Ranking::boost(std::nullopt, true), 30);

    const auto boost = Ranking::pipelineBoost({{"/h/often.txt", 400}, {"/h/once.txt", 100}}, {"/h/fav.txt"});
    EXPECT_EQ(boost("/h/often.txt"), 40);
    EXPECT_EQ(boost("/h/fav.txt"), 30);
    EXPECT_EQ(boost("/h/other.txt"), 0);

    // An empty term scores every name 0: history and favourites alone decide, input order breaks ties.
    const QStringList ranked = Ranking::rank(
        {"/h/other.txt", "/h/once.txt", "/h/fav.txt", "/h/often.txt", "/h/more.txt"}, "", boost);
    EXPECT_EQ(ranked,
              (QStringList{"/h/often.txt", "/h/fav.txt", "/h/once.txt", "/h/other.txt", "/h/more.txt"}));
    // A hidden file is no exact match for the empty query.
    EXPECT_EQ(Ranking::rank({"/h/a.txt", "/h/.txt"}, "", noBoost), (QStringList{"/h/a.txt", "/h/.txt"}));

    // The boost can lift a weaker name match above a stronger one.
    const QStringList pair = {"/p/report.txt", "/p/my_report_old.txt"};
    const int gap = *Fuzzy::score("rep", "report.txt") - *Fuzzy::score("rep", "my_report_old.txt");
    ASSERT_GT(gap, 0);
    ASSERT_LT(gap, 70);
    const auto lift = Ranking::pipelineBoost({{"/p/my_report_old.txt", 1000}}, {"/p/my_report_old.txt"});
    EXPECT_EQ(Ranking::rank(pair, "rep", lift), (QStringList{"/p/my_report_old.txt", "/p/report.txt"}));
}
