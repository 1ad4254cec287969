#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace zarvo {

// What the self-installer reaches on the desktop: where the running copy and the installed copy lie,
// their information files, the mounts they lie on, the folders it copies and swaps and the copies it
// starts, quits and unmounts. The back end does the real thing; tests a fake. Its questions and alerts
// are the shell's (app::InstallDialogs).
class Installation {
public:
    // A copy's information file (Info.json beside the programs).
    struct Info {
        QString identifier;
        std::optional<QString> build;   // "CFBundleVersion"
        std::optional<QString> version; // "CFBundleShortVersionString"
        bool operator==(const Info&) const = default;
    };
    // The result of copying a folder: an error text, and whether it failed for want of permission
    // (a folder not writable, a read-only file system), which the administrator path can overcome.
    struct Failure {
        QString message;
        bool notPermitted = false;
    };
    // How a program run as administrator ended.
    struct AdminResult {
        int exitCode = -1;
        QString standardError;
    };

    virtual ~Installation() = default;

    // The running copy's folder, symbolic links resolved.
    virtual QString runningFolder() const = 0;
    virtual QStringList arguments() const = 0;
    // The installed copy's folder (~/.local/opt/Zarvo); its parent holds the staging copies.
    virtual QString destination() const = 0;
    // The user's Downloads folder, links resolved; empty when there is none.
    virtual QString downloadsFolder() const = 0;
    virtual QString tempFolder() const = 0;
    virtual QString resolved(const QString& path) const = 0;
    // The mount points of every mounted file system, and whether the one at `mountPoint` is an image
    // (read-only, loop, optical or FUSE).
    virtual QStringList mountPoints() const = 0;
    virtual bool isImage(const QString& mountPoint) const = 0;
    virtual std::optional<Info> info(const QString& folder) const = 0;
    virtual bool exists(const QString& path) const = 0;

    virtual std::optional<Failure> copyFolder(const QString& from, const QString& to) = 0;
    // Puts `staging` at `destination` in one step; a folder that was there is left at `staging`.
    virtual std::optional<QString> swap(const QString& staging, const QString& destination) = 0;
    virtual std::optional<QString> moveToTrash(const QString& path) = 0;
    virtual void removeFolder(const QString& path) = 0;
    virtual std::optional<QString> rename(const QString& from, const QString& to) = 0;
    // The folders that installs and updates stage beside the destination (".Zarvo-…"), links left out.
    virtual QStringList stagingFolders() const = 0;
    // The install lock beside the destination, which a killed holder releases by itself. Re-entrant:
    // held until as many unlockInstall() calls. With `wait` it waits a while for another holder; true
    // also where this user cannot make the lock file, since there it can change nothing either.
    virtual bool lockInstall(bool wait) = 0;
    virtual void unlockInstall() = 0;
    // The links in ~/.local/bin, the desktop entry and the icons of the copy at `folder`. A text for the
    // user when a link of theirs there was left alone.
    virtual std::optional<QString> integrate(const QString& folder) = 0;
    // Copies `source` to `staging` as administrator without set-id bits or special files, owned like
    // the folder it lands in, checks the copy and puts it in place of `destination`, whose old copy is
    // removed (root never writes the user's Trash); on any failure the staging copy is removed and the
    // old copy stays. Waited for.
    virtual AdminResult installAsAdministrator(const QString& source, const QString& staging,
                                               const QString& destination) = 0;

    // Asks every other running copy (also of the former identifier) to quit, forcing it after 5 s.
    virtual void quitOtherCopies() = 0;
    // Whether the copy at `folder` is the running instance.
    virtual bool isRunning(const QString& folder) const = 0;
    // Starts the copy at `folder` with `arguments`, or shows the running one; an error text.
    virtual std::optional<QString> open(const QString& folder, const QStringList& arguments) = 0;
    // Unmounts an image in the background, retrying while copies still run from it.
    virtual void eject(const QString& volume) = 0;
    // Leaves a shell behind that unmounts the image after this process has ended.
    virtual void ejectAfterExit(const QString& volume) = 0;
    // Ends this process once the event loop runs (or at once when it is not running).
    virtual void terminate() = 0;

    virtual QString newUuid() const = 0;
    virtual qint64 secondsSinceEpoch() const = 0;
};

} // namespace zarvo
