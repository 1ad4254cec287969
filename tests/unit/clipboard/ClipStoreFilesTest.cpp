#include "ClipStoreFixture.h"
#include "fakes/JsonEdits.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QThread>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace zarvo;
using namespace zarvo::cliptest;
using zarvo::testing::withMember;

TEST(ClipStore, OpeningRemovesOrphansMigratesAndStaysPrivate) {
    StoreFixture f;
    {
        auto store = f.open();
        f.copyText(*store, "kept");
        f.p.clock.advance(0.5);
        store->togglePin(store->clips().first().id);
        store->flush();
    }
    EXPECT_EQ(QFileInfo(f.dir).permissions() & 0x7077,
              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(QFileInfo(f.dir + "/clips.json").permissions() & 0x7077,
              QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    const auto reopened = f.open();
    ASSERT_EQ(reopened->clips().size(), 1);
    EXPECT_TRUE(reopened->clips().first().pinned);

    // Migration of the old list of strings, oldest first, one minute apart, newest at now.
    StoreFixture g;
    const QString folder = g.p.home() + "/Documents";
    g.defaults.set("clipboardHistory", QStringList{"newest", folder});
    auto migrated = g.open(true);
    ASSERT_EQ(migrated->clips().size(), 2);
    EXPECT_EQ(migrated->clips()[0].text, "newest");
    EXPECT_EQ(migrated->clips()[0].date, g.p.clock.now());
    EXPECT_EQ(migrated->clips()[1].kind, Clip::Kind::files);
    EXPECT_EQ(migrated->clips()[1].date, g.p.clock.now().addSecs(-60));
    EXPECT_FALSE(g.defaults.object("clipboardHistory").has_value());

    EXPECT_EQ(ClipStore::defaultDirectory(&g.p.environment),
              g.p.environment.temp + u"/zarvo-clips-%1"_s.arg(QCoreApplication::applicationPid()));
    g.p.environment.identifier = "com.velorin.zarvo";
    EXPECT_EQ(ClipStore::defaultDirectory(&g.p.environment), g.p.environment.data + "/Zarvo/Clipboard");
}

TEST(ClipStore, DamagedIndexKeepsEveryReadableClipAndEveryDataFile) {
    StoreFixture f;
    {
        auto store = f.open();
        for (const char* text : {"alpha", "beta", "gamma", "delta"}) {
            f.copyText(*store, QString::fromLatin1(text));
            f.p.clock.advance(1);
        }
        f.copy(*store, {item({{PasteboardType::png, imageBytes(200, 100, "png")}})});
        store->flush();
    }
    const QString indexPath = f.dir + "/clips.json";
    const QByteArray original = readFile(indexPath);
    const QList<Clip> clips = *ClipIndex::decode(original);
    ASSERT_EQ(clips.size(), 5);
    const QStringList files = f.dataFiles();
    ASSERT_EQ(files.size(), 6); // five data files and the image's thumbnail
    QHash<QString, QByteArray> baseline;
    for (const QString& name : files)
        baseline.insert(name, readFile(f.dir + QLatin1Char('/') + name));

    const QJsonArray array = QJsonDocument::fromJson(original).array();
    const QUuid video = QUuid::createUuid();
    QJsonObject videoObject = array[0].toObject();
    videoObject["id"] = Clip::idString(video);
    videoObject["kind"] = "video";
    QJsonArray withVideo = array;
    withVideo.insert(2, videoObject);
    const qsizetype firstEnds = ClipIndex::encode(clips.mid(0, 1)).size() - 1;
    const qsizetype secondEnds = ClipIndex::encode(clips.mid(0, 2)).size() - 1;
    // A broken quote throws the string state off; the objects after it are still found.
    QByteArray brokenQuote = original;
    brokenQuote[firstEnds + 2] = 'x'; // the quote that opens "id" of the second object

    struct Case {
        QByteArray bytes;
        QList<int> readable; // positions in `clips`
    };
    const QList<Case> cases = {
        {original.left(original.size() - 1), {0, 1, 2, 3, 4}},
        {original.left(secondEnds + 40), {0, 1}}, // inside the third clip's id: the last three go
        {original.left(secondEnds - 1), {0}},
        {withMember(array, 1, "size", "big"), {0, 2, 3, 4}},
        {QJsonDocument(withVideo).toJson(QJsonDocument::Compact), {0, 1, 2, 3, 4}},
        {brokenQuote, {0, 2, 3, 4}},
        {withMember(array, 0, "colour", QJsonObject{{"r", 1}}), {0, 1, 2, 3, 4}}, // a newer version's member
    };
    for (qsizetype n = 0; n < cases.size(); ++n) {
        const Case& c = cases[n];
        const bool whole = ClipIndex::decode(c.bytes).has_value();
        QDir(f.dir).removeRecursively();
        for (auto it = baseline.cbegin(); it != baseline.cend(); ++it)
            writeFile(f.dir + QLatin1Char('/') + it.key(), it.value());
        const QString videoFile = f.dir + QLatin1Char('/') + Clip::idString(video) + ".clip";
        writeFile(videoFile);
        writeFile(indexPath, c.bytes);

        QStringList expected; // each clip's text, the image's empty
        for (int i : c.readable)
            expected << clips[i].text;
        {
            auto store = f.open();
            EXPECT_EQ(store->indexWasUnreadable(), !whole) << n;
            EXPECT_EQ(texts(store->clips()), expected) << n;
            store->start();
            f.copyText(*store, u"added %1"_s.arg(n));
        }
        auto store = f.open();
        EXPECT_FALSE(store->indexWasUnreadable()) << n;
        EXPECT_EQ(texts(store->clips()), QStringList{u"added %1"_s.arg(n)} + expected) << n;
        const QString orphan = f.dir + "/00000000-0000-0000-0000-000000000000.clip";
        writeFile(orphan);
        QFile later(orphan); // Qt sets a file's times only while it is open
        ASSERT_TRUE(
            later.open(QIODevice::ReadWrite) &&
            later.setFileTime(QDateTime::currentDateTime().addSecs(3600), QFileDevice::FileModificationTime));
        later.close();
        writeFile(f.dir + "/notes.txt");
        store->start();
        store->flush();
        EXPECT_TRUE(QFile::exists(f.dir + "/notes.txt")) << n << ": not ours, left alone";
        // Not one data file went: the set-aside original names those of unreadable clips.
        for (const QString& name : files)
            EXPECT_TRUE(QFile::exists(f.dir + QLatin1Char('/') + name)) << n << " " << name.toStdString();
        // In a whole index nothing names the video's file (an orphan); the later file is a true orphan.
        EXPECT_EQ(QFile::exists(videoFile), !whole) << n;
        EXPECT_FALSE(QFile::exists(orphan)) << n;
        const QStringList asides = QDir(f.dir).entryList({"clips-unreadable-*.json"});
        ASSERT_EQ(asides.size(), whole ? 0 : 1) << n;
        if (whole) {
            // The newer version's member went back to disk with the clip.
            EXPECT_TRUE(readFile(indexPath).contains("\"colour\":{\"r\":1}")) << n;
            continue;
        }
        EXPECT_EQ(asides.first(), u"clips-unreadable-%1.json"_s.arg(f.p.clock.now().toSecsSinceEpoch()));
        EXPECT_EQ(readFile(f.dir + QLatin1Char('/') + asides.first()), c.bytes) << n;
        // Clearing drops the data of clips beyond salvage; pinned ones (none here) and the set-aside stay.
        store->clearUnpinned();
        store->flush();
        EXPECT_TRUE(f.dataFiles().isEmpty()) << n;
        EXPECT_FALSE(QFile::exists(videoFile)) << n;
        EXPECT_EQ(QDir(f.dir).entryList({"clips-unreadable-*.json"}).size(), 1) << n;
    }
}

TEST(ClipStore, FilesReadByAnIndependentReader) {
    if (QStandardPaths::findExecutable("python3").isEmpty()) GTEST_SKIP() << "python3 is not installed";
    StoreFixture f;
    auto store = f.open();
    f.copy(*store, {item({{PasteboardType::plainText, "caf\xc3\xa9 \"quoted\"\n\x01"},
                          {"public.html", "<b>x</b>"}})});
    f.copy(*store, {item({{PasteboardType::png, imageBytes(300, 120, "png")}})});
    store->togglePin(store->clips().first().id);
    store->flush();
    const char* script = R"PY(
import json, plistlib, sys, os
d = sys.argv[1]
clips = json.load(open(os.path.join(d, "clips.json"), encoding="utf-8"))
out = []
for c in clips:
    items = plistlib.load(open(os.path.join(d, c["id"] + ".clip"), "rb"))
    assert isinstance(items, list) and all(isinstance(v, bytes) for i in items for v in i.values())
    thumb = os.path.exists(os.path.join(d, c["id"] + ".thumb.png"))
    out.append("%s|%s|%s|%s|%s|%s" % (c["kind"], c["text"], c["pinned"], c.get("imageSize"), sorted(items[0]), thumb))
print("\n".join(out))
)PY";
    QProcess python;
    python.start("python3", {"-c", QString::fromUtf8(script), f.dir});
    ASSERT_TRUE(python.waitForFinished(30000));
    EXPECT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
    EXPECT_EQ(QString::fromUtf8(python.readAllStandardOutput()),
              QStringLiteral("image||True|[300, 120]|['public.png']|True\n"
                             "richText|caf\u00e9 \"quoted\"\n\x01|False|None|['public.html', "
                             "'public.utf8-plain-text']|False\n"));
}

TEST(ClipStore, WriterKilledAtAnyMomentLeavesAReadableIndex) {
    StoreFixture f;
    const QString self = QCoreApplication::applicationFilePath();
    qint64 seen = 0;
    for (int round = 0; round < 12; ++round) {
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("ZARVO_CLIP_WRITER_DIR", f.dir);
        env.insert("ZARVO_CLIP_WRITER_ROUND", QString::number(round));
        child.setProcessEnvironment(env);
        child.start(self, {"--gtest_filter=ClipStoreWriter.Child"});
        ASSERT_TRUE(child.waitForStarted());
        ASSERT_TRUE(child.waitForReadyRead(20000)); // the child says when it has started writing
        QThread::msleep(QRandomGenerator::global()->bounded(5, 120));
        child.kill();
        child.waitForFinished();

        auto store = f.open();
        EXPECT_FALSE(store->indexWasUnreadable()) << "round " << round;
        EXPECT_GE(store->clips().size(), seen);
        seen = store->clips().size();
        for (const Clip& c : store->clips())
            EXPECT_TRUE(store->items(c.id).has_value()) << "round " << round;
    }
    EXPECT_GT(seen, 0);
}

// The writer the test above kills: runs only when that test starts it.
TEST(ClipStoreWriter, Child) {
    const QByteArray dir = qgetenv("ZARVO_CLIP_WRITER_DIR");
    if (dir.isEmpty()) GTEST_SKIP() << "helper process of WriterKilledAtAnyMomentLeavesAReadableIndex";
    fakes::FakePlatform p;
    ClipStore store(QString::fromUtf8(dir), nullptr, false,
                    ClipStore::Services::fromPlatform(p.platform, nullptr));
    const QByteArray round = qgetenv("ZARVO_CLIP_WRITER_ROUND");
    fprintf(stdout, "writing\n");
    fflush(stdout);
    for (int i = 0;; ++i) {
        const QByteArray text = "round " + round + " copy " + QByteArray::number(i) + QByteArray(20000, 'z');
        store.capture({}, {item({{PasteboardType::plainText, text}})}, std::nullopt, std::nullopt);
        if (i % 8 == 0) store.flush();
    }
}
