#include "cli/ClipsCommand.h"
#include "clipboard/ClipStore.h"
#include "fakes/FakePlatform.h"

#include <QBuffer>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <gtest/gtest.h>

using namespace zarvo;

namespace {

struct CliRun {
    int status;
    QString out, err;
};

CliRun clips(const QStringList& args, const QByteArray& input = {}) {
    QBuffer in;
    in.setData(input);
    in.open(QIODevice::ReadOnly);
    QString out, err;
    QTextStream o(&out), e(&err);
    const int status = runClipsCommand(args, in, o, e);
    o.flush();
    e.flush();
    return {status, out, err};
}

} // namespace

TEST(ClipsCommand, AddListSearchPinDeleteClear) {
    fakes::FakePlatform p;
    const QString dir = p.root.path() + QStringLiteral("/store");
    const QStringList at{QStringLiteral("--dir"), dir};

    CliRun r =
        clips(at + QStringList{QStringLiteral("add"), QStringLiteral("--app"), QStringLiteral("Editor"),
                               QStringLiteral("--bundle"), QStringLiteral("org.editor")},
              "first copy\nsecond line");
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QString firstID = r.out.trimmed();
    EXPECT_EQ(firstID.size(), 36);
    const QString file = p.makeFile(QStringLiteral("Documents/report.pdf"));
    r = clips(at + QStringList{QStringLiteral("add"), QStringLiteral("--file"), file});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    r = clips(at + QStringList{QStringLiteral("add"), QStringLiteral("--type"), QStringLiteral("text"),
                               QStringLiteral("--type"), QStringLiteral("org.nspasteboard.ConcealedType")},
              "hunter2");
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("private")));
    r = clips(at + QStringList{QStringLiteral("add")}, "   \n");
    EXPECT_EQ(r.status, 1);

    r = clips(at + QStringList{QStringLiteral("list"), QStringLiteral("--json")});
    ASSERT_EQ(r.status, 0);
    const QJsonArray list = QJsonDocument::fromJson(r.out.toUtf8()).array();
    ASSERT_EQ(list.size(), 2);
    EXPECT_EQ(list[0].toObject().value(QStringLiteral("kind")).toString(), QStringLiteral("files"));
    EXPECT_EQ(list[0].toObject().value(QStringLiteral("title")).toString(), QStringLiteral("report.pdf"));
    EXPECT_EQ(list[1].toObject().value(QStringLiteral("appName")).toString(), QStringLiteral("Editor"));
    EXPECT_EQ(list[1].toObject().value(QStringLiteral("id")).toString(), firstID);

    EXPECT_EQ(clips(at + QStringList{QStringLiteral("pin"), firstID.left(8)}).status, 0);
    r = clips(at + QStringList{QStringLiteral("search"), QStringLiteral("  ")});
    EXPECT_TRUE(r.out.startsWith(firstID)) << r.out.toStdString(); // pinned first
    r = clips(at + QStringList{QStringLiteral("search"), QStringLiteral("SECOND")});
    EXPECT_EQ(r.out.count(QLatin1Char('\n')), 1);

    EXPECT_EQ(clips(at + QStringList{QStringLiteral("delete"), QStringLiteral("nope")}).status, 1);
    EXPECT_EQ(clips(at + QStringList{QStringLiteral("clear")}).status, 0);
    r = clips(at + QStringList{QStringLiteral("list")});
    EXPECT_EQ(r.out.count(QLatin1Char('\n')), 1);
    EXPECT_EQ(clips(at + QStringList{QStringLiteral("delete"), firstID}).status, 0);
    EXPECT_TRUE(clips(at + QStringList{QStringLiteral("list")}).out.isEmpty());
    EXPECT_EQ(clips(at + QStringList{QStringLiteral("frobnicate")}).status, 2);
}

TEST(ClipsCommand, CopyAndASecondWriter) {
    fakes::FakePlatform p;
    const QString dir = p.root.path() + QStringLiteral("/store");
    const QStringList at{QStringLiteral("--dir"), dir};
    const QString id = clips(at + QStringList{QStringLiteral("add")}, "put me back").out.trimmed();
    const CliRun copied = clips(at + QStringList{QStringLiteral("copy"), id, QStringLiteral("--plain")});
    EXPECT_EQ(copied.status, 0) << copied.err.toStdString();
    EXPECT_EQ(p.pasteboard.string(PasteboardType::plainText), QStringLiteral("put me back"));

    // Another live process holds the store: the command waits, then fails clearly and changes nothing.
    QLockFile held(dir + QStringLiteral("/clips.lock"));
    ASSERT_TRUE(held.tryLock(0));
    const CliRun blocked = clips(at + QStringList{QStringLiteral("clear")});
    EXPECT_EQ(blocked.status, 1);
    EXPECT_TRUE(blocked.err.contains(QStringLiteral("in use by another process")));
    held.unlock();
    EXPECT_EQ(clips(at + QStringList{QStringLiteral("list")}).out.count(QLatin1Char('\n')), 1);
}

TEST(ClipsCommand, ADamagedIndexIsReportedOnceWithWhereItLies) {
    fakes::FakePlatform p;
    const QString dir = p.root.path() + QStringLiteral("/store");
    const QStringList at{QStringLiteral("--dir"), dir};
    for (const char* text : {"one", "two"})
        ASSERT_EQ(clips(at + QStringList{QStringLiteral("add")}, text).status, 0);
    QFile index(dir + QStringLiteral("/clips.json"));
    ASSERT_TRUE(index.open(QIODevice::ReadWrite));
    index.resize(index.size() - 1);
    index.close();

    CliRun r = clips(at + QStringList{QStringLiteral("list")});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.count(QLatin1Char('\n')), 2);
    EXPECT_EQ(r.err.count(QLatin1Char('\n')), 1) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(dir)) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("“clips-unreadable-"))) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("2 clips were salvaged"))) << r.err.toStdString();
    r = clips(at + QStringList{QStringLiteral("list")});
    EXPECT_EQ(r.out.count(QLatin1Char('\n')), 2);
    EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
}
