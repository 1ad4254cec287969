#include "LinuxSandbox.h"

#include "platform/linux/GnomePreviewer.h"
#include "platform/linux/LinuxNotifications.h"
#include "platform/linux/LinuxProcesses.h"
#include "platform/linux/LinuxSession.h"
#include "platform/linux/LinuxThumbnailer.h"

#include <QCryptographicHash>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QImage>
#include <QStandardPaths>
#include <QUrl>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace zarvo;
using namespace zarvo::linux_;
using namespace zarvo::linuxtest;

namespace {

bool registered(const QString& name, QDBusConnection bus = QDBusConnection::sessionBus()) {
    return bus.interface()->isServiceRegistered(name).value();
}

// Private session and system buses, stand-in lockers and recording services: nothing reaches the machine's.
class LinuxSessionBus : public ::testing::Test {
protected:
    QTemporaryDir dir;
    std::vector<std::unique_ptr<QProcess>> standIns;
    PrivateBus session, system;

    QString log() const { return dir.path() + "/calls.log"; }
    QString bin() const { return dir.path() + "/bin"; }

    void SetUp() override {
        sandbox();
        // Set before the first connection of this process, which is all its own.
        if (!session.start() || !system.start("DBUS_SYSTEM_BUS_ADDRESS"))
            GTEST_SKIP() << "dbus-daemon is not installed or did not start";
        // Only the stand-in lockers can be found, never the machine's loginctl.
        qputenv("PATH", bin().toUtf8());
        writeFile(log(), "");
    }

    // Writes a program that records its call and exits with `status`.
    void program(const QString& name, int status) {
        writeProgram(
            bin() + "/" + name,
            QString("#!/bin/sh\necho \"%1 $*\" >> '%2'\nexit %3\n").arg(name, log()).arg(status).toUtf8());
    }

    QProcess* serve(const QString& name, const QString& path, bool onSystem = false,
                    const QStringList& options = {}) {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DBUS_STARTER_ADDRESS", onSystem ? system.address : session.address);
        process->setProcessEnvironment(environment);
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process->start(ZARVO_DBUS_STANDIN, QStringList{name, path, log()} + options);
        if (!waitUntil([&] {
                return registered(name,
                                  onSystem ? QDBusConnection::systemBus() : QDBusConnection::sessionBus());
            }))
            ADD_FAILURE() << "the stand-in for " << name.toStdString() << " did not start";
        standIns.push_back(std::move(process));
        return standIns.back().get();
    }

    void stop(QProcess* process, const QString& name) {
        process->terminate();
        process->waitForFinished(5000);
        EXPECT_TRUE(waitUntil([&] { return !registered(name); }));
    }

    // The calls recorded since the last look.
    QStringList calls() {
        const QStringList lines = readLines(log());
        writeFile(log(), "");
        return lines;
    }

    ~LinuxSessionBus() override {
        for (auto& process : standIns) {
            process->terminate();
            process->waitForFinished(3000);
        }
    }
};

// A folder other users can reach, as /dev/shm or a stick's root are, inside a temporary folder of ours:
// a test never changes the mode of a folder it did not make (the system's temporary folder above all).
struct Volume {
    QTemporaryDir dir;
    QString root() const { return dir.path() + "/volume"; }
    Volume() {
        QDir().mkpath(root());
        ::chmod(QFile::encodeName(dir.path()).constData(), 0755);
        ::chmod(QFile::encodeName(root()).constData(), 01777);
    }
};

// Hears KIO's change signals on the session bus, as Dolphin does.
class DirectoryWatcher : public QObject {
    Q_OBJECT
public:
    QStringList added;
public slots:
    void filesAdded(const QString& directory) { added << directory; }
};

} // namespace

TEST_F(LinuxSessionBus, EndingAndLockingGoToTheDesktopsServicesAndToLogindOnlyWhenAsked) {
    // Plasma's prompt, which the bus would start on demand: it ends nothing outside Plasma.
    writeFile(
        session.services() + "/org.kde.LogoutPrompt.service",
        QString("[D-BUS Service]\nName=org.kde.LogoutPrompt\nExec=%1 org.kde.LogoutPrompt /LogoutPrompt %2\n")
            .arg(ZARVO_DBUS_STANDIN, log())
            .toUtf8());
    serve("org.freedesktop.login1", "/org/freedesktop/login1", true);
    LinuxProcesses processes;
    fakes::FakeEnvironment xfceEnvironment = sandbox().environment;
    xfceEnvironment.vars.insert("XDG_CURRENT_DESKTOP", "XFCE");
    LinuxSession xfce(xfceEnvironment, processes, false);
    using Ending = Session::Ending;
    const auto end = [](LinuxSession& session, Ending ending) {
        return answer([&](auto done) { session.endSession(ending, done); });
    };

    // XFCE: its own manager, even with GNOME's running too; the applications may save.
    QProcess* xfceManager = serve("org.xfce.SessionManager", "/org/xfce/SessionManager");
    QProcess* gnomeManager = serve("org.gnome.SessionManager", "/org/gnome/SessionManager");
    EXPECT_TRUE(xfce.hasSessionManager());
    for (Ending ending : {Ending::restart, Ending::shutDown, Ending::logOut})
        EXPECT_EQ(end(xfce, ending), std::nullopt);
    EXPECT_EQ(calls(),
              (QStringList{"org.xfce.SessionManager Restart true", "org.xfce.SessionManager Shutdown true",
                           "org.xfce.SessionManager Logout true true"}));
    // A manager that refuses hands over to the next one.
    stop(xfceManager, "org.xfce.SessionManager");
    QProcess* refusing = serve("org.xfce.SessionManager", "/org/xfce/SessionManager", false, {"--refuse"});
    EXPECT_EQ(end(xfce, Ending::restart), std::nullopt);
    EXPECT_EQ(calls(),
              (QStringList{"org.xfce.SessionManager Restart true", "org.gnome.SessionManager Reboot"}));
    stop(gnomeManager, "org.gnome.SessionManager");
    const auto refused = end(xfce, Ending::shutDown);
    ASSERT_TRUE(refused.has_value());
    EXPECT_TRUE(refused->startsWith("the session manager refused")) << refused->toStdString();
    EXPECT_EQ(calls(), QStringList{"org.xfce.SessionManager Shutdown true"});

    // No manager (the activatable Plasma prompt does not count here): nothing ends; logind only when asked.
    stop(refusing, "org.xfce.SessionManager");
    EXPECT_FALSE(xfce.hasSessionManager());
    EXPECT_EQ(end(xfce, Ending::restart), QString("no session manager answers"));
    EXPECT_TRUE(calls().isEmpty());

    // GNOME without its manager: logind restarts and powers off, when called for.
    fakes::FakeEnvironment environment = xfceEnvironment;
    environment.vars.insert("XDG_CURRENT_DESKTOP", "GNOME");
    LinuxSession session(environment, processes, false);
    EXPECT_FALSE(session.hasSessionManager());
    EXPECT_EQ(answer([&](auto done) { session.endSystem(Session::Ending::restart, done); }), std::nullopt);
    EXPECT_EQ(answer([&](auto done) { session.endSystem(Session::Ending::shutDown, done); }), std::nullopt);
    EXPECT_EQ(calls(),
              (QStringList{"org.freedesktop.login1 Reboot true", "org.freedesktop.login1 PowerOff true"}));

    // GNOME: the freedesktop name belongs to a proxy that answers NotSupported; GNOME's own locks.
    serve("org.freedesktop.ScreenSaver", "/org/freedesktop/ScreenSaver", false, {"--refuse"});
    QProcess* gnome = serve("org.gnome.ScreenSaver", "/org/gnome/ScreenSaver");
    const auto lock = [&](LinuxSession& s) { return answer([&](auto done) { s.lockScreen(done); }); };
    EXPECT_EQ(lock(session), std::nullopt);
    EXPECT_EQ(calls(), (QStringList{"org.freedesktop.ScreenSaver Lock", "org.gnome.ScreenSaver Lock"}));
    stop(gnome, "org.gnome.ScreenSaver");

    // XFCE without a running locker service: xflock4 fails, logind's lock request goes out.
    program("xflock4", 1);
    program("loginctl", 0);
    program("xdg-screensaver", 4);
    fakes::FakeEnvironment loggedIn = environment;
    loggedIn.vars.insert("XDG_SESSION_ID", "7");
    LinuxSession withSession(loggedIn, processes, false);
    EXPECT_EQ(lock(withSession), std::nullopt);
    EXPECT_EQ(calls(),
              (QStringList{"org.freedesktop.ScreenSaver Lock", "xflock4 ", "loginctl lock-session"}));

    // Nothing locks: the caller hears so.
    EXPECT_EQ(lock(session), QString("no screen locker answered"));
    EXPECT_EQ(calls(), (QStringList{"org.freedesktop.ScreenSaver Lock", "xflock4 ", "xdg-screensaver lock"}));
}

TEST(LinuxTrash, OnlyTheUsersOwnTrashFoldersCountAndLinksAreNeverFollowed) {
    Volume a, b, c, d, e;
    const QString uid = QString::number(getuid());
    // The per-user form: a folder of ours.
    const QString own = a.root() + "/.Trash-" + uid;
    QDir().mkpath(own + "/files");
    // A link in its place is not a trash folder.
    const QString elsewhere = b.root() + "/elsewhere";
    QDir().mkpath(elsewhere + "/files");
    writeFile(elsewhere + "/files/precious", "x");
    ASSERT_TRUE(QFile::link(elsewhere, b.root() + "/.Trash-" + uid));
    // The shared form needs a sticky .Trash that is not a link, with our folder in it.
    QDir().mkpath(c.root() + "/.Trash/" + uid);
    ::chmod(QFile::encodeName(c.root() + "/.Trash").constData(), 0777);
    QDir().mkpath(d.root() + "/.Trash/" + uid + "/files");
    ::chmod(QFile::encodeName(d.root() + "/.Trash").constData(), 01777);
    QDir().mkpath(e.root() + "/sticky");
    ::chmod(QFile::encodeName(e.root() + "/sticky").constData(), 01777);
    QDir().mkpath(e.root() + "/sticky/" + uid);
    ASSERT_TRUE(QFile::link(e.root() + "/sticky", e.root() + "/.Trash"));

    const QStringList found = LinuxSession::trashDirectories(
        a.root() + "/no-home-trash", {a.root(), b.root(), c.root(), d.root(), e.root()});
    EXPECT_EQ(found, (QStringList{own, d.root() + "/.Trash/" + uid}));

    // Handed one anyway, a link or a non-sticky shared folder is refused and nothing goes.
    EXPECT_TRUE(LinuxSession::emptyTrashDirectories({b.root() + "/.Trash-" + uid}).has_value());
    EXPECT_TRUE(LinuxSession::emptyTrashDirectories({c.root() + "/.Trash/" + uid}).has_value());
    EXPECT_TRUE(QFile::exists(elsewhere + "/files/precious"));

    // Links at files, info or expunged in our trash are left alone with their targets; the rest goes.
    const QString victim = a.root() + "/victim";
    writeFile(victim + "/keep", "x");
    QDir(own + "/files").removeRecursively();
    ASSERT_TRUE(QFile::link(victim, own + "/files"));
    writeFile(own + "/info/old.trashinfo", "x");
    writeFile(own + "/expunged/folder/deep/file", "x");
    const auto error = LinuxSession::emptyTrashDirectories({own});
    ASSERT_TRUE(error.has_value());
    EXPECT_TRUE(error->contains(own + "/files")) << error->toStdString();
    EXPECT_TRUE(QFile::exists(victim + "/keep"));
    EXPECT_TRUE(QDir(own + "/info").isEmpty());
    EXPECT_TRUE(QDir(own + "/expunged").isEmpty());

    // A read-only folder, a hidden file and a link in the trash go too; the link's target stays.
    QFile::remove(own + "/files");
    writeFile(own + "/files/locked/inner", "x");
    ::chmod(QFile::encodeName(own + "/files/locked").constData(), 0500);
    writeFile(own + "/files/.hidden", "x");
    ASSERT_TRUE(QFile::link(victim, own + "/files/link"));
    EXPECT_EQ(LinuxSession::emptyTrashDirectories({own}), std::nullopt);
    EXPECT_TRUE(
        QDir(own + "/files").isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System));
    EXPECT_TRUE(QFile::exists(victim + "/keep"));
}

TEST(LinuxTrash, AnotherUsersPlantedTrashFolderIsLeftAlone) {
    if (geteuid() != 0) GTEST_SKIP() << "needs root: only root can act as another user (nobody) here";
    Volume volume;
    const QString uid = QString::number(getuid());
    const QString target = volume.root() + "/mine";
    writeFile(target + "/precious", "x");
    const QString planted = volume.root() + "/.Trash-" + uid;
    // nobody plants "our" trash folder with files pointing at a folder of ours, and a file of its own.
    const QString plant = "mkdir \"$1\" \"$1/info\" && ln -s \"$2\" \"$1/files\" && mkdir \"$1/expunged\" && "
                          "echo theirs > \"$1/expunged/theirs\"";
    QProcess runuser;
    runuser.start("runuser", {"-u", "nobody", "--", "sh", "-c", plant, "sh", planted, target});
    ASSERT_TRUE(runuser.waitForFinished(30000));
    if (runuser.exitCode() != 0)
        GTEST_SKIP() << "runuser could not act as nobody: " << runuser.readAllStandardError().toStdString();
    ASSERT_NE(lstatOf(planted).st_uid, getuid());

    EXPECT_FALSE(LinuxSession::trashDirectories(volume.root() + "/none", {volume.root()}).contains(planted));
    const auto error = LinuxSession::emptyTrashDirectories({planted});
    ASSERT_TRUE(error.has_value());
    EXPECT_TRUE(error->contains("owned by another user")) << error->toStdString();
    EXPECT_TRUE(QFile::exists(target + "/precious"));
    EXPECT_TRUE(QFile::exists(planted + "/expunged/theirs"));
}

TEST_F(LinuxSessionBus, EmptyTrashTellsTheFileManagers) {
    const auto& s = sandbox();
    const QString trash = s.data + "/Trash";
    writeFile(trash + "/files/old.txt", "x");
    writeFile(trash + "/info/old.txt.trashinfo", "[Trash Info]\nPath=/tmp/old.txt\n");
    // Plasma's record of the Trash, with a setting of its own that stays.
    const QString trashrc = s.config + "/trashrc";
    writeFile(trashrc, "[" + trash.toUtf8() + "]\nDays=7\nUseTimeLimit=true\n\n[Status]\nEmpty=false\n");
    DirectoryWatcher watcher;
    ASSERT_TRUE(QDBusConnection::sessionBus().connect(QString(), "/", "org.kde.KDirNotify", "FilesAdded",
                                                      &watcher, SLOT(filesAdded(QString))));

    LinuxProcesses processes;
    LinuxSession session(s.environment, processes, false);
    EXPECT_EQ(session.emptyTrash(), std::nullopt);
    ASSERT_TRUE(waitUntil([&] { return !watcher.added.isEmpty(); }));
    EXPECT_EQ(watcher.added, QStringList{"trash:/"});
    EXPECT_FALSE(QFile::exists(trash + "/files/old.txt"));
    EXPECT_EQ(readFile(trashrc),
              "[" + trash.toUtf8() + "]\nDays=7\nUseTimeLimit=true\n\n[Status]\nEmpty=true\n");
}

// The previewer and the notification server are called without waiting, and only when the bus has them.
TEST_F(LinuxSessionBus, PreviewsAndNotificationsReachTheirServers) {
    GnomePreviewer previewer;
    LinuxNotifications notifications("com.velorin.zarvo");
    EXPECT_FALSE(previewer.isAvailable());
    EXPECT_FALSE(notifications.notify("Zarvo is running", "x"));
    serve("org.gnome.NautilusPreviewer", "/org/gnome/NautilusPreviewer", false,
          {"--interface=org.gnome.NautilusPreviewer2"});
    serve("org.freedesktop.Notifications", "/org/freedesktop/Notifications", false,
          {"--interface=org.freedesktop.Notifications"});
    EXPECT_TRUE(previewer.isAvailable());
    const auto heard = [&] {
        waitUntil([&] { return !readLines(log()).isEmpty(); });
        return calls();
    };

    // A name that needs escaping arrives as a proper file URI, with the panel's window as parent.
    EXPECT_TRUE(previewer.show(QUrl::fromLocalFile("/tmp/a b#1.pdf"), 0x2a0001f));
    EXPECT_EQ(
        heard(),
        QStringList{"org.gnome.NautilusPreviewer ShowFile file:///tmp/a%20b%231.pdf x11:2a0001f false"});
    const QString body = QStringLiteral("Bind \u201Czarvo --toggle\u201D in Settings \u203A Keyboard.");
    EXPECT_TRUE(notifications.notify("Zarvo is running", body));
    EXPECT_EQ(heard(),
              QStringList{"org.freedesktop.Notifications Notify Zarvo 0 com.velorin.zarvo Zarvo is running " +
                          body + R"(  {"desktop-entry":"com.velorin.zarvo"} -1)"});
}

#include "LinuxSessionBusTest.moc"

// The desktop's thumbnailer, started on the private bus, writes the freedesktop cache entry the rows read.
TEST_F(LinuxSessionBus, TheDesktopsThumbnailerMakesWhatTheRowsRead) {
    const QString tumbler = QStandardPaths::findExecutable(
        "tumblerd", {"/usr/lib/x86_64-linux-gnu/tumbler-1", "/usr/lib/tumbler-1"});
    if (tumbler.isEmpty()) GTEST_SKIP() << "tumbler is not installed";
    writeFile(session.services() + "/thumbnailer.service",
              QString("[D-BUS Service]\nName=org.freedesktop.thumbnails.Thumbnailer1\nExec=%1\n")
                  .arg(tumbler)
                  .toUtf8());
    const QString picture = dir.path() + "/red square #1.png";
    QImage red(300, 200, QImage::Format_RGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(picture));

    LinuxThumbnailer thumbnailer;
    QStringList done;
    thumbnailer.request({picture}, [&](const QStringList& paths) { done << paths; });
    EXPECT_TRUE(waitUntil([&] { return !done.isEmpty(); }, 30000));
    EXPECT_EQ(done, QStringList{picture});

    const QByteArray uri = QUrl::fromLocalFile(picture).toEncoded();
    const QImage image(qEnvironmentVariable("XDG_CACHE_HOME") + "/thumbnails/normal/" +
                       QCryptographicHash::hash(uri, QCryptographicHash::Md5).toHex() + ".png");
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.text("Thumb::URI").toUtf8(), uri);
    // Tumbler writes the seconds with a fraction ("1796759859.729634").
    EXPECT_EQ(qint64(image.text("Thumb::MTime").toDouble()),
              QFileInfo(picture).lastModified().toSecsSinceEpoch());
}
