#pragma once

#include <QByteArray>
#include <QList>
#include <cstdint>

struct wl_display;
struct wl_registry;
struct org_kde_kwin_fake_input;

namespace zarvo::wayland {

// Key presses for the window that has the keyboard, through KWin's fake-input protocol (KWin has no
// virtual keyboard). KWin lists the global only to programs whose desktop entry names it in
// X-KDE-Wayland-Interfaces, and reads the keys with its own keymap: the seat's, which we look them up in.
// Lives on the worker thread.
class FakeInputKeys {
public:
    FakeInputKeys(wl_display* display, wl_registry* registry, uint32_t name, uint32_t version);
    ~FakeInputKeys();
    FakeInputKeys(const FakeInputKeys&) = delete;
    FakeInputKeys& operator=(const FakeInputKeys&) = delete;

    // The seat keyboard's keymap as the compositor sent it; empty for its default one.
    void setSeatKeymap(const QByteArray& keymap) { m_seatKeymap = keymap; }
    // Presses the keys (X keysyms) in order and releases them in reverse. False when one of them is on no
    // key of the keymap.
    bool press(const QList<uint32_t>& keysyms);

    // Whether the global is fake input in a version that has keys.
    static bool isManager(const char* interface, uint32_t version);

private:
    wl_display* m_display;
    org_kde_kwin_fake_input* m_input = nullptr;
    QByteArray m_seatKeymap;
};

} // namespace zarvo::wayland
