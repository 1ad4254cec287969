#pragma once

#include "platform/AppInfo.h"

#include <QObject>
#include <QString>
#include <optional>

namespace zarvo {

// System-wide hot keys. Codes are virtual key codes, modifiers the hot-key masks
// (command 0x100, shift 0x200, option 0x800, control 0x1000).
class HotKeys : public QObject {
    Q_OBJECT
public:
    // False when the combination cannot be had (taken by another client, unknown key).
    virtual bool registerHotKey(int slot, quint32 keyCode, quint32 modifiers) = 0;
    virtual void unregisterHotKey(int slot) = 0;
    // Whether the system-wide command modifier is the key our windows see as Control (Super on Linux,
    // where Ctrl is command inside windows); a recorded key press then has the two swapped.
    virtual bool superIsCommand() const { return false; }
    // Whether a grabbed key reaches us whatever window is in front; false for a grab on XWayland, which
    // sees keys only while an X window is focused.
    virtual bool reachesEveryWindow() const { return true; }

signals:
    // Delivered on the main thread.
    void pressed(int slot);
};

// Hot keys the desktop itself delivers to us (the desktop portal's global shortcuts under Wayland):
// asked for all together, agreed to (and perhaps changed) by the person in the desktop's own dialog,
// answered later.
class DesktopHotKeys : public QObject {
    Q_OBJECT
public:
    struct Wanted {
        int slot = 0;
        quint32 keyCode = 0;
        quint32 modifiers = 0;
        // What the key does, as the desktop's dialog lists it ("Show Zarvo").
        QString description;
        bool operator==(const Wanted&) const = default;
    };
    // Asks for these keys in place of any asked for before (none: gives them all back).
    virtual void request(const QList<Wanted>& keys) = 0;

signals:
    // The desktop's answer, and any later change: the slots it delivers, each with its key as the desktop
    // names it ("Meta+R"); a slot not there is not delivered. `available` is false where the desktop has
    // no such service.
    void answered(const QHash<int, QString>& triggers, bool available);
    // Delivered on the main thread.
    void pressed(int slot);
};

// Synthesised key presses into the focused application.
class KeySynth {
public:
    virtual ~KeySynth() = default;
    // Whether we may post key events (the accessibility permission on macOS).
    virtual bool isTrusted(bool prompt) = 0;
    // Posts the paste shortcut the front application takes (⌘V; Ctrl+V on Linux, Ctrl+Shift+V in a
    // terminal). False when it could not be posted.
    virtual bool postPaste(PasteKeys keys) = 0;
};

// Starting the application at login.
class LoginItems {
public:
    virtual ~LoginItems() = default;
    virtual bool isEnabled() const = 0;
    // None on success, else the error's description.
    virtual std::optional<QString> setEnabled(bool enabled) = 0;
};

} // namespace zarvo
