#pragma once

// The services the core reaches on the desktop, gathered in one bundle. The process builds one on the
// real back end at start; tests build one on the fakes. Stores and models take it at construction and
// hand the services on to the stateless helpers (PathInput, Shortcuts …) as arguments.

namespace zarvo {

class Workspace;
class Pasteboard;
class UserDefaultsStore;
class Environment;
class Clock;
class Processes;
class MetadataQueryFactory;
class Session;
class HotKeys;
class DesktopHotKeys;
class KeySynth;
class LoginItems;
class PlatformWords;
class PanelWindowing;
class Previewer;
class ImageCodec;
class DesktopShortcuts;
class Notifications;
class SessionInfo;

struct Platform {
    Workspace* workspace = nullptr;
    Pasteboard* pasteboard = nullptr;
    UserDefaultsStore* defaults = nullptr;
    Environment* environment = nullptr;
    Clock* clock = nullptr;
    Processes* processes = nullptr;
    MetadataQueryFactory* metadata = nullptr;
    Session* session = nullptr;
    HotKeys* hotKeys = nullptr;
    // Hot keys the desktop delivers itself (the portal's global shortcuts under Wayland); none elsewhere.
    DesktopHotKeys* desktopHotKeys = nullptr;
    KeySynth* keySynth = nullptr;
    LoginItems* loginItems = nullptr;
    // How shown texts name the desktop's things; none: as written.
    PlatformWords* words = nullptr;
    // Keyboard focus and looks of our floating windows; none without a window system.
    PanelWindowing* windowing = nullptr;
    // The desktop's file previewer; none: the application's own preview window.
    Previewer* previewer = nullptr;
    // Reads and writes the pictures of image copies; none: image copies are not kept.
    ImageCodec* images = nullptr;
    // The desktop's own keyboard shortcuts; none: nothing known of them.
    DesktopShortcuts* desktopShortcuts = nullptr;
    // The desktop's notifications; none: nothing is said outside our windows.
    Notifications* notifications = nullptr;
    // What the desktop session gives us and how, as `--status` and the settings window say it; none:
    // nothing to say.
    SessionInfo* sessionInfo = nullptr;

    // The platform of this process. Set once at start (or by a test fixture) before any core code runs.
    static Platform& current();
    static void setCurrent(const Platform& platform);
};

} // namespace zarvo
