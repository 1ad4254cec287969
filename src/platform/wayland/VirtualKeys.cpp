#include "platform/wayland/VirtualKeys.h"

#include "platform/wayland/KeyCodes.h"
#include "virtual-keyboard-unstable-v1-client-protocol.h"

#include <QElapsedTimer>

#include <cstring>
#include <memory>
#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>
#include <xkbcommon/xkbcommon.h>

namespace zarvo::wayland {

namespace {

uint32_t nowMs() {
    static QElapsedTimer clock;
    if (!clock.isValid()) clock.start();
    return uint32_t(clock.elapsed());
}

} // namespace

bool VirtualKeys::isManager(const char* interface) {
    return strcmp(interface, zwp_virtual_keyboard_manager_v1_interface.name) == 0;
}

VirtualKeys::VirtualKeys(wl_display* display, wl_registry* registry, uint32_t name, wl_seat* seat)
    : m_display(display), m_seat(seat) {
    m_manager = static_cast<zwp_virtual_keyboard_manager_v1*>(
        wl_registry_bind(registry, name, &zwp_virtual_keyboard_manager_v1_interface, 1));
}

VirtualKeys::~VirtualKeys() {
    if (m_keyboard) zwp_virtual_keyboard_v1_destroy(m_keyboard);
    if (m_manager) zwp_virtual_keyboard_manager_v1_destroy(m_manager);
}

void VirtualKeys::setSeatKeymap(const QByteArray& keymap) {
    m_seatKeymap = keymap;
    if (m_manager && m_seat) ensureKeyboard();
    wl_display_flush(m_display);
}

bool VirtualKeys::ensureKeyboard() {
    const QByteArray keymap = m_seatKeymap.isEmpty() ? defaultKeymap() : m_seatKeymap;
    if (keymap.isEmpty()) return false;
    if (m_keyboard && keymap == m_usedKeymap) return true;
    if (!m_keyboard) m_keyboard = zwp_virtual_keyboard_manager_v1_create_virtual_keyboard(m_manager, m_seat);
    const int fd = memfd_create("zarvo-keymap", MFD_CLOEXEC);
    if (fd < 0) return false;
    bool written = ::write(fd, keymap.constData(), size_t(keymap.size())) == keymap.size();
    if (written)
        zwp_virtual_keyboard_v1_keymap(m_keyboard, WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1, fd,
                                       uint32_t(keymap.size()));
    ::close(fd);
    if (written) m_usedKeymap = keymap;
    return written;
}

bool VirtualKeys::press(const QList<uint32_t>& keysyms) {
    if (!m_manager || !m_seat || !ensureKeyboard()) return false;
    const std::optional<QList<uint32_t>> codes = keysOf(m_usedKeymap, keysyms);
    if (!codes) return false;
    std::unique_ptr<xkb_context, decltype(&xkb_context_unref)> context(xkb_context_new(XKB_CONTEXT_NO_FLAGS),
                                                                       &xkb_context_unref);
    std::unique_ptr<xkb_keymap, decltype(&xkb_keymap_unref)> keymap(
        xkb_keymap_new_from_string(context.get(), m_usedKeymap.constData(), XKB_KEYMAP_FORMAT_TEXT_V1,
                                   XKB_KEYMAP_COMPILE_NO_FLAGS),
        &xkb_keymap_unref);
    if (!keymap) return false;
    // The modifier state follows the keys: the compositor works it out from the keymap.
    std::unique_ptr<xkb_state, decltype(&xkb_state_unref)> state(xkb_state_new(keymap.get()),
                                                                 &xkb_state_unref);
    const auto send = [&](xkb_keycode_t code, bool down) {
        zwp_virtual_keyboard_v1_key(m_keyboard, nowMs(), code - 8,
                                    down ? WL_KEYBOARD_KEY_STATE_PRESSED : WL_KEYBOARD_KEY_STATE_RELEASED);
        xkb_state_update_key(state.get(), code, down ? XKB_KEY_DOWN : XKB_KEY_UP);
        zwp_virtual_keyboard_v1_modifiers(
            m_keyboard, xkb_state_serialize_mods(state.get(), XKB_STATE_MODS_DEPRESSED),
            xkb_state_serialize_mods(state.get(), XKB_STATE_MODS_LATCHED),
            xkb_state_serialize_mods(state.get(), XKB_STATE_MODS_LOCKED),
            xkb_state_serialize_layout(state.get(), XKB_STATE_LAYOUT_EFFECTIVE));
    };
    for (uint32_t code : *codes)
        send(code, true);
    for (auto it = codes->crbegin(); it != codes->crend(); ++it)
        send(*it, false);
    wl_display_flush(m_display);
    return true;
}

} // namespace zarvo::wayland
