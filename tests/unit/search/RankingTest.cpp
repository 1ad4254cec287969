#include "search/Ranking.h"

#include "fakes/FakePlatform.h"

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

TEST(Ranking, LinuxCachesTrashBuildOutputAndOurOwnStoreAreNoise) {
    // The user's folders where the environment puts them, away from their defaults.
    fakes::FakeEnvironment env;
    env.home = "/home/u";
    env.data = "/xdg/data";
    env.cache = "/xdg/cache";
    const Ranking::Noise noise(env);
    for (const char* path :
         {"/xdg/cache/thumbnails/large/0a1b.png", "/xdg/cache/com.velorin.zarvo/file-index.snapshot",
          "/home/u/.cache/thumbnails/normal/x.png", "/xdg/data/Trash/files/photo.jpg",
          "/media/usb/.Trash-1000/files/photo.jpg", "/xdg/data/Zarvo/Clipboard/clips.lock",
          "/home/u/.var/app/org.gimp.GIMP/cache/gimp/x.png", "/home/u/snap/firefox/common/.cache/x.png",
          "/home/u/snap/firefox/2356/.cache/x.png", "/home/u/code/app/__pycache__/main.cpython-311.pyc",
          "/home/u/code/app/.venv/bin/python", "/home/u/code/app/venv/lib/python3.11/site-packages/x.py",
          "/home/u/code/rs/target/debug/deps/app-1f2e", "/home/u/code/java/.gradle/8.5/x.lock",
          "/home/u/code/cpp/build/CMakeFiles/app.dir/main.o", "/home/u/.npm/_cacache/index",
          "/home/u/.thumbnails/normal/x.png"})
        EXPECT_TRUE(noise.contains(path)) << path;
    for (const char* path :
         {"/home/u/Pictures/lock.png", "/xdg/cache", "/xdg/data/Zarvo", "/xdg/data/Notes/Trash/x.txt",
          "/xdg/cachet/x.png", "/home/u/.var/app/org.gimp.GIMP/config/gimprc",
          "/home/u/snap/firefox/common/Downloads/x.pdf", "/home/u/code/rs/target/release/app",
          "/home/u/code/cpp/build/app", "/home/u/Documents/cache.txt"})
        EXPECT_FALSE(noise.contains(path)) << path;
    // Without the environment the folders under its data home are unknown.
    EXPECT_FALSE(Ranking::isNoise("/xdg/data/Zarvo/Clipboard/clips.lock"));

    // A found picture comes without the thumbnails of itself, whatever the order found.
    const QStringList found = {"/xdg/cache/thumbnails/large/0a1b.png", "/xdg/data/Zarvo/Clipboard/clips.lock",
                               "/home/u/Pictures/lock.png"};
    EXPECT_EQ(Ranking::rank(found, "", noBoost, {}, &noise), QStringList{"/home/u/Pictures/lock.png"});
    EXPECT_EQ(Ranking::rank(found, "lock", noBoost, {}, &noise), QStringList{"/home/u/Pictures/lock.png"});

    // A root folder as cache or data home makes nothing noise.
    fakes::FakeEnvironment root;
    root.home = root.data = root.cache = "/";
    EXPECT_FALSE(Ranking::Noise(root).contains("/home/u/Pictures/lock.png"));
}

TEST(Ranking, ExactNamesWinThenFuzzyScoresThenInputOrder) {
    const QStringList paths = {
        "/d/Quarterly Report Draft.pdf", // fuzzy
        "/d/Report.pdf",                 // exact without extension: 10000
        "/d/nothing.txt",                // no match: dropped
        "/d/REPORT",                     // exact, case-insensitive: 10000, after the earlier one
        "/d/Report.pdf.bak",             // "report.pdf" is not "report": fuzzy
    };
    // Between the fuzzy ones the better name match leads (on a tie, the input order).
    const QStringList fuzzy =
        Fuzzy::score("Report", "Report.pdf.bak") > Fuzzy::score("Report", "Quarterly Report Draft.pdf")
            ? QStringList{"/d/Report.pdf.bak", "/d/Quarterly Report Draft.pdf"}
            : QStringList{"/d/Quarterly Report Draft.pdf", "/d/Report.pdf.bak"};
    EXPECT_EQ(Ranking::rank(paths, "Report", noBoost), QStringList({"/d/Report.pdf", "/d/REPORT"}) + fuzzy);

    // Equal scores keep the delivered order, which is no order of their paths.
    const QStringList twins = {"/b/notes.md", "/a/notes.md", "/c/notes.md"};
    EXPECT_EQ(Ranking::rank(twins, "note", noBoost), twins);

    // Applications get a small lead over an equal document; a multi-word query must match every word.
    EXPECT_EQ(Ranking::rank({"/x/Calc.txt", "/x/Calc.app"}, "cal", noBoost),
              (QStringList{"/x/Calc.app", "/x/Calc.txt"}));
    EXPECT_EQ(Ranking::rank({"/x/tax return 2024.pdf", "/x/tax.pdf"}, "tax 2024", noBoost),
              QStringList{"/x/tax return 2024.pdf"});
}

TEST(Ranking, BoostFromHistoryAndFavourites) {
    EXPECT_EQ(Ranking::boost(1000, true), 70);
    EXPECT_EQ(Ranking::boost(399, false), 39);
    EXPECT_EQ(Ranking::boost(9.9, false), 0);

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
