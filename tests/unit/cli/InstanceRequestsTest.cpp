#include "cli/InstanceRequests.h"
#include "CliRun.h"
#include "cli/CliContext.h"
#include "cli/QueryCommand.h"
#include "clipboard/ClipStore.h"
#include "clipboard/ClipStoreLock.h"
#include "fakes/Files.h"
#include "files/IndexMetadataQuery.h"
#include "index/FileIndex.h"
#include "platform/linux/InstanceLock.h"
#include "unit/search/PanelHarness.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QSysInfo>
#include <atomic>
#include <gtest/gtest.h>
#include <thread>

using namespace zarvo;
using zarvo::testing::runClips;
using zarvo::testing::waitUntil;
using Outcome = zarvo::testing::CliRun;

namespace {

QJsonObject request(const QStringList& args, const QString& cwd = QDir::rootPath(),
                    const std::optional<QByteArray>& input = std::nullopt) {
    QJsonObject object{{"type", "cli"}, {"args", QJsonArray::fromStringList(args)}, {"cwd", cwd}};
    if (input) object.insert("stdin", QString::fromLatin1(input->toBase64()));
    return object;
}

// Clip identifiers differ between two stores; the rest of the output must not.
Outcome withoutIDs(Outcome run) {
    static const QRegularExpression id("[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}");
    run.out.replace(id, "ID");
    run.err.replace(id, "ID");
    return run;
}

// The application's request services on the panel's fakes, its clip store locked as the application does.
struct App : zarvo::testing::Panel {
    std::unique_ptr<QLockFile> lock = lockClipStore(clips.directory(), 0);
    SearchModel::Services services{p.platform, settings,  history,      favorites,
                                   &clips,     &metadata, &p.pasteboard};

    Outcome ask(const QJsonObject& request) {
        const QJsonObject a = cli::handleCliRequest(request, clips, services);
        return {a.value("code").toInt(-1), a.value("out").toString(), a.value("err").toString()};
    }
    Outcome serve(const QStringList& args, const QString& cwd = QDir::rootPath(),
                  const std::optional<QByteArray>& input = std::nullopt) {
        return ask(request(args, cwd, input));
    }
    // `clips ARGS` served by the application, and run here on a store of its own.
    Outcome served(const QStringList& args, const std::optional<QByteArray>& input = std::nullopt) {
        return serve(QStringList{"clips"} + args, QDir::rootPath(), input);
    }
    Outcome local(const QStringList& args, const QByteArray& input = {}) {
        return runClips(QStringList{"--dir", p.root.path() + "/local"} + args, input);
    }
    // Finishes every file search under way with `paths`, as the index would.
    void answerSearches(const QStringList& paths) {
        for (const auto& query : metadata.created)
            if (query && query->started && !query->stopped && query->results.isEmpty()) query->finish(paths);
    }
    // `query ARGS` run in process, its file searches answered with `files`.
    std::optional<cli::CommandOutput> query(const QStringList& args, const QStringList& files) {
        std::optional<cli::CommandOutput> output;
        cli::runQuery(services, args, [&](const cli::CommandOutput& result) { output = result; });
        EXPECT_TRUE(waitUntil([&] { return output.has_value(); }, 10000, [&] { answerSearches(files); }));
        return output;
    }
};

// Runs the blocking client on its own thread while this one serves, finishing file searches meanwhile.
std::pair<std::optional<int>, Outcome> forward(App& app, const QStringList& args,
                                               const QByteArray& input = {}, const QStringList& files = {}) {
    std::atomic<bool> done{false};
    std::optional<int> code;
    QString out, err;
    std::thread client([&] {
        QTextStream o(&out), e(&err);
        code = cli::forwardToInstance(app.p.environment, args, input, o, e, 10000);
        done = true;
    });
    waitUntil([&] { return done.load(); }, 15000, [&] { app.answerSearches(files); });
    client.join();
    return {code, Outcome{code.value_or(-1), out, err}};
}

} // namespace

TEST(InstanceRequests, WhatIsHandedToTheApplication) {
    fakes::FakePlatform p;
    const QString store = ClipStore::defaultDirectory(&p.environment);
    const auto carried = [&](const QStringList& args) { return cli::isCarriedOutByInstance(args, store); };
    for (const char* command : {"list", "search", "add", "copy", "pin", "delete", "clear", "prune"})
        EXPECT_TRUE(carried({"clips", QString::fromLatin1(command)})) << command;
    EXPECT_TRUE(carried({"query", "dl"}) && carried({"clips", "--dir", store, "pin"}) &&
                carried({"index", "status", "--json"}));
    EXPECT_FALSE(carried({"clips", "watch"}) || carried({"clips", "--dir", p.root.path(), "add"}) ||
                 carried({"clips"}) || carried({"index", "rebuild"}));

    // An option's value is not an option: in the last one "--file" is the application's name.
    EXPECT_FALSE(cli::readsStandardInput({"clips", "add", "--file", "a"}) ||
                 cli::readsStandardInput({"clips", "list"}));
    EXPECT_TRUE(cli::readsStandardInput({"clips", "add"}) &&
                cli::readsStandardInput({"clips", "add", "--type", "png", "--file", "a"}) &&
                cli::readsStandardInput({"clips", "add", "--app", "--file"}));
}

TEST(InstanceRequests, ClipCommandsRunOnTheApplicationsStoreAndAnswerAsTheLocalCommand) {
    App app;
    const QByteArray text = "first copy\nsecond line";
    const Outcome added = app.served({"add", "--app", "Editor"}, text);
    EXPECT_EQ(withoutIDs(added), withoutIDs(app.local({"add", "--app", "Editor"}, text)));
    ASSERT_EQ(added.code, 0) << added;
    ASSERT_EQ(app.clips.clips().size(), 1);
    EXPECT_EQ(app.clips.clips().first().text, QString::fromUtf8(text));
    const QString id = added.out.trimmed();

    // A relative file is the client's, found from its working directory.
    const QString file = app.p.makeFile("Documents/report.pdf");
    ASSERT_EQ(app.serve({"clips", "add", "--file", "report.pdf"}, QFileInfo(file).path()).code, 0);
    EXPECT_EQ(app.clips.clips().first().text, file);

    EXPECT_EQ(app.served({"list"}).out.count('\n'), 2);
    EXPECT_EQ(app.served({"delete", "nope"}), app.local({"delete", "nope"}));
    EXPECT_EQ(app.served({"delete", id}), (Outcome{0, {}, {}}));
    EXPECT_FALSE(app.clips.clip(QUuid(id)));

    // What makes no sense inside the application is refused, and the store stays as it was.
    const Outcome watch = app.served({"watch"});
    EXPECT_EQ(watch.code, 1);
    EXPECT_TRUE(watch.err.contains("already keeps the clipboard history"));
    const Outcome other = app.served({"--dir", "/elsewhere", "clear"});
    EXPECT_EQ(other.code, 1);
    EXPECT_TRUE(other.err.contains(app.clips.directory())) << other;
    EXPECT_EQ(app.serve({"open", "dl"}).code, 2);
    QJsonObject broken = request({"clips", "add"});
    broken.insert("stdin", "not base64!");
    EXPECT_EQ(app.ask(broken).code, 2);
    broken = request({});
    broken.insert("args", QJsonArray{"clips", 3});
    EXPECT_EQ(app.ask(broken).code, 2);
    EXPECT_EQ(app.clips.clips().size(), 1);
}

TEST(InstanceRequests, OverTheSocketTheClientPrintsWhatTheLocalCommandWould) {
    App app;
    linux_::InstanceLock instance(app.p.environment);
    instance.onRequest = [&](const QJsonObject& request, linux_::InstanceLock::Reply reply) {
        cli::handleCliRequest(request, app.clips, app.services, reply);
    };
    // Without the application nothing is sent: the caller runs the command itself.
    EXPECT_FALSE(forward(app, {"clips", "list"}).first);
    ASSERT_TRUE(instance.acquire());
    // Sent back to run here: this application keeps no live index.
    EXPECT_FALSE(forward(app, {"index", "status"}).first);

    const auto [code, added] = forward(app, {"clips", "add"}, "over the socket");
    ASSERT_TRUE(code);
    EXPECT_EQ(withoutIDs(added), withoutIDs(app.local({"add"}, "over the socket")));
    ASSERT_EQ(app.clips.clips().size(), 1);
    EXPECT_EQ(app.clips.clips().first().text, "over the socket");
    // Over the limit: refused by the command as it would be here, and nothing is stored.
    const QByteArray huge(ClipStore::maximumReadBytes + 1, 'x');
    const Outcome refused = forward(app, {"clips", "add"}, huge).second;
    EXPECT_EQ(refused, app.local({"add"}, huge));
    EXPECT_EQ(refused.code, 1);
    EXPECT_EQ(app.clips.clips().size(), 1);

    // A query answers from the application's index with the rows the same query gives in process.
    const QString file = app.p.makeFile("Documents/quarterly report.pdf");
    const Outcome remote = forward(app, {"query", "--json", "quarterly"}, {}, {file}).second;
    ASSERT_EQ(remote.code, 0) << remote;
    EXPECT_EQ(remote.out, app.query({"--json", "quarterly"}, {file}).value_or(cli::CommandOutput{}).out);
    EXPECT_TRUE(remote.out.contains("report.pdf")) << remote.out.toStdString();
}

TEST(InstanceRequests, IndexStatusComesFromTheLiveIndexOrRunsHere) {
    App app;
    app.p.makeFile("Documents/a.txt");
    app.p.makeFile("Documents/b.txt");
    index::IndexConfig config;
    config.roots = {app.p.home()};
    auto live = std::make_shared<index::FileIndex>(config);
    live->start();
    ASSERT_TRUE(live->waitIdle(10000));
    IndexMetadataQueryFactory factory(live, nullptr);
    app.services.metadata = &factory;
    const Outcome answered = app.serve({"index", "status", "--json"});
    ASSERT_EQ(answered.code, 0) << answered;
    const QJsonObject o = QJsonDocument::fromJson(answered.out.toUtf8()).object();
    EXPECT_TRUE(o.value("live").toBool());
    EXPECT_EQ(o.value("entries").toInteger(), live->status().entries);
    // The live index watches its folders; a process reading the snapshot watches none.
    EXPECT_GT(o.value("watches").toInt(), 0) << answered.out.toStdString();
    EXPECT_TRUE(app.serve({"index", "status"}).out.contains("in the running Zarvo"));
}

TEST(InstanceRequests, ASecondWriterIsRefusedWhileTheApplicationHoldsTheStore) {
    fakes::FakePlatform p;
    const QString dir = p.root.path() + "/store";
    const QStringList at{"--dir", dir};
    ASSERT_EQ(runClips(at + QStringList{"add"}, "kept").code, 0);

    // A lock file names its holder's program: a live process called "zarvo" stands in for the application.
    const QString program = p.root.path() + "/" + QString::fromLatin1(kApplicationLockName);
    ASSERT_TRUE(QFile::copy(QStandardPaths::findExecutable("sleep"), program));
    QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner);
    QProcess application;
    application.start(program, {"30"});
    ASSERT_TRUE(application.waitForStarted());
    zarvo::testing::writeFile(dir + "/clips.lock", QByteArray::number(application.processId()) + '\n' +
                                                       kApplicationLockName + '\n' +
                                                       QSysInfo::machineHostName().toUtf8() + '\n');
    QString problem;
    EXPECT_FALSE(lockClipStore(dir, 0, &problem));
    EXPECT_TRUE(problem.contains("held by the running Zarvo")) << problem.toStdString();

    const Outcome blocked = runClips(at + QStringList{"clear"});
    EXPECT_EQ(blocked.code, 1);
    EXPECT_TRUE(blocked.err.contains("did not answer")) << blocked;
    application.kill();
    application.waitForFinished();
    // A dead holder's lock is taken over at once.
    EXPECT_EQ(runClips(at + QStringList{"list"}).out.count('\n'), 1);
}

TEST(InstanceRequests, OnATerminalControlCharactersInClipsAndFileNamesAreShownEscaped) {
    App app;
    const QByteArray text = "\x1b]0;owned\x07 \x1b[2Jx\x7f\xc2\x9b na\xc3\xafve";
    const QString escaped = "\t\\e]0;owned\\x07 \\e[2Jx\\x7f\\u009b na\u00EFve\n";
    ASSERT_EQ(app.served({"add"}, text).code, 0);
    ASSERT_EQ(app.local({"add"}, text).code, 0);

    // Asked by a zarvo-cli whose output is a terminal, and run on one here: the same escaped line.
    QJsonObject asked = request({"clips", "list"});
    asked.insert("terminal", true);
    const QString remote = app.ask(asked).out;
    EXPECT_TRUE(remote.endsWith(escaped)) << remote.toStdString();
    {
        const cli::PrintingToTerminal terminal(true);
        EXPECT_TRUE(app.local({"list"}).out.endsWith(escaped));
        // JSON keeps the text exact.
        const QJsonArray list = QJsonDocument::fromJson(app.local({"list", "--json"}).out.toUtf8()).array();
        EXPECT_EQ(list.first().toObject().value("title").toString(), QString::fromUtf8(text));
    }
    // Into a pipe or a file the text goes as it is.
    EXPECT_TRUE(app.served({"list"}).out.contains(QChar(0x1b)));

    // A query's rows: the file name escaped, the rest of the line as usual.
    const QString file = app.p.makeFile("Documents/bell\x07\x1b[31mred.txt");
    std::optional<cli::CommandOutput> output;
    {
        const cli::PrintingToTerminal terminal(true);
        output = app.query({"31mred"}, {file});
    }
    ASSERT_TRUE(output);
    EXPECT_TRUE(output->out.contains("bell\\x07\\e[31mred.txt")) << output->out.toStdString();
    EXPECT_FALSE(output->out.contains(QChar(0x1b)));
}
