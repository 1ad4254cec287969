#include "CliRun.h"
#include "fakes/FakePlatform.h"
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

namespace {

struct ClipsWatch : zarvo::testing::ClipsCli {
    QStringList storedTexts() {
        QStringList texts;
        for (const QJsonValue& clip : QJsonDocument::fromJson(clips({"list", "--json"}).out.toUtf8()).array())
            texts << clip["text"].toString();
        return texts;
    }
};

} // namespace

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
