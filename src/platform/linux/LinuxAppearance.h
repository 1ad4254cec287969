#pragma once

#include <QPalette>
#include <QString>
#include <optional>

namespace zarvo::linux_ {

// What the desktop says about its looks.
namespace LinuxAppearance {
// What a change notice already told, so that reading again needs no round trip to its sender.
struct Known {
    std::optional<uint> colorScheme;  // the portal's: 0 no preference, 1 dark, 2 light
    std::optional<QString> gtkTheme;  // Xfce's Net/ThemeName
    std::optional<QString> iconTheme; // Xfce's Net/IconThemeName
};
// Whether the user chose a dark style: the freedesktop colour-scheme setting (GNOME 42 and later,
// KDE), Xfce's theme, KDE's window colour, else a GTK theme whose name says dark.
bool prefersDark(const Known& known = {});
// The portal's colour-scheme setting, or none when no portal answers (waits at most 0.3 s: at start).
std::optional<uint> portalColorScheme();
// KDE's colour scheme as a palette (kdeglobals' [Colors:*] groups), read as Qt reads it at start; none
// outside KDE or when kdeglobals names no colours.
std::optional<QPalette> kdePalette();
// Whether the user asked for high contrast: a GTK theme named HighContrast (HighContrastInverse is the
// dark one), or GNOME's high-contrast accessibility setting. Reads GSettings: call once at start.
bool prefersHighContrast();
// The icon theme the desktop's own applications draw with, or empty when the desktop names none:
// Xfce's Net/IconThemeName (xfconf), KDE's kdeglobals [Icons] Theme, else GNOME's icon-theme setting.
// Reads files and GSettings: call once at start.
QString iconThemeName(const Known& known = {});
} // namespace LinuxAppearance

} // namespace zarvo::linux_
