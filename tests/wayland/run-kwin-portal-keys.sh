#!/usr/bin/env bash
# KWin (Plasma 5.27's compositor, windowed on a private Xvfb so xdotool is its keyboard) with Xwayland and
# its kglobalaccel, and xdg-desktop-portal with its KDE back end on a private session bus: Zarvo asks the
# portal for its keys, and Super+R opens and closes the panel while a Wayland window is in front.
# Usage: run-kwin-portal-keys.sh ZARVO SCREENSHOT_DIR
set -euo pipefail
zarvo=$1 shots=$2
frontend=/usr/libexec/xdg-desktop-portal backend=/usr/lib/x86_64-linux-gnu/libexec/xdg-desktop-portal-kde
. "$(dirname "$0")/lib.sh"
need_tools "KWin portal test" Xvfb kwin_wayland Xwayland dbus-daemon dbus-send xdotool xprop import weston-terminal \
    "$frontend" "$backend"
logs="kwin zarvo portal kde"
wl_start_sandbox KDE
export XDG_SESSION_DESKTOP=KDE KDE_FULL_SESSION=true
mkdir -p "$shots"
on_bus() { dbus-send --session --print-reply --dest=org.freedesktop.DBus / org.freedesktop.DBus.GetNameOwner "string:$1"; }

start_xvfb 161 1280x900x24 || fail "no Xvfb"
host=$DISPLAY
# kwin_wayland carries a file capability a root test cannot exercise: a plain copy runs.
cp "$(command -v kwin_wayland)" "$sandbox/kwin_wayland"
"$sandbox/kwin_wayland" --x11-display "$host" --xwayland --socket wayland-zarvo --width 1200 --height 850 \
    "$(wl_session_probe)" >"$sandbox/kwin.log" 2>&1 &
pids+=($!)
wl_join_session wayland-zarvo
wait_for 10 on_bus org.kde.kglobalaccel || fail "KWin's kglobalaccel is not on the bus"
# The portal and its KDE back end (Qt 5, on Xwayland), as Plasma starts them.
QT_QPA_PLATFORM=xcb "$backend" >"$sandbox/kde.log" 2>&1 &
pids+=($!)
wait_for 10 on_bus org.freedesktop.impl.portal.desktop.kde || fail "the KDE portal back end did not start"
"$frontend" -v >"$sandbox/portal.log" 2>&1 &
pids+=($!)
wait_for 10 on_bus org.freedesktop.portal.Desktop || fail "xdg-desktop-portal did not start"

# KWin's own scripting: runs JavaScript in KWin and answers what it said.
kwin_script() {
    local asked
    asked=$(date +%s%N) # called in $(…), where a counter would not survive
    printf 'function say(text) { print("KWIN-SAYS %s " + text); }\n%s\n' "$asked" "$1" >"$sandbox/script$asked.js"
    dbus-send --session --print-reply --dest=org.kde.KWin /Scripting org.kde.kwin.Scripting.loadScript \
        "string:$sandbox/script$asked.js" "string:zarvo-test-$asked" >/dev/null
    dbus-send --session --print-reply --dest=org.kde.KWin /Scripting org.kde.kwin.Scripting.start >/dev/null
    wait_for 3 grep -aq "KWIN-SAYS $asked " "$sandbox/kwin.log"
    dbus-send --session --dest=org.kde.KWin /Scripting org.kde.kwin.Scripting.unloadScript "string:zarvo-test-$asked"
    grep -a "KWIN-SAYS $asked " "$sandbox/kwin.log" | tail -1 | sed "s/.*KWIN-SAYS $asked //"
}
# The window in front, "resourceClass x11=true|false"; and giving a window the keyboard, as a click would.
active() { kwin_script 'var c = workspace.activeClient; say(c ? c.resourceClass + " x11=" + (c.windowId > 0) : "none");'; }
activate() {
    kwin_script "var cs = workspace.clientList(), n = 0;
for (var i = 0; i < cs.length; ++i)
    if (String(cs[i].resourceClass).indexOf('$1') >= 0) { workspace.activeClient = cs[i]; ++n; }
say(n);"
}
press() { DISPLAY=$host xdotool key "$1"; }

# KWin's window on the host server has the keyboard while the pointer is over it.
DISPLAY=$host xdotool mousemove 600 400
"$zarvo" >"$sandbox/zarvo.log" 2>&1 &
pids+=($!)
# The first start shows the panel once the portal has answered; KDE then holds our keys.
wait_for 30 panel || fail "kwin: the panel did not show at start"
wait_for 10 grep -q '^toggle=Meta+R,' "$XDG_CONFIG_HOME/kglobalshortcutsrc" || fail "kwin: KDE did not register Meta+R"
ok "kwin: the portal session registered Meta+R (toggle) and Meta+Shift+V (clipboard) with KDE"
press Escape
wait_for 5 no_panel || fail "kwin: Escape did not hide the panel"

# A Wayland window in front (foot dies with SIGFPE on the windowed output here).
weston-terminal >"$sandbox/terminal.log" 2>&1 &
pids+=($!)
for _ in $(seq 20); do [ "$(activate wayland-terminal)" = 1 ] && break; sleep 0.3; done
front=$(active)
case $front in *x11=false) ok "kwin: a Wayland window is in front ($front)" ;; *) fail "kwin: in front: $front" ;; esac

press super+r
wait_for 5 panel || fail "kwin: Super+R did not open the panel over the Wayland window"
sleep 1
front=$(active)
panel >/dev/null && [[ $front == *x11=true ]] || fail "kwin: the panel did not stay with the keyboard (in front: $front)"
grep -aq "Received activated .* for toggle" "$sandbox/portal.log" || fail "kwin: the press did not come through the portal"
ok "kwin: Super+R, through the portal, opens the panel with the keyboard over the Wayland window"
import -display "$host" -window root "$shots/kwin-portal-panel.png" 2>/dev/null || true
press super+r
wait_for 5 no_panel || fail "kwin: a second Super+R did not close the panel"
front=$(active)
case $front in *x11=false) ok "kwin: a second Super+R closes it, the Wayland window in front again" ;;
    *) fail "kwin: after closing, in front: $front" ;; esac

# A new key asks again in a new session under the same token; KDE keeps the person's Meta+R for us.
"$(dirname "$zarvo")/zarvo-cli" settings set hotKeyModifiers 2304 >/dev/null
sessions() { grep -ac "global shortcuts session owned by .* created" "$sandbox/portal.log"; }
wait_for 10 test "$(sessions)" -ge 2 || fail "kwin: changing the key did not open a new portal session"
# The new session's shortcuts are bound a moment after it is created: a press before that is lost.
opened=""
for _ in 1 2 3; do
    sleep 1
    press super+r
    wait_for 4 panel && { opened=1; break; }
done
[ -n "$opened" ] || fail "kwin: Super+R did not open the panel after the key was asked for again"
press super+r
wait_for 5 no_panel || fail "kwin: Super+R did not close the panel in the new session"
ok "kwin: after a new key is asked for, the new session still delivers KDE's Meta+R"
"$zarvo" --quit >/dev/null 2>&1 || true
echo passed
