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
class Desktop {
public:
    QTemporaryDir dir;
    std::vector<std::unique_ptr<QProcess>> processes;
    PrivateBus session, system;

    QString log() const { return dir.path() + "/calls.log"; }
    QString bin() const { return dir.path() + "/bin"; }

    // False (with the reason printed) when the buses could not start.
    bool start() {
        sandbox();
        // Set before the first connection of this process, which is all its own.
        if (!session.start() || !system.start("DBUS_SYSTEM_BUS_ADDRESS")) return false;
        // Only the stand-in lockers can be found, never the machine's loginctl.
        qputenv("PATH", bin().toUtf8());
        writeFile(log(), "");
        return true;
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
        processes.push_back(std::move(process));
        return processes.back().get();
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

    ~Desktop() {
        for (auto& process : processes) {
            process->terminate();
            process->waitForFinished(3000);
        }
    }
};

QString uid() {
    return QString::number(getuid());
}

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

// Offers `object`'s slots as the desktop's service `name` on the private bus at `address`.
bool offer(const QString& address, QObject* object, const QString& name, const QString& path) {
    QDBusConnection service = QDBusConnection::connectToBus(address, "fake");
    return service.registerObject(path, object, QDBusConnection::ExportAllSlots) &&
           service.registerService(name);
}

// Stand in for GNOME's previewer and the notification server, recording what they are asked.
class FakeNautilusPreviewer : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.gnome.NautilusPreviewer2")
public:
    QStringList calls;
public slots:
    void ShowFile(const QString& uri, const QString& parentHandle, bool closeIfShown) {
        calls << uri + QLatin1Char(' ') + parentHandle + (closeIfShown ? " close" : " keep");
    }
};

class FakeNotificationServer : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    QStringList calls;
public slots:
    uint Notify(const QString& app, uint replaces, const QString& icon, const QString& summary,
                const QString& body, const QStringList& actions, const QVariantMap& hints, int timeout) {
        calls << QString("%1|%2|%3|%4|%5|%6|%7|%8")
                     .arg(app, QString::number(replaces), icon, summary, body, actions.join(','),
                          hints.value("desktop-entry").toString(), QString::number(timeout));
        return uint(calls.size());
    }
};

} // namespace

TEST(LinuxSessionBus, EndingAndLockingGoToTheDesktopsServicesAndToLogindOnlyWhenAsked) {
    Desktop desktop;
    if (!desktop.start()) GTEST_SKIP() << "dbus-daemon is not installed or did not start";
    // Plasma's prompt is started by the bus on demand and exits after each prompt.
    writeFile(
        desktop.session.services() + "/org.kde.LogoutPrompt.service",
        QString("[D-BUS Service]\nName=org.kde.LogoutPrompt\nExec=%1 org.kde.LogoutPrompt /LogoutPrompt %2 "
                "--once\n")
            .arg(ZARVO_DBUS_STANDIN, desktop.log())
            .toUtf8());
    desktop.serve("org.freedesktop.login1", "/org/freedesktop/login1", true);
    LinuxProcesses processes;
    fakes::FakeEnvironment xfceEnvironment = sandbox().environment;
    xfceEnvironment.vars.insert("XDG_CURRENT_DESKTOP", "XFCE");
    LinuxSession xfce(xfceEnvironment, processes, false);
    using Ending = Session::Ending;
    const auto end = [](LinuxSession& session, Ending ending) {
        return answer([&](auto done) { session.endSession(ending, done); });
    };

    // XFCE: its own manager, even with GNOME's running too; the applications may save.
    QProcess* xfceManager = desktop.serve("org.xfce.SessionManager", "/org/xfce/SessionManager");
    QProcess* gnomeManager = desktop.serve("org.gnome.SessionManager", "/org/gnome/SessionManager");
    EXPECT_TRUE(xfce.hasSessionManager());
    for (Ending ending : {Ending::restart, Ending::shutDown, Ending::logOut})
        EXPECT_EQ(end(xfce, ending), std::nullopt);
    EXPECT_EQ(desktop.calls(),
              (QStringList{"org.xfce.SessionManager Restart true", "org.xfce.SessionManager Shutdown true",
                           "org.xfce.SessionManager Logout true true"}));
    // A manager that refuses hands over to the next one.
    desktop.stop(xfceManager, "org.xfce.SessionManager");
    QProcess* refusing =
        desktop.serve("org.xfce.SessionManager", "/org/xfce/SessionManager", false, {"--refuse"});
    EXPECT_EQ(end(xfce, Ending::restart), std::nullopt);
    EXPECT_EQ(desktop.calls(),
              (QStringList{"org.xfce.SessionManager Restart true", "org.gnome.SessionManager Reboot"}));
    desktop.stop(gnomeManager, "org.gnome.SessionManager");
    const auto refused = end(xfce, Ending::shutDown);
    ASSERT_TRUE(refused.has_value());
    EXPECT_TRUE(refused->startsWith("the session manager refused")) << refused->toStdString();

    // Plasma: the prompt is not running, yet it is there, and it shows Plasma's dialog.
    fakes::FakeEnvironment kdeEnvironment = xfceEnvironment;
    kdeEnvironment.vars.insert("XDG_CURRENT_DESKTOP", "KDE");
    LinuxSession kde(kdeEnvironment, processes, false);
    ASSERT_FALSE(registered("org.kde.LogoutPrompt"));
    EXPECT_TRUE(kde.hasSessionManager());
    desktop.calls();
    EXPECT_EQ(end(kde, Ending::restart), std::nullopt);
    EXPECT_EQ(desktop.calls(), QStringList{"org.kde.LogoutPrompt promptReboot"});
    EXPECT_TRUE(waitUntil([&] { return !registered("org.kde.LogoutPrompt"); }));
    EXPECT_EQ(end(kde, Ending::logOut), std::nullopt);
    EXPECT_EQ(desktop.calls(), QStringList{"org.kde.LogoutPrompt promptLogout"});

    // No manager (Plasma's prompt ends nothing outside Plasma): nothing ends; logind only when asked.
    desktop.stop(refusing, "org.xfce.SessionManager");
    EXPECT_FALSE(xfce.hasSessionManager());
    EXPECT_EQ(end(xfce, Ending::restart), QString("no session manager answers"));
    EXPECT_TRUE(desktop.calls().isEmpty());

    // GNOME without its manager: logind restarts and powers off, when called for.
    fakes::FakeEnvironment environment = xfceEnvironment;
    environment.vars.insert("XDG_CURRENT_DESKTOP", "GNOME");
    LinuxSession session(environment, processes, false);
    EXPECT_FALSE(session.hasSessionManager());
    EXPECT_EQ(answer([&](auto done) { session.endSystem(Session::Ending::restart, done); }), std::nullopt);
    EXPECT_EQ(answer([&](auto done) { session.endSystem(Session::Ending::shutDown, done); }), std::nullopt);
    EXPECT_EQ(desktop.calls(),
              (QStringList{"org.freedesktop.login1 Reboot true", "org.freedesktop.login1 PowerOff true"}));

    // GNOME: the freedesktop name belongs to a proxy that answers NotSupported; GNOME's own locks.
    desktop.serve("org.freedesktop.ScreenSaver", "/org/freedesktop/ScreenSaver", false, {"--refuse"});
    QProcess* gnome = desktop.serve("org.gnome.ScreenSaver", "/org/gnome/ScreenSaver");
    const auto lock = [&](LinuxSession& s) { return answer([&](auto done) { s.lockScreen(done); }); };
    EXPECT_EQ(lock(session), std::nullopt);
    EXPECT_EQ(desktop.calls(),
              (QStringList{"org.freedesktop.ScreenSaver Lock", "org.gnome.ScreenSaver Lock"}));
    desktop.stop(gnome, "org.gnome.ScreenSaver");

    // XFCE without a running locker service: xflock4 fails, logind's lock request goes out.
    desktop.program("xflock4", 1);
    desktop.program("loginctl", 0);
    desktop.program("xdg-screensaver", 4);
    fakes::FakeEnvironment loggedIn = environment;
    loggedIn.vars.insert("XDG_SESSION_ID", "7");
    LinuxSession withSession(loggedIn, processes, false);
    EXPECT_EQ(lock(withSession), std::nullopt);
    EXPECT_EQ(desktop.calls(),
              (QStringList{"org.freedesktop.ScreenSaver Lock", "xflock4 ", "loginctl lock-session"}));

    // Nothing locks: the caller hears so.
    EXPECT_EQ(lock(session), QString("no screen locker answered"));
    EXPECT_EQ(desktop.calls(),
              (QStringList{"org.freedesktop.ScreenSaver Lock", "xflock4 ", "xdg-screensaver lock"}));
}

TEST(LinuxTrash, OnlyTheUsersOwnTrashFoldersCountAndLinksAreNeverFollowed) {
    Volume a, b, c, d, e;
    // The per-user form: a folder of ours.
    const QString own = a.root() + "/.Trash-" + uid();
    QDir().mkpath(own + "/files");
    // A link in its place is not a trash folder.
    const QString elsewhere = b.root() + "/elsewhere";
    QDir().mkpath(elsewhere + "/files");
    writeFile(elsewhere + "/files/precious", "x");
    ASSERT_TRUE(QFile::link(elsewhere, b.root() + "/.Trash-" + uid()));
    // The shared form needs a sticky .Trash that is not a link, with our folder in it.
    QDir().mkpath(c.root() + "/.Trash/" + uid());
    ::chmod(QFile::encodeName(c.root() + "/.Trash").constData(), 0777);
    QDir().mkpath(d.root() + "/.Trash/" + uid() + "/files");
    ::chmod(QFile::encodeName(d.root() + "/.Trash").constData(), 01777);
    QDir().mkpath(e.root() + "/sticky");
    ::chmod(QFile::encodeName(e.root() + "/sticky").constData(), 01777);
    QDir().mkpath(e.root() + "/sticky/" + uid());
    ASSERT_TRUE(QFile::link(e.root() + "/sticky", e.root() + "/.Trash"));

    const QStringList found = LinuxSession::trashDirectories(
        a.root() + "/no-home-trash", {a.root(), b.root(), c.root(), d.root(), e.root()});
    EXPECT_EQ(found, (QStringList{own, d.root() + "/.Trash/" + uid()}));

    // Handed one anyway, a link or a non-sticky shared folder is refused and nothing goes.
    EXPECT_TRUE(LinuxSession::emptyTrashDirectories({b.root() + "/.Trash-" + uid()}).has_value());
    EXPECT_TRUE(LinuxSession::emptyTrashDirectories({c.root() + "/.Trash/" + uid()}).has_value());
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
    const QString target = volume.root() + "/mine";
    writeFile(target + "/precious", "x");
    const QString planted = volume.root() + "/.Trash-" + uid();
    // nobody plants "our" trash folder with files pointing at a folder of ours, and a file of its own.
    QProcess runuser;
    runuser.start("runuser",
                  {"-u", "nobody", "--", "sh", "-c",
                   "mkdir \"$1\" \"$1/info\" && ln -s \"$2\" \"$1/files\" && mkdir \"$1/expunged\" && "
                   "echo theirs > \"$1/expunged/theirs\"",
                   "sh", planted, target});
    ASSERT_TRUE(runuser.waitForFinished(30000));
    if (runuser.exitCode() != 0)
        GTEST_SKIP() << "runuser could not act as nobody: " << runuser.readAllStandardError().toStdString();
    struct stat status;
    ASSERT_EQ(::lstat(QFile::encodeName(planted).constData(), &status), 0);
    ASSERT_NE(status.st_uid, getuid());

    EXPECT_FALSE(LinuxSession::trashDirectories(volume.root() + "/none", {volume.root()}).contains(planted));
    const auto error = LinuxSession::emptyTrashDirectories({planted});
    ASSERT_TRUE(error.has_value());
    EXPECT_TRUE(error->contains("owned by another user")) << error->toStdString();
    EXPECT_TRUE(QFile::exists(target + "/precious"));
    EXPECT_TRUE(QFile::exists(planted + "/expunged/theirs"));
}

TEST(LinuxSessionBus, EmptyTrashTellsTheFileManagers) {
    Desktop desktop;
    if (!desktop.start()) GTEST_SKIP() << "dbus-daemon is not installed or did not start";
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

TEST(GnomePreviewer, HandsTheFileToThePreviewerOnTheSessionBus) {
    PrivateBus bus;
    if (!bus.start()) GTEST_SKIP() << "dbus-daemon is not installed";
    GnomePreviewer previewer;
    EXPECT_FALSE(previewer.isAvailable()) << "nothing offers the previewer yet";
    FakeNautilusPreviewer fake;
    ASSERT_TRUE(offer(bus.address, &fake, "org.gnome.NautilusPreviewer", "/org/gnome/NautilusPreviewer"));
    EXPECT_TRUE(waitUntil([&] { return previewer.isAvailable(); }));

    // A name that needs escaping arrives as a proper file URI, with the panel's window as parent.
    EXPECT_TRUE(previewer.show(QUrl::fromLocalFile("/tmp/a b#1.pdf"), 0x2a0001f));
    ASSERT_TRUE(waitUntil([&] { return !fake.calls.isEmpty(); }));
    EXPECT_EQ(fake.calls, QStringList{"file:///tmp/a%20b%231.pdf x11:2a0001f keep"});
    QDBusConnection::disconnectFromBus("fake");
}

TEST(LinuxNotifications, ReachTheServerOnTheSessionBus) {
    sandbox();
    PrivateBus bus;
    if (!bus.start()) GTEST_SKIP() << "dbus-daemon is not installed";
    LinuxNotifications notifications("com.velorin.zarvo");
    EXPECT_FALSE(notifications.notify("Zarvo is running", "x")) << "no notification server on the bus yet";
    FakeNotificationServer server;
    ASSERT_TRUE(
        offer(bus.address, &server, "org.freedesktop.Notifications", "/org/freedesktop/Notifications"));
    const QString body =
        QStringLiteral("Zarvo runs in the background. Press Super+R, or bind \u201Czarvo --toggle\u201D "
                       "in Settings \u203A Keyboard.");
    EXPECT_TRUE(notifications.notify("Zarvo is running", body));
    ASSERT_TRUE(waitUntil([&] { return !server.calls.isEmpty(); }));
    EXPECT_EQ(server.calls,
              QStringList{"Zarvo|0|com.velorin.zarvo|Zarvo is running|" + body + "||com.velorin.zarvo|-1"});
    QDBusConnection::disconnectFromBus("fake");
}

#include "LinuxSessionBusTest.moc"

// The desktop's thumbnailer, started on the private bus, writes the freedesktop cache entry the rows read.
TEST(LinuxSessionBus, TheDesktopsThumbnailerMakesWhatTheRowsRead) {
    QString tumbler;
    for (const QString& candidate : {QStringLiteral("/usr/lib/x86_64-linux-gnu/tumbler-1/tumblerd"),
                                     QStringLiteral("/usr/lib/tumbler-1/tumblerd")})
        if (QFileInfo(candidate).isExecutable()) tumbler = candidate;
    if (tumbler.isEmpty()) GTEST_SKIP() << "tumbler is not installed";
    Desktop desktop;
    if (!desktop.start()) GTEST_SKIP() << "dbus-daemon is not installed or did not start";
    writeFile(desktop.session.services() + "/thumbnailer.service",
              QString("[D-BUS Service]\nName=org.freedesktop.thumbnails.Thumbnailer1\nExec=%1\n")
                  .arg(tumbler)
                  .toUtf8());
    const QString home = qEnvironmentVariable("HOME");
    const QString picture = home + "/Pictures/red square #1.png";
    QDir().mkpath(home + "/Pictures");
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
