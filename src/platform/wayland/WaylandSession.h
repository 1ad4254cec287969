#pragma once

#include <QString>
#include <QStringList>

namespace zarvo::wayland {

// What the Wayland session beside our XWayland windows offers: which compositor runs it and which of
// the services we use it has. Filled once, when our own connection has listed the compositor's globals.
struct WaylandSession {
    // The compositor as users know it ("sway", "KWin", "GNOME Shell", "weston", or its program name);
    // empty when it cannot be told.
    QString compositor;
    // The clipboard-manager protocol in use: "ext-data-control-v1", "wlr-data-control-unstable-v1", or none.
    QString dataControl;
    bool foreignToplevels = false;
    // KWin's window list (org_kde_plasma_window_management), which names the front window there.
    bool plasmaWindows = false;
    bool virtualKeyboard = false;
    // KWin's fake input (org_kde_kwin_fake_input), its way of pressing keys.
    bool fakeInput = false;

    bool operator==(const WaylandSession&) const = default;

    // The compositor's name from the program at the other end of a Wayland socket (its process name).
    static QString compositorOfSocket(int fd);
    // A program name as users know the compositor ("kwin_wayland" -> "KWin").
    static QString displayName(const QString& program);
};

} // namespace zarvo::wayland
