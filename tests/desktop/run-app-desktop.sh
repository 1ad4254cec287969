#!/usr/bin/env bash
# Runs the application's desktop test on a private X server under a real window manager, in a sandbox
# home with its own session bus. Usage:
#   run-app-desktop.sh WM MODE ZARVO ZARVO_CLI SCREENSHOT_DIR HELPER
# WM: openbox | xfwm4 | metacity. MODE: plain | composite (xcompmgr) | dual (Xorg dummy, two monitors)
# | looks (screenshots in light and dark, scale 1 and 2) | taken (another client holds Super+R)
# | settings (the settings window, by keyboard, light and dark).
set -euo pipefail

wm=$1 mode=$2 zarvo=$3 cli=$4 shots=$5 helper=${6:-}
here=$(cd "$(dirname "$0")" && pwd)

needed=(xdotool xclip xprop dbus-run-session python3 xterm "$wm")
case $mode in dual) needed+=(Xorg xrandr) ;; *) needed+=(Xvfb) ;; esac
[ "$mode" = composite ] && needed+=(xcompmgr)
for tool in "${needed[@]}"; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "desktop test skipped: $tool is not installed (make deps installs it)"
        exit 77
    fi
done

sandbox=$(mktemp -d "${TMPDIR:-/tmp}/zarvo-app.XXXXXX")
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    # A document portal the session bus started may still hold its mount in the runtime folder.
    if mountpoint -q "$sandbox/runtime/doc" 2>/dev/null; then
        fusermount3 -uz "$sandbox/runtime/doc" 2>/dev/null || fusermount -uz "$sandbox/runtime/doc" 2>/dev/null ||
            umount -l "$sandbox/runtime/doc" 2>/dev/null || true
    fi
    rm -rf "$sandbox"
}
trap cleanup EXIT

# A display number nobody uses: the server's lock file is the claim.
display=""
for n in $(seq 141 199); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
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
        Xorg ":$n" -config "$sandbox/xorg.conf" -noreset -nolisten tcp -logfile "$sandbox/xorg.log" \
            >"$sandbox/x.log" 2>&1 &
    else
        size=1600x1000x24
        [ "$mode" = looks ] && size=2600x1800x24
        Xvfb ":$n" -screen 0 "$size" -nolisten tcp -noreset >"$sandbox/x.log" 2>&1 &
    fi
    xpid=$!
    for _ in $(seq 1 200); do
        if [ -e "/tmp/.X11-unix/X$n" ]; then display=":$n"; break; fi
        kill -0 "$xpid" 2>/dev/null || break
        sleep 0.05
    done
    if [ -n "$display" ]; then pids+=("$xpid"); break; fi
    kill "$xpid" 2>/dev/null || true
done
if [ -z "$display" ]; then
    echo "could not start the X server"; cat "$sandbox/x.log"; [ -f "$sandbox/xorg.log" ] && tail -20 "$sandbox/xorg.log"
    [ "$mode" = dual ] && { echo "desktop test skipped: Xorg with the dummy driver does not run here"; exit 77; }
    exit 1
fi
export DISPLAY=$display
if [ "$mode" = dual ]; then
    # The dummy driver starts at a small mode, and the pointer cannot leave it: one mode over both
    # monitors. Giving the output to the left monitor takes its own automatic monitor away.
    output=$(xrandr | awk '/ connected/ {print $1; exit}')
    xrandr --newmode 3840x1080_60 346.00 3840 4104 4520 5200 1080 1083 1093 1110 -hsync +vsync
    xrandr --addmode "$output" 3840x1080_60
    xrandr --output "$output" --mode 3840x1080_60
    xrandr --setmonitor L 1920/508x1080/286+0+0 "$output"
    xrandr --setmonitor R 1920/508x1080/286+1920+0 none
fi

mkdir -p "$sandbox/home" "$shots"
export HOME=$sandbox/home
export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share XDG_CACHE_HOME=$HOME/.cache
export XDG_RUNTIME_DIR=$sandbox/runtime
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
export XDG_DATA_DIRS=$sandbox/system:/usr/share XDG_CONFIG_DIRS=$sandbox/etc-xdg
unset XDG_CURRENT_DESKTOP XDG_SESSION_TYPE WAYLAND_DISPLAY SESSION_MANAGER DESKTOP_STARTUP_ID QT_QPA_PLATFORM
export ZARVO_SANDBOX=$sandbox ZARVO_SCREENSHOTS=$shots ZARVO=$zarvo ZARVO_CLI=$cli ZARVO_WM=$wm ZARVO_MODE=$mode ZARVO_HELPER=$helper
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}
# The English source texts and formats, whatever the developer's locale (the languages mode sets its own
# for the application it starts).
export LANGUAGE=en LC_ALL=C.UTF-8

status=0
dbus-run-session -- bash -c '
    set -e
    case $ZARVO_WM in
        openbox) openbox --sm-disable >"$ZARVO_SANDBOX/wm.log" 2>&1 & ;;
        xfwm4) xfwm4 --compositor=off --sm-client-disable >"$ZARVO_SANDBOX/wm.log" 2>&1 & ;;
        metacity) metacity --replace >"$ZARVO_SANDBOX/wm.log" 2>&1 & ;;
    esac
    echo $! >"$ZARVO_SANDBOX/wm.pid"
    for _ in $(seq 1 200); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
        sleep 0.05
    done
    if [ "$ZARVO_MODE" = composite ]; then xcompmgr >"$ZARVO_SANDBOX/xcompmgr.log" 2>&1 & fi
    python3 "'"$here"'/app_desktop_test.py"
    status=$?
    kill $(cat "$ZARVO_SANDBOX/wm.pid") 2>/dev/null || true
    exit $status
' || status=$?
exit $status
