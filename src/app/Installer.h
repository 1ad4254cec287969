#pragma once

#include "platform/Installation.h"

#include <QCoreApplication>
#include <QString>
#include <optional>

namespace zarvo::app {

// The questions and alerts of an install, which the shell shows as message boxes.
class InstallDialogs {
public:
    virtual ~InstallDialogs() = default;
    // A modal question; the index of the button pressed, -1 when the alert was closed.
    virtual int ask(const QString& message, const QString& informative, const QStringList& buttons) = 0;
    virtual void alert(const QString& message, const QString& informative) = 0;
};

// Holds the install lock for a scope; see Installation::lockInstall().
class InstallLock {
public:
    InstallLock(Installation& installation, bool wait)
        : m_i(installation), m_held(installation.lockInstall(wait)) {}
    ~InstallLock() {
        if (m_held) m_i.unlockInstall();
    }
    InstallLock(const InstallLock&) = delete;
    InstallLock& operator=(const InstallLock&) = delete;
    bool held() const { return m_held; }
    // What an install that could not get the lock says.
    static QString busyMessage() {
        return QStringLiteral("Another copy of Zarvo is being installed. Try again once it has finished.");
    }

private:
    Installation& m_i;
    const bool m_held;
};

// Moving a portable copy into its installed place (~/.local/opt/Zarvo) before it runs. A copy started
// from an image (a read-only, loop or FUSE mount), from the temporary folder or from Downloads offers
// to install itself, opens the installed copy and quits; the installed copy quits other copies and
// unmounts the image it came from. A copy that finds an equal or newer build installed opens that one.
class Installer {
    Q_DECLARE_TR_FUNCTIONS(Installer)

public:
    // The hand-off arguments the installer passes to the copy it opens.
    static constexpr const char* installedArgument = "--installed";
    static constexpr const char* ejectVolumeArgument = "--eject-volume";

    // Without dialogs (updates, the clean-up) it shows nothing, and a question counts as closed.
    explicit Installer(Installation& installation, InstallDialogs* dialogs = nullptr)
        : m_i(installation), m_dialogs(dialogs) {}

    // The decision tree; true: another copy takes over and this one must not go on starting.
    bool decide();

    // The process's decision, made once on the installation and dialogs given to setUp() (later calls
    // answer the same); false without one (a build that never installs itself, or a test).
    static bool handOffIfNeeded();
    static void setUp(Installation* installation, InstallDialogs* dialogs);
    // The installation given to setUp(); none in a process that never installs (a test).
    static Installation* installation();

    // Copies the copy at `source` into place, through a staging folder beside the destination, and
    // swaps it in; the error shown when it failed.
    std::optional<QString> install(const QString& source);
    // Removes what killed installs and updates left beside the destination, unless one is running
    // (the lock is taken without waiting), and puts back an old copy that a swap moved aside when the
    // destination is missing. A folder holding `inUse` stays.
    void cleanUpLeftovers(const QString& inUse = {});
    std::optional<QString> installAsAdministrator(const QString& source, const QString& staging);
    void openInstalledCopy(const std::optional<QString>& volume, bool fresh);
    void ejectVolumeIfAsked();
    // The image mount holding `path`: the longest mount point that is a folder above it.
    std::optional<QString> imageVolume(const QString& path) const;
    bool isInDownloads(const QString& path) const;
    bool isInTemporaryFolder(const QString& path) const;

    // Builds ordered as numbers where both have digits ("9" < "10"), else as text.
    static int compareBuilds(const QString& a, const QString& b);
    // A missing build counts as "0".
    static QString build(const std::optional<Installation::Info>& info);

private:
    int ask(const QString& message, const QString& informative, const QStringList& buttons);
    void alert(const QString& message, const QString& informative);

    Installation& m_i;
    InstallDialogs* m_dialogs;
    std::optional<Installation::Info> m_running;
};

} // namespace zarvo::app
