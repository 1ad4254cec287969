#include "platform/wayland/FakeInputKeys.h"

#include "fake-input-client-protocol.h"
#include "platform/wayland/KeyCodes.h"

#include <QCoreApplication>

#include <cstring>
#include <optional>
#include <wayland-client.h>

namespace zarvo::wayland {

namespace {

constexpr uint32_t kKeyboardVersion = 4; // keyboard_key came with version 4 (KWin 5.27 has it)

} // namespace

bool FakeInputKeys::isManager(const char* interface, uint32_t version) {
    return strcmp(interface, org_kde_kwin_fake_input_interface.name) == 0 && version >= kKeyboardVersion;
}

FakeInputKeys::FakeInputKeys(wl_display* display, wl_registry* registry, uint32_t name, uint32_t version)
    : m_display(display) {
    m_input = static_cast<org_kde_kwin_fake_input*>(wl_registry_bind(
        registry, name, &org_kde_kwin_fake_input_interface, std::min(version, kKeyboardVersion)));
    // KWin takes no key from a device that has not said who it is and why (and may show the person why).
    const QByteArray reason =
        QCoreApplication::translate("FakeInputKeys", "Paste the chosen clip into the window in front")
            .toUtf8();
    org_kde_kwin_fake_input_authenticate(m_input, "Zarvo", reason.constData());
}

FakeInputKeys::~FakeInputKeys() {
    if (m_input) org_kde_kwin_fake_input_destroy(m_input);
}

bool FakeInputKeys::press(const QList<uint32_t>& keysyms) {
    const std::optional<QList<uint32_t>> codes =
        keysOf(m_seatKeymap.isEmpty() ? defaultKeymap() : m_seatKeymap, keysyms);
    if (!m_input || !codes) return false;
    // Evdev codes, as KWin's own keyboard has them: xkb's less 8.
    for (uint32_t code : *codes)
        org_kde_kwin_fake_input_keyboard_key(m_input, code - 8, WL_KEYBOARD_KEY_STATE_PRESSED);
    for (auto it = codes->crbegin(); it != codes->crend(); ++it)
        org_kde_kwin_fake_input_keyboard_key(m_input, *it - 8, WL_KEYBOARD_KEY_STATE_RELEASED);
    wl_display_flush(m_display);
    return true;
}

} // namespace zarvo::wayland
