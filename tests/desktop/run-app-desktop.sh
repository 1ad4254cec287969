#!/usr/bin/env bash
# Runs the application's desktop test on a private X server under a real window manager, in a sandbox
# home with its own session bus. Usage:
#   run-app-desktop.sh WM MODE ZARVO ZARVO_CLI SCREENSHOT_DIR HELPER
# WM: openbox | xfwm4 | metacity. MODE: plain | composite (xcompmgr) | dual (Xorg dummy, two monitors)
# | looks (screenshots in light and dark, scale 1 and 2, German and French) | taken (another client
# holds Super+R) | settings (the settings window, by keyboard; in dark: looks) | live (light and dark
# switched while running, with a stand-in desktop portal; xfwm4 composites in this mode).
set -euo pipefail
wm=$1 mode=$2 zarvo=$3 cli=$4 shots=$5 helper=${6:-}
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../lib/desktop.sh"

needed=(xdotool xclip xprop dbus-daemon python3 xterm "$wm")
case $mode in dual) needed+=(Xorg xrandr) ;; *) needed+=(Xvfb) ;; esac
[ "$mode" = composite ] && needed+=(xcompmgr)
[ "$mode" = live ] && needed+=(trayer xfconf-query dbus-send)
need_tools "desktop test" "${needed[@]}"

make_sandbox app
if [ "$mode" = dual ]; then
    cat >"$sandbox/xorg.conf" <<CONF
Section "Device"
    Identifier "dummy"
    Driver "dummy"
    VideoRam 256000
EndSection
Section "Monitor"
    Identifier "monitor"
    HorizSync 5.0 - 1000.0
    VertRefresh 5.0 - 200.0
EndSection
Section "Screen"
    Identifier "screen"
    Device "dummy"
    Monitor "monitor"
    DefaultDepth 24
    SubSection "Display"
        Depth 24
        Virtual 3840 1080
    EndSubSection
EndSection
CONF
    start_x 141 Xorg -config "$sandbox/xorg.conf" -logfile "$sandbox/xorg.log" || {
        echo "could not start the X server"; tail -20 "$sandbox/xorg.log"
        echo "desktop test skipped: Xorg with the dummy driver does not run here"; exit 77
    }
    # The dummy driver starts at a small mode, and the pointer cannot leave it: one mode over both
    # monitors. Giving the output to the left monitor takes its own automatic monitor away.
    output=$(xrandr | awk '/ connected/ {print $1; exit}')
    xrandr --newmode 3840x1080_60 346.00 3840 4104 4520 5200 1080 1083 1093 1110 -hsync +vsync
    xrandr --addmode "$output" 3840x1080_60
    xrandr --output "$output" --mode 3840x1080_60
    xrandr --setmonitor L 1920/508x1080/286+0+0 "$output"
    xrandr --setmonitor R 1920/508x1080/286+1920+0 none
else
    size=1600x1000x24
    [ "$mode" = looks ] && size=2600x1800x24
    start_xvfb 141 "$size" || { echo "could not start the X server"; cat "$sandbox/x.log"; exit 1; }
fi

sandbox_home
mkdir -p "$shots"
export ZARVO_SANDBOX=$sandbox ZARVO_SCREENSHOTS=$shots ZARVO=$zarvo ZARVO_CLI=$cli ZARVO_WM=$wm ZARVO_MODE=$mode ZARVO_HELPER=$helper
start_bus session
wm_mode=""
[ "$mode" = live ] && wm_mode=composite
start_wm "$wm" $wm_mode
if [ "$mode" = composite ]; then
    xcompmgr >"$sandbox/xcompmgr.log" 2>&1 &
    pids+=($!)
fi
python3 "$here/app_desktop_test.py"
