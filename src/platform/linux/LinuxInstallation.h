#pragma once

#include "platform/Installation.h"

#include <QByteArray>
#include <QList>
#include <sys/types.h>

namespace zarvo {
class Environment;
}

namespace zarvo::linux_ {

// The self-installer on a Linux desktop: the portable folder Zarvo/ (the programs, Info.json, the
// desktop entry and icons) is installed at ~/.local/opt/Zarvo, with links in ~/.local/bin and the desktop
// entry and icons under $XDG_DATA_HOME. Images are told from /proc/self/mountinfo; other copies are
// asked to quit over their instance socket; the administrator path runs through pkexec.
class LinuxInstallation : public Installation {
public:
    // One line of /proc/self/mountinfo.
    struct Mount {
        QString mountPoint;
        QString type;
        QString source;
        QStringList options; // the mount's own and the file system's
        bool operator==(const Mount&) const = default;
    };
    // Reads mountinfo text (octal escapes such as \040 decoded).
    static QList<Mount> parseMountInfo(const QByteArray& text);
    // What only a disk image is: a loop device backed by a file (its backing file is read under
    // `sysfs`), an image file system (ISO 9660, UDF, SquashFS) or optical media. Any other drive, even
    // read-only or FUSE (NTFS, sshfs, a locked stick), is not, and so is never unmounted.
    static bool isImageMount(const Mount& mount, const QString& sysfs = QStringLiteral("/sys"));

    explicit LinuxInstallation(const Environment& environment);
    ~LinuxInstallation() override;
    LinuxInstallation(const LinuxInstallation&) = delete;
    LinuxInstallation& operator=(const LinuxInstallation&) = delete;

    QString runningFolder() const override;
    QStringList arguments() const override;
    QString destination() const override;
    QString downloadsFolder() const override;
    QString tempFolder() const override;
    QString resolved(const QString& path) const override;
    QStringList mountPoints() const override;
    bool isImage(const QString& mountPoint) const override;
    std::optional<Info> info(const QString& folder) const override;
    bool exists(const QString& path) const override;

    std::optional<Failure> copyFolder(const QString& from, const QString& to) override;
    std::optional<QString> swap(const QString& staging, const QString& destination) override;
    std::optional<QString> moveToTrash(const QString& path) override;
    void removeFolder(const QString& path) override;
    // Never replaces what is at `to`.
    std::optional<QString> rename(const QString& from, const QString& to) override;
    QStringList stagingFolders() const override;
    // flock() on ".zarvo-install.lock" beside the destination (a name staging folders never match).
    bool lockInstall(bool wait) override;
    void unlockInstall() override;
    std::optional<QString> integrate(const QString& folder) override;
    AdminResult installAsAdministrator(const QString& source, const QString& staging,
                                       const QString& destination) override;
    // The script run as administrator; its paths come only as "$1" (source) "$2" (staging)
    // "$3" (destination), never inside its text, and "$4" is its refusal in the user's language.
    static const QString& administratorScript();

    void quitOtherCopies() override;
    bool isRunning(const QString& folder) const override;
    std::optional<QString> open(const QString& folder, const QStringList& arguments) override;
    void eject(const QString& volume) override;
    void ejectAfterExit(const QString& volume) override;
    void terminate() override;

    QString newUuid() const override;
    qint64 secondsSinceEpoch() const override;

    // The running instance of `identifier` of this user; none when nothing of ours listens.
    std::optional<pid_t> instanceProcess(const QString& identifier) const;

private:
    QList<Mount> mounts() const;
    // Whether the link `link` leads into an installed Zarvo (ours, or `folder`), or to nothing left of
    // a removed one.
    bool leadsToZarvo(const QString& link, const QString& folder) const;
    const Environment& m_environment;
    int m_lockFile = -1;
    int m_lockDepth = 0;
};

} // namespace zarvo::linux_
