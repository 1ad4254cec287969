#include "files/AppCatalog.h"
#include "fakes/FakeAppBundleSource.h"
#include "fakes/FakePlatform.h"
#include "files/IndexMetadataQuery.h"
#include "files/SpotlightSearch.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QTimer>
#include <gtest/gtest.h>

using namespace zarvo;
using zarvo::fakes::FakeAppBundleSource;
using zarvo::fakes::FakePlatform;

namespace {

AppBundle app(const QString& location, const QString& name, std::optional<QString> generic,
              QStringList keywords, const QString& executable, qint64 modified = 1000) {
    AppBundle b;
    b.location = location;
    b.id = QFileInfo(location).fileName();
    b.name = name;
    b.genericName = std::move(generic);
    b.keywords = std::move(keywords);
    b.executable = executable;
    b.modified = modified;
    return b;
}

MetadataPredicate names(const QStringList& patterns) {
    MetadataPredicate p;
    p.namePatterns = patterns;
    return p;
}

const QString kApps = "/usr/share/applications/";

QList<AppBundle> installed() {
    return {app(kApps + "org.keepassxc.KeePassXC.desktop", "KeePassXC", "Password Manager",
                {"password", "vault"}, "keepassxc"),
            app(kApps + "org.gnome.Nautilus.desktop", "Files", std::nullopt, {"folder"}, "nautilus", 5000),
            app(kApps + "de.example.Rechner.desktop", "Taschenrechner Übung", "Rechner", {}, "rechner")};
}

} // namespace

TEST(AppCatalog, MatchesEveryNameAPersonTypesWithFiltersAndScopes) {
    FakeAppBundleSource source;
    source.bundles = installed();
    source.bundles[0].icon = "keepassxc";
    source.bundles[2].icon = "/opt/Übung/rechner.png";
    // Not stored: a second entry at a location already taken, and one whose location holds a NUL.
    source.bundles << app(kApps + "org.gnome.Nautilus.desktop", "Twice", std::nullopt, {}, "twice")
                   << app(kApps + "nul" + QChar(0) + ".desktop", "Nul", std::nullopt, {}, QString());
    AppCatalog catalog(&source);
    catalog.reload();
    ASSERT_EQ(catalog.count(), 3);
    // Every field comes back as it went in, absent and empty ones told apart.
    for (const AppBundle& bundle : installed().mid(0, 3)) {
        AppBundle expected = bundle;
        if (expected.id.startsWith(QLatin1String("org.keepassxc"))) expected.icon = "keepassxc";
        if (expected.id.startsWith(QLatin1String("de.example"))) expected.icon = "/opt/Übung/rechner.png";
        EXPECT_EQ(catalog.bundle(bundle.location), expected) << bundle.location.toStdString();
    }
    EXPECT_EQ(catalog.bundle(kApps + "org.gnome.Nautilus.desktop")->name, "Files");
    EXPECT_FALSE(catalog.contains(kApps + "org.gnome"));
    const QString keepass = kApps + "org.keepassxc.KeePassXC.desktop";
    const QString files = kApps + "org.gnome.Nautilus.desktop";
    const QString rechner = kApps + "de.example.Rechner.desktop";

    // Name, generic name, keyword, program; each pattern may match a different name.
    EXPECT_EQ(catalog.match(names({"*keepass*"}), {}), QStringList{keepass});
    EXPECT_EQ(catalog.match(names({"*PASSWORD*"}), {}), QStringList{keepass});
    EXPECT_EQ(catalog.match(names({"*nautilus*"}), {}), QStringList{files});
    EXPECT_EQ(catalog.match(names({"*files*"}), {}), QStringList{files});
    EXPECT_EQ(catalog.match(names({"*keepass*", "*vault*"}), {}), QStringList{keepass});
    EXPECT_TRUE(catalog.match(names({"*keepass*", "*folder*"}), {}).isEmpty());
    // Diacritics fold as file names do; subsequence patterns work on names too.
    EXPECT_EQ(catalog.match(names({"*ubung*"}), {}), QStringList{rechner});
    EXPECT_EQ(catalog.match(names({"*k*p*x*"}), {}), QStringList{keepass});

    // app: takes applications in, other kinds leave them out; dates and scopes apply.
    MetadataPredicate kind;
    kind.contentTypes = {"com.apple.application-bundle"};
    EXPECT_EQ(catalog.match(kind, {}).size(), 3);
    kind.contentTypes = {"public.image"};
    EXPECT_TRUE(catalog.match(kind, {}).isEmpty());
    MetadataPredicate recent;
    recent.matchAll = true;
    recent.changedSince = QDateTime::fromSecsSinceEpoch(4000);
    EXPECT_EQ(catalog.match(recent, {}), QStringList{files});
    EXPECT_TRUE(catalog.match(names({"*files*"}), {"/home/me/Downloads"}).isEmpty());
    EXPECT_EQ(catalog.match(names({"*files*"}), {"/usr/share"}), QStringList{files});
    EXPECT_TRUE(catalog.match(MetadataPredicate{}, {}).isEmpty());

    // The row: the localised name, the generic name or "Application", never a folder.
    const auto row = catalog.item(keepass, ResultItem::Source::spotlight);
    ASSERT_TRUE(row);
    EXPECT_EQ(row->name(), "KeePassXC");
    EXPECT_EQ(row->subtitle, "Password Manager");
    EXPECT_FALSE(row->isDirectory);
    EXPECT_EQ(row->historyKey(), keepass);
    EXPECT_EQ(catalog.item(files, ResultItem::Source::history)->subtitle, "Application");
    EXPECT_FALSE(catalog.item("/tmp/other.desktop", ResultItem::Source::spotlight));
    const auto ranking = catalog.rankingNames(files);
    ASSERT_TRUE(ranking);
    EXPECT_EQ(ranking->names, (QStringList{"Files", "nautilus", "folder"}));
    EXPECT_EQ(ranking->exactCount, 3);
    EXPECT_GT(catalog.memoryBytes(), 0u);
}

TEST(AppCatalog, FollowsTheSourceLiveAndSurvivesNoSource) {
    FakeAppBundleSource source;
    source.bundles = installed();
    AppCatalog catalog(&source);
    int changes = 0;
    QObject::connect(&catalog, &AppCatalog::changed, [&] { ++changes; });
    catalog.startLive();
    ASSERT_TRUE(catalog.waitReady(5000));
    EXPECT_EQ(catalog.count(), 3);

    // A package removed, another installed: the change is current after a background rescan.
    QList<AppBundle> now = installed().mid(1);
    now << app(kApps + "xterm.desktop", "XTerm", std::nullopt, {}, "xterm");
    source.set(now);
    QEventLoop loop;
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    QObject::connect(&catalog, &AppCatalog::changed, &loop, &QEventLoop::quit);
    if (!catalog.contains(kApps + "xterm.desktop")) loop.exec();
    EXPECT_TRUE(catalog.contains(kApps + "xterm.desktop"));
    EXPECT_FALSE(catalog.contains(kApps + "org.keepassxc.KeePassXC.desktop"));
    EXPECT_GE(changes, 2);

    AppCatalog none(nullptr);
    none.startLive();
    EXPECT_TRUE(none.waitReady(1000));
    EXPECT_EQ(none.count(), 0);
}

TEST(AppCatalog, ApplicationsComeFirstInTheIndexQueryAndInTheFirstBatch) {
    FakePlatform fake;
    fake.makeFile("Documents/keepass-export.csv");
    FakeAppBundleSource source;
    source.bundles = installed();
    AppCatalog catalog(&source);
    catalog.reload();
    auto index = FileIndexSettings::openShared(fake.platform);
    IndexMetadataQueryFactory factory(index, &catalog);
    SpotlightSearch search(factory);
    SearchQuery q;
    q.term = "keepass";
    QList<QStringList> batches;
    bool finished = false;
    QEventLoop loop;
    search.search(q, [&](const QStringList& paths, bool done) {
        batches << paths;
        finished = done;
        if (done) loop.quit();
    });
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    loop.exec();
    ASSERT_TRUE(finished);
    ASSERT_FALSE(batches.isEmpty());
    EXPECT_EQ(batches.first().value(0), kApps + "org.keepassxc.KeePassXC.desktop");
    EXPECT_EQ(batches.last(), (QStringList{kApps + "org.keepassxc.KeePassXC.desktop",
                                           fake.home() + "/Documents/keepass-export.csv"}));
}
