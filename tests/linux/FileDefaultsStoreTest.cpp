#include "platform/linux/FileDefaultsStore.h"
#include "LinuxSandbox.h"

#include <gtest/gtest.h>
#include <limits>

using namespace zarvo;
using linux_::FileDefaultsStore;
using namespace zarvo::linuxtest;

namespace {

QStringList corruptCopies(const QString& dir) {
    return QDir(dir).entryList({"*.corrupt-*"}, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
}

// What the one copy set aside in `dir` holds; the names of the copies when there is not exactly one.
QByteArray setAside(const QString& dir) {
    const QStringList copies = corruptCopies(dir);
    return copies.size() == 1 ? readFile(dir + '/' + copies[0]) : "copies: " + copies.join(' ').toUtf8();
}

// A domain as the application stores it (lists as data holding JSON), and a value of every other type.
QVariantMap storedDomain() {
    QByteArray binary;
    for (int i = 0; i < 256; ++i)
        binary.append(char(i));
    return {
        {"clipRetentionDays", 30},
        {"historyV2", QByteArray(R"([{"key":"app:firefox","count":3,"lastOpened":"2026-03-14T15:09:26Z"}])")},
        {"hotKeyCode", 4294967295u},
        {"hotKeyLabel", QString::fromUtf8("Grüße “quoted” }{ … 🙂")},
        {"keepClipboardHistory", true},
        {"launchedAt", QDateTime(QDate(2026, 3, 14), QTime(15, 9, 26, 123), Qt::UTC)},
        {"panelScale", 0.1},
        {"frames", QVariantMap{{"main", QVariantMap{{"x", 10}, {"label", "a"}}}, {"prefs", 2}}},
        {"big", std::numeric_limits<qint64>::max()},
        {"negative", std::numeric_limits<qint64>::min()},
        {"wholeReal", 3.0},
        {"inf", std::numeric_limits<double>::infinity()},
        {"empty", QString()},
        {"data", binary},
        {"list", QVariantList{1, "two", QByteArray("3"), QVariantList{}}},
    };
}

} // namespace

TEST(FileDefaultsStore, EveryValueTypeRoundTripsThroughAPrivateFile) {
    QTemporaryDir tmp;
    const QString dir = tmp.path() + "/config/zarvo";
    FileDefaultsStore store(dir);
    QVariantMap values = storedDomain();
    values.insert("strings", QStringList{"a", "b"});
    EXPECT_TRUE(store.save("com.example.app", values));
    EXPECT_EQ(lstatOf(dir + "/com.example.app.json").st_mode & 0777, 0600u);
    // Nothing but the file itself is left behind by the atomic write.
    EXPECT_EQ(QDir(dir).entryList(QDir::Files), QStringList{"com.example.app.json"});

    FileDefaultsStore reader(dir);
    const QVariantMap back = reader.load("com.example.app");
    ASSERT_EQ(back.keys(), values.keys());
    for (auto it = values.constBegin(); it != values.constEnd(); ++it) {
        if (it.key() == "strings") continue; // a list of strings, compared as such below
        EXPECT_EQ(back[it.key()], it.value()) << it.key().toStdString();
    }
    EXPECT_EQ(back["strings"].toStringList(), (QStringList{"a", "b"}));
    // Integers come back 64-bit, a whole real stays a real, and bytes stay bytes, in a list too.
    const QList<QPair<QString, int>> types{{"keepClipboardHistory", QMetaType::Bool},
                                           {"clipRetentionDays", QMetaType::LongLong},
                                           {"panelScale", QMetaType::Double},
                                           {"wholeReal", QMetaType::Double},
                                           {"empty", QMetaType::QString},
                                           {"data", QMetaType::QByteArray}};
    for (const auto& [key, type] : types)
        EXPECT_EQ(back[key].typeId(), type) << key.toStdString();
    EXPECT_EQ(back["list"].toList()[2].typeId(), QMetaType::QByteArray);

    // An absent domain is empty, and loading it creates nothing.
    EXPECT_TRUE(reader.load("com.example.none").isEmpty());
    EXPECT_FALSE(QFileInfo::exists(dir + "/com.example.none.json"));
}

TEST(FileDefaultsStore, ADamagedFileIsSetAsideAndReadsEmpty) {
    QTemporaryDir tmp;
    const QString dir = tmp.path();
    const QString file = dir + "/app.json";
    for (const QByteArray& junk : {QByteArray("{\"format\":\"zarvo-defaults\",\"version\":1,\"values\":{"),
                                   QByteArray("\x00\xff\xfe garbage", 12), QByteArray("[]"),
                                   QByteArray(R"({"format":"zarvo-defaults","version":99,"values":{}})"),
                                   QByteArray(R"({"values":{"a":{"type":"bool","value":true}}})")}) {
        QDir(dir).removeRecursively();
        writeFile(file, junk);
        FileDefaultsStore store(dir);
        EXPECT_TRUE(store.load("app").isEmpty());
        EXPECT_FALSE(QFileInfo::exists(file));
        EXPECT_TRUE(corruptCopies(dir).value(0).startsWith("app.json.corrupt-"));
        EXPECT_EQ(setAside(dir), junk);
        // The next save writes a fresh file; the damaged one stays for the user.
        EXPECT_TRUE(store.save("app", {{"k", 1}}));
        EXPECT_EQ(FileDefaultsStore(dir).load("app").value("k").toInt(), 1);
        EXPECT_EQ(corruptCopies(dir).size(), 1);
    }

    // Saving without loading first still sets a damaged file aside instead of replacing it.
    QDir(dir).removeRecursively();
    writeFile(file, "not json");
    FileDefaultsStore fresh(dir);
    EXPECT_TRUE(fresh.save("app", {{"k", 2}}));
    EXPECT_EQ(setAside(dir), "not json");

    // Something that cannot be read as a file at all (here a folder) is moved aside the same way.
    QDir(dir).removeRecursively();
    QDir().mkpath(file);
    FileDefaultsStore folder(dir);
    EXPECT_TRUE(folder.load("app").isEmpty());
    EXPECT_TRUE(folder.save("app", {{"k", 3}}));
    EXPECT_TRUE(QFileInfo(file).isFile());
    EXPECT_EQ(corruptCopies(dir).size(), 1);
}

TEST(FileDefaultsStore, BadValuesAreSkippedAndKeptInACopy) {
    QTemporaryDir tmp;
    const QString file = tmp.path() + "/app.json";
    const QByteArray text = R"({"format":"zarvo-defaults","version":1,"values":{
        "good":{"type":"string","value":"yes"},
        "fraction":{"type":"integer","value":1.5},
        "huge":{"type":"integer","value":1e30},
        "base64":{"type":"data","value":"@@@"},
        "when":{"type":"date","value":"yesterday"},
        "mystery":{"type":"colour","value":"red"},
        "plain":5,
        "list":{"type":"array","value":[{"type":"bool","value":"no"}]},
        "ok":{"type":"array","value":[{"type":"integer","value":7}]}}})";
    writeFile(file, text);
    FileDefaultsStore store(tmp.path());
    const QVariantMap values = store.load("app");
    EXPECT_EQ(values.keys(), (QStringList{"good", "ok"}));
    EXPECT_EQ(values["ok"], QVariantList{qint64(7)});
    EXPECT_EQ(setAside(tmp.path()), text);
    EXPECT_TRUE(QFileInfo::exists(file));
}

TEST(FileDefaultsStore, DomainNamesAreNeverPaths) {
    QTemporaryDir tmp;
    FileDefaultsStore store(tmp.path() + "/d");
    for (const char* bad : {"", "../escape", "a/b", ".hidden", "x y", "..", "a\\b"}) {
        EXPECT_TRUE(store.filePath(bad).isEmpty()) << bad;
        EXPECT_FALSE(store.save(bad, {{"k", 1}})) << bad;
        EXPECT_TRUE(store.load(bad).isEmpty()) << bad;
    }
    EXPECT_FALSE(QFileInfo::exists(tmp.path() + "/escape.json"));
    EXPECT_EQ(store.filePath("com.velorin.zarvo"), tmp.path() + "/d/com.velorin.zarvo.json");
    fakes::FakeEnvironment env;
    env.config = "/home/u/.config";
    EXPECT_EQ(FileDefaultsStore::defaultDirectory(env), "/home/u/.config/zarvo");
}

namespace {

// Where each key's member ends in the indented text (its tagged object closes at the members' indentation).
QMap<QString, qsizetype> memberEnds(const QByteArray& text, const QVariantMap& values) {
    QMap<QString, qsizetype> ends;
    for (const QString& key : values.keys()) {
        const qsizetype start = text.indexOf("\n        \"" + key.toUtf8() + "\": {");
        const qsizetype close = text.indexOf("\n        }", start);
        if (start >= 0 && close >= 0) ends.insert(key, close + 10);
    }
    return ends;
}

} // namespace

TEST(FileDefaultsStore, ADamagedFileKeepsEveryValueThatStillReads) {
    const QVariantMap stored = storedDomain();
    const QByteArray text = FileDefaultsStore::encode(stored);
    const QMap<QString, qsizetype> ends = memberEnds(text, stored);
    ASSERT_EQ(ends.size(), stored.size());

    // Cut short anywhere: each complete value is served and written back, the original kept aside as it was.
    QList<qsizetype> cuts;
    for (qsizetype cut = 1; cut < text.size(); cut += 23)
        cuts << cut;
    for (qsizetype end : ends)
        cuts << end << end - 1;
    cuts << text.size() - 2; // the closing brace gone
    int salvaged = 0;
    for (const qsizetype cut : cuts) {
        QTemporaryDir tmp;
        const QString file = tmp.path() + "/app.json";
        const QByteArray damaged = text.left(cut);
        writeFile(file, damaged);
        FileDefaultsStore store(tmp.path());
        const QVariantMap values = store.load("app");
        for (auto it = ends.constBegin(); it != ends.constEnd(); ++it)
            EXPECT_TRUE(it.value() > cut || values.contains(it.key()))
                << cut << " " << it.key().toStdString();
        for (auto it = values.constBegin(); it != values.constEnd(); ++it)
            EXPECT_EQ(it.value(), stored.value(it.key())) << cut << " " << it.key().toStdString();
        EXPECT_EQ(setAside(tmp.path()), damaged) << cut;
        if (values.isEmpty()) continue; // nothing readable: set aside whole, as before
        ++salvaged;
        // Opened again before any change: the same copy serves, no second one is made.
        EXPECT_EQ(FileDefaultsStore(tmp.path()).load("app"), values) << cut;
        QVariantMap changed = values;
        changed.insert("changed", 1);
        ASSERT_TRUE(store.save("app", changed));
        EXPECT_EQ(FileDefaultsStore(tmp.path()).load("app"), changed) << cut;
        EXPECT_EQ(setAside(tmp.path()), damaged) << cut;
    }
    EXPECT_GT(salvaged, 10);

    // A broken quote in a dictionary, data not base64, an unknown type and the end cut off: each costs its
    // own value only, and no inner member of the dictionary surfaces as a value of its own.
    QByteArray broken = text;
    const qsizetype quote = broken.indexOf("\"a\"", broken.indexOf("\"frames\""));
    ASSERT_GT(quote, 0);
    broken.remove(quote + 2, 1);
    const QByteArray history = QByteArray(stored["historyV2"].toByteArray()).toBase64();
    ASSERT_TRUE(broken.contains(history));
    broken.replace(history, "@@not base64@@");
    broken.replace(
        "\n        \"hotKeyCode\"",
        "\n        \"future\": {\n            \"type\": \"colour\",\n            \"value\": \"red\"\n"
        "        },\n        \"hotKeyCode\"");
    broken.chop(3);
    QTemporaryDir tmp;
    writeFile(tmp.path() + "/app.json", broken);
    FileDefaultsStore store(tmp.path());
    QVariantMap expected = stored;
    expected.remove("frames");
    expected.remove("historyV2");
    EXPECT_EQ(store.load("app"), expected);
    expected.insert("changed", "yes");
    ASSERT_TRUE(store.save("app", expected));
    EXPECT_EQ(FileDefaultsStore(tmp.path()).load("app"), expected);
    EXPECT_EQ(setAside(tmp.path()), broken);
}
