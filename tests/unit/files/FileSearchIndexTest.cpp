#include "fakes/EventLoop.h"
#include "fakes/FakePlatform.h"
#include "files/FolderAccess.h"
#include "files/IndexMetadataQuery.h"
#include "files/IndexedFolders.h"
#include "files/SpotlightSearch.h"
#include "store/UserDefaults.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTimer>
#include <gtest/gtest.h>
#include <utime.h>

using namespace zarvo;
using zarvo::fakes::FakePlatform;

namespace {

struct Outcome {
    QList<QStringList> batches;
    bool finished = false;
};

// Runs a search on the real index and spins the event loop until it finishes.
Outcome runSearch(SpotlightSearch& search, const SearchQuery& query) {
    Outcome out;
    QEventLoop loop;
    search.search(query, [&](const QStringList& paths, bool finished) {
        out.batches << paths;
        if (finished) {
            out.finished = true;
            loop.quit();
        }
    });
    if (!out.finished) {
        QTimer::singleShot(10000, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return out;
}

QStringList relative(const FakePlatform& fake, const QStringList& paths) {
    QStringList out;
    for (const auto& p : paths)
        out << QDir(fake.home()).relativeFilePath(p);
    return out;
}

void age(const QString& path, qint64 secondsAgo) {
    const auto t = QDateTime::currentSecsSinceEpoch() - secondsAgo;
    utimbuf times{t, t};
    ::utime(QFile::encodeName(path).constData(), &times);
}

} // namespace

TEST(FileSearchOnIndex, SearchesTheRealIndexThroughTheQueryInterface) {
    FakePlatform fake;
    fake.makeFile(QStringLiteral("Documents/Report Summary 2024.pdf"));
    fake.makeFile(QStringLiteral("Documents/summary of the report.txt"));
    fake.makeFile(QStringLiteral("Documents/report.txt"));
    age(fake.makeFile(QStringLiteral("Pictures/old-photo.jpg")), 30 * 86400);
    fake.makeFile(QStringLiteral("Pictures/new-photo.PNG"));
    fake.makeFile(QStringLiteral("code/readme.md"));
    fake.makeFile(QStringLiteral("Downloads/installer.AppImage"));
    fake.makeFile(QStringLiteral("Downloads/dwnl-notes.txt"));

    const auto config = FileIndexSettings::config(fake.platform);
    EXPECT_EQ(config.roots, QStringList{fake.home()});
    auto index = FileIndexSettings::openShared(fake.platform);
    IndexMetadataQueryFactory factory(index);
    SpotlightSearch search(factory);

    auto words = runSearch(search, [] {
        SearchQuery q;
        q.term = QStringLiteral("report summary");
        return q;
    }());
    ASSERT_TRUE(words.finished);
    QStringList found = relative(fake, words.batches.last());
    found.sort();
    EXPECT_EQ(found, (QStringList{QStringLiteral("Documents/Report Summary 2024.pdf"),
                                  QStringLiteral("Documents/summary of the report.txt")}));

    SearchQuery images;
    images.contentTypes = {QStringLiteral("public.image")};
    images.since = QDateTime::currentDateTime().addDays(-7);
    EXPECT_EQ(relative(fake, runSearch(search, images).batches.last()),
              QStringList{QStringLiteral("Pictures/new-photo.PNG")});

    SearchQuery scoped;
    scoped.scope = fake.home() + QStringLiteral("/Downloads");
    found = relative(fake, runSearch(search, scoped).batches.last());
    found.sort();
    EXPECT_EQ(found, (QStringList{QStringLiteral("Downloads/dwnl-notes.txt"),
                                  QStringLiteral("Downloads/installer.AppImage")}));

    SearchQuery apps;
    apps.contentTypes = {QStringLiteral("com.apple.application-bundle")};
    EXPECT_EQ(relative(fake, runSearch(search, apps).batches.last()),
              QStringList{QStringLiteral("Downloads/installer.AppImage")});

    // dwnl: the folder by subsequence, the file by substring (listed first).
    SearchQuery dwnl;
    dwnl.term = QStringLiteral("dwnl");
    EXPECT_EQ(relative(fake, runSearch(search, dwnl).batches.last()),
              (QStringList{QStringLiteral("Downloads/dwnl-notes.txt"), QStringLiteral("Downloads")}));

    SearchQuery inCode;
    inCode.scope = fake.home() + QStringLiteral("/code");
    inCode.term = QStringLiteral("readme");
    EXPECT_EQ(relative(fake, runSearch(search, inCode).batches.last()),
              QStringList{QStringLiteral("code/readme.md")});
}

TEST(FileSearchOnIndex, CancelledRealQueryNeverCallsBack) {
    FakePlatform fake;
    for (int i = 0; i < 300; ++i)
        fake.makeFile(QStringLiteral("d%1/report %2.txt").arg(i % 13).arg(i));
    IndexMetadataQueryFactory factory(FileIndexSettings::openShared(fake.platform));
    SpotlightSearch search(factory);
    int calls = 0;
    for (int i = 0; i < 10; ++i) {
        SearchQuery q;
        q.term = QStringLiteral("report");
        search.search(q, [&](const QStringList&, bool) { ++calls; });
        search.cancel();
    }
    zarvo::testing::pump(300);
    EXPECT_EQ(calls, 0);
}

TEST(FileIndexSettings, DefaultsKeysChooseRootsAndExclusions) {
    FakePlatform fake;
    fake.defaults.domains[fake.environment.identifier] = QVariantMap{
        {QString::fromLatin1(FileIndexSettings::kRootsKey),
         QStringList{QStringLiteral("~/code"), QStringLiteral("/srv/data/"), QStringLiteral("relative")}},
        {QString::fromLatin1(FileIndexSettings::kExcludedKey), QStringList{QStringLiteral("~/code/build")}},
    };
    auto previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    const auto config = FileIndexSettings::config(fake.platform);
    qInstallMessageHandler(previous);
    EXPECT_EQ(config.roots,
              (QStringList{fake.home() + QStringLiteral("/code"), QStringLiteral("/srv/data")}));
    EXPECT_EQ(config.excluded, QStringList{fake.home() + QStringLiteral("/code/build")});
    EXPECT_TRUE(config.snapshotPath.startsWith(fake.environment.cache));
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

    // What the index is started with is what was chosen.
    const auto config = FileIndexSettings::config(fake.platform);
    EXPECT_EQ(config.roots, QStringList{"/srv"});
    EXPECT_EQ(config.excluded, QStringList{"/srv/cache"});

    index::IndexStatus status;
    status.entries = 1234567;
    status.watches = 10;
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
    QDir(fake.home() + QStringLiteral("/Downloads")).removeRecursively();
    EXPECT_EQ(FolderAccess::deniedFolders(fake.platform), QStringList{QStringLiteral("Downloads")});
    // A file where the folder should be cannot be listed either.
    QDir(fake.home() + QStringLiteral("/Desktop")).removeRecursively();
    fake.makeFile(QStringLiteral("Desktop"));
    EXPECT_EQ(FolderAccess::deniedFolders(fake.home()),
              (QStringList{QStringLiteral("Desktop"), QStringLiteral("Downloads")}));
    EXPECT_EQ(FolderAccess::bannerText({QStringLiteral("Desktop"), QStringLiteral("Documents")}),
              QStringLiteral("Can't search Desktop, Documents \u2014 macOS hasn't granted access."));
    EXPECT_EQ(
        FolderAccess::filesAndFoldersPane().toString(),
        QStringLiteral("x-apple.systempreferences:com.apple.preference.security?Privacy_FilesAndFolders"));
    EXPECT_EQ(FolderAccess::fullDiskAccessPane().toString(),
              QStringLiteral("x-apple.systempreferences:com.apple.preference.security?Privacy_AllFiles"));
}
