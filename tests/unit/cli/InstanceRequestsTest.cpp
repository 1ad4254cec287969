#include "cli/InstanceRequests.h"
#include "cli/CliContext.h"
#include "cli/ClipsCommand.h"
#include "cli/QueryCommand.h"
#include "clipboard/ClipStore.h"
#include "clipboard/ClipStoreLock.h"
#include "fakes/EventLoop.h"
#include "fakes/FakeMetadataQuery.h"
#include "fakes/FakePlatform.h"
#include "platform/linux/InstanceLock.h"
#include "store/Favorites.h"
#include "store/History.h"
#include "store/Settings.h"
#include "store/UserDefaults.h"

#include <QBuffer>
#include <QCoreApplication>
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
using zarvo::testing::waitUntil;

namespace {

struct Outcome {
    int code;
    QString out, err;
    bool operator==(const Outcome&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Outcome& r) {
    return os << r.code << " out=" << r.out.toStdString() << " err=" << r.err.toStdString();
}

// The local command, as zarvo-cli runs it without the application.
Outcome local(const QStringList& args, const QByteArray& input = {}) {
    QBuffer in;
    in.setData(input);
    in.open(QIODevice::ReadOnly);
    QString out, err;
    QTextStream o(&out), e(&err);
    const int code = runClipsCommand(args, in, o, e);
    o.flush();
    e.flush();
    return {code, out, err};
}

QJsonObject request(const QStringList& args, const QString& cwd = QDir::rootPath(),
                    const std::optional<QByteArray>& input = std::nullopt) {
    QJsonObject object{{QStringLiteral("type"), QStringLiteral("cli")},
                       {QStringLiteral("args"), QJsonArray::fromStringList(args)},
                       {QStringLiteral("cwd"), cwd}};
    if (input) object.insert(QStringLiteral("stdin"), QString::fromLatin1(input->toBase64()));
    return object;
}

Outcome fromAnswer(const QJsonObject& answer) {
    return {answer.value(QStringLiteral("code")).toInt(-1), answer.value(QStringLiteral("out")).toString(),
            answer.value(QStringLiteral("err")).toString()};
}

// Clip identifiers differ between two stores; the rest of the output must not.
Outcome withoutIDs(Outcome run) {
    static const QRegularExpression id(
        QStringLiteral("[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}"));
    run.out.replace(id, QStringLiteral("ID"));
    run.err.replace(id, QStringLiteral("ID"));
    return run;
}

// The services the application hands the requests, on the fakes.
struct App {
    fakes::FakePlatform p;
    fakes::FakeMetadataQueryFactory metadata;
    UserDefaults defaults{p.defaults, QString::fromLatin1(fakes::kTestIdentifier)};
    Settings settings{defaults, &p.platform};
    History history{defaults, p.clock};
    Favorites favorites{defaults};
    QString directory = p.root.path() + QStringLiteral("/served");
    std::unique_ptr<QLockFile> lock = lockClipStore(directory, 0);
    ClipStore clips{directory, &p.pasteboard, false, ClipStore::Services::fromPlatform(p.platform)};
    SearchModel::Services services{p.platform, settings,  history,      favorites,
                                   &clips,     &metadata, &p.pasteboard};

    App() { Settings::resetShared(); }
    ~App() { Settings::resetShared(); }

    Outcome serve(const QStringList& args, const QString& cwd = QDir::rootPath(),
                  const std::optional<QByteArray>& input = std::nullopt) {
        return fromAnswer(cli::handleCliRequest(request(args, cwd, input), clips, services));
    }
    // Finishes every file search under way with `paths`, as the index would.
    void answerSearches(const QStringList& paths) {
        for (const auto& query : metadata.created)
            if (query && query->started && !query->stopped && query->results.isEmpty()) query->finish(paths);
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
    EXPECT_TRUE(carried({QStringLiteral("query"), QStringLiteral("dl")}));
    for (const char* command : {"list", "search", "add", "copy", "pin", "delete", "clear", "prune"})
        EXPECT_TRUE(carried({QStringLiteral("clips"), QString::fromLatin1(command)})) << command;
    EXPECT_TRUE(carried({QStringLiteral("clips"), QStringLiteral("--dir"), store, QStringLiteral("pin")}));
    EXPECT_FALSE(carried({QStringLiteral("clips"), QStringLiteral("watch")}));
    EXPECT_FALSE(
        carried({QStringLiteral("clips"), QStringLiteral("--dir"), p.root.path(), QStringLiteral("add")}));
    EXPECT_FALSE(carried({QStringLiteral("clips")}));
    EXPECT_FALSE(carried({QStringLiteral("index"), QStringLiteral("status")}));

    EXPECT_TRUE(cli::readsStandardInput({QStringLiteral("clips"), QStringLiteral("add")}));
    EXPECT_FALSE(cli::readsStandardInput(
        {QStringLiteral("clips"), QStringLiteral("add"), QStringLiteral("--file"), QStringLiteral("a")}));
    EXPECT_TRUE(
        cli::readsStandardInput({QStringLiteral("clips"), QStringLiteral("add"), QStringLiteral("--type"),
                                 QStringLiteral("png"), QStringLiteral("--file"), QStringLiteral("a")}));
    // An option's value is not an option: here "--file" is the application's name.
    EXPECT_TRUE(cli::readsStandardInput(
        {QStringLiteral("clips"), QStringLiteral("add"), QStringLiteral("--app"), QStringLiteral("--file")}));
    EXPECT_FALSE(cli::readsStandardInput({QStringLiteral("clips"), QStringLiteral("list")}));
}

TEST(InstanceRequests, ClipCommandsRunOnTheApplicationsStoreAndAnswerAsTheLocalCommand) {
    App app;
    const QStringList at{QStringLiteral("--dir"), app.p.root.path() + QStringLiteral("/local")};
    const QStringList clips{QStringLiteral("clips")};

    const QByteArray text = "first copy\nsecond line";
    const Outcome added = app.serve(
        clips + QStringList{QStringLiteral("add"), QStringLiteral("--app"), QStringLiteral("Editor")},
        QDir::rootPath(), text);
    EXPECT_EQ(withoutIDs(added),
              withoutIDs(local(
                  at + QStringList{QStringLiteral("add"), QStringLiteral("--app"), QStringLiteral("Editor")},
                  text)));
    ASSERT_EQ(added.code, 0) << added;
    ASSERT_EQ(app.clips.clips().size(), 1);
    EXPECT_EQ(app.clips.clips().first().text, QString::fromUtf8(text));
    EXPECT_EQ(app.clips.clips().first().appName, QStringLiteral("Editor"));
    const QString id = added.out.trimmed();

    // A relative file is the client's, found from its working directory.
    const QString file = app.p.makeFile(QStringLiteral("Documents/report.pdf"));
    const Outcome filed = app.serve(
        clips + QStringList{QStringLiteral("add"), QStringLiteral("--file"), QStringLiteral("report.pdf")},
        QFileInfo(file).path());
    ASSERT_EQ(filed.code, 0) << filed;
    EXPECT_EQ(app.clips.clips().first().text, file);

    const Outcome pinned = app.serve(clips + QStringList{QStringLiteral("pin"), id.left(8)});
    EXPECT_EQ(pinned, (Outcome{0, id + QStringLiteral(" pinned\n"), {}}));
    EXPECT_TRUE(app.clips.clip(QUuid(id))->pinned);
    const Outcome listed = app.serve(clips + QStringList{QStringLiteral("list")});
    EXPECT_EQ(listed.out.count(QLatin1Char('\n')), 2);
    EXPECT_EQ(app.serve(clips + QStringList{QStringLiteral("delete"), QStringLiteral("nope")}),
              local(at + QStringList{QStringLiteral("delete"), QStringLiteral("nope")}));
    EXPECT_EQ(app.serve(clips + QStringList{QStringLiteral("delete"), id}), (Outcome{0, {}, {}}));
    EXPECT_FALSE(app.clips.clip(QUuid(id)));
    EXPECT_EQ(app.serve(clips + QStringList{QStringLiteral("frobnicate")}),
              local(at + QStringList{QStringLiteral("frobnicate")}));

    // What makes no sense inside the application is refused, and the store stays as it was.
    const Outcome watch = app.serve(clips + QStringList{QStringLiteral("watch")});
    EXPECT_EQ(watch.code, 1);
    EXPECT_TRUE(watch.err.contains(QStringLiteral("already keeps the clipboard history")));
    const Outcome other = app.serve(
        clips + QStringList{QStringLiteral("--dir"), QStringLiteral("/elsewhere"), QStringLiteral("clear")});
    EXPECT_EQ(other.code, 1);
    EXPECT_TRUE(other.err.contains(app.directory)) << other;
    EXPECT_EQ(app.serve({QStringLiteral("open"), QStringLiteral("dl")}).code, 2);
    QJsonObject broken = request(clips + QStringList{QStringLiteral("add")});
    broken.insert(QStringLiteral("stdin"), QStringLiteral("not base64!"));
    EXPECT_EQ(fromAnswer(cli::handleCliRequest(broken, app.clips, app.services)).code, 2);
    broken = request({});
    broken.insert(QStringLiteral("args"), QJsonArray{QStringLiteral("clips"), 3});
    EXPECT_EQ(fromAnswer(cli::handleCliRequest(broken, app.clips, app.services)).code, 2);
    EXPECT_EQ(app.clips.clips().size(), 1);
}

TEST(InstanceRequests, OverTheSocketTheClientPrintsWhatTheLocalCommandWould) {
    App app;
    linux_::InstanceLock instance(app.p.environment);
    instance.onRequest = [&](const QJsonObject& request, linux_::InstanceLock::Reply reply) {
        cli::handleCliRequest(request, app.clips, app.services, reply);
    };
    const QStringList at{QStringLiteral("--dir"), app.p.root.path() + QStringLiteral("/local")};
    const QStringList clips{QStringLiteral("clips")};

    // Without the application nothing is sent: the caller runs the command itself.
    EXPECT_FALSE(forward(app, clips + QStringList{QStringLiteral("list")}).first);
    ASSERT_TRUE(instance.acquire());

    const auto [code, added] = forward(app, clips + QStringList{QStringLiteral("add")}, "over the socket");
    ASSERT_TRUE(code);
    EXPECT_EQ(withoutIDs(added),
              withoutIDs(local(at + QStringList{QStringLiteral("add")}, "over the socket")));
    ASSERT_EQ(app.clips.clips().size(), 1);
    EXPECT_EQ(app.clips.clips().first().text, QStringLiteral("over the socket"));
    const QString id = added.out.trimmed();
    EXPECT_EQ(forward(app, clips + QStringList{QStringLiteral("pin"), id}).second,
              (Outcome{0, id + QStringLiteral(" pinned\n"), {}}));
    EXPECT_EQ(forward(app, clips + QStringList{QStringLiteral("delete"), QStringLiteral("0000")}).second,
              local(at + QStringList{QStringLiteral("delete"), QStringLiteral("0000")}));
    EXPECT_EQ(forward(app, clips + QStringList{QStringLiteral("delete"), id}).second, (Outcome{0, {}, {}}));
    EXPECT_TRUE(app.clips.clips().isEmpty());
    // Over the limit: refused by the command as it would be here, and nothing is stored.
    const QByteArray huge(ClipStore::maximumReadBytes + 1, 'x');
    const Outcome refused = forward(app, clips + QStringList{QStringLiteral("add")}, huge).second;
    EXPECT_EQ(refused, local(at + QStringList{QStringLiteral("add")}, huge));
    EXPECT_EQ(refused.code, 1);
    EXPECT_TRUE(app.clips.clips().isEmpty());

    // A query answers from the application's index with the rows the same query gives in process.
    const QString file = app.p.makeFile(QStringLiteral("Documents/quarterly report.pdf"));
    const QStringList query{QStringLiteral("query"), QStringLiteral("--json"), QStringLiteral("quarterly")};
    const Outcome remote = forward(app, query, {}, {file}).second;
    ASSERT_EQ(remote.code, 0) << remote;
    std::optional<cli::CommandOutput> inProcess;
    cli::runQuery(app.services, query.mid(1), [&](const cli::CommandOutput& output) { inProcess = output; });
    ASSERT_TRUE(waitUntil([&] { return inProcess.has_value(); }, 10000, [&] { app.answerSearches({file}); }));
    EXPECT_EQ(remote.out, inProcess->out);
    const QJsonArray rows =
        QJsonDocument::fromJson(remote.out.toUtf8()).object().value(QStringLiteral("results")).toArray();
    bool found = false;
    for (const QJsonValue& row : rows)
        found = found ||
                row.toObject().value(QStringLiteral("url")).toString().endsWith(QStringLiteral("report.pdf"));
    EXPECT_TRUE(found) << remote.out.toStdString();
}

TEST(InstanceRequests, ASecondWriterIsRefusedWhileTheApplicationHoldsTheStore) {
    fakes::FakePlatform p;
    const QString dir = p.root.path() + QStringLiteral("/store");
    const QStringList at{QStringLiteral("--dir"), dir};
    ASSERT_EQ(local(at + QStringList{QStringLiteral("add")}, "kept").code, 0);

    // The lock as the running application holds it: a lock file names its holder's program, so a live
    // process of a program called "zarvo" stands in for it.
    const QString program = p.root.path() + QStringLiteral("/") + QString::fromLatin1(kApplicationLockName);
    ASSERT_TRUE(QFile::copy(QStandardPaths::findExecutable(QStringLiteral("sleep")), program));
    QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner);
    QProcess application;
    application.start(program, {QStringLiteral("30")});
    ASSERT_TRUE(application.waitForStarted());
    QFile held(dir + QStringLiteral("/clips.lock"));
    ASSERT_TRUE(held.open(QIODevice::WriteOnly));
    held.write(QByteArray::number(application.processId()) + '\n' + kApplicationLockName + '\n' +
               QSysInfo::machineHostName().toUtf8() + '\n');
    held.close();
    QString problem;
    EXPECT_FALSE(lockClipStore(dir, 0, &problem));
    EXPECT_TRUE(problem.contains(QStringLiteral("held by the running Zarvo"))) << problem.toStdString();

    const Outcome blocked = local(at + QStringList{QStringLiteral("clear")});
    EXPECT_EQ(blocked.code, 1);
    EXPECT_TRUE(blocked.err.contains(QStringLiteral("did not answer"))) << blocked;
    application.kill();
    application.waitForFinished();
    // A dead holder's lock is taken over at once.
    EXPECT_EQ(local(at + QStringList{QStringLiteral("list")}).out.count(QLatin1Char('\n')), 1);
}

TEST(InstanceRequests, OnATerminalControlCharactersInClipsAndFileNamesAreShownEscaped) {
    App app;
    const QStringList clips{QStringLiteral("clips")};
    const QStringList at{QStringLiteral("--dir"), app.p.root.path() + QStringLiteral("/local")};
    const QByteArray text = "\x1b]0;owned\x07 \x1b[2Jx\x7f\xc2\x9b na\xc3\xafve";
    const QString escaped = QStringLiteral("\t\\e]0;owned\\x07 \\e[2Jx\\x7f\\u009b na\u00EFve\n");
    ASSERT_EQ(app.serve(clips + QStringList{QStringLiteral("add")}, QDir::rootPath(), text).code, 0);
    ASSERT_EQ(local(at + QStringList{QStringLiteral("add")}, text).code, 0);

    // Asked by a zarvo-cli whose output is a terminal, and run on one here: the same escaped line.
    QJsonObject asked = request(clips + QStringList{QStringLiteral("list")});
    asked.insert(QStringLiteral("terminal"), true);
    const QString remote = fromAnswer(cli::handleCliRequest(asked, app.clips, app.services)).out;
    EXPECT_TRUE(remote.endsWith(escaped)) << remote.toStdString();
    {
        const cli::PrintingToTerminal terminal(true);
        EXPECT_TRUE(local(at + QStringList{QStringLiteral("list")}).out.endsWith(escaped));
        // JSON keeps the text exact.
        const QJsonArray list =
            QJsonDocument::fromJson(
                local(at + QStringList{QStringLiteral("list"), QStringLiteral("--json")}).out.toUtf8())
                .array();
        EXPECT_EQ(list.first().toObject().value(QStringLiteral("title")).toString(), QString::fromUtf8(text));
    }
    // Into a pipe or a file the text goes as it is.
    EXPECT_TRUE(app.serve(clips + QStringList{QStringLiteral("list")}).out.contains(QChar(0x1b)));

    // A query's rows: the file name escaped, the rest of the line as usual.
    const QString file = app.p.makeFile(QStringLiteral("Documents/bell\x07\x1b[31mred.txt"));
    std::optional<cli::CommandOutput> output;
    {
        const cli::PrintingToTerminal terminal(true);
        cli::runQuery(app.services, {QStringLiteral("31mred")},
                      [&](const cli::CommandOutput& result) { output = result; });
    }
    ASSERT_TRUE(waitUntil([&] { return output.has_value(); }, 10000, [&] { app.answerSearches({file}); }));
    EXPECT_TRUE(output->out.contains(QStringLiteral("bell\\x07\\e[31mred.txt"))) << output->out.toStdString();
    EXPECT_FALSE(output->out.contains(QChar(0x1b)));
}
