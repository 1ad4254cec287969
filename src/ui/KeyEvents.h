#pragma once

#include "search/KeyEvent.h"

#include <optional>

class QKeyEvent;

namespace zarvo::ui {

// A Qt key press as the model reads keys: the platform's virtual key code (a position on the ANSI
// layout), Command for Ctrl, Control for Super (Meta), Option for Alt, and the key's characters
// without modifiers. None for keys the model has no code for (bare modifiers, media keys …).
std::optional<KeyEvent> keyEventFrom(const QKeyEvent& event);

// The event-flags word of a translated key, for recording hot keys.
quint64 eventFlags(const KeyEvent& event);

} // namespace zarvo::ui
