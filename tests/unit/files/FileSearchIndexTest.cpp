#include "fakes/EventLoop.h"
#include "fakes/FakeAppBundleSource.h"
#include "fakes/FakePlatform.h"
#include "files/AppCatalog.h"
#include "files/FolderAccess.h"
#include "files/IndexMetadataQuery.h"
#include "files/IndexedFolders.h"
#include "files/SpotlightSearch.h"
#include "store/UserDefaults.h"
#include "unit/index/IndexTestUtil.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace zarvo;
using zarvo::fakes::FakePlatform;

namespace {

// Runs a search on the real index until it finishes; the paths of each batch.
QList<QStringList> runSearch(SpotlightSearch& search, const SearchQuery& query) {
    QList<QStringList> batches;
    bool finished = false;
    search.search(query, [&](const QStringList& paths, bool done) {
        batches << paths;
        finished = done;
    });
    EXPECT_TRUE(zarvo::testing::waitUntil([&] { return finished; }, 10000));
    search.cancel();
    return batches;
}

} // namespace

TEST(FileSearchOnIndex, SearchesTheRealIndexAndTheApplicationsThroughTheQueryInterface) {
    FakePlatform fake;
    fake.makeFile("Documents/Report Summary 2024.pdf");
    fake.makeFile("Documents/summary of the report.txt");
    fake.makeFile("Documents/report.txt");
    index::testing::setTime(fake.makeFile("Pictures/old-photo.jpg"),
                            QDateTime::currentSecsSinceEpoch() - 30 * 86400);
    fake.makeFile("Pictures/new-photo.PNG");
    fake.makeFile("Downloads/installer.AppImage");
    fake.makeFile("Downloads/dwnl-notes.txt");
    fake.makeFile("Documents/keepass-export.csv");
    const QString keepass = "/usr/share/applications/org.keepassxc.KeePassXC.desktop";
    fakes::FakeAppBundleSource source;
    source.bundles = {AppBundle{keepass, {}, "KeePassXC", {}, {}, {}, {}, 0}};
    AppCatalog catalog(&source);
    catalog.reload();

    EXPECT_EQ(FileIndexSettings::config(fake.platform).roots, QStringList{fake.home()});
    IndexMetadataQueryFactory factory(FileIndexSettings::openShared(fake.platform), &catalog);
    SpotlightSearch search(factory);
    // The home-relative paths of the last batch, sorted where the order is the index's own.
    const auto found = [&](const SearchQuery& query, bool sorted = false) {
        const auto batches = runSearch(search, query);
        QStringList out;
        for (const QString& path : batches.value(batches.size() - 1))
            out << QDir(fake.home()).relativeFilePath(path);
        if (sorted) out.sort();
        return out;
    };
    EXPECT_EQ(found({.term = "report summary"}, true),
              (QStringList{"Documents/Report Summary 2024.pdf", "Documents/summary of the report.txt"}));
    EXPECT_EQ(found({.contentTypes = {"public.image"}, .since = QDateTime::currentDateTime().addDays(-7)}),
              QStringList{"Pictures/new-photo.PNG"});
    EXPECT_EQ(found({.scope = fake.home() + "/Downloads"}, true),
              (QStringList{"Downloads/dwnl-notes.txt", "Downloads/installer.AppImage"}));
    // dwnl: the folder by subsequence, the file by substring (listed first).
    EXPECT_EQ(found({.term = "dwnl"}), (QStringList{"Downloads/dwnl-notes.txt", "Downloads"}));

    // Applications come first in the index query and in the first batch.
    const auto batches = runSearch(search, {.term = "keepass"});
    ASSERT_FALSE(batches.isEmpty());
    EXPECT_EQ(batches.first().value(0), keepass);
    EXPECT_EQ(batches.last(), (QStringList{keepass, fake.home() + "/Documents/keepass-export.csv"}));
}

TEST(FileSearchOnIndex, CancelledRealQueryNeverCallsBack) {
    FakePlatform fake;
    for (int i = 0; i < 300; ++i)
        fake.makeFile(u"d%1/report %2.txt"_s.arg(i % 13).arg(i));
    IndexMetadataQueryFactory factory(FileIndexSettings::openShared(fake.platform));
    SpotlightSearch search(factory);
    int calls = 0;
    for (int i = 0; i < 10; ++i) {
        search.search({.term = "report"}, [&](const QStringList&, bool) { ++calls; });
        search.cancel();
    }
    zarvo::testing::pump(300);
    EXPECT_EQ(calls, 0);
}

TEST(FileIndexSettings, FoldersChosenInSettingsAreWhatTheIndexCoversWithReasonsForRefusals) {
    using IndexedFolders::List;
    FakePlatform fake;
    UserDefaults defaults(fake.defaults, fake.environment.identifier);
    const QString home = fake.home();
    EXPECT_EQ(IndexedFolders::folders(defaults, List::searched), QStringList{"~"});
    EXPECT_EQ(IndexedFolders::remove(defaults, List::searched, "~"),
              "Zarvo searches at least one folder: add another before removing “~”.");

    EXPECT_EQ(IndexedFolders::add(defaults, List::searched, home + "/code", home),
              "“~/code” is inside “~”, which is searched already.");
    EXPECT_EQ(IndexedFolders::add(defaults, List::leftOut, "/srv", home),
              "“/srv” is not in a folder Zarvo searches.");
    EXPECT_EQ(IndexedFolders::add(defaults, List::leftOut, home, home),
              "Remove “~” from the folders searched instead.");
    EXPECT_EQ(IndexedFolders::add(defaults, List::leftOut, home + "/code/build/", home), std::nullopt);
    EXPECT_EQ(IndexedFolders::add(defaults, List::leftOut, home + "/code/build/obj", home),
              "“~/code/build/obj” is left out already.");
    EXPECT_EQ(IndexedFolders::add(defaults, List::searched, home + "/code/build/obj", home),
              "“~/code/build/obj” is inside “~/code/build”, which is left out: remove that first.");
    // A second root; a root holding it replaces it; a left-out folder searched again is simply taken off.
    EXPECT_EQ(IndexedFolders::add(defaults, List::searched, "/srv/data", home), std::nullopt);
    EXPECT_EQ(IndexedFolders::add(defaults, List::searched, "/srv", home), std::nullopt);
    EXPECT_EQ(IndexedFolders::folders(defaults, List::searched), (QStringList{"~", "/srv"}));
    EXPECT_EQ(IndexedFolders::add(defaults, List::leftOut, "/srv/cache", home), std::nullopt);
    EXPECT_EQ(IndexedFolders::add(defaults, List::searched, home + "/code/build", home), std::nullopt);
    EXPECT_EQ(IndexedFolders::folders(defaults, List::leftOut), QStringList{"/srv/cache"});
    EXPECT_EQ(IndexedFolders::remove(defaults, List::searched, "~"), std::nullopt);

    // The index starts with what was chosen; hand-written keys lose a relative root and a trailing slash.
    auto config = FileIndexSettings::config(fake.platform);
    EXPECT_EQ(config.roots, QStringList{"/srv"});
    EXPECT_EQ(config.excluded, QStringList{"/srv/cache"});
    EXPECT_TRUE(config.snapshotPath.startsWith(fake.environment.cache));
    fake.defaults.domains[fake.environment.identifier] = QVariantMap{
        {QString::fromLatin1(FileIndexSettings::kRootsKey), QStringList{"~/code", "/srv/data/", "relative"}},
        {QString::fromLatin1(FileIndexSettings::kExcludedKey), QStringList{"~/code/build"}},
    };
    auto previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    config = FileIndexSettings::config(fake.platform);
    qInstallMessageHandler(previous);
    EXPECT_EQ(config.roots, (QStringList{home + "/code", "/srv/data"}));
    EXPECT_EQ(config.excluded, QStringList{home + "/code/build"});

    index::IndexStatus status{.entries = 1234567, .watches = 10};
    EXPECT_EQ(IndexedFolders::statusLines(status, 2),
              (QStringList{"1,234,567 files and folders indexed", "New files are found as they appear"}));
    status.watchLimitReached = true;
    status.unwatchedFolders = 3120;
    status.crawling = true;
    EXPECT_EQ(
        IndexedFolders::statusLines(status, 2),
        (QStringList{"Indexing… 1,234,567 files and folders so far",
                     "3,120 folders are re-listed every two minutes: raise fs.inotify.max_user_watches"}));
}

TEST(FolderAccess, ReportsMissingOrUnlistableFolders) {
    FakePlatform fake;
    EXPECT_TRUE(FolderAccess::deniedFolders(fake.platform).isEmpty());
    QDir(fake.home() + "/Downloads").removeRecursively();
    EXPECT_EQ(FolderAccess::deniedFolders(fake.platform), QStringList{"Downloads"});
    // A file where the folder should be cannot be listed either.
    QDir(fake.home() + "/Desktop").removeRecursively();
    fake.makeFile("Desktop");
    EXPECT_EQ(FolderAccess::deniedFolders(fake.home()), (QStringList{"Desktop", "Downloads"}));
    EXPECT_EQ(FolderAccess::bannerText({"Desktop", "Documents"}),
              "Can't search Desktop, Documents \u2014 macOS hasn't granted access.");
}
