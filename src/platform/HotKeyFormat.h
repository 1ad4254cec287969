#pragma once

#include <QString>

namespace zarvo {

// Hot-key modifier masks (the platform-neutral encoding used in settings and on the wire).
namespace HotKeyModifier {
inline constexpr quint32 command = 0x100;
inline constexpr quint32 shift = 0x200;
inline constexpr quint32 option = 0x800;
inline constexpr quint32 control = 0x1000;
} // namespace HotKeyModifier

namespace HotKeyFormat {
// ⌃⌥⇧⌘ glyphs of the set modifiers, in that order, then the key label: 0x300 + "V" → "⇧⌘V".
QString display(quint32 modifiers, const QString& keyLabel);

// Device-independent modifier flags of a key event, in the platform's event encoding.
namespace EventFlag {
inline constexpr quint64 shift = 1ull << 17;
inline constexpr quint64 control = 1ull << 18;
inline constexpr quint64 option = 1ull << 19;
inline constexpr quint64 command = 1ull << 20;
} // namespace EventFlag

// A key's name in shown combinations, in the user's language as the desktop spells it (German "Strg",
// "Umschalt"; French "Maj"): translated only here, so every text names a key alike.
enum class KeyName { ctrl, alt, shift, super, space };
QString keyName(KeyName key);

// The hot-key mask of an event's flags; caps lock, function and the rest are dropped.
quint32 carbonModifiers(quint64 eventFlags);
// The label of a recorded key: Space, ⇥, ↩, F1…F12 by key code, else the key's characters ignoring
// modifiers upper-cased ("?" when it has none).
QString label(int keyCode, const QString& charactersIgnoringModifiers);
} // namespace HotKeyFormat

} // namespace zarvo
