#pragma once

#include <QByteArray>
#include <QList>
#include <cstdint>

struct wl_display;
struct wl_registry;
struct wl_seat;
struct zwp_virtual_keyboard_manager_v1;
struct zwp_virtual_keyboard_v1;

namespace zarvo::wayland {

// Key presses for the window that has the keyboard, through the virtual-keyboard protocol (wlroots).
// The compositor hands a virtual keyboard's keymap to every client, XWayland included, when its keys
// arrive: ours is the seat's own keymap when the compositor told us one, so nothing changes for them;
// a default one is used only on a seat without a keyboard. Lives on the worker thread.
class VirtualKeys {
public:
    VirtualKeys(wl_display* display, wl_registry* registry, uint32_t name, wl_seat* seat);
    ~VirtualKeys();
    VirtualKeys(const VirtualKeys&) = delete;
    VirtualKeys& operator=(const VirtualKeys&) = delete;

    // The seat keyboard's keymap as the compositor sent it (text, ending in a NUL). The keyboard is made
    // now: a client learns of a new keyboard and binds it asynchronously, so keys sent in the same breath
    // as its creation would be lost.
    void setSeatKeymap(const QByteArray& keymap);
    // Presses the keys (X keysyms) in order and releases them in reverse. False when one of them is
    // on no key of the keymap.
    bool press(const QList<uint32_t>& keysyms);

    static bool isManager(const char* interface);

private:
    bool ensureKeyboard();

    wl_display* m_display;
    wl_seat* m_seat;
    zwp_virtual_keyboard_manager_v1* m_manager = nullptr;
    zwp_virtual_keyboard_v1* m_keyboard = nullptr;
    QByteArray m_seatKeymap;
    QByteArray m_usedKeymap;
};

} // namespace zarvo::wayland
