#include "search/FileOperations.h"

#include "fakes/FakePlatform.h"
#include "fakes/Files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <gtest/gtest.h>

#include <atomic>
#include <fcntl.h>
#include <poll.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <thread>
#include <unistd.h>

using namespace zarvo;

namespace {

mode_t modeOf(const QString& path) {
    struct stat status;
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0) return 0;
    return status.st_mode & 07777;
}

void write(const QString& path, const QByteArray& bytes, mode_t mode) {
    zarvo::testing::writeFile(path, bytes);
    ::chmod(QFile::encodeName(path).constData(), mode);
}

// Watches `parent/name` being made with inotify until `done`; for every entry, the widest mode seen.
QHash<QString, mode_t> widestModes(const QString& parent, const QString& name,
                                   const std::atomic<bool>& done) {
    const int fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    QHash<int, QString> folders; // watch → folder relative to parent
    QHash<QString, mode_t> widest;
    const auto watch = [&](const QString& relative) {
        const int wd = inotify_add_watch(fd, QFile::encodeName(parent + "/" + relative).constData(),
                                         IN_CREATE | IN_ATTRIB | IN_MOVED_TO);
        if (wd >= 0) folders.insert(wd, relative);
    };
    watch(QString());
    alignas(inotify_event) char buffer[64 * 1024];
    for (bool last = false; !last;) {
        last = done.load(); // one more read after the copy ended
        pollfd wait{fd, POLLIN, 0};
        if (!last && ::poll(&wait, 1, 20) <= 0) continue;
        for (ssize_t got; (got = ::read(fd, buffer, sizeof buffer)) > 0;) {
            for (char* at = buffer; at < buffer + got;) {
                const auto* event = reinterpret_cast<const inotify_event*>(at);
                at += sizeof(inotify_event) + event->len;
                const QString folder = folders.value(event->wd);
                const QString entry = event->len ? QFile::decodeName(event->name) : QString();
                QString relative = folder;
                if (!entry.isEmpty()) relative += (folder.isEmpty() ? "" : "/") + entry;
                if (relative != name && !relative.startsWith(name + "/")) continue;
                struct stat status;
                if (::lstat(QFile::encodeName(parent + "/" + relative).constData(), &status) != 0) continue;
                if (S_ISDIR(status.st_mode) && !widest.contains(relative)) watch(relative);
                widest[relative] |= status.st_mode & 07777;
            }
        }
    }
    ::close(fd);
    return widest;
}

} // namespace

TEST(FileCopy, PrivateFoldersAndFilesNeverOpenUpWhileCopied) {
    fakes::FakePlatform p;
    // A private folder with a private inner folder, an open one and many files, so the copy takes a while.
    const QString source = p.makeDir("private");
    for (int i = 0; i < 3000; ++i)
        write(source + QStringLiteral("/secret/f%1").arg(i), QByteArray(64, 's'), 0600);
    write(source + "/open/readme", "public", 0644);
    write(source + "/tool", "#!/bin/sh\n", 0750);
    ASSERT_TRUE(QFile::link("/etc/passwd", source + "/link"));
    ::chmod(QFile::encodeName(source + "/secret").constData(), 0700);
    ::chmod(QFile::encodeName(source + "/open").constData(), 0755);
    ::chmod(QFile::encodeName(source).constData(), 0700);
    const struct timespec old[2] = {{1000000000, 0}, {1000000000, 0}};
    ::utimensat(AT_FDCWD, QFile::encodeName(source + "/tool").constData(), old, 0);
    const bool root = geteuid() == 0;
    if (root) ::chown(QFile::encodeName(source + "/open/readme").constData(), 65534, 65534);

    const QString copy = p.home() + "/private copy";
    std::atomic<bool> done = false;
    std::optional<QString> error;
    std::thread copier([&] {
        error = FileOperations::copyItem(source, copy);
        done = true;
    });
    const auto widest = widestModes(p.home(), "private copy", done);
    copier.join();
    ASSERT_EQ(error, std::nullopt) << error->toStdString();

    // Seen while copying: the private folders never wider than 0700, private files never wider than 0600.
    ASSERT_TRUE(widest.contains("private copy"));
    EXPECT_EQ(widest.value("private copy") & 077, 0u) << std::oct << widest.value("private copy");
    int seen = 0;
    for (auto it = widest.begin(); it != widest.end(); ++it) {
        if (it.key().startsWith("private copy/secret")) {
            ++seen;
            EXPECT_EQ(it.value() & 077, 0u) << it.key().toStdString() << " " << std::oct << it.value();
        }
    }
    EXPECT_GT(seen, 0);

    // Once done: the original modes, times, link and owner.
    const std::pair<const char*, mode_t> modes[] = {{"", 0700},      {"/secret", 0700},
                                                    {"/open", 0755}, {"/open/readme", 0644},
                                                    {"/tool", 0750}, {"/secret/f2999", 0600}};
    for (const auto& [entry, mode] : modes)
        EXPECT_EQ(modeOf(copy + entry), mode) << entry;
    EXPECT_EQ(QDir(copy + "/secret").entryList(QDir::Files).size(), 3000);
    EXPECT_EQ(QFile::symLinkTarget(copy + "/link"), "/etc/passwd");
    EXPECT_EQ(QFileInfo(copy + "/tool").lastModified().toSecsSinceEpoch(), 1000000000);
    EXPECT_EQ(QFileInfo(copy + "/open/readme").ownerId(), root ? 65534u : geteuid());

    // A copy onto an existing name fails and leaves both untouched; a failed copy leaves nothing.
    EXPECT_TRUE(FileOperations::copyItem(source + "/tool", copy + "/tool").has_value());
    EXPECT_EQ(modeOf(copy + "/tool"), 0750u);
    ::mkfifo(QFile::encodeName(source + "/pipe").constData(), 0600);
    EXPECT_EQ(FileOperations::copyItem(source, p.home() + "/with fifo"), std::nullopt);
    EXPECT_EQ(modeOf(p.home() + "/with fifo/pipe"), 0600u);
    // A socket's file, as bind() leaves it (no root needed for this kind).
    ASSERT_EQ(::mknod(QFile::encodeName(source + "/open/sock").constData(), S_IFSOCK | 0600, 0), 0);
    EXPECT_EQ(FileOperations::copyItem(source, p.home() + "/with socket"),
              "\u201Csock\u201D is a socket, which can't be copied.");
    EXPECT_FALSE(FileOperations::existsAt(p.home() + "/with socket"));
}

TEST(FileCopy, HolesStayHolesAndWhatCannotBeCopiedIsNamed) {
    fakes::FakePlatform p;
    // 256 MiB of which 4 KiB hold data, in the middle.
    const QString image = p.home() + "/disk.img";
    const off_t size = off_t(256) << 20;
    const int fd = ::open(QFile::encodeName(image).constData(), O_CREAT | O_WRONLY, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::ftruncate(fd, size), 0);
    const QByteArray data(4096, 'd');
    ASSERT_EQ(::pwrite(fd, data.constData(), size_t(data.size()), size / 2), data.size());
    ::close(fd);
    const QString copy = p.home() + "/disk copy.img";
    ASSERT_EQ(FileOperations::copyItem(image, copy, "duplicated"), std::nullopt);
    struct stat status;
    ASSERT_EQ(::stat(QFile::encodeName(copy).constData(), &status), 0);
    EXPECT_EQ(status.st_size, size);
    EXPECT_LT(status.st_blocks * 512, 1 << 20);
    QFile original(image), copied(copy);
    ASSERT_TRUE(original.open(QIODevice::ReadOnly) && copied.open(QIODevice::ReadOnly));
    while (!original.atEnd())
        ASSERT_EQ(original.read(8 << 20), copied.read(8 << 20)) << original.pos();

    // A device file in a folder: refused by name, and nothing is left of the copy.
    const QString folder = p.makeDir("dev");
    p.makeFile("dev/notes.txt");
    if (::mknod(QFile::encodeName(folder + "/null").constData(), S_IFCHR | 0666, makedev(1, 3)) != 0)
        GTEST_SKIP() << "mknod needs root";
    EXPECT_EQ(FileOperations::copyItem(folder, p.home() + "/dev copy", "duplicated"),
              "\u201Cnull\u201D is a device file, which can't be duplicated.");
    EXPECT_FALSE(FileOperations::existsAt(p.home() + "/dev copy"));
}

TEST(FileCopy, AFolderIsNotMovedIntoItself) {
    fakes::FakePlatform p;
    p.makeDir("A/inner");
    const QString a = p.home() + "/A";
    EXPECT_EQ(FileOperations::moveItem(a, a + "/A"), "Can't move \u201CA\u201D into itself.");
    EXPECT_EQ(FileOperations::moveItem(a, a + "/inner/A"), "Can't move \u201CA\u201D into itself.");
    EXPECT_TRUE(QFileInfo(a + "/inner").isDir());
    // A link to the folder is moved as a link.
    ASSERT_TRUE(QFile::link(a, p.home() + "/to A"));
    EXPECT_EQ(FileOperations::moveItem(p.home() + "/to A", a + "/to A"), std::nullopt);
}
