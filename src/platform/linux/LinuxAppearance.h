#pragma once

#include <QString>

namespace zarvo::linux_ {

// What the desktop says about its looks.
namespace LinuxAppearance {
// Whether the user chose a dark style: the freedesktop colour-scheme setting (GNOME 42 and later,
// KDE), else a GTK theme whose name says dark.
bool prefersDark();
// Whether the user asked for high contrast: a GTK theme named HighContrast (HighContrastInverse is the
// dark one), or GNOME's high-contrast accessibility setting. Reads GSettings: call once at start.
bool prefersHighContrast();
// The icon theme the desktop's own applications draw with, or empty when the desktop names none:
// Xfce's Net/IconThemeName (xfconf), KDE's kdeglobals [Icons] Theme, else GNOME's icon-theme setting.
// Reads files and GSettings: call once at start.
QString iconThemeName();
} // namespace LinuxAppearance

} // namespace zarvo::linux_
