#include "platform/linux/LinuxInstallation.h"

#include "LinuxSandbox.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

using zarvo::linux_::LinuxInstallation;
using namespace zarvo::linuxtest;

namespace {

void makeCopy(const QString& folder, const QByteArray& build) {
    writeFile(folder + "/Info.json",
              "{\"CFBundleIdentifier\": \"com.velorin.zarvo\", \"CFBundleVersion\": \"" + build +
                  "\", \"CFBundleShortVersionString\": \"1." + build + "\"}");
    writeProgram(folder + "/zarvo", "#!/bin/sh\necho " + build + "\n");
    writeFile(folder + "/com.velorin.zarvo.desktop",
              "[Desktop Entry]\nType=Application\nName=Zarvo\nExec=/usr/bin/zarvo\n\n"
              "[Desktop Action Open]\nExec=zarvo --toggle\n");
    writeFile(folder + "/icons/hicolor/48x48/apps/com.velorin.zarvo.png", "png");
}

struct LinuxInstallationTest : ::testing::Test {
    QTemporaryDir root;
    zarvo::fakes::FakeEnvironment environment;
    std::unique_ptr<LinuxInstallation> installation;
    void SetUp() override {
        environment.home = root.filePath("home dir");
        environment.data = environment.home + "/.local/share";
        environment.temp = root.filePath("tmp");
        QDir().mkpath(environment.home);
        installation = std::make_unique<LinuxInstallation>(environment);
    }
};

TEST(LinuxInstallationMounts, ImagesAreToldFromMountInfo) {
    const QByteArray text = "22 1 254:0 / / rw,relatime - ext4 /dev/vda rw\n"
                            "45 22 7:0 / /media/me/Zarvo\\0402 ro,nosuid - squashfs /dev/loop0 ro\n"
                            "46 22 0:50 / /run/user/1000/gvfs rw - fuse.gvfsd-fuse gvfsd-fuse rw\n"
                            "47 22 11:0 / /media/cd rw - iso9660 /dev/sr0 ro\n"
                            "48 22 254:0 /src /srv/copy ro,relatime - ext4 /dev/vda rw\n"
                            "50 22 8:17 / /media/me/NTFS rw - fuseblk /dev/sdb1 rw\n"
                            "51 22 8:33 / /media/me/SD ro,nosuid - vfat /dev/sdc1 ro\n"
                            "52 22 7:3 / /media/me/Image rw - ext4 /dev/loop3 rw\n"
                            "53 22 7:4 / /media/me/Disk ro - ext4 /dev/loop4 ro\n"
                            "54 22 7:5 / /media/me/Other ro - ext4 /dev/loop5 ro\n"
                            "garbage line\n";
    // loop3 stands for an image file, loop4 for a block device, loop5 says nothing.
    QTemporaryDir sys;
    const QString image = sys.filePath("Zarvo.img");
    writeFile(image, "image");
    writeFile(sys.filePath("block/loop3/loop/backing_file"), QFile::encodeName(image) + "\n");
    writeFile(sys.filePath("block/loop4/loop/backing_file"), "/dev/null\n");
    const auto mounts = LinuxInstallation::parseMountInfo(text);
    ASSERT_EQ(mounts.size(), 10);
    EXPECT_EQ(mounts[1].mountPoint, "/media/me/Zarvo 2");
    EXPECT_EQ(mounts[1].type, "squashfs");
    EXPECT_EQ(mounts[1].source, "/dev/loop0");
    // Read-only drives, FUSE (NTFS, gvfs) and unknown loops are never taken for an image.
    const bool images[] = {false, true, false, true, false, false, false, true, false, false};
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(LinuxInstallation::isImageMount(mounts[i], sys.path()), images[i])
            << mounts[i].mountPoint.toStdString();
}

TEST_F(LinuxInstallationTest, CopiesSwapsAndIntegratesAPortableFolder) {
    const QString source = root.filePath("Downloads/Zarvo");
    makeCopy(source, "10");
    QFile::link("zarvo", source + "/zarvo-cli");
    const QString destination = installation->destination();
    EXPECT_EQ(destination, environment.home + "/.local/opt/Zarvo");
    const QString staging = QFileInfo(destination).path() + "/.Zarvo-test";

    ASSERT_FALSE(installation->copyFolder(source, staging));
    EXPECT_TRUE(QFileInfo(staging + "/zarvo").isExecutable());
    EXPECT_EQ(QFileInfo(staging + "/zarvo-cli").symLinkTarget(), staging + "/zarvo");
    EXPECT_EQ(installation->info(staging)->build, "10");
    // Copying over an existing folder fails rather than mixing two copies.
    EXPECT_TRUE(installation->copyFolder(source, staging));

    // Into an empty place, then over an older copy, which is left at the staging path.
    ASSERT_FALSE(installation->swap(staging, destination));
    EXPECT_FALSE(installation->exists(staging));
    makeCopy(staging, "11");
    ASSERT_FALSE(installation->swap(staging, destination));
    EXPECT_EQ(installation->info(destination)->build, "11");
    EXPECT_EQ(installation->info(staging)->build, "10");

    installation->integrate(destination);
    const QString bin = environment.home + "/.local/bin";
    EXPECT_EQ(QFileInfo(bin + "/zarvo").symLinkTarget(), destination + "/zarvo");
    const QByteArray entry = readFile(environment.data + "/applications/com.velorin.zarvo.desktop");
    EXPECT_TRUE(entry.contains("\nExec=\"" + QFile::encodeName(destination) + "/zarvo\"\n"))
        << entry.toStdString();
    EXPECT_TRUE(entry.contains("\nExec=\"" + QFile::encodeName(destination) + "/zarvo\" --toggle\n"));
    EXPECT_EQ(readFile(environment.data + "/icons/hicolor/48x48/apps/com.velorin.zarvo.png"),
              QByteArray("png"));
    // A program of the user's own in ~/.local/bin is left alone.
    QFile::remove(bin + "/zarvo-cli");
    writeFile(bin + "/zarvo-cli", "mine");
    EXPECT_EQ(installation->integrate(destination), std::nullopt);
    EXPECT_EQ(readFile(bin + "/zarvo-cli"), QByteArray("mine"));

    // So is a link to the user's own build; links to another copy of ours or to a removed one are not.
    const QString build = root.filePath("src/zarvo/build");
    writeProgram(build + "/zarvo", "#!/bin/sh\n");
    QFile::remove(bin + "/zarvo");
    ASSERT_TRUE(QFile::link(build + "/zarvo", bin + "/zarvo"));
    const auto note = installation->integrate(destination);
    EXPECT_EQ(QFileInfo(bin + "/zarvo").symLinkTarget(), build + "/zarvo");
    ASSERT_TRUE(note.has_value());
    EXPECT_TRUE(note->contains(bin + "/zarvo") && note->contains(build + "/zarvo")) << note->toStdString();
    QFile::remove(bin + "/zarvo-cli");
    for (const QString& former : {staging + "/zarvo", root.filePath("gone/zarvo")}) {
        QFile::remove(bin + "/zarvo");
        ASSERT_TRUE(QFile::link(former, bin + "/zarvo"));
        EXPECT_EQ(installation->integrate(destination), std::nullopt);
        EXPECT_EQ(QFileInfo(bin + "/zarvo").symLinkTarget(), destination + "/zarvo") << former.toStdString();
    }
}

TEST_F(LinuxInstallationTest, TheAdministratorPathKeepsOddPathsWholeAndReportsRefusals) {
    // A pkexec that runs its command as given (the "answer"), or refuses like the real one.
    const QString fakeBin = root.filePath("bin");
    writeProgram(fakeBin + "/pkexec", "#!/bin/sh\ncase \"$ZARVO_FAKE_PKEXEC\" in refuse) exit 127;; esac\n"
                                      "exec \"$@\"\n");
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(fakeBin) + ":" + path);

    const QString odd = root.filePath("-it's a \"copy\" \\ of");
    const QString source = odd + "/Zarvo";
    makeCopy(source, "12");
    const QString destination = odd + "/opt/Zarvo";
    makeCopy(destination, "11");
    const QString staging = odd + "/opt/.Zarvo-x";
    // What an image may carry: a set-id program and a file anyone may write.
    writeFile(source + "/zarvo", "#!/bin/sh\n");
    ASSERT_EQ(::chmod(QFile::encodeName(source + "/zarvo").constData(), 06777), 0);

    qputenv("ZARVO_FAKE_PKEXEC", "refuse");
    EXPECT_EQ(installation->installAsAdministrator(source, staging, destination).exitCode, 127);
    EXPECT_EQ(installation->info(destination)->build, "11");

    qputenv("ZARVO_FAKE_PKEXEC", "answer");
    const auto done = installation->installAsAdministrator(source, staging, destination);
    EXPECT_EQ(done.exitCode, 0) << done.standardError.toStdString();
    EXPECT_EQ(installation->info(destination)->build, "12");
    EXPECT_FALSE(installation->exists(staging));
    EXPECT_FALSE(installation->exists(staging + "-old"));
    EXPECT_EQ(lstatOf(destination + "/zarvo").st_mode & 07777, 0755u);
    // Nothing was made in the user's home: the old copy is gone, not moved into a Trash made by root.
    EXPECT_FALSE(QFileInfo::exists(environment.data + "/Trash"));

    // A source with a special file, or without an information file, is refused; the copy in place stays.
    ASSERT_EQ(::mkfifo(QFile::encodeName(source + "/pipe").constData(), 0600), 0);
    const auto special = installation->installAsAdministrator(source, staging, destination);
    EXPECT_EQ(special.exitCode, 1);
    EXPECT_TRUE(special.standardError.contains("special file")) << special.standardError.toStdString();
    QFile::remove(source + "/pipe");
    QFile::remove(source + "/Info.json");
    const auto refused = installation->installAsAdministrator(source, staging, destination);
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_FALSE(installation->exists(staging));
    EXPECT_EQ(installation->info(destination)->build, "12");
    qputenv("PATH", path);
}

} // namespace
