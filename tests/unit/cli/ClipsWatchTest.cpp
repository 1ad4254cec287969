#include "cli/ClipsCommand.h"
#include "fakes/FakePlatform.h"
#include "platform/linux/InstanceLock.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalServer>
#include <QLockFile>
#include <QTimer>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace zarvo;

namespace {

struct WatchRun {
    int status;
    QString out, err;
};

// Runs a clips command in process; `during` is called every 20 ms while it runs, with what it printed.
WatchRun clips(const QStringList& args, const std::function<void(const QString& out)>& during = {}) {
    QBuffer in;
    in.open(QIODevice::ReadOnly);
    QString out, err;
    QTextStream o(&out), e(&err);
    QTimer ticker;
    if (during) {
        QObject::connect(&ticker, &QTimer::timeout, [&] { during(out); });
        ticker.start(20);
    }
    const int status = runClipsCommand(args, in, o, e);
    ticker.stop();
    o.flush();
    e.flush();
    return {status, out, err};
}

QStringList storedTexts(const QStringList& at) {
    const WatchRun r = clips(at + QStringList{QStringLiteral("list"), QStringLiteral("--json")});
    QStringList texts;
    for (const QJsonValue& clip : QJsonDocument::fromJson(r.out.toUtf8()).array())
        texts << clip.toObject().value(QStringLiteral("text")).toString();
    return texts;
}

} // namespace

TEST(ClipsWatch, CapturesUntilInterruptedKeepingTheLastCopyAndSkippingPrivateOnes) {
    fakes::FakePlatform p;
    const QString dir = p.root.path() + QStringLiteral("/store");
    const QStringList at{QStringLiteral("--dir"), dir};
    p.pasteboard.copyTextFromElsewhere(QStringLiteral("already there")); // before the watch: not a capture

    int step = 0;
    bool lockedMeanwhile = false;
    QElapsedTimer sincePrivate;
    const WatchRun r = clips(at + QStringList{QStringLiteral("watch")}, [&](const QString& out) {
        if (step == 0) {
            p.clock.advance(1);
            p.pasteboard.copyTextFromElsewhere(QStringLiteral("first copy"));
            step = 1;
        } else if (step == 1 && out.count(QLatin1Char('\n')) == 1) {
            QLockFile other(QDir(dir).filePath(QStringLiteral("clips.lock")));
            lockedMeanwhile = !other.tryLock(0);
            PasteboardItem secret;
            secret.setString(PasteboardType::plainText, QStringLiteral("hunter2"));
            secret.setData(PasteboardType::concealed, {});
            p.clock.advance(1);
            p.pasteboard.copyFromElsewhere({secret});
            sincePrivate.start();
            step = 2;
        } else if (step == 2 && sincePrivate.elapsed() > 700) { // the store's poll has seen it
            // Copied and interrupted at once: the copy is taken before the watch ends.
            p.clock.advance(1);
            p.pasteboard.copyTextFromElsewhere(QStringLiteral("last copy"));
            std::raise(SIGINT);
            step = 3;
        }
    });
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(step, 3);
    EXPECT_TRUE(lockedMeanwhile);
    const QStringList lines = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2) << r.out.toStdString();
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral("\ttext\tfirst copy")));
    EXPECT_EQ(lines[0].section(QLatin1Char('\t'), 0, 0).size(), 36);
    EXPECT_TRUE(lines[1].endsWith(QStringLiteral("\ttext\tlast copy")));
    EXPECT_TRUE(r.err.contains(QStringLiteral("2 copies captured")));

    EXPECT_EQ(storedTexts(at), (QStringList{QStringLiteral("last copy"), QStringLiteral("first copy")}));
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(dir).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    // The handlers are back: the process's own SIGINT handling is untouched after the watch.
    struct sigaction now {};
    sigaction(SIGINT, nullptr, &now);
    EXPECT_EQ(now.sa_handler, SIG_DFL);
}

TEST(ClipsWatch, OnceStopsAfterTheFirstCaptureAndArgumentsAreChecked) {
    fakes::FakePlatform p;
    const QStringList at{QStringLiteral("--dir"), p.root.path() + QStringLiteral("/store")};
    bool copied = false;
    const WatchRun r =
        clips(at + QStringList{QStringLiteral("watch"), QStringLiteral("--once")}, [&](const QString&) {
            if (!copied) p.pasteboard.copyTextFromElsewhere(QStringLiteral("https://example.org/a"));
            copied = true;
        });
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.endsWith(QStringLiteral("\tlink\thttps://example.org/a\n"))) << r.out.toStdString();
    EXPECT_EQ(storedTexts(at), QStringList{QStringLiteral("https://example.org/a")});

    EXPECT_EQ(clips(at + QStringList{QStringLiteral("watch"), QStringLiteral("--forever")}).status, 2);
}

TEST(ClipsWatch, RefusedWhileTheApplicationRuns) {
    fakes::FakePlatform p;
    const QString dir = p.root.path() + QStringLiteral("/store");
    QLocalServer application;
    ASSERT_TRUE(application.listen(linux_::InstanceLock::serverName(p.environment)));

    const WatchRun r = clips({QStringLiteral("--dir"), dir, QStringLiteral("watch")});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, QStringLiteral("clips: Zarvo is running and already keeps the clipboard history\n"));
    EXPECT_FALSE(QFileInfo::exists(dir)); // nothing was opened or written

    // The other commands still work beside the application.
    EXPECT_EQ(clips({QStringLiteral("--dir"), dir, QStringLiteral("list")}).status, 0);
}
