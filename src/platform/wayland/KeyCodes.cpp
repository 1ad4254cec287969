#include "platform/wayland/KeyCodes.h"

#include <QHash>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <xkbcommon/xkbcommon.h>

namespace zarvo::wayland {

namespace {

struct XkbFree {
    void operator()(xkb_keymap* keymap) const { xkb_keymap_unref(keymap); }
    void operator()(xkb_context* context) const { xkb_context_unref(context); }
};

} // namespace

QByteArray defaultKeymap() {
    std::unique_ptr<xkb_context, XkbFree> context(xkb_context_new(XKB_CONTEXT_NO_FLAGS));
    if (!context) return {};
    const xkb_rule_names names{"evdev", "pc105", "us", "", ""};
    std::unique_ptr<xkb_keymap, XkbFree> keymap(
        xkb_keymap_new_from_names(context.get(), &names, XKB_KEYMAP_COMPILE_NO_FLAGS));
    if (!keymap) return {};
    char* text = xkb_keymap_get_as_string(keymap.get(), XKB_KEYMAP_FORMAT_TEXT_V1);
    if (!text) return {};
    QByteArray out(text, qsizetype(strlen(text) + 1));
    free(text);
    return out;
}

std::optional<QList<uint32_t>> keysOf(const QByteArray& keymapText, const QList<uint32_t>& keysyms) {
    std::unique_ptr<xkb_context, XkbFree> context(xkb_context_new(XKB_CONTEXT_NO_FLAGS));
    if (!context || keymapText.isEmpty()) return std::nullopt;
    std::unique_ptr<xkb_keymap, XkbFree> keymap(xkb_keymap_new_from_string(
        context.get(), keymapText.constData(), XKB_KEYMAP_FORMAT_TEXT_V1, XKB_KEYMAP_COMPILE_NO_FLAGS));
    if (!keymap) return std::nullopt;
    QHash<uint32_t, xkb_keycode_t> keyOf;
    for (xkb_keycode_t code = xkb_keymap_min_keycode(keymap.get());
         code <= xkb_keymap_max_keycode(keymap.get()); ++code) {
        const xkb_keysym_t* syms = nullptr;
        const int count = xkb_keymap_key_get_syms_by_level(keymap.get(), code, 0, 0, &syms);
        for (int i = 0; i < count; ++i)
            if (!keyOf.contains(syms[i])) keyOf.insert(syms[i], code);
    }
    QList<uint32_t> codes;
    for (uint32_t sym : keysyms) {
        if (!keyOf.contains(sym)) return std::nullopt;
        codes << keyOf.value(sym);
    }
    return codes;
}

} // namespace zarvo::wayland
