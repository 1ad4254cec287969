#include "platform/linux/LinuxKeySynth.h"

#include "platform/linux/X11Connection.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace zarvo::linux_ {

LinuxKeySynth::LinuxKeySynth(X11Connection* x11) : m_x11(x11) {
    if (!m_x11) return;
    int eventBase = 0, errorBase = 0, major = 0, minor = 0;
    m_hasXTest = XTestQueryExtension(m_x11->display(), &eventBase, &errorBase, &major, &minor);
}

bool LinuxKeySynth::isTrusted(bool) {
    return m_x11 && m_hasXTest;
}

bool LinuxKeySynth::postPaste() {
    if (!isTrusted(false)) return false;
    Display* display = m_x11->display();
    const KeyCode control = XKeysymToKeycode(display, XK_Control_L);
    const KeyCode v = XKeysymToKeycode(display, XK_v);
    if (control == 0 || v == 0) return false;

    // Modifiers the user still holds (the Super of the hot key, Shift …) would turn Ctrl+V into another
    // shortcut, so they are released for the paste and not pressed again.
    char keys[32] = {};
    XQueryKeymap(display, keys);
    const KeySym held[] = {XK_Super_L, XK_Super_R, XK_Shift_L, XK_Shift_R,
                           XK_Alt_L,   XK_Alt_R,   XK_Meta_L,  XK_Meta_R};
    const int error = m_x11->trapErrors([&] {
        for (KeySym sym : held) {
            const KeyCode code = XKeysymToKeycode(display, sym);
            if (code && (keys[code / 8] & (1 << (code % 8))))
                XTestFakeKeyEvent(display, code, False, CurrentTime);
        }
        XTestFakeKeyEvent(display, control, True, CurrentTime);
        XTestFakeKeyEvent(display, v, True, CurrentTime);
        XTestFakeKeyEvent(display, v, False, CurrentTime);
        XTestFakeKeyEvent(display, control, False, CurrentTime);
    });
    return error == 0;
}

} // namespace zarvo::linux_
