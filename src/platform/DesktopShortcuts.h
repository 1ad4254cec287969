#pragma once

#include <QString>
#include <optional>

namespace zarvo {

// The desktop's own keyboard shortcuts: who holds a combination (read without side effects), and,
// only when the user has said yes, a binding of a combination to one of our commands there.
// Combinations are given as the hot keys are (virtual key code and hot-key modifier mask).
class DesktopShortcuts {
public:
    struct Holder {
        // The desktop as people know it: "Xfce", "GNOME", "KDE Plasma".
        QString desktop;
        // The desktop takes the keys before any grab of ours sees them (GNOME's overlay key and Super).
        bool swallowsGrab = false;
        // The desktop's own binding runs our command there: the key works, through the desktop.
        bool runsOurCommand = false;
    };

    virtual ~DesktopShortcuts() = default;

    // The running desktop's name; empty where we do not know it.
    virtual QString desktopName() const = 0;
    // Who on this desktop holds the combination; none when nobody we can see does.
    virtual std::optional<Holder> holder(quint32 keyCode, quint32 modifiers) const = 0;
    // Where a person binds a command to a key on this desktop ("Settings › Keyboard").
    virtual QString shortcutsPlace() const = 0;
    // Whether bind() can write to this desktop's shortcuts.
    virtual bool canBind() const = 0;
    // Binds the combination to `command` in the desktop's shortcuts, replacing what the desktop had
    // there. None on success, else why not.
    virtual std::optional<QString> bind(quint32 keyCode, quint32 modifiers, const QString& command) = 0;
    // The line a person adds to the desktop's configuration file to bind the combination to `command`
    // (sway's `bindsym`), where keys are bound that way; none elsewhere.
    virtual std::optional<QString> configLine(quint32 /*keyCode*/, quint32 /*modifiers*/,
                                              const QString& /*command*/) const {
        return std::nullopt;
    }
    // What to know about binding the combination here beyond the key itself (GNOME keeps Super pressed
    // alone for its overview); empty when nothing.
    virtual QString bindingNote(quint32 /*modifiers*/) const { return {}; }
};

// Messages a person sees outside our windows: the desktop's notifications.
class Notifications {
public:
    virtual ~Notifications() = default;
    // False when no notification service takes it.
    virtual bool notify(const QString& summary, const QString& body) = 0;
};

} // namespace zarvo
