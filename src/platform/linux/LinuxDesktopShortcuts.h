#pragma once

#include "platform/DesktopShortcuts.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace zarvo {
class Environment;
}

namespace zarvo::linux_ {

// A key combination as desktops write it: the modifier mask of the hot keys and the key's keysym name.
struct Accelerator {
    quint32 modifiers = 0;
    QString key; // "r", "V", "space"
    // Whether `other` names the same keys: the same modifiers and key, letters in either case.
    bool matches(const Accelerator& other) const;
    // GTK's spelling ("<Super>r", "<Primary><Shift>v"); `control` is "Primary" (Xfce) or "Control" (GNOME).
    QString gtk(const QString& control) const;
    // "<Super>r" and its kin; none for a modifier this code does not map (Hyper, Meta).
    static std::optional<Accelerator> parseGtk(const QString& text);
    // KDE's spelling, "Meta+Shift+V"; none for "none" and the unmapped.
    static std::optional<Accelerator> parseKde(const QString& text);
    // The combination of a hot key; none for a key code without a keysym.
    static std::optional<Accelerator> fromHotKey(quint32 keyCode, quint32 modifiers);
};

// Whether a desktop's command line runs our toggle or clipboard request.
bool runsOurCommand(const QString& commandLine);

// The keyboard shortcuts of Xfce (xfconf's files), GNOME (mutter's overlay key and the custom
// keybindings in GSettings) and KDE Plasma (kglobalshortcutsrc), told apart by XDG_CURRENT_DESKTOP.
// Reading has no side effects; writing happens only through bind(), which the user has agreed to.
class LinuxDesktopShortcuts : public DesktopShortcuts {
public:
    enum class Desktop { other, xfce, gnome, kde };
    // Runs a program to its end: arguments → none on success, else its error output.
    using Run = std::function<std::optional<QString>(const QString& program, const QStringList& arguments)>;

    // `run` defaults to running the program for at most a few seconds.
    explicit LinuxDesktopShortcuts(const Environment& environment, Run run = {});

    Desktop desktop() const { return m_desktop; }
    QString desktopName() const override;
    std::optional<Holder> holder(quint32 keyCode, quint32 modifiers) const override;
    QString shortcutsPlace() const override;
    bool canBind() const override;
    std::optional<QString> bind(quint32 keyCode, quint32 modifiers, const QString& command) override;

    // The xfconf-query call that binds `accelerator` to `command` among Xfce's custom commands.
    static QStringList xfconfArguments(const QString& accelerator, const QString& command);

    // Xfce's effective keyboard shortcuts of a group ("commands", "xfwm4"): accelerator → action, from
    // the user's xfconf file over the system's ones, the custom set when there is one, else the defaults.
    QHash<QString, QString> xfceShortcuts(const QString& group) const;

private:
    std::optional<Holder> xfceHolder(const Accelerator& wanted) const;
    std::optional<Holder> kdeHolder(const Accelerator& wanted) const;
    std::optional<Holder> gnomeHolder(const Accelerator& wanted) const;
    std::optional<QString> bindXfce(const Accelerator& wanted, const QString& command);

    const Environment& m_environment;
    Run m_run;
    Desktop m_desktop = Desktop::other;
};

// GNOME's settings through GSettings; every call answers "not there" when the schema is not installed.
namespace GnomeShortcuts {
// mutter's overlay key ("Super_L" by default); none without mutter's schema.
std::optional<QString> overlayKey();
struct Binding {
    QString path, name, command, binding;
};
// The custom keybindings of GNOME's Settings › Keyboard.
QList<Binding> customBindings();
// Adds (or, for the same accelerator, rewrites) a custom keybinding; none on success, else why not.
std::optional<QString> bindCustom(const QString& name, const QString& command, const QString& accelerator);
} // namespace GnomeShortcuts

} // namespace zarvo::linux_
