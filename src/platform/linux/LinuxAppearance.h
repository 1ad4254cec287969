#pragma once

namespace zarvo::linux_ {

// What the desktop says about its looks.
namespace LinuxAppearance {
// Whether the user chose a dark style: the freedesktop colour-scheme setting (GNOME 42 and later,
// KDE), else a GTK theme whose name says dark.
bool prefersDark();
} // namespace LinuxAppearance

} // namespace zarvo::linux_
