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
using zarvo::testing::CliRun;
using zarvo::testing::runCommand;
using Cmd = int (*)(const QStringList&, QTextStream&, QTextStream&);

namespace {

struct Fixture {
    fakes::FakePlatform p;
    Fixture() { Settings::resetShared(); }
    ~Fixture() { Settings::resetShared(); }
    CliRun run(Cmd command, const QStringList& args) { return runCommand(command, args); }
    QVariantMap stored() const { return p.defaults.domains.value(fakes::kTestIdentifier); }
};

const Cmd settings = &cli::runSettingsCommand;
const Cmd history = &cli::runHistoryCommand;
const Cmd favorites = &cli::runFavoritesCommand;

} // namespace

TEST(StoreCommands, SettingsAreTypedAndWrittenThrough) {
    Fixture f;
    EXPECT_EQ(f.run(settings, {"get", "hotKeyLabel"}).out, "R\n");
    auto r = f.run(settings, {"set", "hotKeyCode", "40"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, "40\n");

    for (const char* bad : {"abc", "-1", "1.5", "4294967296", ""}) {
        r = f.run(settings, {"set", "hotKeyCode", bad});
        EXPECT_EQ(r.code, 1) << bad;
        EXPECT_TRUE(r.err.contains("needs an integer")) << r.err.toStdString();
    }
    EXPECT_EQ(Settings::shared().hotKeyCode(), 40u);
    EXPECT_EQ(f.run(settings, {"set", "clipRetentionDays", "0"}).code, 0);
    EXPECT_EQ(f.stored().value("clipRetentionDays").toLongLong(), 0);
    EXPECT_EQ(f.run(settings, {"set", "showHiddenFiles", "maybe"}).code, 1);
    EXPECT_EQ(f.run(settings, {"set", "showHiddenFiles", "yes"}).out, "true\n");
    EXPECT_EQ(f.run(settings, {"set", "clipIgnoredApps", "a.b, c.d"}).out, "[\"a.b\",\"c.d\"]\n");
    EXPECT_EQ(f.run(settings, {"set", "customShortcuts", R"([{"keyword":"w"}])"}).code, 1);
    r = f.run(settings, {"set", "customShortcuts", R"([{"keyword":"w","target":"https://w.org"}])"});
    EXPECT_EQ(r.code, 0);
    ASSERT_EQ(Settings::shared().customShortcuts().size(), 1);
    EXPECT_EQ(Settings::shared().customShortcuts()[0].target, "https://w.org");

    f.p.loginItems.failure = "denied";
    EXPECT_EQ(f.run(settings, {"set", "launchAtLogin", "true"}).code, 1);

    // Usage errors.
    for (const QStringList& args :
         {QStringList{}, {"get"}, {"get", "noSuchKey"}, {"set", "hotKeyCode"}, {"list", "--verbose"}})
        EXPECT_EQ(f.run(settings, args).code, 2) << args.join(' ').toStdString();

    const QJsonObject all =
        QJsonDocument::fromJson(f.run(settings, {"list", "--json"}).out.toUtf8()).object();
    EXPECT_EQ(all.value("hotKeyCode").toInteger(), 40);
    EXPECT_EQ(all.value("clipIgnoredApps").toArray().size(), 2);
    EXPECT_TRUE(all.contains("launchAtLogin"));
    EXPECT_EQ(all.size(), 17);
}

TEST(StoreCommands, HistoryAndFavorites) {
    Fixture f;
    EXPECT_EQ(f.run(history, {"add", "/a"}).code, 0);
    f.p.clock.advance(5);
    f.run(history, {"add", "/b"});
    f.run(history, {"add", "/b"});
    const QJsonArray list = QJsonDocument::fromJson(f.run(history, {"list", "--json"}).out.toUtf8()).array();
    ASSERT_EQ(list.size(), 2);
    EXPECT_EQ(list[0].toObject().value("key").toString(), "/b");
    EXPECT_EQ(list[0].toObject().value("count").toInteger(), 2);
    EXPECT_EQ(list[0].toObject().value("score").toDouble(), 200);
    EXPECT_TRUE(f.run(history, {"list"}).out.startsWith("/b\t2\t2026-03-14T15:09:31Z\t200\n"));
    f.run(history, {"remove", "/b"});
    EXPECT_EQ(History::shared().entries().size(), 1);
    f.run(history, {"clear"});
    EXPECT_TRUE(History::shared().entries().isEmpty());
    EXPECT_EQ(f.run(history, {"list", "extra"}).code, 2);
    EXPECT_EQ(f.run(history, {"add"}).code, 2);

    EXPECT_EQ(f.run(favorites, {"toggle", "/x"}).out, "starred /x\n");
    f.run(favorites, {"toggle", "/y"});
    EXPECT_EQ(f.run(favorites, {"list"}).out, "/x\n/y\n");
    EXPECT_EQ(f.run(favorites, {"toggle", "/x"}).out, "unstarred /x\n");
    EXPECT_EQ(QJsonDocument::fromJson(f.run(favorites, {"list", "--json"}).out.toUtf8()).array().size(), 1);
    EXPECT_EQ(f.run(favorites, {"toggle"}).code, 2);
    EXPECT_EQ(f.run(favorites, {"star", "/z"}).code, 2);

    // A damaged stored list: `list` says once, on standard error, what was read and where the rest lies.
    f.p.defaults.domains[fakes::kTestIdentifier] = {
        {"historyV2", QByteArray(R"([{"key":"/a","count":1,"lastOpened":0},{"key":"/b","count":"many")")},
        {"favorites", QVariantList{"/x", 5}}};
    for (bool first : {true, false}) {
        Settings::resetShared(); // as a new process
        const auto h = f.run(history, {"list"});
        EXPECT_TRUE(h.out.startsWith("/a\t1\t")) << h.out.toStdString();
        const auto s = f.run(favorites, {"list"});
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
