#pragma once

#include "platform/Environment.h"
#include "platform/Platform.h"
#include "platform/SessionReport.h"

#include <QString>
#include <memory>
#include <optional>
#include <vector>

namespace zarvo::wayland {
class WaylandServices;
}

namespace zarvo {
class QtImageCodec;
}

namespace zarvo::linux_ {

class LinuxEnvironment;
class SystemClock;
class X11Connection;
class LinuxWorkspace;
class LinuxProcesses;
class LinuxSession;
class LinuxHotKeys;
class LinuxKeySynth;
class LinuxLoginItems;
class LinuxPlatformWords;
class LinuxPanelWindowing;
class GnomePreviewer;
class LinuxDesktopShortcuts;
class LinuxNotifications;

// Every Linux desktop service of one process, and the Platform bundle over them. The user-defaults store
// and the metadata query factory come from their own modules: the caller sets them in `platform()`.
class LinuxPlatform {
public:
    enum class Display {
        X11,     // every service
        Wayland, // no global hot keys, no synthesised paste, no front application
        None,    // headless (zarvo-cli without a display): no clipboard either
    };

    // Looks at the running application: a QGuiApplication on the xcb platform gets the X11 services.
    explicit LinuxPlatform(const QString& identifier = QString::fromLatin1(kAppIdentifier));
    ~LinuxPlatform();
    LinuxPlatform(const LinuxPlatform&) = delete;
    LinuxPlatform& operator=(const LinuxPlatform&) = delete;

    Display display() const { return m_display; }
    // The bundle; `defaults` and `metadata` are null until the caller fills them.
    Platform& platform() { return m_platform; }
    LinuxWorkspace& workspace() { return *m_workspace; }
    // Makes this bundle the process's current platform.
    void install() { Platform::setCurrent(m_platform); }

    // What to tell the user at start when features are missing (Wayland, no display); none on X11.
    std::optional<QString> startupNotice() const;
    // The notice for a Wayland session: which features need X11 and how to bind the panel instead.
    static QString waylandNotice();
    // The notice where the compositor's services stand in for X11 for all but the hot keys.
    static QString waylandKeysNotice();
    // The refusal for a feature that needs a display, for front ends to print.
    static QString noDisplayMessage(const QString& feature);

    // Whether the desktop session is Wayland (even when this process talks to XWayland).
    static bool isWaylandSession();
    // argv for Qt, null-ended: under Wayland we run on XWayland (global keys and focus need X11).
    // Said through the arguments, not the environment, so applications we start do not inherit it.
    static std::vector<char*> qtArguments(int argc, char** argv);
    // The Wayland services beside our windows; null outside a Wayland session.
    wayland::WaylandServices* wayland() const { return m_wayland.get(); }
    // One line saying where Zarvo runs: the desktop, the display server and the services in use.
    QString whereItRuns() const;
    // The same, in parts; the hot keys are the shell's to add (SessionReport).
    SessionFacts facts() const;

private:
    Display m_display = Display::None;
    bool m_waylandSession = false;
    std::unique_ptr<LinuxEnvironment> m_environment;
    std::unique_ptr<SystemClock> m_clock;
    std::unique_ptr<X11Connection> m_x11;
    std::unique_ptr<wayland::WaylandServices> m_wayland;
    std::unique_ptr<LinuxProcesses> m_processes;
    std::unique_ptr<LinuxWorkspace> m_workspace;
    std::unique_ptr<Pasteboard> m_pasteboard;
    std::unique_ptr<LinuxSession> m_session;
    std::unique_ptr<LinuxHotKeys> m_hotKeys;
    std::unique_ptr<LinuxKeySynth> m_keySynth;
    std::unique_ptr<LinuxLoginItems> m_loginItems;
    std::unique_ptr<LinuxPlatformWords> m_words;
    std::unique_ptr<LinuxPanelWindowing> m_windowing;
    std::unique_ptr<GnomePreviewer> m_previewer;
    std::unique_ptr<QtImageCodec> m_images;
    std::unique_ptr<LinuxDesktopShortcuts> m_desktopShortcuts;
    std::unique_ptr<LinuxNotifications> m_notifications;
    std::unique_ptr<SessionInfo> m_sessionInfo;
    Platform m_platform;
};

} // namespace zarvo::linux_
