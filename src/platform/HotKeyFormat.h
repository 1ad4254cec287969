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
} // namespace HotKeyFormat

} // namespace zarvo
