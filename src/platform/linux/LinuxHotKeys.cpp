#include "platform/linux/LinuxHotKeys.h"

#include "platform/HotKeyFormat.h"
#include "platform/linux/X11Connection.h"

#include <QDateTime>
#include <QPointer>

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>

namespace zarvo::linux_ {

std::optional<unsigned long> keysymForKeyCode(quint32 keyCode) {
    // Virtual key codes name positions on the ANSI layout; the table gives the keysym printed there.
    static const QHash<quint32, unsigned long> table = {
        {0, XK_a},
        {1, XK_s},
        {2, XK_d},
        {3, XK_f},
        {4, XK_h},
        {5, XK_g},
        {6, XK_z},
        {7, XK_x},
        {8, XK_c},
        {9, XK_v},
        {11, XK_b},
        {12, XK_q},
        {13, XK_w},
        {14, XK_e},
        {15, XK_r},
        {16, XK_y},
        {17, XK_t},
        {18, XK_1},
        {19, XK_2},
        {20, XK_3},
        {21, XK_4},
        {22, XK_6},
        {23, XK_5},
        {24, XK_equal},
        {25, XK_9},
        {26, XK_7},
        {27, XK_minus},
        {28, XK_8},
        {29, XK_0},
        {30, XK_bracketright},
        {31, XK_o},
        {32, XK_u},
        {33, XK_bracketleft},
        {34, XK_i},
        {35, XK_p},
        {36, XK_Return},
        {37, XK_l},
        {38, XK_j},
        {39, XK_apostrophe},
        {40, XK_k},
        {41, XK_semicolon},
        {42, XK_backslash},
        {43, XK_comma},
        {44, XK_slash},
        {45, XK_n},
        {46, XK_m},
        {47, XK_period},
        {48, XK_Tab},
        {49, XK_space},
        {50, XK_grave},
        {51, XK_BackSpace},
        {53, XK_Escape},
        {65, XK_KP_Decimal},
        {67, XK_KP_Multiply},
        {69, XK_KP_Add},
        {71, XK_Num_Lock},
        {75, XK_KP_Divide},
        {76, XK_KP_Enter},
        {78, XK_KP_Subtract},
        {81, XK_KP_Equal},
        {82, XK_KP_0},
        {83, XK_KP_1},
        {84, XK_KP_2},
        {85, XK_KP_3},
        {86, XK_KP_4},
        {87, XK_KP_5},
        {88, XK_KP_6},
        {89, XK_KP_7},
        {91, XK_KP_8},
        {92, XK_KP_9},
        {96, XK_F5},
        {97, XK_F6},
        {98, XK_F7},
        {99, XK_F3},
        {100, XK_F8},
        {101, XK_F9},
        {103, XK_F11},
        {105, XK_F13},
        {107, XK_F14},
        {109, XK_F10},
        {111, XK_F12},
        {113, XK_F15},
        {114, XK_Insert},
        {115, XK_Home},
        {116, XK_Prior},
        {117, XK_Delete},
        {118, XK_F4},
        {119, XK_End},
        {120, XK_F2},
        {121, XK_Next},
        {122, XK_F1},
        {123, XK_Left},
        {124, XK_Right},
        {125, XK_Down},
        {126, XK_Up},
    };
    const auto it = table.constFind(keyCode);
    if (it == table.constEnd()) return std::nullopt;
    return *it;
}

LinuxHotKeys::LinuxHotKeys(X11Connection* x11, bool xWindowsOnly) : m_x11(x11), m_xWindowsOnly(xWindowsOnly) {
    if (!m_x11) return;
    // Held keys then repeat as presses without releases, which lets us ignore the repeats.
    XkbSetDetectableAutoRepeat(m_x11->display(), True, nullptr);
    QPointer<LinuxHotKeys> self(this);
    m_x11->addEventHandler([self](XEvent& event) {
        if (self) self->handleEvent(event);
    });
}

LinuxHotKeys::~LinuxHotKeys() {
    for (const auto& grab : std::as_const(m_grabs))
        ungrab(grab);
}

unsigned int LinuxHotKeys::modifierMaskFor(unsigned long keysym) const {
    // Which of Mod1…Mod5 carries a key (Super, Num Lock) depends on the server's modifier map.
    Display* display = m_x11->display();
    const KeyCode wanted = XKeysymToKeycode(display, keysym);
    unsigned int mask = 0;
    if (wanted == 0) return 0;
    XModifierKeymap* map = XGetModifierMapping(display);
    if (!map) return 0;
    for (int mod = 0; mod < 8 && mask == 0; ++mod)
        for (int i = 0; i < map->max_keypermod; ++i)
            if (map->modifiermap[mod * map->max_keypermod + i] == wanted) {
                mask = 1u << mod;
                break;
            }
    XFreeModifiermap(map);
    return mask;
}

QList<unsigned int> LinuxHotKeys::lockVariants() const {
    const unsigned int numLock = modifierMaskFor(XK_Num_Lock);
    QList<unsigned int> out{0, LockMask};
    if (numLock && numLock != LockMask) out << numLock << (numLock | LockMask);
    return out;
}

bool LinuxHotKeys::registerHotKey(int slot, quint32 keyCode, quint32 modifiers) {
    unregisterHotKey(slot);
    if (!m_x11) return false;
    const auto keysym = keysymForKeyCode(keyCode);
    if (!keysym) return false;
    Display* display = m_x11->display();
    const int keycode = XKeysymToKeycode(display, *keysym);
    if (keycode == 0) return false;

    unsigned int mask = 0;
    if (modifiers & HotKeyModifier::command) {
        const unsigned int super = modifierMaskFor(XK_Super_L);
        mask |= super ? super : Mod4Mask;
    }
    if (modifiers & HotKeyModifier::option) mask |= Mod1Mask;
    if (modifiers & HotKeyModifier::control) mask |= ControlMask;
    if (modifiers & HotKeyModifier::shift) mask |= ShiftMask;

    const Grab grab{keycode, mask};
    const auto variants = lockVariants();
    const Window root = m_x11->rootWindow();
    const int error = m_x11->trapErrors([&] {
        for (unsigned int variant : variants)
            XGrabKey(display, keycode, mask | variant, root, False, GrabModeAsync, GrabModeAsync);
    });
    if (error != 0) {
        // Another client holds the combination (BadAccess); give back the variants we did get.
        ungrab(grab);
        return false;
    }
    m_grabs.insert(slot, grab);
    return true;
}

void LinuxHotKeys::ungrab(const Grab& grab) {
    if (!m_x11) return;
    Display* display = m_x11->display();
    const auto variants = lockVariants();
    const Window root = m_x11->rootWindow();
    // Ungrabbing what another client holds is a no-op for X, so this is safe after a partial grab.
    m_x11->trapErrors([&] {
        for (unsigned int variant : variants)
            XUngrabKey(display, grab.keycode, grab.modifiers | variant, root);
    });
}

void LinuxHotKeys::unregisterHotKey(int slot) {
    const auto it = m_grabs.find(slot);
    if (it == m_grabs.end()) return;
    const Grab grab = *it;
    m_grabs.erase(it);
    ungrab(grab);
}

void LinuxHotKeys::handleEvent(XEvent& event) {
    if (event.type == KeyRelease) {
        if (int(event.xkey.keycode) == m_heldKeycode) m_heldKeycode = 0;
        return;
    }
    if (event.type != KeyPress) return;
    const unsigned int relevant = ShiftMask | ControlMask | Mod1Mask | Mod4Mask | modifierMaskFor(XK_Super_L);
    const int keycode = int(event.xkey.keycode);
    if (keycode == m_heldKeycode) return; // auto-repeat
    for (auto it = m_grabs.cbegin(); it != m_grabs.cend(); ++it) {
        if (it->keycode == keycode && (event.xkey.state & relevant) == it->modifiers) {
            m_heldKeycode = keycode;
            m_lastPressTime = event.xkey.time;
            m_lastPressReceivedMs = QDateTime::currentMSecsSinceEpoch();
            const int slot = it.key();
            QMetaObject::invokeMethod(
                this, [this, slot] { emit pressed(slot); }, Qt::QueuedConnection);
            return;
        }
    }
}

} // namespace zarvo::linux_
