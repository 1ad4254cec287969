#include "store/History.h"
#include "fakes/FakePlatform.h"
#include "fakes/JsonEdits.h"
#include "fakes/Printers.h"
#include "store/UserDefaults.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

using namespace zarvo;
using zarvo::testing::withMember;

namespace {

const QString kDomain = QString::fromLatin1(fakes::kTestIdentifier);

struct Fixture {
    fakes::FakePlatform p;
    UserDefaults defaults{p.defaults, kDomain};

    QStringList keys(const QList<History::Entry>& entries) const {
        QStringList out;
        for (const auto& e : entries)
            out << e.key;
        return out;
    }
    QByteArray storedData() const {
        return p.defaults.domains.value(kDomain).value("historyV2").toByteArray();
    }
};

} // namespace

TEST(History, AddingCountsMovesToFrontAndKeepsTheLimit) {
    Fixture f;
    History h(f.defaults, f.p.clock);
    int spy = 0;
    QObject::connect(&h, &History::entriesChanged, [&] { ++spy; });
    h.add("/a");
    f.p.clock.advance(10);
    h.add("/b");
    f.p.clock.advance(10);
    h.add("/a");
    h.add("/a");
    ASSERT_EQ(h.entries().size(), 2);
    EXPECT_EQ(h.entries()[0], (History::Entry{"/a", 3, f.p.clock.current}));
    EXPECT_EQ(h.entries()[1].key, "/b");
    EXPECT_EQ(spy, 4);
    EXPECT_EQ(f.p.defaults.saves, 4);

    History fresh(f.defaults, f.p.clock);
    EXPECT_EQ(fresh.entries(), h.entries());

    for (int i = 0; i < 299; ++i) {
        f.p.clock.advance(1);
        h.add(QString("/k%1").arg(i));
    }
    // The 301st distinct key drops the least recently opened one, /b, then /a.
    ASSERT_EQ(h.entries().size(), 300);
    EXPECT_EQ(h.entries().last().key, "/a");
    EXPECT_FALSE(f.keys(h.entries()).contains("/b"));
    h.add("/k-last");
    ASSERT_EQ(h.entries().size(), 300);
    EXPECT_EQ(h.entries().first().key, "/k-last");
    EXPECT_EQ(h.entries().last().key, "/k0");
}

TEST(History, RemoveAndReplace) {
    Fixture f;
    History h(f.defaults, f.p.clock);
    h.setEntries({{"/a", 5, f.p.clock.current.addDays(-1)},
                  {"/b", 2, f.p.clock.current.addDays(-2)},
                  {"/a", 1, f.p.clock.current.addDays(-3)},
                  {"/c", 7, f.p.clock.current.addDays(-4)}});
    h.remove("/a");
    EXPECT_EQ(f.keys(h.entries()), (QStringList{"/b", "/c"}));
    const int saves = f.p.defaults.saves;
    h.remove("/missing");
    EXPECT_EQ(f.p.defaults.saves, saves + 1); // saved even when nothing went

    h.replace("/nowhere", "/x");
    EXPECT_EQ(f.p.defaults.saves, saves + 1); // nothing remembered: nothing written
    EXPECT_EQ(f.keys(h.entries()), (QStringList{"/b", "/c"}));

    // /c onto the remembered /b: one entry, /c's count and date, at /c's old place (past the end: last).
    const auto movedDate = h.entries()[1].lastOpened;
    h.replace("/c", "/b");
    ASSERT_EQ(h.entries().size(), 1);
    EXPECT_EQ(h.entries()[0], (History::Entry{"/b", 7, movedDate}));

    h.setEntries({{"/a", 1, movedDate}, {"/b", 2, movedDate}, {"/c", 3, movedDate}, {"/d", 4, movedDate}});
    // /c leaves index 2, /a gives way, and the list is then too short: /c (now /a) goes last.
    h.replace("/c", "/a");
    EXPECT_EQ(f.keys(h.entries()), (QStringList{"/b", "/d", "/a"}));
    EXPECT_EQ(h.entries()[2].count, 3);
    h.replace("/b", "/renamed");
    EXPECT_EQ(f.keys(*History::decode(f.storedData())), (QStringList{"/renamed", "/d", "/a"}));
}

TEST(History, FrecencyOverTime) {
    Fixture f;
    History h(f.defaults, f.p.clock);
    const QDateTime now = f.p.clock.current;
    const auto at = [&](double secondsAgo) { return now.addMSecs(qint64(-secondsAgo * 1000)); };
    h.setEntries({{"/once", 1, at(2 * 3600)}, {"/often", 4, at(5 * 86400)}, {"/twice", 2, at(600)}});
    EXPECT_EQ(f.keys(h.byFrecency()), (QStringList{"/twice", "/often", "/once"}));

    // Each weight band, at its edges.
    const std::pair<double, double> bands[] = {
        {-3600, 100}, {0, 100},     {14399.9, 100}, {14400, 80},     {86399, 80},   {86400, 60}, {259199, 60},
        {259200, 40}, {604799, 40}, {604800, 20},   {2591999.9, 20}, {2592000, 10}, {1e9, 10},
    };
    for (const auto& [age, weight] : bands)
        EXPECT_DOUBLE_EQ(History::score({"/x", 3, at(age)}, now), weight * 3) << age;

    // Time passing reorders: a month later everything weighs 10 and counts decide.
    f.p.clock.advance(40 * 86400);
    EXPECT_EQ(f.keys(h.byFrecency()), (QStringList{"/often", "/twice", "/once"}));

    // Equal scores keep the stored order; a duplicate key keeps its higher score in the table.
    h.setEntries({{"/p", 1, at(10)}, {"/q", 1, at(20)}, {"/r", 1, at(30)}, {"/p", 5, at(10)}});
    f.p.clock.current = now;
    EXPECT_EQ(f.keys(h.byFrecency()), (QStringList{"/p", "/p", "/q", "/r"}));
    EXPECT_EQ(h.byFrecency()[0].count, 5);
    EXPECT_DOUBLE_EQ(h.frecencyTable().value("/p"), 500);
}

TEST(History, StorageFormatAndDecodingFailures) {
    Fixture f;
    // 2001-01-01 plus 1.5 s, and a date before the reference.
    const QDateTime ref(QDate(2001, 1, 1), QTime(0, 0, 1, 500), Qt::UTC);
    const QByteArray data =
        History::encode({{"/a", 2, ref}, {"run:ls", 1, QDateTime(QDate(1999, 1, 1), QTime(), Qt::UTC)}});
    const QJsonArray array = QJsonDocument::fromJson(data).array();
    ASSERT_EQ(array.size(), 2);
    EXPECT_EQ(array[0].toObject().value("key").toString(), "/a");
    EXPECT_EQ(array[0].toObject().value("count").toInteger(), 2);
    EXPECT_DOUBLE_EQ(array[0].toObject().value("lastOpened").toDouble(), 1.5);
    EXPECT_LT(array[1].toObject().value("lastOpened").toDouble(), 0);
    EXPECT_EQ(History::decode(data)->at(1).lastOpened, QDateTime(QDate(1999, 1, 1), QTime(), Qt::UTC));

    // Integral doubles are counts; a count below one is raised to one.
    auto ok = History::decode(
        R"([{"key":"k","count":3.0,"lastOpened":0},{"key":"z","count":-4,"lastOpened":1e300}])");
    ASSERT_TRUE(ok.has_value());
    EXPECT_EQ(ok->at(0).count, 3);
    EXPECT_EQ(ok->at(1).count, 1);
    EXPECT_TRUE(ok->at(1).lastOpened.isValid()); // an absurd date is clamped, not overflowed

    for (const char* bad :
         {R"([{"key":"k","count":1}])", R"([{"key":"k","count":1.5,"lastOpened":0}])",
          R"([{"key":1,"count":1,"lastOpened":0}])", R"([{"key":"k","count":"1","lastOpened":0}])",
          R"([{"key":"k","count":1,"lastOpened":"2020-01-01"}])", R"({"key":"k"})", "[1]", "", "garbage",
          R"([{"key":"k","count":1e30,"lastOpened":0}])"})
        EXPECT_FALSE(History::decode(bad).has_value()) << bad;
}

TEST(History, LoadingFallsBackToTheFirstVersionsList) {
    Fixture f;
    f.p.defaults.domains[kDomain] = {{"history", QStringList{"/one", "/two", "/three"}}};
    {
        UserDefaults d(f.p.defaults, kDomain);
        History h(d, f.p.clock);
        const QDateTime now = f.p.clock.current;
        EXPECT_EQ(h.entries(),
                  (QList<History::Entry>{
                      {"/one", 1, now}, {"/two", 1, now.addSecs(-60)}, {"/three", 1, now.addSecs(-120)}}));
        EXPECT_EQ(f.p.defaults.saves, 0); // nothing written back until a change
    }
    // An undecodable historyV2 also falls back; the old list is never removed or rewritten.
    f.p.defaults.domains[kDomain].insert("historyV2", QByteArray("[{\"key\":\"x\"}]"));
    {
        UserDefaults d(f.p.defaults, kDomain);
        History h(d, f.p.clock);
        EXPECT_EQ(f.keys(h.entries()), (QStringList{"/one", "/two", "/three"}));
        h.add("/four");
        EXPECT_EQ(f.p.defaults.domains[kDomain].value("history").toStringList().size(), 3);
        EXPECT_EQ(f.keys(*History::decode(f.storedData())), (QStringList{"/four", "/one", "/two", "/three"}));
    }
    // A historyV2 of the wrong type, and an old list that is no string list: empty.
    f.p.defaults.domains[kDomain] = {{"historyV2", "text"}, {"history", QVariantList{1, 2}}};
    UserDefaults d(f.p.defaults, kDomain);
    History h(d, f.p.clock);
    EXPECT_TRUE(h.entries().isEmpty());
    h.clear();
    EXPECT_EQ(f.storedData(), "[]");
}

TEST(History, DamagedStoredListKeepsEveryReadableEntryAndItsOriginalOnce) {
    Fixture f;
    const QDateTime t = f.p.clock.current;
    const QList<History::Entry> stored = {{"/a", 3, t.addSecs(-10)},
                                          {"/b", 1, t.addSecs(-20)},
                                          {"run:ls", 2, t.addSecs(-30)},
                                          {"https://example.org/", 1, t.addSecs(-40)}};
    const QByteArray data = History::encode(stored);
    const QJsonArray array = QJsonDocument::fromJson(data).array();
    QJsonArray withUnknown = array;
    withUnknown.insert(1, QJsonObject{{"folder", "/x"}, {"kind", "workspace"}});
    withUnknown.insert(3, 7);

    const QList<std::pair<QByteArray, QList<int>>> cases = {
        {data.left(data.size() - 1), {0, 1, 2, 3}},
        {data.left(4), {}},
        {withMember(array, 1, "count", "many"), {0, 2, 3}},
        {QJsonDocument(withUnknown).toJson(QJsonDocument::Compact), {0, 1, 2, 3}},
        {withMember(array, 0, "openedFrom", QJsonObject{{"panel", true}}),
         {0, 1, 2, 3}}, // a newer version's member
    };
    for (const auto& [bytes, readable] : cases) {
        const bool whole = History::decode(bytes).has_value();
        f.p.defaults.domains[kDomain] = {{"historyV2", bytes}};
        QStringList expected;
        for (int i : readable)
            expected << stored[i].key;
        {
            UserDefaults d(f.p.defaults, kDomain);
            History h(d, f.p.clock);
            EXPECT_EQ(f.keys(h.entries()), expected) << bytes.constData();
            if (!readable.isEmpty()) {
                EXPECT_EQ(h.entries().first(), stored[readable.first()]);
            }
            ASSERT_EQ(h.keptAside().has_value(), !whole) << bytes.constData();
            if (!whole) {
                EXPECT_TRUE(h.keptAside()->madeNow);
                EXPECT_EQ(h.keptAside()->entriesRead, readable.size());
                EXPECT_TRUE(h.keptAside()->key.startsWith("historyV2.unreadable-"));
            }
            h.add("/new");
        }
        UserDefaults d(f.p.defaults, kDomain);
        History h(d, f.p.clock);
        EXPECT_EQ(f.keys(h.entries()), QStringList{"/new"} + expected) << bytes.constData();
        EXPECT_FALSE(h.keptAside().has_value()); // what was written back reads whole
        const QStringList asides = d.storedValues().keys().filter("historyV2.unreadable-");
        ASSERT_EQ(asides.size(), whole ? 0 : 1) << bytes.constData();
        if (!whole) {
            EXPECT_EQ(d.storedValues().value(asides.first()).toByteArray(), bytes);
        } else {
            EXPECT_TRUE(f.storedData().contains(R"("openedFrom":{"panel":true})"))
                << f.storedData().constData();
        }
    }

    // Opening the same damaged list again keeps no second copy; another damage does, beside the first.
    f.p.defaults.domains[kDomain] = {{"historyV2", withMember(array, 2, "key", 5)}};
    QString firstCopy;
    for (bool first : {true, false}) {
        UserDefaults d(f.p.defaults, kDomain);
        History h(d, f.p.clock);
        ASSERT_TRUE(h.keptAside());
        EXPECT_EQ(h.keptAside()->madeNow, first);
        firstCopy = h.keptAside()->key;
    }
    f.p.defaults.domains[kDomain].insert("historyV2", withMember(array, 3, "lastOpened", "yesterday"));
    UserDefaults d(f.p.defaults, kDomain);
    History h(d, f.p.clock);
    ASSERT_TRUE(h.keptAside() && h.keptAside()->madeNow);
    EXPECT_NE(h.keptAside()->key, firstCopy);
    EXPECT_EQ(d.storedValues().value(firstCopy).toByteArray(), withMember(array, 2, "key", 5));
}
