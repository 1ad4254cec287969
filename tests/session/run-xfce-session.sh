#!/usr/bin/env bash
# A whole XFCE session as a new user gets it (xfce4-session starting xfwm4, xfce4-panel, xfsettingsd and
# Thunar from the desktop's own defaults), on session-lib.sh's private buses, nothing of it reaching the
# machine; xfce_session_test.py drives Zarvo in it as a user would.
# Usage: run-xfce-session.sh ZARVO ZARVO_CLI SCREENSHOT_DIR   (77: skipped, XFCE or tools missing)
set -euo pipefail
zarvo=$1 cli=$2 shots=$3
. "$(dirname "$0")/session-lib.sh"
need_tools "session test" Xvfb xfce4-session xfwm4 xfce4-panel xfsettingsd xdotool xclip dbus-daemon dbus-monitor import

start_session_sandbox xfce 141
# The desktop's own defaults (panel, shortcuts, session) are what is tested; the machine's autostart
# programs stay out.
ln -s /etc/xdg/xfce4 "$sandbox/xdg/xfce4"
[ -d /etc/xdg/menus ] && ln -s /etc/xdg/menus "$sandbox/xdg/menus"
export XDG_CURRENT_DESKTOP=XFCE XDG_SESSION_DESKTOP=xfce DESKTOP_SESSION=xfce

start_bus session
dbus-monitor --session "interface=org.xfce.Session.Manager" >"$sandbox/session-calls.log" 2>&1 &
pids+=($!)
xfce4-session >"$sandbox/xfce4-session.log" 2>&1 &
session=$!
pids+=("$session")
before_cleanup() { pkill -P "$session" 2>/dev/null; }
logs="xfce4-session zarvo login1"
/usr/bin/python3 "$session_here/xfce_session_test.py" || fail "the XFCE session test"
