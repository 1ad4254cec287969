#include "LinuxSandbox.h"
#include "platform/linux/LinuxSession.h"

#include <QDir>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using namespace zarvo::linux_;
using zarvo::linuxtest::writeFile;

namespace {

QString uid() {
    return QString::number(getuid());
}

// A folder other users can reach, as /dev/shm or a stick's root are.
// It lies inside a private temporary folder of ours opened for others to pass through, so a test never
// changes the mode of a folder it did not make (the system's temporary folder above all).
struct Volume {
    QTemporaryDir dir;
    QString root() const { return dir.path() + "/volume"; }
    Volume() {
        QDir().mkpath(root());
        ::chmod(QFile::encodeName(dir.path()).constData(), 0755);
        ::chmod(QFile::encodeName(root()).constData(), 01777);
    }
};

} // namespace

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

    // Links at files, info or expunged inside our own trash are left alone, and so are their targets;
    // what really is in the trash goes.
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
