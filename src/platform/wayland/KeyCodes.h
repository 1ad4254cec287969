#pragma once

#include <QByteArray>
#include <QList>
#include <cstdint>
#include <optional>

namespace zarvo::wayland {

// The keymap a seat without a keyboard is taken to have: the compositors' own default (us, pc105),
// as text ending in a NUL.
QByteArray defaultKeymap();

// The keys (xkb key codes) that give the keysyms in order: for each, the first key of the first layout's
// first level that gives it. None when one of them is on no key, or the keymap cannot be read.
std::optional<QList<uint32_t>> keysOf(const QByteArray& keymap, const QList<uint32_t>& keysyms);

} // namespace zarvo::wayland
