#pragma once

#include "platform/Session.h"

#include <QStringList>
#include <QVariantList>
#include <functional>

namespace zarvo {
class Environment;
class Processes;
} // namespace zarvo

namespace zarvo::linux_ {

// The answer of a session action the desktop offers no way for (shown translated).
inline constexpr const char* kNotAvailable =
    QT_TRANSLATE_NOOP("LinuxSession", "not available on this desktop");

// Session-wide actions: the screen saver and session manager services on the session bus, logind on
// the system bus, DPMS for the display, and the freedesktop Trash.
class LinuxSession : public Session {
public:
    // `hasX11`: whether an X server is reachable (display off needs it).
    LinuxSession(const Environment& environment, Processes& processes, bool hasX11);

    // The freedesktop, GNOME and KDE lock services, then xflock4, logind and xdg-screensaver.
    void lockScreen(Completion done) override;
    std::optional<QString> sleep() override;
    std::optional<QString> displaySleep() override;
    std::optional<QString> startScreenSaver() override;
    // The session managers of XFCE, Plasma (its prompt, then ksmserver), GNOME and LXQt.
    bool hasSessionManager() override;
    void endSession(Ending ending, Completion done) override;
    // logind on the system bus.
    void endSystem(Ending ending, Completion done) override;
    // Empties the Trash off the main thread; failures are logged.
    std::optional<QString> emptyTrash() override;

    // The user's trash folders: the home Trash under $XDG_DATA_HOME, then those of mounted volumes.
    QStringList trashDirectories() const;
    // The same for given mount roots. Only folders of the user's own, not links, count; the shared
    // "$root/.Trash" must also be sticky and not a link.
    static QStringList trashDirectories(const QString& homeTrash, const QStringList& mountRoots);
    // Deletes everything in the trash folders (files, info, expunged) through folder descriptors: a
    // folder that is not the user's, a link at any level, and other file systems are left alone.
    static std::optional<QString> emptyTrashDirectories(const QStringList& trashDirectories);

private:
    // A session manager on the session bus and its methods for each ending.
    struct Manager {
        const char* desktop; // as XDG_CURRENT_DESKTOP names it
        const char* service;
        const char* path;
        const char* interface;
        const char* restart;
        const char* shutDown;
        const char* logOut;
        QVariantList endArguments;
        QVariantList logOutArguments;
        bool activatable; // started by the bus on demand
    };
    QList<Manager> managers() const;
    bool mayStart(const Manager& manager) const;
    bool isDesktop(const char* name) const;
    bool startProgram(const QString& program, const QStringList& arguments);
    // Runs a program to its end; it worked when it exited with status 0.
    std::function<void(std::function<void(bool)>)> programAttempt(const QString& program,
                                                                  const QStringList& arguments);

    const Environment& m_environment;
    Processes& m_processes;
    bool m_hasX11 = false;
};

} // namespace zarvo::linux_
