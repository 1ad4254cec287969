#include "app/Installer.h"

#include <QHash>
#include <QSet>
#include <gtest/gtest.h>

using zarvo::Installation;
using zarvo::app::Installer;

namespace {

// The desktop as the installer sees it: folders with information files, mounts, and a log of what
// the installer did to it.
class FakeInstallation : public Installation {
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
        if (copyFailure) return copyFailure;
        Info copied = folders.value(from);
        if (copiedBuild) copied.build = *copiedBuild;
        folders.insert(to, copied);
        return std::nullopt;
    }
    std::optional<QString> swap(const QString& staging, const QString& destination) override {
        log << QStringLiteral("swap ") + staging;
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
        if (folders.remove(path)) log << QStringLiteral("remove ") + path;
    }
    void integrate(const QString& folder) override { log << QStringLiteral("integrate ") + folder; }
    AdminResult installAsAdministrator(const QString& source, const QString& staging,
                                       const QString& destination, const QString& trash) override {
        log << QStringLiteral("admin ") +
                   QStringList{source, staging, destination, trash}.join(QLatin1Char('|'));
        return admin;
    }
    QString trashPath(const QString& name) const override {
        return QStringLiteral("/home/me/Trash/files/") + name;
    }
    void recordTrashed(const QString& trashedPath, const QString&) override {
        log << QStringLiteral("recorded ") + trashedPath;
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
    bool decide() { return Installer(fake).decide(); }
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
    const QString adminLine = QStringLiteral("admin /home/me/Downloads/Zarvo|") + kStaging +
                              QLatin1Char('|') + kDestination +
                              QStringLiteral("|/home/me/Trash/files/Zarvo 1700000000");
    fake.answers = {0};
    EXPECT_TRUE(decide());
    EXPECT_TRUE(fake.log.contains(adminLine)) << fake.log.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(logged(QStringLiteral("recorded /home/me/Trash/files/Zarvo 1700000000")));
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
