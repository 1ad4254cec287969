#include "platform/linux/InstanceLock.h"
#include "LinuxSandbox.h"
#include "platform/linux/InstanceChannel.h"
#include "platform/linux/InstanceFolder.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QLocalSocket>
#include <QProcess>
#include <QStandardPaths>
#include <atomic>
#include <cstring>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

using namespace zarvo;
using namespace zarvo::linux_;
using zarvo::linuxtest::lstatOf;
using zarvo::testing::pump;
using zarvo::testing::waitUntil;

namespace {

const QString kIdentifier = "com.velorin.zarvo.locktest";

QString base() {
    return QStringLiteral("%1-%2").arg(kIdentifier).arg(::getuid());
}

fakes::FakeEnvironment environmentIn(const QString& temp) {
    fakes::FakeEnvironment env;
    env.identifier = kIdentifier;
    env.temp = temp;
    QDir().mkpath(temp);
    return env;
}

// The blocking client runs on a thread of its own while this one serves the requests.
InstanceReply sendWhileServing(const Environment& environment, const QJsonObject& request,
                               int timeoutMs = 5000) {
    std::atomic<bool> done{false};
    InstanceReply reply;
    std::thread client([&] {
        reply = InstanceClient::send(environment, request, timeoutMs);
        done = true;
    });
    waitUntil([&] { return done.load(); }, timeoutMs + 5000);
    client.join();
    return reply;
}

} // namespace

TEST(InstanceLock, OneInstancePerIdentifierAndUserInAPrivateFolder) {
    QTemporaryDir root;
    fakes::FakeEnvironment env = environmentIn(root.filePath("tmp"));
    const QString fallback = env.temp + QLatin1Char('/') + base();
    // No runtime folder, a missing or a relative one, or one others may enter: the fallback is used.
    const QString runtime = root.filePath("run");
    QDir().mkpath(runtime);
    ::chmod(QFile::encodeName(runtime).constData(), 0755);
    for (const QString& value : {QString(), root.filePath("missing"), QString("relative/run"), runtime}) {
        if (!value.isEmpty()) env.vars.insert("XDG_RUNTIME_DIR", value);
        EXPECT_EQ(InstanceLock::serverName(env), fallback + QLatin1Char('/') + base()) << value.toStdString();
    }
    ::chmod(QFile::encodeName(runtime).constData(), 0700);
    EXPECT_EQ(InstanceLock::serverName(env), runtime + QLatin1Char('/') + base());

    auto first = std::make_unique<InstanceLock>(env);
    ASSERT_TRUE(first->acquire());
    EXPECT_TRUE(InstanceLock::isRunning(env, 200));
    // The socket itself is the user's alone too.
    EXPECT_EQ(lstatOf(runtime + QLatin1Char('/') + base()).st_mode & 077, 0u);
    InstanceLock second(env);
    EXPECT_FALSE(second.acquire());

    // Another identifier (a test build beside the real one) is another instance.
    fakes::FakeEnvironment other = env;
    other.identifier = "com.velorin.zarvo.other";
    EXPECT_FALSE(InstanceLock::isRunning(other, 200));

    first.reset();
    EXPECT_FALSE(InstanceLock::isRunning(env, 200));
    EXPECT_TRUE(second.acquire());
}

TEST(InstanceLock, WhatACrashLeftBehindDoesNotBlock) {
    QTemporaryDir root;
    const fakes::FakeEnvironment env = environmentIn(root.path());
    // A socket file nobody listens on any more, as a killed instance leaves it.
    const QByteArray name = QFile::encodeName(InstanceLock::serverName(env));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(std::size_t(name.size()), sizeof(address.sun_path));
    std::memcpy(address.sun_path, name.constData(), name.size());
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    ::close(fd);
    ASSERT_TRUE(QFile::exists(QFile::decodeName(name)));

    EXPECT_FALSE(InstanceLock::isRunning(env, 200));
    EXPECT_EQ(InstanceClient::send(env, {{"type", "toggle"}}, 500).status, InstanceReply::Status::noInstance);
    EXPECT_TRUE(InstanceLock(env).acquire());
}

TEST(InstanceLock, TheFallbackFolderIsTheUsersAndALinkAtItsNameIsNotFollowed) {
    QTemporaryDir root;
    fakes::FakeEnvironment env = environmentIn(root.filePath("tmp"));
    const QString plain = env.temp + QLatin1Char('/') + base();

    // Nothing is made for a client: no folder means no instance.
    EXPECT_FALSE(InstanceFolder::locate(env, false));
    EXPECT_FALSE(QFileInfo::exists(plain));
    const auto made = InstanceFolder::locate(env, true);
    ASSERT_TRUE(made);
    EXPECT_EQ(*made, plain);
    const struct stat info = lstatOf(plain);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    EXPECT_EQ(info.st_uid, ::geteuid());
    EXPECT_EQ(InstanceFolder::locate(env, false), made);
    QDir(plain).removeRecursively();

    // A link at the name, even to a private folder of ours, is neither followed nor used.
    const QString target = root.filePath("elsewhere");
    ASSERT_EQ(::mkdir(QFile::encodeName(target).constData(), 0700), 0);
    ASSERT_TRUE(QFile::link(target, plain));
    EXPECT_FALSE(InstanceFolder::locate(env, false));
    InstanceLock lock(env);
    ASSERT_TRUE(lock.acquire());
    const QString fresh = QFileInfo(InstanceLock::serverName(env)).path();
    EXPECT_TRUE(fresh.startsWith(plain + QLatin1Char('.'))) << fresh.toStdString();
    EXPECT_EQ(lstatOf(fresh).st_mode & 0777, 0700u);
    EXPECT_TRUE(QDir(target).isEmpty());
    EXPECT_TRUE(QFileInfo(plain).isSymLink());
    // Every process of the user finds the same fresh folder.
    EXPECT_TRUE(InstanceLock::isRunning(env, 200));
    EXPECT_EQ(InstanceFolder::locate(env, false), fresh);

    // A temporary folder where others could swap our folder for theirs holds no socket.
    fakes::FakeEnvironment open = env;
    open.temp = root.filePath("open");
    ASSERT_EQ(::mkdir(QFile::encodeName(open.temp).constData(), 0777), 0);
    ::chmod(QFile::encodeName(open.temp).constData(), 0777);
    EXPECT_FALSE(InstanceFolder::locate(open, true));
    EXPECT_FALSE(InstanceLock(open).acquire());
    ::chmod(QFile::encodeName(open.temp).constData(), 01777); // the sticky bit, as /tmp has
    EXPECT_TRUE(InstanceFolder::locate(open, true));
}

TEST(InstanceChannel, FramesSurviveAnyCutAndBadOnesEndTheStream) {
    using namespace InstanceFrame;
    const QJsonObject first{{"type", "cli"}, {"args", QJsonArray{"clips", "ä✓"}}};
    const QJsonObject second{{"type", "quit"}};
    const QByteArray stream = encode(first) + encode(second);
    EXPECT_EQ(stream.left(4), QByteArray::fromHex("00000027"));
    Reader reader;
    QList<QJsonObject> got;
    for (char byte : stream) {
        reader.append(QByteArray(1, byte));
        while (auto message = reader.next())
            got << *message;
    }
    EXPECT_EQ(got, (QList<QJsonObject>{first, second}));
    EXPECT_FALSE(reader.failed());

    // An oversized length is refused on the header alone, before its body is waited for.
    Reader oversized;
    oversized.append(QByteArray::fromHex("04000001") + "{}");
    EXPECT_FALSE(oversized.next());
    EXPECT_TRUE(oversized.failed());
    EXPECT_TRUE(oversized.error().contains("larger than the limit")) << oversized.error().toStdString();
    oversized.append(encode(second));
    EXPECT_FALSE(oversized.next());
    EXPECT_EQ(oversized.pending(), 0);

    for (const QByteArray& body :
         {QByteArray("[1]"), QByteArray("{\"a\":"), QByteArray(""), QByteArray("{\"a\":\"\xff\"}")}) {
        Reader bad;
        QByteArray frame(4, '\0');
        frame[3] = char(body.size());
        bad.append(frame + body + encode(second));
        EXPECT_FALSE(bad.next()) << body.toStdString();
        EXPECT_TRUE(bad.failed()) << body.toStdString();
        EXPECT_FALSE(bad.next());
    }
    // A message over the limit is not encoded at all.
    EXPECT_TRUE(encode({{"stdin", QString(maximumSize, QLatin1Char('a'))}}).isEmpty());
}

TEST(InstanceChannel, RequestsReachTheHandlerAndBadClientsOrAFloodDoNotHarmTheServer) {
    QTemporaryDir root;
    const fakes::FakeEnvironment env = environmentIn(root.path());
    InstanceLock lock(env);
    QList<QJsonObject> requests;
    InstanceLock::Reply later;
    lock.onRequest = [&](const QJsonObject& request, InstanceLock::Reply reply) {
        requests << request;
        if (request.value("type") == QLatin1String("slow")) {
            later = reply; // answered after the client gave up
            return;
        }
        reply({{"echo", request.value("type")}});
        reply({{"echo", "twice"}}); // only the first answer goes out
    };
    ASSERT_TRUE(lock.acquire());

    InstanceReply reply = sendWhileServing(env, {{"type", "toggle"}});
    ASSERT_EQ(reply.status, InstanceReply::Status::answered) << reply.error.toStdString();
    EXPECT_EQ(reply.body, (QJsonObject{{"echo", "toggle"}}));

    // An oversized header ends its connection, a request without a type gets an error; the server stays.
    QLocalSocket raw;
    raw.connectToServer(InstanceLock::serverName(env));
    ASSERT_TRUE(raw.waitForConnected(1000));
    raw.write(QByteArray::fromHex("7fffffff") + "xx");
    raw.flush();
    pump(100);
    EXPECT_EQ(raw.state(), QLocalSocket::UnconnectedState);
    reply = sendWhileServing(env, {{"kind", "toggle"}});
    ASSERT_EQ(reply.status, InstanceReply::Status::answered);
    EXPECT_TRUE(reply.body.value("error").toString().contains("\"type\""));
    EXPECT_EQ(requests.size(), 1);

    // No answer in time: the exchange failed (an instance is there), and the late answer harms nothing.
    reply = sendWhileServing(env, {{"type", "slow"}}, 300);
    EXPECT_EQ(reply.status, InstanceReply::Status::failed);
    EXPECT_TRUE(reply.error.contains("no answer")) << reply.error.toStdString();
    pump(50);
    ASSERT_TRUE(later);
    later({{"echo", "late"}});
    reply = sendWhileServing(env, {{"type", "settings"}});
    EXPECT_EQ(reply.body, (QJsonObject{{"echo", "settings"}}));

    // Idle connections flood in while we are short of descriptors: the server drops them and listens again.
    const QString python = QStandardPaths::findExecutable("python3");
    if (python.isEmpty()) GTEST_SKIP() << "python3 is not installed";
    QProcess flood;
    flood.start(python, {"-c",
                         QStringLiteral("import socket, sys, time\n"
                                        "sys.stdin.readline()\n"
                                        "held = []\n"
                                        "for i in range(300):\n"
                                        "    c = socket.socket(socket.AF_UNIX)\n"
                                        "    c.settimeout(0.5)\n"
                                        "    try: c.connect(sys.argv[1]); held.append(c)\n"
                                        "    except OSError: pass\n"
                                        "print(len(held), flush=True)\n"
                                        "time.sleep(8)\n"),
                         InstanceLock::serverName(env)});
    ASSERT_TRUE(flood.waitForStarted(5000));
    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &saved), 0);
    const auto open = QDir("/proc/self/fd").entryList(QDir::NoDotAndDotDot | QDir::System).size();
    struct rlimit tight = saved;
    tight.rlim_cur = rlim_t(open + 16);
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &tight), 0);
    flood.write("go\n");
    EXPECT_TRUE(waitUntil([&] { return flood.canReadLine(); }));
    pump(InstanceLock::requestDeadlineMs + 1500);

    // The flood still holds its connections; the server answers all the same.
    reply = sendWhileServing(env, {{"type", "toggle"}});
    ::setrlimit(RLIMIT_NOFILE, &saved);
    EXPECT_EQ(flood.state(), QProcess::Running);
    ASSERT_EQ(reply.status, InstanceReply::Status::answered) << reply.error.toStdString();
    EXPECT_EQ(reply.body, (QJsonObject{{"echo", "toggle"}}));
    EXPECT_TRUE(lock.isHeld());
    flood.kill();
    flood.waitForFinished(2000);
}

// The quick client (no Qt), the full one (a startup id to escape), or quick then full: each arrives once.
TEST(InstanceChannel, TheProgramSendsEachRequestOnceWhicheverClientFinishesIt) {
    QTemporaryDir root;
    fakes::FakeEnvironment env = environmentIn(root.path() + "/tmp");
    env.identifier = QString::fromLatin1(kAppIdentifier);
    const QString runtime = root.path() + "/runtime";
    ASSERT_TRUE(QDir().mkpath(runtime));
    ASSERT_TRUE(QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    env.vars.insert("XDG_RUNTIME_DIR", runtime);
    InstanceLock lock(env);
    QList<QJsonObject> requests;
    lock.onRequest = [&](const QJsonObject& request, InstanceLock::Reply reply) {
        requests << request;
        if (request.value("type") == QLatin1String("clipboard"))
            reply({{"ok", true}, {"shown", "clipboard"}});
        else
            reply({{"ok", true}});
    };
    ASSERT_TRUE(lock.acquire());

    // A copy without the desktop module beside it can only answer through the quick path.
    const QString alone = root.path() + "/alone/zarvo";
    ASSERT_TRUE(QDir().mkpath(root.path() + "/alone"));
    ASSERT_TRUE(QFile::copy(ZARVO_PROGRAM, alone));
    const auto run = [&](const QString& program, const QString& argument, const QString& startupId) {
        QProcess zarvo;
        QProcessEnvironment vars = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
            vars.insert(name, root.path() + "/home");
        vars.insert("XDG_RUNTIME_DIR", runtime);
        vars.insert("DESKTOP_STARTUP_ID", startupId);
        zarvo.setProcessEnvironment(vars);
        zarvo.start(program, {argument});
        const bool finished = waitUntil([&] { return zarvo.state() == QProcess::NotRunning; }, 10000);
        if (!finished) zarvo.kill();
        zarvo.waitForFinished(1000);
        return std::pair(finished ? zarvo.exitCode() : -1,
                         QString::fromLocal8Bit(zarvo.readAllStandardError()));
    };
    const QString program = ZARVO_PROGRAM;
    for (const auto& [argument, type, startupId] : {std::tuple{"--toggle", "toggle", "zarvo-key_TIME42"},
                                                    {"--clipboard", "clipboard", ""},
                                                    {"--settings", "settings", "a \"quoted\\ id\n"}}) {
        requests.clear();
        const auto [status, errors] = run(type == std::string("toggle") ? alone : program,
                                          QString::fromLatin1(argument), QString::fromUtf8(startupId));
        EXPECT_EQ(status, 0) << argument << ": " << errors.toStdString();
        EXPECT_EQ(requests, (QList<QJsonObject>{{{"type", type}, {"startupId", startupId}}})) << argument;
    }
}

// Another user's processes, made with setpriv as `nobody`: they need the tests to run as root.
class OtherUser : public ::testing::Test {
protected:
    void SetUp() override {
        if (::geteuid() != 0) GTEST_SKIP() << "needs root to run a process as nobody (setpriv)";
        setpriv = QStandardPaths::findExecutable("setpriv");
        if (setpriv.isEmpty()) GTEST_SKIP() << "setpriv (util-linux) is not installed";
        ASSERT_TRUE(root.isValid());
        // The tree down to the helper and the shared folder must be open to nobody.
        ::chmod(QFile::encodeName(root.path()).constData(), 01777);
    }
    void TearDown() override {
        for (auto& process : processes) {
            process->kill();
            process->waitForFinished(2000);
        }
    }
    void serve(InstanceLock& lock) {
        lock.onRequest = [this](const QJsonObject&, InstanceLock::Reply reply) {
            ++served;
            reply({{"ok", true}});
        };
        ASSERT_TRUE(lock.acquire());
    }
    // Starts the helper as nobody; false when that is impossible here.
    QProcess* asNobody(const QStringList& args) {
        auto process = std::make_unique<QProcess>();
        process->start(setpriv, QStringList{"--reuid=65534", "--regid=65534", "--clear-groups", "--",
                                            QStringLiteral(ZARVO_INSTANCE_PEER)} +
                                    args);
        if (!process->waitForStarted(5000)) return nullptr;
        processes.push_back(std::move(process));
        return processes.back().get();
    }
    QTemporaryDir root;
    QString setpriv;
    int served = 0;
    std::vector<std::unique_ptr<QProcess>> processes;
};

TEST_F(OtherUser, ASquattedNameNeitherBlocksAStartNorReceivesAMessage) {
    const fakes::FakeEnvironment env = environmentIn(root.path());
    const QString plain = root.path() + QLatin1Char('/') + base();
    QProcess* squatter = asNobody({"squat", plain, base()});
    while (squatter && !squatter->canReadLine() && squatter->state() == QProcess::Running)
        squatter->waitForReadyRead(200);
    if (!squatter || squatter->readLine().trimmed() != "ready")
        GTEST_SKIP() << "nobody cannot run " ZARVO_INSTANCE_PEER " here";
    ASSERT_EQ(lstatOf(plain).st_uid, 65534u);

    // The squatter's socket is not an instance of ours.
    EXPECT_FALSE(InstanceLock::isRunning(env, 200));
    EXPECT_EQ(InstanceClient::sendTo(plain + QLatin1Char('/') + base(), {{"type", "cli"}}, 500).status,
              InstanceReply::Status::noInstance);

    InstanceLock lock(env);
    serve(lock);
    EXPECT_NE(QFileInfo(InstanceLock::serverName(env)).path(), plain);
    const InstanceReply reply = sendWhileServing(env, {{"type", "clipboard"}});
    EXPECT_EQ(reply.status, InstanceReply::Status::answered);
    EXPECT_EQ(served, 1);

    // What reached the squatter: one connection without a single byte (the check of its owner).
    squatter->waitForReadyRead(1500);
    EXPECT_EQ(squatter->readAll().trimmed(), QByteArray("received 0"));
}

TEST_F(OtherUser, TheServerRefusesAClientOfAnotherUser) {
    const fakes::FakeEnvironment env = environmentIn(root.path());
    InstanceLock lock(env);
    serve(lock);
    // Opened up for this test only, so another user's process can reach the socket at all.
    const QString name = InstanceLock::serverName(env);
    ::chmod(QFile::encodeName(QFileInfo(name).path()).constData(), 0711);
    ::chmod(QFile::encodeName(name).constData(), 0777);

    QProcess* client = asNobody({"connect", name});
    if (!client) GTEST_SKIP() << "nobody cannot run " ZARVO_INSTANCE_PEER " here";
    waitUntil([&] { return client->state() != QProcess::Running; }, 8000,
              [&] { client->waitForFinished(10); });
    const QByteArray said = client->readAll().trimmed();
    if (said == "refused") GTEST_SKIP() << "nobody cannot reach the socket here";
    EXPECT_EQ(said, QByteArray("answer 0"));
    EXPECT_EQ(served, 0);
}
