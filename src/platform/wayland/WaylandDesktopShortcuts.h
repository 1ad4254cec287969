#pragma once

#include "platform/DesktopShortcuts.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <optional>

namespace zarvo {
class Environment;
}

namespace zarvo::wayland {

// The desktop's shortcuts in a Wayland session, over the X11 desktop's reading of them: sway's config
// file (its `bindsym` lines hold keys before any client sees them, and the lines we suggest bind ours),
// Hyprland's `bind` lines to add, and GNOME's word on Super. Everything else is the inner desktop's.
class WaylandDesktopShortcuts : public DesktopShortcuts {
public:
    enum class Compositor { other, sway, hyprland, gnome };
    // `inner` reads the desktops it knows (GNOME's GSettings, KDE's files); it outlives this.
    WaylandDesktopShortcuts(const Environment& environment, DesktopShortcuts* inner);

    Compositor compositor() const { return m_compositor; }
    QString desktopName() const override;
    std::optional<Holder> holder(quint32 keyCode, quint32 modifiers) const override;
    QString shortcutsPlace() const override;
    bool canBind() const override;
    std::optional<QString> bind(quint32 keyCode, quint32 modifiers, const QString& command) override;
    std::optional<QString> configLine(quint32 keyCode, quint32 modifiers,
                                      const QString& command) const override;
    QString bindingNote(quint32 modifiers) const override;

    // sway's config file in use: the first of the places sway reads that exists; empty when none does.
    QString swayConfigPath() const;
    // Who in a sway config holds the combination: the first `bindsym` on it, after `set $var` expansion.
    static std::optional<Holder> swayHolder(const QString& configText, quint32 keyCode, quint32 modifiers);

private:
    // The config file's text with the files its `include` lines name spliced in where they stand.
    QString swayConfigText(const QString& path, QSet<QString>& seen, QHash<QString, QString> variables) const;

    const Environment& m_environment;
    DesktopShortcuts* m_inner = nullptr;
    Compositor m_compositor = Compositor::other;
};

} // namespace zarvo::wayland
