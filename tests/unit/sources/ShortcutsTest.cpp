#include "sources/Shortcuts.h"
#include "fakes/FakePlatform.h"
#include "fakes/Printers.h"
#include "sources/PathInput.h"
#include "store/Settings.h"

#include <QDir>
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
        fake.workspace.applications.insert(QStringLiteral("com.apple.systempreferences"),
                                           QStringLiteral("/apps/settings"));
        fake.workspace.applications.insert(QStringLiteral("com.apple.calculator"),
                                           QStringLiteral("/apps/calc"));
        fake.workspace.applications.insert(QStringLiteral("com.apple.keychainaccess"),
                                           QStringLiteral("/apps/keychain"));
        Settings::resetShared();
    }
    ~KeywordDesk() { Settings::resetShared(); }
    void setCustom(const QList<QPair<QString, QString>>& pairs) {
        QList<CustomShortcut> list;
        for (const auto& [keyword, target] : pairs)
            list << CustomShortcut{QUuid::createUuid(), keyword, target};
        Settings::shared().setCustomShortcuts(list);
    }
};

QStringList keywords(const QList<ResultItem>& rows) {
    QStringList out;
    for (const auto& row : rows)
        out << row.keyword.value_or(QStringLiteral("<none>"));
    return out;
}

} // namespace

TEST(Shortcuts, BuiltInTableShape) {
    FakePlatform fake;
    const auto table = Shortcuts::builtIn();
    ASSERT_EQ(table.size(), 67);
    // Sections in order: 16 folders, 16 applications, 25 settings panes, 10 system actions.
    EXPECT_EQ(table[0].keyword, QStringLiteral("home"));
    EXPECT_EQ(table[15].keyword, QStringLiteral("hosts"));
    EXPECT_EQ(table[16].keyword, QStringLiteral("cmd"));
    EXPECT_EQ(table[31].keyword, QStringLiteral("winword"));
    EXPECT_EQ(table[32].keyword, QStringLiteral("control"));
    EXPECT_EQ(table[56].keyword, QStringLiteral("winver"));
    EXPECT_EQ(table[57].keyword, QStringLiteral("lock"));
    EXPECT_EQ(table[66].keyword, QStringLiteral("ip"));

    QSet<QString> seen;
    for (const auto& s : table) {
        EXPECT_EQ(s.keyword, s.keyword.toLower());
        for (const auto& alias : s.aliases)
            EXPECT_EQ(alias, alias.toLower()) << alias.toStdString();
        EXPECT_FALSE(seen.contains(s.keyword)) << s.keyword.toStdString();
        seen.insert(s.keyword);
    }
    EXPECT_EQ(table[59].keyword, QStringLiteral("displaysleep"));
    EXPECT_EQ(table[64].keyword, QStringLiteral("emptytrash"));
    EXPECT_EQ(table[61].title, QStringLiteral("Restart\u2026"));
    EXPECT_EQ(table[33].title, QStringLiteral("Wi\u2011Fi"));
    EXPECT_EQ(table[26].target,
              Shortcut::Target(Shortcut::App{{"com.apple.Passwords", "com.apple.keychainaccess"}}));
    EXPECT_EQ(table[32].target, Shortcut::Target(Shortcut::SettingsPane{std::nullopt}));

    // Folder rows are this platform's places; the temporary folder has no trailing slash.
    EXPECT_EQ(table[3].target, Shortcut::Target(Shortcut::Path{fake.home() + "/Downloads"}));
    EXPECT_EQ(table[0].target, Shortcut::Target(Shortcut::Path{fake.home()}));
    fake.environment.temp = fake.root.path() + "/tmp/";
    const auto temp = std::get<Shortcut::Path>(Shortcuts::builtIn()[12].target).path;
    EXPECT_EQ(temp, fake.root.path() + "/tmp");
}

TEST(Shortcuts, MatchingBucketsAndCap) {
    KeywordDesk desk;
    // Lower-cased and trimmed: an exact alias match, listed first.
    auto rows = Shortcuts::matches(QStringLiteral(" DL "), Source::shortcut);
    ASSERT_FALSE(rows.isEmpty());
    EXPECT_EQ(rows.first().keyword, QStringLiteral("downloads"));
    EXPECT_EQ(rows.first().title, QStringLiteral("Downloads"));
    EXPECT_EQ(rows.first().subtitle, QStringLiteral("~/Downloads"));
    EXPECT_EQ(rows.first().url.toLocalFile(), desk.fake.home() + "/Downloads");
    EXPECT_EQ(rows.first().historyKey(), QStringLiteral("shortcut:downloads"));

    // Two letters: prefixes of keywords, aliases and titles, in table order; one letter: exact only.
    rows = Shortcuts::matches(QStringLiteral("do"), Source::shortcut);
    EXPECT_EQ(keywords(rows), (QStringList{"documents", "downloads"}));
    EXPECT_TRUE(Shortcuts::matches(QStringLiteral("d"), Source::shortcut).isEmpty());
    EXPECT_TRUE(Shortcuts::matches(QStringLiteral("  "), Source::shortcut).isEmpty());

    // The cap of 6 is applied before unresolved rows drop out.
    const QList<Shortcut> many = [] {
        QList<Shortcut> list;
        for (int i = 0; i < 8; ++i)
            list << Shortcut{
                QStringLiteral("zz%1").arg(i), {}, QStringLiteral("Z"), Shortcut::System{SystemAction::lock}};
        list[1].target = Shortcut::Path{QStringLiteral("/no/such/place")};
        return list;
    }();
    rows = Shortcuts::matches(QStringLiteral("zz"), Source::shortcut, many);
    EXPECT_EQ(keywords(rows), (QStringList{"zz0", "zz2", "zz3", "zz4", "zz5"}));

    // "?" lists every keyword whose target resolves, uncapped.
    rows = Shortcuts::matches(QStringLiteral("?"), Source::shortcut);
    EXPECT_GT(rows.size(), 6);
    EXPECT_TRUE(keywords(rows).contains(QStringLiteral("lock")));
    EXPECT_FALSE(keywords(rows).contains(QStringLiteral("excel")));
}

TEST(Shortcuts, FuzzyBucketOrdersByScore) {
    KeywordDesk desk;
    const QList<Shortcut> list = {
        {QStringLiteral("alpha"),
         {},
         QStringLiteral("xsxxnxxhxxxxxxxxxxxxxx"),
         Shortcut::System{SystemAction::lock}},
        {QStringLiteral("beta"), {}, QStringLiteral("Unrelated"), Shortcut::System{SystemAction::sleep}},
        {QStringLiteral("gamma"), {}, QStringLiteral("Sun Hat"), Shortcut::System{SystemAction::ip}},
        {QStringLiteral("delta"),
         {QStringLiteral("snhx")},
         QStringLiteral("D"),
         Shortcut::System{SystemAction::eject}},
    };
    // delta is a prefix match and leads; the fuzzy bucket follows, best score first, whatever the table
    // order.
    EXPECT_EQ(keywords(Shortcuts::matches(QStringLiteral("snh"), Source::shortcut, list)),
              (QStringList{"delta", "gamma", "alpha"}));
    // Two letters never reach the fuzzy bucket.
    EXPECT_EQ(keywords(Shortcuts::matches(QStringLiteral("sh"), Source::shortcut, list)), QStringList{});
}

TEST(Shortcuts, TargetsBecomeRows) {
    KeywordDesk desk;
    auto byKeyword = [](const char* keyword) {
        return Shortcuts::itemForKeyword(QString::fromUtf8(keyword), Source::shortcut);
    };

    // Settings pane: the pane URL, the settings app's icon; no settings app means no row.
    auto bluetooth = byKeyword("bluetooth");
    ASSERT_TRUE(bluetooth);
    EXPECT_EQ(bluetooth->url.toString(),
              QStringLiteral("x-apple.systempreferences:com.apple.BluetoothSettings"));
    EXPECT_EQ(bluetooth->subtitle, QStringLiteral("System Settings \u203A Bluetooth"));
    EXPECT_EQ(bluetooth->iconPath, QStringLiteral("/apps/settings"));
    EXPECT_FALSE(bluetooth->isDirectory);
    auto control = byKeyword("control");
    ASSERT_TRUE(control);
    EXPECT_EQ(control->url.toLocalFile(), QStringLiteral("/apps/settings"));
    EXPECT_EQ(control->subtitle, QStringLiteral("Application"));
    // Named by the application that opens, not the table.
    EXPECT_EQ(control->title, QStringLiteral("settings"));

    // Applications are tried in order: Keychain Access stands in for a missing Passwords app.
    EXPECT_EQ(byKeyword("passwords")->url.toLocalFile(), QStringLiteral("/apps/keychain"));
    desk.fake.workspace.applications.insert(QStringLiteral("com.apple.Passwords"),
                                            QStringLiteral("/apps/passwords"));
    EXPECT_EQ(byKeyword("passwords")->url.toLocalFile(), QStringLiteral("/apps/passwords"));

    // System actions.
    auto empty = byKeyword("emptytrash");
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->url.toString(), QStringLiteral("zarvo:action/emptyTrash"));
    EXPECT_EQ(empty->systemAction, SystemAction::emptyTrash);
    EXPECT_EQ(empty->subtitle, QStringLiteral("System action"));
    EXPECT_EQ(empty->symbol, SystemActions::symbol(SystemAction::emptyTrash));

    // Missing folders and applications give nothing; lookup is exact and case-sensitive.
    EXPECT_FALSE(byKeyword("trash"));
    EXPECT_FALSE(byKeyword("excel"));
    EXPECT_FALSE(byKeyword("Downloads"));
    EXPECT_FALSE(byKeyword("dl"));
    EXPECT_TRUE(byKeyword("downloads"));
    auto home = byKeyword("home");
    ASSERT_TRUE(home);
    EXPECT_EQ(home->subtitle, QStringLiteral("~"));
    EXPECT_TRUE(home->isDirectory);
}

TEST(Shortcuts, CustomKeywordsComeFirstAndHideBuiltIns) {
    KeywordDesk desk;
    const QString notes = desk.fake.makeDir(QStringLiteral("Notes"));
    desk.setCustom({{QStringLiteral("Notes"), QStringLiteral("~/Notes")},
                    {QStringLiteral("calculator"), QStringLiteral("https://calc.example.com")},
                    {QString(), QStringLiteral("~/x")},
                    {QStringLiteral("blank"), QString()}});

    const auto all = Shortcuts::all();
    ASSERT_EQ(all.size(), 67 - 1 + 2);
    EXPECT_EQ(all[0].keyword, QStringLiteral("notes"));
    EXPECT_EQ(all[0].title, QStringLiteral("Notes"));
    EXPECT_TRUE(all[0].aliases.isEmpty());
    EXPECT_EQ(all[1].keyword, QStringLiteral("calculator"));
    for (const auto& s : all)
        EXPECT_NE(s.keyword, QStringLiteral("calc"));

    auto rows = Shortcuts::matches(QStringLiteral("notes"), Source::shortcut);
    ASSERT_FALSE(rows.isEmpty());
    EXPECT_EQ(rows[0].title, QStringLiteral("Notes"));
    EXPECT_EQ(rows[0].keyword, QStringLiteral("notes"));
    EXPECT_EQ(rows[0].url.toLocalFile(), notes);
    EXPECT_EQ(rows[0].subtitle, QStringLiteral("Custom shortcut \u2192 ~/Notes"));

    // The alias "calc" is gone with its row; the custom web target takes its place.
    EXPECT_EQ(keywords(Shortcuts::matches(QStringLiteral("calc"), Source::shortcut)),
              QStringList{"calculator"});
    rows = Shortcuts::matches(QStringLiteral("calculator"), Source::shortcut);
    ASSERT_FALSE(rows.isEmpty());
    EXPECT_EQ(rows[0].url.toString(), QStringLiteral("https://calc.example.com"));
    EXPECT_FALSE(rows[0].isDirectory);
}

TEST(Shortcuts, CustomTargetsResolveInOrder) {
    KeywordDesk desk;
    desk.fake.makeDir(QStringLiteral("Applications/Editor.app/Contents"));
    desk.fake.workspace.applications.insert(QStringLiteral("org.example.Viewer"),
                                            QStringLiteral("/apps/viewer"));
    desk.setCustom({{QStringLiteral("site"), QStringLiteral("example.org/x")},
                    {QStringLiteral("chat"), QStringLiteral("slack://open")},
                    {QStringLiteral("drive"), QStringLiteral("c:")},
                    {QStringLiteral("dl2"), QStringLiteral("%USERPROFILE%\\Downloads")},
                    {QStringLiteral("ed"), QStringLiteral("Editor")},
                    {QStringLiteral("ed2"), QStringLiteral("Editor.app")},
                    {QStringLiteral("view"), QStringLiteral("org.example.Viewer")},
                    {QStringLiteral("gone"), QStringLiteral("~/Nothing Here")}});
    auto url = [](const char* keyword) {
        const auto row = Shortcuts::itemForKeyword(QString::fromUtf8(keyword), Source::shortcut);
        return row ? row->url.toString() : QStringLiteral("none");
    };
    const QString home = desk.fake.home();
    EXPECT_EQ(url("site"), QStringLiteral("https://example.org/x"));
    EXPECT_EQ(url("chat"), QStringLiteral("slack://open"));
    // A one-letter scheme is a drive, not a URL; nothing named c: exists, so no row.
    EXPECT_EQ(url("drive"), QStringLiteral("none"));
    EXPECT_EQ(url("dl2"), QUrl::fromLocalFile(home + "/Downloads").toString());
    EXPECT_EQ(url("ed"), QUrl::fromLocalFile(home + "/Applications/Editor.app").toString());
    EXPECT_EQ(url("ed2"), QUrl::fromLocalFile(home + "/Applications/Editor.app").toString());
    EXPECT_EQ(url("view"), QUrl::fromLocalFile(QStringLiteral("/apps/viewer")).toString());
    EXPECT_EQ(url("gone"), QStringLiteral("none"));
    // The drive keyword replaced the built-in icloud row (drive is one of its aliases).
    for (const auto& s : Shortcuts::all())
        EXPECT_NE(s.keyword, QStringLiteral("icloud"));
}
