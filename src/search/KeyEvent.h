#pragma once

#include <QString>

namespace zarvo {

// A key press in the panel, in the platform's virtual key codes (the back end translates its own
// events). `characters` are the characters the key gives ignoring modifiers.
struct KeyEvent {
    int keyCode = -1;
    bool command = false;
    bool option = false;
    bool shift = false;
    bool control = false;
    QString characters;
    bool isRepeat = false;

    bool operator==(const KeyEvent&) const = default;
};

// The virtual key codes the panel reacts to.
namespace KeyCode {
inline constexpr int returnKey = 36;
inline constexpr int enter = 76;
inline constexpr int escape = 53;
inline constexpr int tab = 48;
inline constexpr int deleteKey = 51;
inline constexpr int upArrow = 126;
inline constexpr int downArrow = 125;
inline constexpr int v = 9;
} // namespace KeyCode

} // namespace zarvo
