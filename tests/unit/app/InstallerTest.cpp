#include "app/Installer.h"

#include "fakes/FakePlatform.h"
#include "platform/linux/LinuxInstallation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using zarvo::Installation;
using zarvo::app::Installer;

namespace {

// The desktop as the installer sees it: folders with information files, mounts, and a log of what
// the installer did to it.
class FakeInstallation : public Installation, public zarvo::app::InstallDialogs {
public:
    QString running = QStringLiteral("/home/me/Downloads/Zarvo");
    QStringList args{QStringLiteral("zarvo")};
    QHash<QString, Info> folders;
    QHash<QString, QString> links; // path → where it leads
    QStringList mounts{QStringLiteral("/"), QStringLiteral("/home")};
    QSet<QString> images;
    QList<int> answers; // the buttons pressed, in turn
    std::optional<Failure> copyFailure;
    std::optional<QString> copiedBuild; // a copy that comes out as another build
    AdminResult admin{0, {}};
    bool installedRunning = false;
    QStringList log;
    int lockDepth = 0;
    bool lockedElsewhere = false; // another process holds the install lock
    bool renameFails = false;
    QStringList changedWithoutLock; // folders changed while this process did not hold the lock

    static Info copyInfo(const QString& build, const QString& version = QStringLiteral("1.0")) {
        return Info{QStringLiteral("com.velorin.zarvo"), build, version};
    }

    QString runningFolder() const override { return running; }
    QStringList arguments() const override { return args; }
    QString destination() const override { return QStringLiteral("/home/me/.local/opt/Zarvo"); }
    QString downloadsFolder() const override { return QStringLiteral("/home/me/Downloads"); }
    QString tempFolder() const override { return QStringLiteral("/tmp"); }
    QString resolved(const QString& path) const override { return links.value(path, path); }
    QStringList mountPoints() const override { return mounts; }
    bool isImage(const QString& mountPoint) const override { return images.contains(mountPoint); }
    std::optional<Info> info(const QString& folder) const override {
        if (!folders.contains(folder)) return std::nullopt;
        return folders.value(folder);
    }
    bool exists(const QString& path) const override { return folders.contains(path); }

    int ask(const QString& message, const QString& informative, const QStringList& buttons) override {
        log << QStringLiteral("ask ") + message + QStringLiteral(" | ") + informative +
                   QStringLiteral(" | ") + buttons.join(QLatin1Char('/'));
        return answers.isEmpty() ? -1 : answers.takeFirst();
    }
    void alert(const QString& message, const QString& informative) override {
        log << QStringLiteral("alert ") + message + QStringLiteral(" | ") + informative;
    }
    std::optional<Failure> copyFolder(const QString& from, const QString& to) override {
        log << QStringLiteral("copy ") + from + QStringLiteral(" -> ") + to;
        changed(to);
        if (copyFailure) return copyFailure;
        Info copied = folders.value(from);
        if (copiedBuild) copied.build = *copiedBuild;
        folders.insert(to, copied);
        return std::nullopt;
    }
    std::optional<QString> swap(const QString& staging, const QString& destination) override {
        log << QStringLiteral("swap ") + staging;
        changed(destination);
        const std::optional<Info> old = info(destination);
        folders.insert(destination, folders.take(staging));
        if (old) folders.insert(staging, *old);
        return std::nullopt;
    }
    std::optional<QString> moveToTrash(const QString& path) override {
        log << QStringLiteral("trash ") + path;
        folders.remove(path);
        return std::nullopt;
    }
    void removeFolder(const QString& path) override {
        changed(path);
        if (folders.remove(path)) log << QStringLiteral("remove ") + path;
    }
    std::optional<QString> rename(const QString& from, const QString& to) override {
        log << QStringLiteral("rename ") + from + QStringLiteral(" -> ") + to;
        changed(to);
        if (renameFails || !folders.contains(from) || folders.contains(to)) return QStringLiteral("cannot");
        folders.insert(to, folders.take(from));
        return std::nullopt;
    }
    QStringList stagingFolders() const override {
        QStringList found;
        for (auto it = folders.begin(); it != folders.end(); ++it)
            if (it.key().startsWith(QStringLiteral("/home/me/.local/opt/.Zarvo-"))) found << it.key();
        found.sort();
        return found;
    }
    bool lockInstall(bool) override {
        if (lockedElsewhere) return false;
        ++lockDepth;
        return true;
    }
    void unlockInstall() override {
        EXPECT_GT(lockDepth, 0);
        --lockDepth;
    }
    void changed(const QString& path) {
        if (lockDepth == 0) changedWithoutLock << path;
    }
    std::optional<QString> integrate(const QString& folder) override {
        log << QStringLiteral("integrate ") + folder;
        return std::nullopt;
    }
    AdminResult installAsAdministrator(const QString& source, const QString& staging,
                                       const QString& destination) override {
        log << QStringLiteral("admin ") + QStringList{source, staging, destination}.join(QLatin1Char('|'));
        return admin;
    }
    void quitOtherCopies() override { log << QStringLiteral("quit others"); }
    bool isRunning(const QString&) const override { return installedRunning; }
    std::optional<QString> open(const QString& folder, const QStringList& arguments) override {
        log << QStringLiteral("open ") + folder + QLatin1Char(' ') + arguments.join(QLatin1Char(' '));
        return std::nullopt;
    }
    void eject(const QString& volume) override { log << QStringLiteral("eject ") + volume; }
    void ejectAfterExit(const QString& volume) override {
        log << QStringLiteral("eject after exit ") + volume;
    }
    void terminate() override { log << QStringLiteral("terminate"); }
    QString newUuid() const override { return QStringLiteral("1b4e28ba-2fa1-11d2-883f-0016d3cca427"); }
    qint64 secondsSinceEpoch() const override { return 1700000000; }
};

const QString kDestination = QStringLiteral("/home/me/.local/opt/Zarvo");
const QString kStaging = QStringLiteral("/home/me/.local/opt/.Zarvo-1b4e28ba-2fa1-11d2-883f-0016d3cca427");

struct InstallerTest : ::testing::Test {
    FakeInstallation fake;
    void SetUp() override {
        fake.folders.insert(fake.running, FakeInstallation::copyInfo(QStringLiteral("10"), "2.0"));
    }
    bool decide() { return Installer(fake, &fake).decide(); }
    bool logged(const QString& prefix) const {
        return std::any_of(fake.log.begin(), fake.log.end(),
                           [&](const QString& l) { return l.startsWith(prefix); });
    }
};

TEST_F(InstallerTest, CopiesThatRunWhereTheyLie) {
    // No information file (the package's copy, a build tree), or another identifier.
    fake.folders.clear();
    EXPECT_FALSE(decide());
    fake.folders.insert(fake.running, Installation::Info{QStringLiteral("org.example.other"), "10", "2.0"});
    EXPECT_FALSE(decide());
    // A portable copy elsewhere than Downloads, the temporary folder or an image.
    fake.running = QStringLiteral("/home/me/apps/Zarvo");
    fake.folders.insert(fake.running, FakeInstallation::copyInfo(QStringLiteral("10")));
    EXPECT_FALSE(decide());
    // A mount whose path is only a textual prefix of the copy's does not hold it.
    fake.running = QStringLiteral("/media/Tools 2/Zarvo");
    fake.folders.insert(fake.running, FakeInstallation::copyInfo(QStringLiteral("10")));
    fake.mounts << QStringLiteral("/media/Tools");
    fake.images << QStringLiteral("/media/Tools");
    EXPECT_FALSE(decide());
    // A copy in a folder whose name begins like Downloads' is not in Downloads.
    fake.running = QStringLiteral("/home/me/Downloads-old/Zarvo");
    fake.folders.insert(fake.running, FakeInstallation::copyInfo(QStringLiteral("10")));
    EXPECT_FALSE(decide());
    EXPECT_TRUE(fake.log.isEmpty()) << fake.log.join(QLatin1Char('\n')).toStdString();
}

TEST_F(InstallerTest, TheInstalledCopyQuitsOthersAndUnmountsTheImageItCameFrom) {
    fake.running = kDestination;
    fake.folders.insert(kDestination, FakeInstallation::copyInfo(QStringLiteral("10")));
    EXPECT_FALSE(decide());
    EXPECT_EQ(fake.log, QStringList{QStringLiteral("quit others")});

    // Started through a link to the installed folder.
    fake.log.clear();
    fake.links.insert(kDestination, QStringLiteral("/data/opt/Zarvo"));
    fake.running = QStringLiteral("/data/opt/Zarvo");
    fake.folders.insert(fake.running, FakeInstallation::copyInfo(QStringLiteral("10")));
    EXPECT_FALSE(decide());
    EXPECT_EQ(fake.log, QStringList{QStringLiteral("quit others")});

    // Opened by the installer: it also puts its entry in the menu and unmounts a named image only.
    fake.log.clear();
    fake.images << QStringLiteral("/media/me/Zarvo");
    fake.args = QStringList{QStringLiteral("zarvo"), QStringLiteral("--installed"),
                            QStringLiteral("--eject-volume"), QStringLiteral("/media/me/Zarvo")};
    EXPECT_FALSE(decide());
    EXPECT_EQ(fake.log,
              (QStringList{QStringLiteral("quit others"), QStringLiteral("integrate ") + kDestination,
                           QStringLiteral("eject /media/me/Zarvo")}));
    fake.log.clear();
    fake.args[3] = QStringLiteral("/home/me");
    EXPECT_FALSE(decide());
    EXPECT_FALSE(logged(QStringLiteral("eject")));
    fake.args.removeLast();
    EXPECT_FALSE(decide());
    EXPECT_FALSE(logged(QStringLiteral("eject")));
}

TEST_F(InstallerTest, AnEqualOrNewerInstalledBuildIsOpenedWithoutAsking) {
    fake.running = QStringLiteral("/media/me/Zarvo/Zarvo");
    fake.folders.insert(fake.running, FakeInstallation::copyInfo(QStringLiteral("9")));
    fake.mounts << QStringLiteral("/media/me/Zarvo") << QStringLiteral("/media");
    fake.images << QStringLiteral("/media/me/Zarvo");
    fake.folders.insert(kDestination, FakeInstallation::copyInfo(QStringLiteral("10")));
    EXPECT_TRUE(decide());
    EXPECT_EQ(fake.log, (QStringList{QStringLiteral("open ") + kDestination +
                                         QStringLiteral(" --installed --eject-volume /media/me/Zarvo"),
                                     QStringLiteral("terminate")}));
    // Already running: it only shows itself, and the image is unmounted once this copy has gone.
    fake.log.clear();
    fake.installedRunning = true;
    EXPECT_TRUE(decide());
    EXPECT_EQ(fake.log.first(), QStringLiteral("eject after exit /media/me/Zarvo"));
    // Two copies without a build count as equal.
    fake.log.clear();
    fake.folders[fake.running].build.reset();
    fake.folders[kDestination].build.reset();
    EXPECT_TRUE(decide());
    EXPECT_FALSE(logged(QStringLiteral("ask")));
}

TEST_F(InstallerTest, MovingIntoPlaceOpensTheNewCopyWithTheHandOffArguments) {
    fake.answers = {1}; // Not Now
    EXPECT_FALSE(decide());
    EXPECT_EQ(fake.log.size(), 1);
    EXPECT_TRUE(
        fake.log.first().startsWith(QStringLiteral("ask Move Zarvo to your Applications folder? | ")));
    EXPECT_TRUE(fake.log.first().endsWith(QStringLiteral(" | Move to Applications/Not Now")));

    fake.log.clear();
    fake.answers = {0};
    EXPECT_TRUE(decide());
    fake.log.removeFirst();
    EXPECT_EQ(fake.log, (QStringList{QStringLiteral("copy /home/me/Downloads/Zarvo -> ") + kStaging,
                                     QStringLiteral("quit others"), QStringLiteral("swap ") + kStaging,
                                     QStringLiteral("open ") + kDestination + QStringLiteral(" --installed"),
                                     QStringLiteral("terminate")}));
    EXPECT_EQ(fake.folders.value(kDestination).build, QStringLiteral("10"));
}

TEST_F(InstallerTest, AnOlderInstalledCopyIsReplacedAndGoesToTheTrash) {
    fake.running = QStringLiteral("/tmp/unpacked/Zarvo");
    fake.folders.insert(fake.running,
                        FakeInstallation::copyInfo(QStringLiteral("10"), QStringLiteral("2.0")));
    fake.folders.insert(kDestination, FakeInstallation::copyInfo(QStringLiteral("9"), QStringLiteral("1.9")));
    fake.answers = {1}; // Cancel: this copy quits, nothing changes
    EXPECT_TRUE(decide());
    EXPECT_EQ(fake.log.size(), 2);
    EXPECT_EQ(fake.log[0],
              QStringLiteral("ask Replace Zarvo 1.9 with 2.0? | Zarvo 1.9 will be closed and moved to the "
                             "Trash, and 2.0 will open from your Applications folder. Your history, "
                             "clips and settings stay. | Replace and Open/Cancel"));
    EXPECT_EQ(fake.log[1], QStringLiteral("terminate"));

    fake.log.clear();
    fake.answers = {0};
    EXPECT_TRUE(decide());
    EXPECT_TRUE(logged(QStringLiteral("trash ") + kStaging));
    EXPECT_EQ(fake.folders.value(kDestination).version, QStringLiteral("2.0"));
    EXPECT_FALSE(fake.folders.contains(kStaging));
}

TEST_F(InstallerTest, AFailedInstallSaysWhyCleansUpAndOpensWhatStayed) {
    fake.answers = {0};
    fake.copiedBuild = QStringLiteral("3");
    EXPECT_TRUE(decide());
    EXPECT_TRUE(logged(QStringLiteral("remove ") + kStaging));
    EXPECT_TRUE(logged(QStringLiteral("alert Couldn't install Zarvo | The copied app is incomplete.\n\n")));
    EXPECT_EQ(fake.log.last(), QStringLiteral("terminate"));
    EXPECT_FALSE(fake.folders.contains(kStaging));

    // An older copy that stayed is opened, without the image to unmount.
    fake.log.clear();
    fake.folders.insert(kDestination, FakeInstallation::copyInfo(QStringLiteral("2")));
    fake.answers = {0};
    fake.copiedBuild.reset();
    fake.copyFailure = Installation::Failure{QStringLiteral("Disk full"), false};
    EXPECT_TRUE(decide());
    EXPECT_TRUE(logged(QStringLiteral("alert Couldn't install Zarvo | Disk full\n\n")));
    EXPECT_TRUE(logged(QStringLiteral("open ") + kDestination + QStringLiteral(" --installed")));
    EXPECT_EQ(fake.folders.value(kDestination).build, QStringLiteral("2"));
}

TEST_F(InstallerTest, AFolderNotWritableGoesThroughTheAdministrator) {
    fake.copyFailure = Installation::Failure{QStringLiteral("Permission denied"), true};
    fake.folders.insert(kDestination, FakeInstallation::copyInfo(QStringLiteral("2")));
    const QString adminLine =
        QStringLiteral("admin /home/me/Downloads/Zarvo|") + kStaging + QLatin1Char('|') + kDestination;
    fake.answers = {0};
    EXPECT_TRUE(decide());
    EXPECT_TRUE(fake.log.contains(adminLine)) << fake.log.join(QLatin1Char('\n')).toStdString();
    EXPECT_FALSE(logged(QStringLiteral("alert")));

    const std::pair<int, QString> refusals[] = {
        {126, QStringLiteral("Permission denied")},
        {127, QStringLiteral("You are not allowed to install as administrator.")},
        {1, QStringLiteral("cp: disk full")}};
    for (const auto& [code, message] : refusals) {
        fake.log.clear();
        fake.admin = {code, code == 1 ? QStringLiteral("cp: disk full\n") : QString()};
        fake.answers = {0};
        EXPECT_TRUE(decide());
        EXPECT_TRUE(
            logged(QStringLiteral("alert Couldn't install Zarvo | ") + message + QStringLiteral("\n\n")))
            << code << fake.log.join(QLatin1Char('\n')).toStdString();
    }
}

TEST_F(InstallerTest, LeftoversOfKilledInstallsGoWhenNoInstallRuns) {
    const QString update = QStringLiteral("/home/me/.local/opt/.Zarvo-update-Ab12Cd");
    const QStringList leftovers{kStaging, kStaging + QStringLiteral("-old"), update, update + "/Zarvo"};
    // The user's own folders, and names that only look like ours.
    const QStringList kept{kDestination, QStringLiteral("/home/me/.local/share/com.velorin.zarvo"),
                           QStringLiteral("/home/me/.config/com.velorin.zarvo"),
                           QStringLiteral("/home/me/.local/opt/Zarvo-notes"),
                           QStringLiteral("/home/me/.local/share/.Zarvo-mine")};
    const auto seed = [&] {
        for (const QString& folder : leftovers + kept)
            fake.folders.insert(folder, FakeInstallation::copyInfo(QStringLiteral("9")));
    };
    fake.running = kDestination;
    seed();
    fake.lockedElsewhere = true; // an install runs elsewhere: its folders are in use
    EXPECT_FALSE(decide());
    for (const QString& folder : leftovers + kept)
        EXPECT_TRUE(fake.folders.contains(folder)) << folder.toStdString();
    EXPECT_FALSE(logged(QStringLiteral("remove")));

    fake.lockedElsewhere = false;
    EXPECT_FALSE(decide());
    for (const QString& folder : leftovers)
        EXPECT_FALSE(fake.folders.contains(folder)) << folder.toStdString();
    for (const QString& folder : kept)
        EXPECT_TRUE(fake.folders.contains(folder)) << folder.toStdString();
    EXPECT_FALSE(logged(QStringLiteral("rename"))); // the destination was there: nothing to put back
    EXPECT_TRUE(fake.changedWithoutLock.isEmpty()) << fake.changedWithoutLock.join(' ').toStdString();
    EXPECT_EQ(fake.lockDepth, 0);

    // Any copy of ours cleans up when it starts, also one that then only offers to install.
    fake.running = QStringLiteral("/home/me/Downloads/Zarvo");
    fake.folders.insert(fake.running, FakeInstallation::copyInfo(QStringLiteral("10")));
    seed();
    fake.answers = {1};
    EXPECT_TRUE(decide()); // Cancel on "Replace"
    for (const QString& folder : leftovers)
        EXPECT_FALSE(fake.folders.contains(folder)) << folder.toStdString();
    // A copy running from a staging folder keeps that folder.
    fake.running = kStaging + QStringLiteral("/Zarvo");
    seed();
    fake.folders.insert(fake.running, FakeInstallation::copyInfo(QStringLiteral("10")));
    decide();
    EXPECT_TRUE(fake.folders.contains(kStaging));
    EXPECT_FALSE(fake.folders.contains(update));
    // A copy that is not ours never looks.
    fake.folders.insert(fake.running, Installation::Info{QStringLiteral("org.example.other"), "1", "1"});
    seed();
    fake.log.clear();
    EXPECT_FALSE(decide());
    EXPECT_TRUE(fake.log.isEmpty());
    EXPECT_TRUE(fake.folders.contains(update));
}

TEST_F(InstallerTest, AnOldCopyMovedAsideGoesBackWhenTheDestinationIsMissing) {
    // Killed between the two renames of a swap without exchange: the new copy is still staged, the
    // old one lies aside, nothing at the destination.
    const QString aside = kStaging + QStringLiteral("-old");
    fake.folders.insert(kStaging, FakeInstallation::copyInfo(QStringLiteral("10"), QStringLiteral("2.0")));
    fake.folders.insert(aside, FakeInstallation::copyInfo(QStringLiteral("9"), QStringLiteral("1.9")));
    fake.answers = {1};
    EXPECT_TRUE(decide());
    EXPECT_EQ(fake.folders.value(kDestination).build, QStringLiteral("9"));
    EXPECT_FALSE(fake.folders.contains(kStaging));
    EXPECT_FALSE(fake.folders.contains(aside));
    // Put back before the decision, which therefore sees the old copy installed.
    EXPECT_TRUE(fake.log.first().startsWith(QStringLiteral("rename ") + aside + " -> " + kDestination));
    EXPECT_TRUE(logged(QStringLiteral("ask Replace Zarvo 1.9 with 2.0?")));

    // When it cannot go back it stays for the next start; the staged copy goes.
    fake.folders.remove(kDestination);
    fake.folders.insert(kStaging, FakeInstallation::copyInfo(QStringLiteral("10")));
    fake.folders.insert(aside, FakeInstallation::copyInfo(QStringLiteral("9")));
    fake.renameFails = true;
    Installer(fake, &fake).cleanUpLeftovers();
    EXPECT_TRUE(fake.folders.contains(aside));
    EXPECT_FALSE(fake.folders.contains(kStaging));
    EXPECT_FALSE(fake.folders.contains(kDestination));
    // A folder aside without our information file is nothing to put back.
    fake.renameFails = false;
    fake.folders.insert(aside, Installation::Info{QStringLiteral("org.example.other"), "1", "1"});
    Installer(fake, &fake).cleanUpLeftovers();
    EXPECT_FALSE(fake.folders.contains(kDestination));
    EXPECT_FALSE(fake.folders.contains(aside));
}

TEST_F(InstallerTest, AnInstallHoldsTheLockAndKeepsTheUpdateItInstalls) {
    const QString update = QStringLiteral("/home/me/.local/opt/.Zarvo-update-Ab12Cd");
    const QString dead = QStringLiteral("/home/me/.local/opt/.Zarvo-0dead");
    fake.folders.insert(update, FakeInstallation::copyInfo(QStringLiteral("11")));
    fake.folders.insert(update + "/Zarvo", FakeInstallation::copyInfo(QStringLiteral("11")));
    fake.folders.insert(dead, FakeInstallation::copyInfo(QStringLiteral("3")));
    fake.folders.insert(kDestination, FakeInstallation::copyInfo(QStringLiteral("10")));

    // Another install runs: this one says so and changes nothing.
    fake.lockedElsewhere = true;
    EXPECT_EQ(Installer(fake, &fake).install(update + "/Zarvo"), zarvo::app::InstallLock::busyMessage());
    EXPECT_TRUE(fake.log.isEmpty()) << fake.log.join('\n').toStdString();
    fake.lockedElsewhere = false;

    // The updater holds the lock around its unpacking; the install takes it again inside.
    {
        const zarvo::app::InstallLock outer(fake, true);
        ASSERT_TRUE(outer.held());
        EXPECT_FALSE(Installer(fake, &fake).install(update + "/Zarvo"));
        EXPECT_EQ(fake.lockDepth, 1);
    }
    EXPECT_EQ(fake.lockDepth, 0);
    EXPECT_EQ(fake.folders.value(kDestination).build, QStringLiteral("11"));
    EXPECT_FALSE(fake.folders.contains(dead));
    EXPECT_TRUE(fake.folders.contains(update));
    EXPECT_TRUE(fake.folders.contains(update + "/Zarvo"));
    EXPECT_TRUE(fake.changedWithoutLock.isEmpty()) << fake.changedWithoutLock.join(' ').toStdString();
}

// The same on the file system, with the install lock shared by two processes' worth of objects
// (flock() locks belong to an open file, so two objects in one process exclude each other).
TEST(InstallerLeftovers, OnTheFileSystemOnlyOurLeftoversGoAndOnlyWhenTheLockIsFree) {
    QTemporaryDir root;
    zarvo::fakes::FakeEnvironment environment;
    environment.home = root.filePath(QStringLiteral("home"));
    environment.data = environment.home + "/.local/share";
    environment.temp = root.filePath(QStringLiteral("tmp"));
    zarvo::linux_::LinuxInstallation installation(environment), other(environment);
    const QString opt = environment.home + "/.local/opt";
    const auto write = [](const QString& path, const QByteArray& text) {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    };
    const auto writeCopy = [&](const QString& folder, const QByteArray& build) {
        write(folder + "/Info.json",
              "{\"CFBundleIdentifier\": \"com.velorin.zarvo\", \"CFBundleVersion\": \"" + build + "\"}");
        write(folder + "/lib/zarvo-desktop.so", "build " + build);
    };
    const auto read = [](const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    };
    const QString history = environment.data + "/com.velorin.zarvo/history.json";
    write(history, "[\"mine\"]");
    writeCopy(opt + "/Zarvo", "10");
    writeCopy(opt + "/.Zarvo-1234", "11");
    writeCopy(opt + "/.Zarvo-update-x1Y2z3/Zarvo", "11");
    write(opt + "/.zarvo-notes/mine.txt", "mine"); // only alike
    write(opt + "/Zarvo-notes/mine.txt", "mine");
    write(opt + "/.Zarvo-file", "mine");
    // A link of that name leads to the user's data: the link may go, what it leads to never.
    ASSERT_TRUE(QFile::link(environment.data + "/com.velorin.zarvo", opt + "/.Zarvo-link"));

    EXPECT_EQ(installation.stagingFolders(),
              (QStringList{opt + "/.Zarvo-1234", opt + "/.Zarvo-update-x1Y2z3"}));
    ASSERT_TRUE(other.lockInstall(false));
    EXPECT_FALSE(installation.lockInstall(false));
    Installer(installation).cleanUpLeftovers();
    EXPECT_EQ(installation.stagingFolders().size(), 2);
    other.unlockInstall();
    Installer(installation).cleanUpLeftovers();
    EXPECT_TRUE(installation.stagingFolders().isEmpty());
    EXPECT_EQ(read(opt + "/Zarvo/lib/zarvo-desktop.so"), QByteArray("build 10"));
    EXPECT_EQ(read(history), QByteArray("[\"mine\"]"));
    EXPECT_EQ(read(opt + "/.Zarvo-link/history.json"), QByteArray("[\"mine\"]"));
    EXPECT_EQ(read(opt + "/.zarvo-notes/mine.txt"), QByteArray("mine"));
    EXPECT_EQ(read(opt + "/Zarvo-notes/mine.txt"), QByteArray("mine"));
    EXPECT_EQ(read(opt + "/.Zarvo-file"), QByteArray("mine"));

    // Re-entrant within one holder, released after as many unlocks.
    ASSERT_TRUE(installation.lockInstall(true));
    ASSERT_TRUE(installation.lockInstall(false));
    installation.unlockInstall();
    EXPECT_FALSE(other.lockInstall(false));
    installation.unlockInstall();
    EXPECT_TRUE(other.lockInstall(false));
    other.unlockInstall();

    // A swap cut between its two renames: the old copy comes back from aside, the new one goes.
    ASSERT_TRUE(QDir().rename(opt + "/Zarvo", opt + "/.Zarvo-5678-old"));
    writeCopy(opt + "/.Zarvo-5678", "11");
    Installer(installation).cleanUpLeftovers();
    EXPECT_EQ(read(opt + "/Zarvo/lib/zarvo-desktop.so"), QByteArray("build 10"));
    EXPECT_TRUE(installation.stagingFolders().isEmpty());
    // The rename never replaces.
    writeCopy(opt + "/.Zarvo-9", "12");
    EXPECT_TRUE(installation.rename(opt + "/.Zarvo-9", opt + "/Zarvo"));
    EXPECT_EQ(read(opt + "/Zarvo/lib/zarvo-desktop.so"), QByteArray("build 10"));
}

TEST(InstallerBuilds, CompareNumbersAsNumbers) {
    EXPECT_LT(Installer::compareBuilds(QStringLiteral("9"), QStringLiteral("10")), 0);
    EXPECT_GT(Installer::compareBuilds(QStringLiteral("10"), QStringLiteral("9")), 0);
    EXPECT_LT(Installer::compareBuilds(QStringLiteral("1.9"), QStringLiteral("1.10")), 0);
    EXPECT_EQ(Installer::compareBuilds(QStringLiteral("007"), QStringLiteral("7")), 0);
    EXPECT_EQ(Installer::compareBuilds(QStringLiteral("0"), QStringLiteral("0")), 0);
    EXPECT_LT(Installer::compareBuilds(QStringLiteral("2b"), QStringLiteral("2c")), 0);
    EXPECT_LT(Installer::compareBuilds(QStringLiteral("2"), QStringLiteral("2.1")), 0);
    EXPECT_EQ(Installer::build(std::nullopt), QStringLiteral("0"));
}

} // namespace
