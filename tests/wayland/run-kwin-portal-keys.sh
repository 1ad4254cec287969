#!/usr/bin/env bash
# KWin (Plasma 5.27's compositor, windowed on a private Xvfb so xdotool is its keyboard) with Xwayland,
# kglobalaccel inside it, and xdg-desktop-portal with its KDE back end on a private session bus: Zarvo
# asks the portal for its keys, and Super+R opens and closes the panel while a Wayland window is in front.
# Usage: run-kwin-portal-keys.sh ZARVO SCREENSHOT_DIR
set -euo pipefail

zarvo=$1 shots=$2
frontend=/usr/libexec/xdg-desktop-portal
backend=/usr/lib/x86_64-linux-gnu/libexec/xdg-desktop-portal-kde
for tool in Xvfb kwin_wayland Xwayland dbus-daemon dbus-send xdotool xprop import weston-terminal "$frontend" "$backend"; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "KWin portal test skipped: $tool is not installed (make deps installs it)"
        exit 77
    fi
done
mkdir -p "$shots"

sandbox=$(mktemp -d "${TMPDIR:-/tmp}/zarvo-kwin.XXXXXX")
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$sandbox"
}
trap cleanup EXIT

export HOME=$sandbox/home
export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share XDG_CACHE_HOME=$HOME/.cache
export XDG_RUNTIME_DIR=$sandbox/runtime XDG_DATA_DIRS=$sandbox/share:/usr/share XDG_CONFIG_DIRS=$sandbox/etc-xdg
export XDG_CURRENT_DESKTOP=KDE XDG_SESSION_DESKTOP=KDE XDG_SESSION_TYPE=wayland KDE_FULL_SESSION=true
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}
unset DISPLAY WAYLAND_DISPLAY XAUTHORITY
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$sandbox/share" "$sandbox/etc-xdg"
mkdir -m 700 "$XDG_RUNTIME_DIR"

wait_for() { # seconds, then a command that succeeds when ready
    local tries=$(($1 * 10)); shift
    for _ in $(seq "$tries"); do "$@" >/dev/null 2>&1 && return 0; sleep 0.1; done
    return 1
}
fail() { echo "FAIL kwin: $*"; for f in kwin zarvo portal kde terminal; do echo "--- $f"; tail -n 15 "$sandbox/$f.log" 2>/dev/null; done; exit 1; }
ok() { echo "ok   kwin: $*"; }

# The session bus has no service files: nothing of the machine's starts on it.
cat >"$sandbox/bus.conf" <<CONF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig><type>session</type><listen>unix:dir=$sandbox</listen>
<policy context="default"><allow send_destination="*" eavesdrop="true"/><allow eavesdrop="true"/>
<allow own="*"/></policy></busconfig>
CONF
dbus-daemon --nofork --print-address --config-file="$sandbox/bus.conf" >"$sandbox/bus" 2>/dev/null &
pids+=($!)
wait_for 5 test -s "$sandbox/bus" || fail "no session bus"
export DBUS_SESSION_BUS_ADDRESS=$(head -1 "$sandbox/bus")
on_bus() { dbus-send --session --print-reply --dest=org.freedesktop.DBus / org.freedesktop.DBus.GetNameOwner "string:$1"; }

host=""
for n in $(seq 161 199); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 1280x900x24 -nolisten tcp >"$sandbox/xvfb.log" 2>&1 &
    pids+=($!)
    wait_for 5 xprop -display ":$n" -root && { host=":$n"; break; }
done
[ -n "$host" ] || fail "no Xvfb"

# kwin_wayland carries a file capability a root test cannot exercise: a plain copy runs.
cp "$(command -v kwin_wayland)" "$sandbox/kwin_wayland"
# KWin runs this once Xwayland is up, with the session's DISPLAY.
cat >"$sandbox/started.sh" <<SH
#!/bin/sh
env | grep -E '^(DISPLAY|XAUTHORITY)=' > '$sandbox/session.tmp'
mv '$sandbox/session.tmp' '$sandbox/session'
exec sleep 600
SH
chmod +x "$sandbox/started.sh"
"$sandbox/kwin_wayland" --x11-display "$host" --xwayland --socket wayland-zarvo --width 1200 --height 850 \
    "$sandbox/started.sh" >"$sandbox/kwin.log" 2>&1 &
pids+=($!)
wait_for 30 test -s "$sandbox/session" || fail "KWin did not start Xwayland"
wait_for 10 on_bus org.kde.kglobalaccel || fail "KWin's kglobalaccel is not on the bus"
set -a; . "$sandbox/session"; set +a
export WAYLAND_DISPLAY=wayland-zarvo

# The portal and its KDE back end (Qt 5, on Xwayland), as Plasma starts them.
QT_QPA_PLATFORM=xcb "$backend" >"$sandbox/kde.log" 2>&1 &
pids+=($!)
wait_for 10 on_bus org.freedesktop.impl.portal.desktop.kde || fail "the KDE portal back end did not start"
"$frontend" -v >"$sandbox/portal.log" 2>&1 &
pids+=($!)
wait_for 10 on_bus org.freedesktop.portal.Desktop || fail "xdg-desktop-portal did not start"

# KWin's own scripting: runs JavaScript in KWin and answers what it printed.
kwin_script() {
    # Called in $(…): a counter would not survive the subshell, the clock does.
    local asked
    asked=$(date +%s%N)
    printf 'function say(text) { print("KWIN-SAYS %s " + text); }\n%s\n' "$asked" "$1" >"$sandbox/script$asked.js"
    dbus-send --session --print-reply --dest=org.kde.KWin /Scripting org.kde.kwin.Scripting.loadScript \
        "string:$sandbox/script$asked.js" "string:zarvo-test-$asked" >/dev/null
    dbus-send --session --print-reply --dest=org.kde.KWin /Scripting org.kde.kwin.Scripting.start >/dev/null
    wait_for 3 grep -aq "KWIN-SAYS $asked " "$sandbox/kwin.log"
    dbus-send --session --dest=org.kde.KWin /Scripting org.kde.kwin.Scripting.unloadScript "string:zarvo-test-$asked"
    grep -a "KWIN-SAYS $asked " "$sandbox/kwin.log" | tail -1 | sed "s/.*KWIN-SAYS $asked //"
}
# The window in front: "resourceClass x11=true|false".
active() {
    kwin_script 'var c = workspace.activeClient; say(c ? c.resourceClass + " x11=" + (c.windowId > 0) : "none");'
}
# Gives the keyboard to the window of that class, as a click on it would.
activate() {
    kwin_script "var cs = workspace.clientList(); var n = 0;
for (var i = 0; i < cs.length; ++i)
    if (String(cs[i].resourceClass).indexOf('$1') >= 0) { workspace.activeClient = cs[i]; ++n; }
say(n);"
}
panel() { xdotool search --onlyvisible --name '^Zarvo$'; }
no_panel() { ! panel; }

"$zarvo" >"$sandbox/zarvo.log" 2>&1 &
pids+=($!)
# KWin's window on the host server has the keyboard while the pointer is over it.
DISPLAY=$host xdotool mousemove 600 400
# The first start shows the panel once the portal has answered; KDE then holds our keys.
wait_for 30 panel || fail "the panel did not show at start"
wait_for 10 grep -q '^toggle=Meta+R,' "$XDG_CONFIG_HOME/kglobalshortcutsrc" ||
    fail "KDE did not register Meta+R for Zarvo through the portal"
ok "the portal session registered Meta+R (toggle) and Meta+Shift+V (clipboard) with KDE"
DISPLAY=$host xdotool key Escape
wait_for 5 no_panel || fail "Escape did not hide the panel"

# A Wayland window in front (foot crashes on the windowed output's zero refresh rate here: SIGFPE).
weston-terminal >"$sandbox/terminal.log" 2>&1 &
pids+=($!)
for _ in $(seq 20); do
    [ "$(activate wayland-terminal)" = 1 ] && break
    sleep 0.3
done
front=$(active)
case $front in *x11=false) ok "a Wayland window is in front ($front)" ;; *) fail "no Wayland window in front: $front" ;; esac

DISPLAY=$host xdotool key super+r
wait_for 5 panel || fail "Super+R did not open the panel over the Wayland window"
sleep 1
front=$(active)
panel >/dev/null || fail "the panel did not stay open (in front: $front)"
case $front in *x11=true) ;; *) fail "the panel opened without the keyboard (in front: $front)" ;; esac
ok "Super+R opens the panel with the keyboard while the Wayland window is in front ($front)"
grep -aq "Received activated .* for toggle" "$sandbox/portal.log" || fail "the press did not come through the portal"
ok "the press came as the portal's Activated signal"
import -display "$host" -window root "$shots/kwin-portal-panel.png" 2>/dev/null || true
DISPLAY=$host xdotool key super+r
wait_for 5 no_panel || fail "a second Super+R did not close the panel"
front=$(active)
case $front in *x11=false) ok "a second Super+R closes it and the Wayland window is in front again" ;;
    *) fail "after closing, in front: $front" ;; esac

# A new key asks again in a new session under the same token; KDE keeps the person's Meta+R for us.
"$(dirname "$zarvo")/zarvo-cli" settings set hotKeyModifiers 2304 >/dev/null
sessions() { grep -ac "global shortcuts session owned by .* created" "$sandbox/portal.log"; }
wait_for 10 test "$(sessions)" -ge 2 || fail "changing the key did not open a new portal session"
sleep 1
DISPLAY=$host xdotool key super+r
wait_for 5 panel || fail "Super+R did not open the panel after the key was asked for again"
ok "after a new key is asked for, the new session still delivers KDE's Meta+R"
DISPLAY=$host xdotool key super+r
wait_for 5 no_panel || fail "Super+R did not close the panel in the new session"
"$zarvo" --quit >/dev/null 2>&1 || true
echo "passed"
