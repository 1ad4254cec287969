#include "CliRun.h"
#include "fakes/FakePlatform.h"
#include "fakes/Files.h"
#include "platform/linux/InstanceLock.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalServer>
#include <QLockFile>
#include <csignal>
#include <gtest/gtest.h>

using namespace zarvo;
using zarvo::testing::CliRun;
using zarvo::testing::readFile;
using zarvo::testing::writeFile;

namespace {

// `clips` commands on a store of the test's own, on the fakes.
struct Clips : ::testing::Test {
    fakes::FakePlatform p;
    QString dir = p.root.path() + "/store";
    CliRun clips(const QStringList& args, const QByteArray& input = {},
                 const std::function<void(const QString& out)>& during = {}) {
        return zarvo::testing::runClips(QStringList{"--dir", dir} + args, input, during);
    }
    QStringList storedTexts() {
        QStringList texts;
        for (const QJsonValue clip : QJsonDocument::fromJson(clips({"list", "--json"}).out.toUtf8()).array())
            texts << clip["text"].toString();
        return texts;
    }
};
using ClipsCommand = Clips;
using ClipsWatch = Clips;

TEST_F(ClipsCommand, AddListSearchPinDeleteClearAndCopy) {
    CliRun r = clips({"add", "--app", "Editor", "--bundle", "org.editor"}, "first copy\nsecond line");
    ASSERT_EQ(r.code, 0) << r;
    const QString firstID = r.out.trimmed();
    EXPECT_EQ(firstID.size(), 36);
    ASSERT_EQ(clips({"add", "--file", p.makeFile("Documents/report.pdf")}).code, 0);
    r = clips({"add", "--type", "text", "--type", "org.nspasteboard.ConcealedType"}, "hunter2");
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains("private")) << r;
    EXPECT_EQ(clips({"add"}, "   \n").code, 1);

    r = clips({"list", "--json"});
    ASSERT_EQ(r.code, 0);
    const QJsonArray list = QJsonDocument::fromJson(r.out.toUtf8()).array();
    ASSERT_EQ(list.size(), 2);
    EXPECT_EQ(list[0]["kind"].toString(), "files");
    EXPECT_EQ(list[0]["title"].toString(), "report.pdf");
    EXPECT_EQ(list[1]["appName"].toString(), "Editor");
    EXPECT_EQ(list[1]["id"].toString(), firstID);

    EXPECT_EQ(clips({"pin", firstID.left(8)}).code, 0);
    EXPECT_TRUE(clips({"search", "  "}).out.startsWith(firstID)); // pinned first
    EXPECT_EQ(clips({"search", "SECOND"}).out.count('\n'), 1);
    const CliRun copied = clips({"copy", firstID, "--plain"});
    EXPECT_EQ(copied.code, 0) << copied;
    EXPECT_EQ(p.pasteboard.string(PasteboardType::plainText), "first copy\nsecond line");

    EXPECT_EQ(clips({"delete", "nope"}).code, 1);
    EXPECT_EQ(clips({"clear"}).code, 0);
    EXPECT_EQ(clips({"list"}).out.count('\n'), 1);
    EXPECT_EQ(clips({"delete", firstID}).code, 0);
    EXPECT_TRUE(clips({"list"}).out.isEmpty());
    EXPECT_EQ(clips({"frobnicate"}).code, 2);
}

// How the store salvages a torn index is ClipStore's; here, that the command says so once, and where.
TEST_F(ClipsCommand, ADamagedIndexIsReportedOnceWithWhereItLies) {
    for (const char* text : {"one", "two"})
        ASSERT_EQ(clips({"add"}, text).code, 0);
    writeFile(dir + "/clips.json", readFile(dir + "/clips.json").chopped(1));

    CliRun r = clips({"list"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out.count('\n'), 2);
    EXPECT_EQ(r.err.count('\n'), 1) << r;
    EXPECT_TRUE(r.err.contains(dir) && r.err.contains("“clips-unreadable-") &&
                r.err.contains("2 clips were salvaged"))
        << r;
    r = clips({"list"});
    EXPECT_EQ(r.out.count('\n'), 2);
    EXPECT_TRUE(r.err.isEmpty()) << r;
}

TEST_F(ClipsWatch, CapturesUntilInterruptedKeepingTheLastCopy) {
    int step = 0;
    bool lockedMeanwhile = false;
    const CliRun r = clips({"watch"}, {}, [&](const QString& out) {
        if (step == 0) {
            p.clock.advance(1);
            p.pasteboard.copyTextFromElsewhere("first copy");
            step = 1;
        } else if (step == 1 && out.count('\n') == 1) {
            QLockFile other(QDir(dir).filePath("clips.lock"));
            lockedMeanwhile = !other.tryLock(0);
            // Copied and interrupted at once: the copy is taken before the watch ends.
            p.clock.advance(1);
            p.pasteboard.copyTextFromElsewhere("last copy");
            std::raise(SIGINT);
            step = 2;
        }
    });
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(step, 2);
    EXPECT_TRUE(lockedMeanwhile);
    const QStringList lines = r.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2) << r.out.toStdString();
    EXPECT_TRUE(lines[0].endsWith("\ttext\tfirst copy"));
    EXPECT_TRUE(lines[1].endsWith("\ttext\tlast copy"));
    EXPECT_TRUE(r.err.contains("2 copies captured"));

    EXPECT_EQ(storedTexts(), (QStringList{"last copy", "first copy"}));
    // The handlers are back: the process's own SIGINT handling is untouched after the watch.
    struct sigaction now {};
    sigaction(SIGINT, nullptr, &now);
    EXPECT_EQ(now.sa_handler, SIG_DFL);
}

TEST_F(ClipsWatch, OnceStopsAfterTheFirstCaptureAndArgumentsAreChecked) {
    bool copied = false;
    const CliRun r = clips({"watch", "--once"}, {}, [&](const QString&) {
        if (!copied) p.pasteboard.copyTextFromElsewhere("https://example.org/a");
        copied = true;
    });
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.endsWith("\tlink\thttps://example.org/a\n")) << r.out.toStdString();

    EXPECT_EQ(clips({"watch", "--forever"}).code, 2);
}

TEST_F(ClipsWatch, RefusedWhileTheApplicationRuns) {
    QLocalServer application;
    ASSERT_TRUE(application.listen(linux_::InstanceLock::serverName(p.environment)));

    const CliRun r = clips({"watch"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, "clips: Zarvo is running and already keeps the clipboard history\n");
    EXPECT_FALSE(QFileInfo::exists(dir)); // nothing was opened or written

    // The other commands still work beside the application.
    EXPECT_EQ(clips({"list"}).code, 0);
}

} // namespace
