#include "LinuxSandbox.h"

#include "platform/linux/LinuxProcesses.h"
#include "platform/linux/LinuxSession.h"
#include "platform/linux/LinuxThumbnailer.h"

#include <QCryptographicHash>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDir>
#include <QImage>
#include <QUrl>
#include <gtest/gtest.h>

using namespace zarvo;
using namespace zarvo::linux_;
using namespace zarvo::linuxtest;

namespace {

bool registered(const QString& name, QDBusConnection bus = QDBusConnection::sessionBus()) {
    return bus.interface()->isServiceRegistered(name).value();
}

// Two private buses standing for the session and the system bus, programs standing for the lockers, and
// recording stand-ins for the services: no call reaches the machine's own session or logind.
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
        writeFile(
            bin() + "/" + name,
            QString("#!/bin/sh\necho \"%1 $*\" >> '%2'\nexit %3\n").arg(name, log()).arg(status).toUtf8(),
            true);
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

// Hears KIO's change signals on the session bus, as Dolphin does.
class DirectoryWatcher : public QObject {
    Q_OBJECT
public:
    QStringList added;
public slots:
    void filesAdded(const QString& directory) { added << directory; }
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

    // No manager (Plasma's prompt alone ends nothing outside Plasma): nothing is ended, and logind only
    // when asked, interactively.
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

#include "LinuxSessionBusTest.moc"

// The desktop's thumbnailer, started on the private bus, writes the freedesktop cache entry the rows read:
// under the MD5 of the file's URI, with that URI and the file's modification time in it.
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
    EXPECT_EQ(image.width(), 128);
    EXPECT_EQ(QColor(image.pixel(64, 40)).red(), 255);
}
