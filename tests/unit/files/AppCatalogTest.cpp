#include "files/AppCatalog.h"
#include "fakes/EventLoop.h"
#include "fakes/FakeAppBundleSource.h"

#include <QFileInfo>
#include <gtest/gtest.h>

// Predicates are designated initializers leaving members to their defaults, which GCC 12 warns about.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

using namespace zarvo;
using zarvo::fakes::FakeAppBundleSource;

namespace {

AppBundle app(const QString& location, const QString& name, std::optional<QString> generic,
              QStringList keywords, const QString& executable, std::optional<QString> icon = {},
              qint64 modified = 1000) {
    const QString id = QFileInfo(location).fileName();
    return {location,        id,      name, std::move(generic), std::move(keywords), executable,
            std::move(icon), modified};
}

MetadataPredicate names(const QStringList& patterns) {
    return {.namePatterns = patterns};
}

const QString kApps = "/usr/share/applications/";

QList<AppBundle> installed() {
    return {
        app(kApps + "org.keepassxc.KeePassXC.desktop", "KeePassXC", "Password Manager", {"password", "vault"},
            "keepassxc", "keepassxc"),
        app(kApps + "org.gnome.Nautilus.desktop", "Files", std::nullopt, {"folder"}, "nautilus", {}, 5000),
        app(kApps + "de.example.Rechner.desktop", "Taschenrechner Übung", "Rechner", {}, "rechner",
            "/opt/Übung/rechner.png")};
}

} // namespace

TEST(AppCatalog, MatchesEveryNameAPersonTypesWithFiltersAndScopes) {
    FakeAppBundleSource source;
    source.bundles = installed();
    // Not stored: a second entry at a location already taken, and one whose location holds a NUL.
    source.bundles << app(kApps + "org.gnome.Nautilus.desktop", "Twice", std::nullopt, {}, "twice")
                   << app(kApps + "nul" + QChar(0) + ".desktop", "Nul", std::nullopt, {}, QString());
    AppCatalog catalog(&source);
    catalog.reload();
    ASSERT_EQ(catalog.count(), 3);
    // Every field comes back as it went in, absent and empty ones told apart.
    for (const AppBundle& bundle : installed())
        EXPECT_EQ(catalog.bundle(bundle.location), bundle) << bundle.location.toStdString();
    EXPECT_FALSE(catalog.contains(kApps + "org.gnome"));
    const QString keepass = kApps + "org.keepassxc.KeePassXC.desktop";
    const QString files = kApps + "org.gnome.Nautilus.desktop";
    const QString rechner = kApps + "de.example.Rechner.desktop";

    // Name, generic name, keyword, program; each pattern may match a different name.
    EXPECT_EQ(catalog.match(names({"*keepass*"}), {}), QStringList{keepass});
    EXPECT_EQ(catalog.match(names({"*PASSWORD*"}), {}), QStringList{keepass});
    EXPECT_EQ(catalog.match(names({"*nautilus*"}), {}), QStringList{files});
    EXPECT_EQ(catalog.match(names({"*keepass*", "*vault*"}), {}), QStringList{keepass});
    EXPECT_TRUE(catalog.match(names({"*keepass*", "*folder*"}), {}).isEmpty());
    // Diacritics fold as file names do; subsequence patterns work on names too.
    EXPECT_EQ(catalog.match(names({"*ubung*"}), {}), QStringList{rechner});
    EXPECT_EQ(catalog.match(names({"*k*p*x*"}), {}), QStringList{keepass});

    // app: takes applications in, other kinds leave them out; dates and scopes apply.
    EXPECT_EQ(catalog.match({.contentTypes = {"com.apple.application-bundle"}}, {}).size(), 3);
    EXPECT_TRUE(catalog.match({.contentTypes = {"public.image"}}, {}).isEmpty());
    const MetadataPredicate recent{.changedSince = QDateTime::fromSecsSinceEpoch(4000), .matchAll = true};
    EXPECT_EQ(catalog.match(recent, {}), QStringList{files});
    EXPECT_TRUE(catalog.match(names({"*files*"}), {"/home/me/Downloads"}).isEmpty());
    EXPECT_EQ(catalog.match(names({"*files*"}), {"/usr/share"}), QStringList{files});
    EXPECT_TRUE(catalog.match(MetadataPredicate{}, {}).isEmpty());

    // The row: the localised name, the generic name or "Application", never a folder.
    const auto row = catalog.item(keepass, ResultItem::Source::spotlight);
    ASSERT_TRUE(row);
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
    EXPECT_TRUE(zarvo::testing::waitUntil([&] { return catalog.contains(kApps + "xterm.desktop"); }, 5000));
    EXPECT_FALSE(catalog.contains(kApps + "org.keepassxc.KeePassXC.desktop"));
    EXPECT_GE(changes, 2);

    AppCatalog none(nullptr);
    none.startLive();
    EXPECT_TRUE(none.waitReady(1000));
    EXPECT_EQ(none.count(), 0);
}
