#!/usr/bin/env bash
# Installs the Debian packages Zarvo needs to build, run, test and benchmark; skips what is present.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config ccache git python3
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n qt6-image-formats-plugins qt6-qpa-plugins
    libplist-dev libglib2.0-dev libx11-dev libxtst-dev libxcb1-dev libpoppler-qt6-dev adwaita-icon-theme
    libgtest-dev libgmock-dev googletest libbenchmark-dev
    clang libclang-rt-14-dev clang-format clang-tidy
    xvfb xauth openbox xfwm4 metacity xcompmgr xserver-xorg-video-dummy xserver-xorg-core xterm imagemagick xdotool xclip trayer x11-utils x11-xserver-utils xdg-utils dbus dbus-x11 libarchive-tools shared-mime-info
    fzf plocate findutils copyq rofi desktop-file-utils python3-xlib
    libglib2.0-bin xfconf
    file dpkg-dev lintian appstream squashfs-tools xorriso libssl-dev
    xfce4-session xfwm4 xfce4-panel xfce4-settings thunar xfce4-terminal mousepad python3-dbus python3-gi
    kwin-x11 plasma-workspace konsole gnome-shell gnome-session-bin gnome-terminal
    mutter libkf5globalaccel-bin xwayland gnome-settings-daemon-common gsettings-desktop-schemas kwin-wayland xdg-desktop-portal xdg-desktop-portal-kde weston
    at-spi2-core python3-pyatspi orca speech-dispatcher tumbler
    libwayland-dev libwayland-bin wayland-protocols libxkbcommon-dev sway foot wl-clipboard util-linux
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
