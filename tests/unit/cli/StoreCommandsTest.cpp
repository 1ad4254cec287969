#include "cli/StoreCommands.h"
#include "CliRun.h"
#include "fakes/FakePlatform.h"
#include "store/History.h"
#include "store/Settings.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

using namespace zarvo;
using Cmd = int (*)(const QStringList&, QTextStream&, QTextStream&);

namespace {

struct Fixture {
    fakes::FakePlatform p;
    Fixture() { Settings::resetShared(); }
    ~Fixture() { Settings::resetShared(); }
};

const Cmd settings = &cli::runSettingsCommand;
const Cmd history = &cli::runHistoryCommand;
const Cmd favorites = &cli::runFavoritesCommand;
constexpr auto run = &zarvo::testing::runCommand;

} // namespace

TEST(StoreCommands, SettingsAreTypedAndWrittenThrough) {
    Fixture f;
    EXPECT_EQ(run(settings, {"get", "hotKeyLabel"}).out, "R\n");
    EXPECT_EQ(run(settings, {"set", "hotKeyCode", "40"}), (zarvo::testing::CliRun{0, "40\n", {}}));

    for (const char* bad : {"abc", "-1", "1.5", "4294967296", ""}) {
        const auto r = run(settings, {"set", "hotKeyCode", bad});
        EXPECT_EQ(r.code, 1) << bad;
        EXPECT_TRUE(r.err.contains("needs an integer")) << r.err.toStdString();
    }
    EXPECT_EQ(Settings::shared().hotKeyCode(), 40u);
    EXPECT_EQ(run(settings, {"set", "clipRetentionDays", "0"}).code, 0);
    EXPECT_EQ(f.p.defaults.domains.value(fakes::kTestIdentifier).value("clipRetentionDays").toLongLong(), 0);
    EXPECT_EQ(run(settings, {"set", "showHiddenFiles", "maybe"}).code, 1);
    EXPECT_EQ(run(settings, {"set", "showHiddenFiles", "yes"}).out, "true\n");
    EXPECT_EQ(run(settings, {"set", "clipIgnoredApps", "a.b, c.d"}).out, "[\"a.b\",\"c.d\"]\n");
    EXPECT_EQ(run(settings, {"set", "customShortcuts", R"([{"keyword":"w"}])"}).code, 1);
    EXPECT_EQ(run(settings, {"set", "customShortcuts", R"([{"keyword":"w","target":"https://w.org"}])"}).code,
              0);
    ASSERT_EQ(Settings::shared().customShortcuts().size(), 1);
    EXPECT_EQ(Settings::shared().customShortcuts()[0].target, "https://w.org");

    f.p.loginItems.failure = "denied";
    EXPECT_EQ(run(settings, {"set", "launchAtLogin", "true"}).code, 1);

    for (const QStringList& args :
         {QStringList{}, {"get"}, {"get", "noSuchKey"}, {"set", "hotKeyCode"}, {"list", "--verbose"}})
        EXPECT_EQ(run(settings, args).code, 2) << args.join(' ').toStdString();

    const QJsonObject all = QJsonDocument::fromJson(run(settings, {"list", "--json"}).out.toUtf8()).object();
    EXPECT_EQ(all.value("hotKeyCode").toInteger(), 40);
    EXPECT_EQ(all.value("clipIgnoredApps").toArray().size(), 2);
    EXPECT_TRUE(all.contains("launchAtLogin"));
    EXPECT_EQ(all.size(), 17);
}

TEST(StoreCommands, HistoryAndFavorites) {
    Fixture f;
    EXPECT_EQ(run(history, {"add", "/a"}).code, 0);
    f.p.clock.advance(5);
    run(history, {"add", "/b"});
    run(history, {"add", "/b"});
    const QJsonArray list = QJsonDocument::fromJson(run(history, {"list", "--json"}).out.toUtf8()).array();
    ASSERT_EQ(list.size(), 2);
    EXPECT_EQ(list[0].toObject().value("key").toString(), "/b");
    EXPECT_EQ(list[0].toObject().value("count").toInteger(), 2);
    EXPECT_EQ(list[0].toObject().value("score").toDouble(), 200);
    EXPECT_TRUE(run(history, {"list"}).out.startsWith("/b\t2\t2026-03-14T15:09:31Z\t200\n"));
    run(history, {"remove", "/b"});
    EXPECT_EQ(History::shared().entries().size(), 1);
    run(history, {"clear"});
    EXPECT_TRUE(History::shared().entries().isEmpty());
    EXPECT_EQ(run(history, {"list", "extra"}).code, 2);
    EXPECT_EQ(run(history, {"add"}).code, 2);

    EXPECT_EQ(run(favorites, {"toggle", "/x"}).out, "starred /x\n");
    run(favorites, {"toggle", "/y"});
    EXPECT_EQ(run(favorites, {"list"}).out, "/x\n/y\n");
    EXPECT_EQ(run(favorites, {"toggle", "/x"}).out, "unstarred /x\n");
    EXPECT_EQ(QJsonDocument::fromJson(run(favorites, {"list", "--json"}).out.toUtf8()).array().size(), 1);
    EXPECT_EQ(run(favorites, {"toggle"}).code, 2);
    EXPECT_EQ(run(favorites, {"star", "/z"}).code, 2);

    // A damaged stored list: `list` says once, on standard error, what was read and where the rest lies.
    f.p.defaults.domains[fakes::kTestIdentifier] = {
        {"historyV2", QByteArray(R"([{"key":"/a","count":1,"lastOpened":0},{"key":"/b","count":"many")")},
        {"favorites", QVariantList{"/x", 5}}};
    for (bool first : {true, false}) {
        Settings::resetShared(); // as a new process
        const auto h = run(history, {"list"});
        EXPECT_TRUE(h.out.startsWith("/a\t1\t")) << h.out.toStdString();
        const auto s = run(favorites, {"list"});
        EXPECT_EQ(s.out, "/x\n");
        if (first) {
            EXPECT_TRUE(h.err.startsWith("history: ") && h.err.contains("1 entry was read") &&
                        h.err.contains("“historyV2.unreadable-"))
                << h.err.toStdString();
            EXPECT_TRUE(s.err.contains("“favorites.unreadable-")) << s.err.toStdString();
        } else {
            EXPECT_TRUE(h.err.isEmpty() && s.err.isEmpty()) << h.err.toStdString() << s.err.toStdString();
        }
    }
}
