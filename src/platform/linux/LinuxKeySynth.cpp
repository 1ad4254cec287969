#include "platform/linux/LinuxKeySynth.h"

#include "platform/linux/X11Connection.h"
#include "platform/wayland/WaylandServices.h"

#include <QList>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace zarvo::linux_ {

LinuxKeySynth::LinuxKeySynth(X11Connection* x11) : m_x11(x11) {
    if (!m_x11) return;
    int eventBase = 0, errorBase = 0, major = 0, minor = 0;
    m_hasXTest = XTestQueryExtension(m_x11->display(), &eventBase, &errorBase, &major, &minor);
}

void LinuxKeySynth::setWayland(wayland::WaylandServices* services, std::function<bool()> x11InFront) {
    m_wayland = services;
    m_x11InFront = std::move(x11InFront);
}

bool LinuxKeySynth::isTrusted(bool) {
    if (m_x11InFront && !m_x11InFront()) return m_wayland && m_wayland->canPressKeys();
    return m_x11 && m_hasXTest;
}

bool LinuxKeySynth::postPaste(PasteKeys keys) {
    if (!isTrusted(false)) return false;
    if (!m_x11InFront || m_x11InFront()) return postX11(keys);
    switch (keys) {
    case PasteKeys::standard:
        return m_wayland->pressKeys({XK_Control_L, XK_v});
    case PasteKeys::shifted:
        return m_wayland->pressKeys({XK_Control_L, XK_Shift_L, XK_v});
    case PasteKeys::shiftInsert:
        return m_wayland->pressKeys({XK_Shift_L, XK_Insert});
    }
    return false;
}

bool LinuxKeySynth::postX11(PasteKeys keys) {
    Display* display = m_x11->display();
    // Pressed in order and released in reverse: the modifiers first, the key last.
    QList<KeySym> combination;
    switch (keys) {
    case PasteKeys::standard:
        combination = {XK_Control_L, XK_v};
        break;
    case PasteKeys::shifted:
        combination = {XK_Control_L, XK_Shift_L, XK_v};
        break;
    case PasteKeys::shiftInsert:
        combination = {XK_Shift_L, XK_Insert};
        break;
    }
    QList<KeyCode> codes;
    for (KeySym sym : std::as_const(combination)) {
        const KeyCode code = XKeysymToKeycode(display, sym);
        if (code == 0) return false;
        codes << code;
    }

    // Modifiers the user still holds (the Super of the hot key, Shift …) would turn the paste into another
    // shortcut, so they are released for the paste and not pressed again.
    char held[32] = {};
    XQueryKeymap(display, held);
    const KeySym modifiers[] = {XK_Super_L, XK_Super_R, XK_Shift_L, XK_Shift_R,
                                XK_Alt_L,   XK_Alt_R,   XK_Meta_L,  XK_Meta_R};
    const int error = m_x11->trapErrors([&] {
        for (KeySym sym : modifiers) {
            const KeyCode code = XKeysymToKeycode(display, sym);
            if (code && (held[code / 8] & (1 << (code % 8))))
                XTestFakeKeyEvent(display, code, False, CurrentTime);
        }
        for (KeyCode code : std::as_const(codes))
            XTestFakeKeyEvent(display, code, True, CurrentTime);
        for (auto it = codes.crbegin(); it != codes.crend(); ++it)
            XTestFakeKeyEvent(display, *it, False, CurrentTime);
    });
    return error == 0;
}

} // namespace zarvo::linux_
