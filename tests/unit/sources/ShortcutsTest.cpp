#include "sources/Shortcuts.h"
#include "fakes/FakePlatform.h"
#include "fakes/Printers.h"
#include "store/Settings.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace zarvo;
using zarvo::fakes::FakePlatform;
using Source = ResultItem::Source;

namespace {

// A fake desktop with a handful of applications installed and the user's keywords set.
struct KeywordDesk {
    FakePlatform fake;
    KeywordDesk() {
        fake.workspace.applications.insert("com.apple.systempreferences", "/apps/settings");
        fake.workspace.applications.insert("com.apple.calculator", "/apps/calc");
        fake.workspace.applications.insert("com.apple.keychainaccess", "/apps/keychain");
    }
    QList<CustomShortcut> custom;
    void setCustom(const QList<QPair<QString, QString>>& pairs) {
        custom.clear();
        for (const auto& [keyword, target] : pairs)
            custom << CustomShortcut{QUuid::createUuid(), keyword, target};
    }
    QList<Shortcut> all() const { return Shortcuts::all(fake.platform, custom); }
    std::optional<ResultItem> row(const QString& keyword) const {
        return Shortcuts::itemForKeyword(fake.platform, keyword, Source::shortcut, all());
    }
};

QStringList keywords(const QList<ResultItem>& rows) {
    QStringList out;
    for (const auto& row : rows)
        out << row.keyword.value_or("<none>");
    return out;
}

} // namespace

TEST(Shortcuts, BuiltInTableShape) {
    FakePlatform fake;
    const auto table = Shortcuts::builtIn(fake.platform);
    ASSERT_EQ(table.size(), 67);
    QSet<QString> seen;
    for (const auto& s : table) {
        EXPECT_EQ(s.keyword, s.keyword.toLower());
        for (const auto& alias : s.aliases)
            EXPECT_EQ(alias, alias.toLower()) << alias.toStdString();
        EXPECT_FALSE(seen.contains(s.keyword)) << s.keyword.toStdString();
        seen.insert(s.keyword);
    }

    // The temporary folder has no trailing slash.
    fake.environment.temp = fake.root.path() + "/tmp/";
    const auto temp = std::get<Shortcut::Path>(Shortcuts::builtIn(fake.platform)[12].target).path;
    EXPECT_EQ(temp, fake.root.path() + "/tmp");
}

TEST(Shortcuts, MatchingBucketsAndCap) {
    KeywordDesk desk;
    // Lower-cased and trimmed: an exact alias match, listed first.
    auto rows = Shortcuts::matches(desk.fake.platform, " DL ", Source::shortcut, desk.all());
    ASSERT_FALSE(rows.isEmpty());
    EXPECT_EQ(rows.first().keyword, "downloads");
    EXPECT_EQ(rows.first().url.toLocalFile(), desk.fake.home() + "/Downloads");
    EXPECT_EQ(rows.first().historyKey(), "shortcut:downloads");

    // Two letters: prefixes of keywords, aliases and titles, in table order; one letter: exact only.
    rows = Shortcuts::matches(desk.fake.platform, "do", Source::shortcut, desk.all());
    EXPECT_EQ(keywords(rows), (QStringList{"documents", "downloads"}));
    EXPECT_TRUE(Shortcuts::matches(desk.fake.platform, "d", Source::shortcut, desk.all()).isEmpty());
    EXPECT_TRUE(Shortcuts::matches(desk.fake.platform, "  ", Source::shortcut, desk.all()).isEmpty());

    // The cap of 6 is applied before unresolved rows drop out.
    QList<Shortcut> many;
    for (int i = 0; i < 8; ++i)
        many << Shortcut{QStringLiteral("zz%1").arg(i), {}, "Z", Shortcut::System{SystemAction::lock}};
    many[1].target = Shortcut::Path{"/no/such/place"};
    rows = Shortcuts::matches(desk.fake.platform, "zz", Source::shortcut, many);
    EXPECT_EQ(keywords(rows), (QStringList{"zz0", "zz2", "zz3", "zz4", "zz5"}));

    const QList<Shortcut> list = {
        {"alpha", {}, "xsxxnxxhxxxxxxxxxxxxxx", Shortcut::System{SystemAction::lock}},
        {"beta", {}, "Unrelated", Shortcut::System{SystemAction::sleep}},
        {"gamma", {}, "Sun Hat", Shortcut::System{SystemAction::ip}},
        {"delta", {"snhx"}, "D", Shortcut::System{SystemAction::eject}},
    };
    // delta is a prefix match and leads; the fuzzy bucket follows, best score first, whatever the order.
    EXPECT_EQ(keywords(Shortcuts::matches(desk.fake.platform, "snh", Source::shortcut, list)),
              (QStringList{"delta", "gamma", "alpha"}));
    // Two letters never reach the fuzzy bucket.
    EXPECT_EQ(keywords(Shortcuts::matches(desk.fake.platform, "sh", Source::shortcut, list)), QStringList{});

    // "?" lists every keyword whose target resolves, uncapped.
    rows = Shortcuts::matches(desk.fake.platform, "?", Source::shortcut, desk.all());
    EXPECT_GT(rows.size(), 6);
    EXPECT_TRUE(keywords(rows).contains("lock"));
    EXPECT_FALSE(keywords(rows).contains("excel"));
}

TEST(Shortcuts, TargetsBecomeRows) {
    KeywordDesk desk;
    // Settings pane: the pane URL, the settings app's icon; the settings app itself, named by itself.
    auto bluetooth = desk.row("bluetooth");
    ASSERT_TRUE(bluetooth);
    EXPECT_EQ(bluetooth->url.toString(), "x-apple.systempreferences:com.apple.BluetoothSettings");
    EXPECT_EQ(bluetooth->subtitle, "System Settings \u203A Bluetooth");
    EXPECT_EQ(bluetooth->iconPath, "/apps/settings");
    auto control = desk.row("control");
    ASSERT_TRUE(control);
    EXPECT_EQ(control->url.toLocalFile(), "/apps/settings");
    EXPECT_EQ(control->subtitle, "Application");
    EXPECT_EQ(control->title, "settings");

    // Applications are tried in order: Keychain Access stands in for a missing Passwords app.
    EXPECT_EQ(desk.row("passwords")->url.toLocalFile(), "/apps/keychain");
    desk.fake.workspace.applications.insert("com.apple.Passwords", "/apps/passwords");
    EXPECT_EQ(desk.row("passwords")->url.toLocalFile(), "/apps/passwords");

    auto empty = desk.row("emptytrash");
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->url.toString(), "zarvo:action/emptyTrash");
    EXPECT_EQ(empty->systemAction, SystemAction::emptyTrash);
    EXPECT_EQ(empty->subtitle, "System action");

    // Missing folders and applications give nothing; lookup is exact and case-sensitive.
    for (const char* keyword : {"trash", "excel", "Downloads", "dl"})
        EXPECT_FALSE(desk.row(keyword)) << keyword;
    auto home = desk.row("home");
    ASSERT_TRUE(home);
    EXPECT_EQ(home->subtitle, "~");
    EXPECT_TRUE(home->isDirectory);
}

TEST(Shortcuts, CustomKeywordsComeFirstAndHideBuiltIns) {
    KeywordDesk desk;
    const QString notes = desk.fake.makeDir("Notes");
    desk.setCustom({{"Notes", "~/Notes"},
                    {"calculator", "https://calc.example.com"},
                    {QString(), "~/x"},
                    {"blank", QString()}});

    const auto all = desk.all();
    ASSERT_EQ(all.size(), 67 - 1 + 2);
    EXPECT_EQ(all[0].keyword, "notes");
    EXPECT_EQ(all[0].title, "Notes");
    EXPECT_TRUE(all[0].aliases.isEmpty());
    EXPECT_EQ(all[1].keyword, "calculator");

    auto rows = Shortcuts::matches(desk.fake.platform, "notes", Source::shortcut, desk.all());
    ASSERT_FALSE(rows.isEmpty());
    EXPECT_EQ(rows[0].url.toLocalFile(), notes);
    EXPECT_EQ(rows[0].subtitle, "Custom shortcut \u2192 ~/Notes");

    // The built-in calc row, whose alias the custom keyword took, is gone.
    EXPECT_EQ(keywords(Shortcuts::matches(desk.fake.platform, "calc", Source::shortcut, desk.all())),
              QStringList{"calculator"});
}

TEST(Shortcuts, CustomTargetsResolveInOrder) {
    KeywordDesk desk;
    desk.fake.makeDir("Applications/Editor.app/Contents");
    desk.fake.workspace.applications.insert("org.example.Viewer", "/apps/viewer");
    desk.setCustom({{"site", "example.org/x"},
                    {"chat", "slack://open"},
                    {"drive", "c:"},
                    {"ed", "Editor"},
                    {"ed2", "Editor.app"},
                    {"view", "org.example.Viewer"},
                    {"gone", "~/Nothing Here"}});
    const auto url = [&](const char* k) {
        return desk.row(k) ? desk.row(k)->url.toString() : QString("none");
    };
    const QString home = desk.fake.home();
    EXPECT_EQ(url("site"), "https://example.org/x");
    EXPECT_EQ(url("chat"), "slack://open");
    // A one-letter scheme is a drive, not a URL; nothing named c: exists, so no row.
    EXPECT_EQ(url("drive"), "none");
    EXPECT_EQ(url("ed"), QUrl::fromLocalFile(home + "/Applications/Editor.app").toString());
    EXPECT_EQ(url("ed2"), QUrl::fromLocalFile(home + "/Applications/Editor.app").toString());
    EXPECT_EQ(url("view"), QUrl::fromLocalFile("/apps/viewer").toString());
    EXPECT_EQ(url("gone"), "none");
    // The drive keyword replaced the built-in icloud row (drive is one of its aliases).
    for (const auto& s : desk.all())
        EXPECT_NE(s.keyword, "icloud");
}
