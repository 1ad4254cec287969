#include "app/Installer.h"

#include "fakes/FakePlatform.h"
#include "fakes/Files.h"
#include "platform/linux/LinuxInstallation.h"

#include <QFile>
#include <QHash>
#include <QSet>
#include <gtest/gtest.h>

using zarvo::Installation;
using zarvo::app::Installer;
using zarvo::testing::readFile;
using zarvo::testing::writeFile;

namespace {

Installation::Info ours(const QString& build, const QString& version = "1.0") {
    return Installation::Info{"com.velorin.zarvo", build, version};
}
const Installation::Info kOther{"org.example.other", "1", "1"};

// The desktop as the installer sees it: folders with information files, mounts, and a log of its acts.
class FakeInstallation : public Installation, public zarvo::app::InstallDialogs {
public:
    QString running = "/home/me/Downloads/Zarvo";
    QStringList args{"zarvo"};
    QHash<QString, Info> folders;
    QHash<QString, QString> links; // path → where it leads
    QStringList mounts{"/", "/home"};
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

    QString runningFolder() const override { return running; }
    QStringList arguments() const override { return args; }
    QString destination() const override { return "/home/me/.local/opt/Zarvo"; }
    QString downloadsFolder() const override { return "/home/me/Downloads"; }
    QString tempFolder() const override { return "/tmp"; }
    QString resolved(const QString& path) const override { return links.value(path, path); }
    QStringList mountPoints() const override { return mounts; }
    bool isImage(const QString& mountPoint) const override { return images.contains(mountPoint); }
    std::optional<Info> info(const QString& folder) const override {
        return folders.contains(folder) ? std::optional(folders.value(folder)) : std::nullopt;
    }
    bool exists(const QString& path) const override { return folders.contains(path); }

    int ask(const QString& message, const QString& informative, const QStringList& buttons) override {
        log << "ask " + message + " | " + informative + " | " + buttons.join('/');
        return answers.isEmpty() ? -1 : answers.takeFirst();
    }
    void alert(const QString& message, const QString& informative) override {
        log << "alert " + message + " | " + informative;
    }
    std::optional<Failure> copyFolder(const QString& from, const QString& to) override {
        log << "copy " + from + " -> " + to;
        changed(to);
        if (copyFailure) return copyFailure;
        Info copied = folders.value(from);
        if (copiedBuild) copied.build = *copiedBuild;
        folders.insert(to, copied);
        return std::nullopt;
    }
    std::optional<QString> swap(const QString& staging, const QString& destination) override {
        log << "swap " + staging;
        changed(destination);
        const std::optional<Info> old = info(destination);
        folders.insert(destination, folders.take(staging));
        if (old) folders.insert(staging, *old);
        return std::nullopt;
    }
    std::optional<QString> moveToTrash(const QString& path) override {
        log << "trash " + path;
        folders.remove(path);
        return std::nullopt;
    }
    void removeFolder(const QString& path) override {
        changed(path);
        if (folders.remove(path)) log << "remove " + path;
    }
    std::optional<QString> rename(const QString& from, const QString& to) override {
        log << "rename " + from + " -> " + to;
        changed(to);
        if (renameFails || !folders.contains(from) || folders.contains(to)) return "cannot";
        folders.insert(to, folders.take(from));
        return std::nullopt;
    }
    QStringList stagingFolders() const override {
        QStringList found;
        for (auto it = folders.begin(); it != folders.end(); ++it)
            if (it.key().startsWith("/home/me/.local/opt/.Zarvo-")) found << it.key();
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
        log << "integrate " + folder;
        return std::nullopt;
    }
    AdminResult installAsAdministrator(const QString& source, const QString& staging,
                                       const QString& destination) override {
        log << "admin " + QStringList{source, staging, destination}.join('|');
        return admin;
    }
    void quitOtherCopies() override { log << "quit others"; }
    bool isRunning(const QString&) const override { return installedRunning; }
    std::optional<QString> open(const QString& folder, const QStringList& arguments) override {
        log << "open " + folder + ' ' + arguments.join(' ');
        return std::nullopt;
    }
    void eject(const QString& volume) override { log << "eject " + volume; }
    void ejectAfterExit(const QString& volume) override { log << "eject after exit " + volume; }
    void terminate() override { log << "terminate"; }
    QString newUuid() const override { return "1b4e28ba-2fa1-11d2-883f-0016d3cca427"; }
    qint64 secondsSinceEpoch() const override { return 1700000000; }
};

const QString kDestination = "/home/me/.local/opt/Zarvo";
const QString kStaging = "/home/me/.local/opt/.Zarvo-1b4e28ba-2fa1-11d2-883f-0016d3cca427";
const QString kUpdate = "/home/me/.local/opt/.Zarvo-update-Ab12Cd";

struct InstallerTest : ::testing::Test {
    FakeInstallation fake;
    void SetUp() override { fake.folders.insert(fake.running, ours("10", "2.0")); }
    bool decide() { return Installer(fake, &fake).decide(); }
    void runFrom(const QString& folder, const Installation::Info& info = ours("10")) {
        fake.running = folder;
        fake.folders.insert(folder, info);
    }
    bool logged(const QString& prefix) const {
        return std::any_of(fake.log.begin(), fake.log.end(),
                           [&](const QString& l) { return l.startsWith(prefix); });
    }
    std::string logText() const { return fake.log.join('\n').toStdString(); }
    QStringList present(const QStringList& folders) const {
        QStringList out;
        for (const QString& folder : folders)
            if (fake.folders.contains(folder)) out << folder;
        return out;
    }
};

TEST_F(InstallerTest, CopiesThatRunWhereTheyLie) {
    // No information file (the package's copy, a build tree).
    fake.folders.clear();
    EXPECT_FALSE(decide());
    // A mount whose path is only a textual prefix of the copy's does not hold it.
    fake.mounts << "/media/Tools";
    fake.images << "/media/Tools";
    const std::pair<QString, Installation::Info> copies[] = {
        {"/home/me/Downloads/Zarvo", kOther},          // another identifier
        {"/media/Tools 2/Zarvo", ours("10")},          // not on the image /media/Tools
        {"/home/me/Downloads-old/Zarvo", ours("10")}}; // not in Downloads
    for (const auto& [folder, info] : copies) {
        runFrom(folder, info);
        EXPECT_FALSE(decide()) << folder.toStdString();
    }
    EXPECT_TRUE(fake.log.isEmpty()) << logText();
}

TEST_F(InstallerTest, TheInstalledCopyQuitsOthersAndUnmountsTheImageItCameFrom) {
    runFrom(kDestination);
    EXPECT_FALSE(decide());
    EXPECT_EQ(fake.log, QStringList{"quit others"});

    // Started through a link to the installed folder.
    fake.log.clear();
    fake.links.insert(kDestination, "/data/opt/Zarvo");
    runFrom("/data/opt/Zarvo");
    EXPECT_FALSE(decide());
    EXPECT_EQ(fake.log, QStringList{"quit others"});

    // Opened by the installer: it also puts its entry in the menu and unmounts a named image only.
    fake.log.clear();
    fake.images << "/media/me/Zarvo";
    fake.args = QStringList{"zarvo", "--installed", "--eject-volume", "/media/me/Zarvo"};
    EXPECT_FALSE(decide());
    EXPECT_EQ(fake.log, (QStringList{"quit others", "integrate " + kDestination, "eject /media/me/Zarvo"}));
    fake.log.clear();
    fake.args[3] = "/home/me";
    EXPECT_FALSE(decide());
    fake.args.removeLast();
    EXPECT_FALSE(decide());
    EXPECT_FALSE(logged("eject"));
}

TEST_F(InstallerTest, AnEqualOrNewerInstalledBuildIsOpenedWithoutAsking) {
    runFrom("/media/me/Zarvo/Zarvo", ours("9"));
    fake.mounts << "/media/me/Zarvo"
                << "/media";
    fake.images << "/media/me/Zarvo";
    fake.folders.insert(kDestination, ours("10"));
    EXPECT_TRUE(decide());
    EXPECT_EQ(fake.log, (QStringList{"open " + kDestination + " --installed --eject-volume /media/me/Zarvo",
                                     "terminate"}));
    // Already running: it only shows itself, and the image is unmounted once this copy has gone.
    fake.log.clear();
    fake.installedRunning = true;
    EXPECT_TRUE(decide());
    EXPECT_EQ(fake.log.first(), "eject after exit /media/me/Zarvo");
    // Two copies without a build count as equal.
    fake.log.clear();
    fake.folders[fake.running].build.reset();
    fake.folders[kDestination].build.reset();
    EXPECT_TRUE(decide());
    EXPECT_FALSE(logged("ask"));
}

TEST_F(InstallerTest, MovingIntoPlaceOpensTheNewCopyWithTheHandOffArguments) {
    fake.answers = {1}; // Not Now
    EXPECT_FALSE(decide());
    ASSERT_EQ(fake.log.size(), 1);
    EXPECT_TRUE(fake.log.first().startsWith("ask Move Zarvo to your Applications folder? | "));
    EXPECT_TRUE(fake.log.first().endsWith(" | Move to Applications/Not Now"));

    fake.log.clear();
    fake.answers = {0};
    EXPECT_TRUE(decide());
    fake.log.removeFirst();
    EXPECT_EQ(fake.log,
              (QStringList{"copy /home/me/Downloads/Zarvo -> " + kStaging, "quit others", "swap " + kStaging,
                           "open " + kDestination + " --installed", "terminate"}));
}

TEST_F(InstallerTest, AnOlderInstalledCopyIsReplacedAndGoesToTheTrash) {
    runFrom("/tmp/unpacked/Zarvo", ours("10", "2.0"));
    fake.folders.insert(kDestination, ours("9", "1.9"));
    fake.answers = {1}; // Cancel: this copy quits, nothing changes
    EXPECT_TRUE(decide());
    EXPECT_EQ(fake.log, (QStringList{"ask Replace Zarvo 1.9 with 2.0? | Zarvo 1.9 will be closed and moved "
                                     "to the Trash, and 2.0 will open from your Applications folder. Your "
                                     "history, clips and settings stay. | Replace and Open/Cancel",
                                     "terminate"}));

    fake.log.clear();
    fake.answers = {0};
    EXPECT_TRUE(decide());
    EXPECT_TRUE(logged("trash " + kStaging));
    EXPECT_EQ(fake.folders.value(kDestination).version, "2.0");
}

TEST_F(InstallerTest, AFailedInstallSaysWhyCleansUpAndOpensWhatStayed) {
    fake.answers = {0};
    fake.copiedBuild = "3";
    EXPECT_TRUE(decide());
    EXPECT_TRUE(logged("remove " + kStaging));
    EXPECT_TRUE(logged("alert Couldn't install Zarvo | The copied app is incomplete.\n\n"));
    EXPECT_EQ(fake.log.last(), "terminate");

    // An older copy that stayed is opened, without the image to unmount.
    fake.log.clear();
    fake.folders.insert(kDestination, ours("2"));
    fake.answers = {0};
    fake.copiedBuild.reset();
    fake.copyFailure = Installation::Failure{"Disk full", false};
    EXPECT_TRUE(decide());
    EXPECT_TRUE(logged("alert Couldn't install Zarvo | Disk full\n\n"));
    EXPECT_TRUE(logged("open " + kDestination + " --installed"));
    EXPECT_EQ(fake.folders.value(kDestination).build, "2");
}

TEST_F(InstallerTest, AFolderNotWritableGoesThroughTheAdministrator) {
    fake.copyFailure = Installation::Failure{"Permission denied", true};
    fake.folders.insert(kDestination, ours("2"));
    fake.answers = {0};
    EXPECT_TRUE(decide());
    EXPECT_TRUE(fake.log.contains("admin /home/me/Downloads/Zarvo|" + kStaging + '|' + kDestination))
        << logText();
    EXPECT_FALSE(logged("alert"));

    const std::pair<int, QString> refusals[] = {{126, "Permission denied"},
                                                {127, "You are not allowed to install as administrator."},
                                                {1, "cp: disk full"}};
    for (const auto& [code, message] : refusals) {
        fake.log.clear();
        fake.admin = {code, code == 1 ? "cp: disk full\n" : QString()};
        fake.answers = {0};
        EXPECT_TRUE(decide());
        EXPECT_TRUE(logged("alert Couldn't install Zarvo | " + message + "\n\n")) << code << logText();
    }
}

// Which folders are staging folders is the back end's (InstallerLeftovers below); here, when they go.
TEST_F(InstallerTest, LeftoversOfKilledInstallsGoWhenNoInstallRuns) {
    const QStringList leftovers{kStaging, kStaging + "-old", kUpdate, kUpdate + "/Zarvo"};
    const auto seed = [&] {
        for (const QString& folder : leftovers + QStringList{kDestination})
            fake.folders.insert(folder, ours("9"));
    };
    fake.running = kDestination;
    seed();
    fake.lockedElsewhere = true; // an install runs elsewhere: its folders are in use
    EXPECT_FALSE(decide());
    EXPECT_EQ(present(leftovers), leftovers);
    EXPECT_FALSE(logged("remove"));

    fake.lockedElsewhere = false;
    EXPECT_FALSE(decide());
    EXPECT_EQ(present(leftovers + QStringList{kDestination}), QStringList{kDestination});
    EXPECT_FALSE(logged("rename")); // the destination was there: nothing to put back
    EXPECT_TRUE(fake.changedWithoutLock.isEmpty()) << fake.changedWithoutLock.join(' ').toStdString();
    EXPECT_EQ(fake.lockDepth, 0);

    // Any copy of ours cleans up when it starts, also one that then only offers to install.
    runFrom("/home/me/Downloads/Zarvo");
    seed();
    fake.answers = {1};
    EXPECT_TRUE(decide()); // Cancel on "Replace"
    EXPECT_EQ(present(leftovers), QStringList());
    // A copy running from a staging folder keeps that folder.
    seed();
    runFrom(kStaging + "/Zarvo");
    decide();
    EXPECT_EQ(present({kStaging, kUpdate}), QStringList{kStaging});
    // A copy that is not ours never looks.
    fake.folders.insert(fake.running, kOther);
    seed();
    fake.log.clear();
    EXPECT_FALSE(decide());
    EXPECT_TRUE(fake.log.isEmpty());
    EXPECT_EQ(present({kUpdate}), QStringList{kUpdate});
}

TEST_F(InstallerTest, AnOldCopyMovedAsideGoesBackWhenTheDestinationIsMissing) {
    // Killed mid-swap without exchange: the new copy still staged, the old one aside, no destination.
    const QString aside = kStaging + "-old";
    fake.folders.insert(kStaging, ours("10", "2.0"));
    fake.folders.insert(aside, ours("9", "1.9"));
    fake.answers = {1};
    EXPECT_TRUE(decide());
    EXPECT_EQ(fake.folders.value(kDestination).build, "9");
    EXPECT_EQ(present({kStaging, aside}), QStringList());
    // Put back before the decision, which therefore sees the old copy installed.
    EXPECT_TRUE(fake.log.first().startsWith("rename " + aside + " -> " + kDestination));
    EXPECT_TRUE(logged("ask Replace Zarvo 1.9 with 2.0?"));

    // When it cannot go back it stays for the next start; the staged copy goes.
    fake.folders.remove(kDestination);
    fake.folders.insert(kStaging, ours("10"));
    fake.folders.insert(aside, ours("9"));
    fake.renameFails = true;
    Installer(fake, &fake).cleanUpLeftovers();
    EXPECT_EQ(present({aside, kStaging, kDestination}), QStringList{aside});
    // A folder aside without our information file is nothing to put back.
    fake.renameFails = false;
    fake.folders.insert(aside, kOther);
    Installer(fake, &fake).cleanUpLeftovers();
    EXPECT_EQ(present({kDestination, aside}), QStringList());
}

TEST_F(InstallerTest, AnInstallHoldsTheLockAndKeepsTheUpdateItInstalls) {
    const QString dead = "/home/me/.local/opt/.Zarvo-0dead";
    fake.folders.insert(kUpdate, ours("11"));
    fake.folders.insert(kUpdate + "/Zarvo", ours("11"));
    fake.folders.insert(dead, ours("3"));
    fake.folders.insert(kDestination, ours("10"));

    // Another install runs: this one says so and changes nothing.
    fake.lockedElsewhere = true;
    EXPECT_EQ(Installer(fake, &fake).install(kUpdate + "/Zarvo"), zarvo::app::InstallLock::busyMessage());
    EXPECT_TRUE(fake.log.isEmpty()) << logText();
    fake.lockedElsewhere = false;

    // The updater holds the lock around its unpacking; the install takes it again inside.
    {
        const zarvo::app::InstallLock outer(fake, true);
        ASSERT_TRUE(outer.held());
        EXPECT_FALSE(Installer(fake, &fake).install(kUpdate + "/Zarvo"));
        EXPECT_EQ(fake.lockDepth, 1);
    }
    EXPECT_EQ(fake.lockDepth, 0);
    EXPECT_EQ(fake.folders.value(kDestination).build, "11");
    EXPECT_EQ(present({dead, kUpdate, kUpdate + "/Zarvo"}), (QStringList{kUpdate, kUpdate + "/Zarvo"}));
    EXPECT_TRUE(fake.changedWithoutLock.isEmpty()) << fake.changedWithoutLock.join(' ').toStdString();
}

// The same on the file system; two objects stand for two processes, as flock() locks an open file.
TEST(InstallerLeftovers, OnTheFileSystemOnlyOurLeftoversGoAndTheLockExcludesOthers) {
    const zarvo::fakes::FakePlatform p;
    const zarvo::fakes::FakeEnvironment& environment = p.environment;
    zarvo::linux_::LinuxInstallation installation(environment), other(environment);
    const QString opt = environment.home + "/.local/opt";
    const auto writeCopy = [&](const QString& folder, const QByteArray& build) {
        writeFile(folder + "/Info.json",
                  "{\"CFBundleIdentifier\": \"com.velorin.zarvo\", \"CFBundleVersion\": \"" + build + "\"}");
        writeFile(folder + "/lib/zarvo-desktop.so", "build " + build);
    };
    const QString history = environment.data + "/com.velorin.zarvo/history.json";
    writeFile(history, "[\"mine\"]");
    writeCopy(opt + "/Zarvo", "10");
    writeCopy(opt + "/.Zarvo-1234", "11");
    writeCopy(opt + "/.Zarvo-update-x1Y2z3/Zarvo", "11");
    const QStringList mine{opt + "/.zarvo-notes/mine.txt", opt + "/Zarvo-notes/mine.txt",
                           opt + "/.Zarvo-file"};
    for (const QString& path : mine)
        writeFile(path, "mine"); // only alike
    // A link of that name leads to the user's data: the link may go, what it leads to never.
    ASSERT_TRUE(QFile::link(environment.data + "/com.velorin.zarvo", opt + "/.Zarvo-link"));

    EXPECT_EQ(installation.stagingFolders(),
              (QStringList{opt + "/.Zarvo-1234", opt + "/.Zarvo-update-x1Y2z3"}));
    Installer(installation).cleanUpLeftovers();
    EXPECT_TRUE(installation.stagingFolders().isEmpty());
    EXPECT_EQ(readFile(opt + "/Zarvo/lib/zarvo-desktop.so"), QByteArray("build 10"));
    EXPECT_EQ(readFile(history), QByteArray("[\"mine\"]"));
    EXPECT_EQ(readFile(opt + "/.Zarvo-link/history.json"), QByteArray("[\"mine\"]"));
    for (const QString& path : mine)
        EXPECT_EQ(readFile(path), QByteArray("mine")) << path.toStdString();

    // Re-entrant within one holder, released after as many unlocks.
    ASSERT_TRUE(installation.lockInstall(true));
    ASSERT_TRUE(installation.lockInstall(false));
    installation.unlockInstall();
    EXPECT_FALSE(other.lockInstall(false));
    installation.unlockInstall();
    EXPECT_TRUE(other.lockInstall(false));
    other.unlockInstall();

    // The rename never replaces.
    writeCopy(opt + "/.Zarvo-9", "12");
    EXPECT_TRUE(installation.rename(opt + "/.Zarvo-9", opt + "/Zarvo"));
    EXPECT_EQ(readFile(opt + "/Zarvo/lib/zarvo-desktop.so"), QByteArray("build 10"));
}

TEST(InstallerBuilds, CompareNumbersAsNumbers) {
    const std::tuple<const char*, const char*, int> pairs[] = {
        {"9", "10", -1}, {"10", "9", 1},   {"1.9", "1.10", -1}, {"007", "7", 0},
        {"0", "0", 0},   {"2b", "2c", -1}, {"2", "2.1", -1}};
    for (const auto& [a, b, sign] : pairs) {
        const int order = Installer::compareBuilds(a, b);
        EXPECT_EQ((order > 0) - (order < 0), sign) << a << " vs " << b;
    }
    EXPECT_EQ(Installer::build(std::nullopt), "0");
}

} // namespace
