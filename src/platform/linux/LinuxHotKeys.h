#pragma once

#include "platform/HotKeys.h"

#include <QHash>
#include <optional>

union _XEvent;

namespace zarvo::linux_ {

class X11Connection;

// The X keysym for a virtual key code (hardware-layout positions: 0 A, 15 R, 9 V, 36 Return …), or none.
std::optional<unsigned long> keysymForKeyCode(quint32 keyCode);

// System-wide hot keys through passive key grabs on the root window (XGrabKey).
class LinuxHotKeys : public HotKeys {
    Q_OBJECT
public:
    // `x11` may be null (no X server): every registration is then refused. `xWindowsOnly`: the server is
    // XWayland, whose grabs see keys only while one of its windows is focused.
    explicit LinuxHotKeys(X11Connection* x11, bool xWindowsOnly = false);
    ~LinuxHotKeys() override;

    bool registerHotKey(int slot, quint32 keyCode, quint32 modifiers) override;
    void unregisterHotKey(int slot) override;
    bool superIsCommand() const override { return true; }
    bool reachesEveryWindow() const override { return !m_xWindowsOnly; }

    // The X server time of the last accepted press, and when (monotonic ms) it arrived; 0 before any.
    unsigned long lastPressTime() const { return m_lastPressTime; }
    qint64 lastPressReceivedMs() const { return m_lastPressReceivedMs; }

private:
    struct Grab {
        int keycode = 0;
        unsigned int modifiers = 0;
    };
    void handleEvent(::_XEvent& event);
    void ungrab(const Grab& grab);
    QList<unsigned int> lockVariants() const;
    unsigned int modifierMaskFor(unsigned long keysym) const;

    X11Connection* m_x11 = nullptr;
    bool m_xWindowsOnly = false;
    QHash<int, Grab> m_grabs;
    // The key currently held, so auto-repeat does not fire the action again and again.
    int m_heldKeycode = 0;
    unsigned long m_lastPressTime = 0;
    qint64 m_lastPressReceivedMs = 0;
};

} // namespace zarvo::linux_
