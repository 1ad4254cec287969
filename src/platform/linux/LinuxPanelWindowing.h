#pragma once

#include "platform/PanelWindowing.h"

namespace zarvo::linux_ {

class X11Connection;
class LinuxHotKeys;

// Focus and compositing on X11, through our own Xlib connection. Window managers that prevent focus
// stealing (xfwm4, metacity, mutter, KWin) refuse activation requests with a stale time, and Qt's
// connection never saw the hot key (it arrives on ours), so requests carry the time of the press, or
// of the forwarded start-up id, or a fresh server time, with the pager source indication.
class LinuxPanelWindowing : public PanelWindowing {
    Q_OBJECT
public:
    // `x11` may be null: nothing is remembered and nothing composites.
    LinuxPanelWindowing(X11Connection* x11, const LinuxHotKeys* hotKeys);
    ~LinuxPanelWindowing() override;

    // Window managers that never give a utility window the keyboard (weston's XWayland one) see the
    // panel as a normal window instead; the others keep it a utility window (sway floats those).
    void setFocusableType(bool normal) { m_normalType = normal; }
    void prepareToShow(quintptr window) override;
    void rememberActiveWindow(quintptr ownWindow) override;
    void activate(quintptr window) override;
    void restoreActiveWindow() override;
    quintptr activeWindow() const override;
    bool isCompositing() const override;
    void setStartupId(const QString& id) override;
    std::optional<unsigned> trayForeground() const override;
    bool blurBehind(quintptr window) override;

    // The time a start-up id carries ("…_TIME<server time>"), or 0.
    static unsigned long startupIdTime(const QString& id);

private:
    unsigned long requestTime();
    unsigned long serverTime();
    bool isViewable(unsigned long window) const;
    bool hasWindowManager() const;
    void watchTray();
    void sendActiveWindow(unsigned long window, unsigned long time);

    X11Connection* m_x11 = nullptr;
    const LinuxHotKeys* m_hotKeys = nullptr;
    unsigned long m_timeWindow = 0; // an unmapped window of ours whose property changes tell the time
    unsigned long m_previous = 0;
    unsigned long m_startupTime = 0;
    unsigned long m_usedPressTime = 0;
    mutable bool m_compositing = false;
    bool m_normalType = false;
    unsigned long m_retyped = 0; // the window whose type was set
    unsigned long m_tray = 0;    // the system tray's manager window, watched for its colours
};

} // namespace zarvo::linux_
