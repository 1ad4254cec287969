#pragma once

#include <QObject>
#include <optional>

namespace zarvo {

// What the shell needs from the window system to show a floating panel over another application and
// give the keyboard back afterwards. Window ids are the window system's own (an X window on Linux).
class PanelWindowing : public QObject {
    Q_OBJECT
public:
    // Called with our floating window before each time it is shown (its native window exists then).
    virtual void prepareToShow(quintptr window) { Q_UNUSED(window); }
    // Remembers the window that has the keyboard now, unless it is one of ours.
    virtual void rememberActiveWindow(quintptr ownWindow) = 0;
    // Asks the window manager to give `window` the keyboard, with the time of the user's request (the
    // last hot-key press, a forwarded start-up id, else the server's current time).
    virtual void activate(quintptr window) = 0;
    // Gives the keyboard back to the remembered window, if it still exists; forgets it.
    virtual void restoreActiveWindow() = 0;
    // The window that has the keyboard according to the window manager (0: none or unknown).
    virtual quintptr activeWindow() const = 0;
    // Whether a compositing manager runs (translucent windows are drawn as such).
    virtual bool isCompositing() const = 0;
    // The next activation answers a request carrying this start-up id (DESKTOP_STARTUP_ID).
    virtual void setStartupId(const QString& id) = 0;
    // Asks the compositor to blur what lies behind `window`, where it offers that (KWin's blur); says
    // whether it does.
    virtual bool blurBehind(quintptr window) {
        Q_UNUSED(window);
        return false;
    }
    // The colour the system tray asks its icons to draw in (0xRRGGBB), where it says one.
    virtual std::optional<unsigned> trayForeground() const { return std::nullopt; }

signals:
    void compositingChanged(bool compositing);
    void trayForegroundChanged();
};

} // namespace zarvo
