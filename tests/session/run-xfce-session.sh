#!/usr/bin/env bash
# A whole XFCE session on a private X server, as a new user gets it (xfce4-session starting xfwm4,
# xfce4-panel, xfsettingsd and Thunar from the desktop's own defaults), with a private session bus and
# a private system bus on which a stand-in login manager only records calls: nothing reaches the
# machine. Then xfce_session_test.py drives Zarvo in it as a user would.
# Usage: run-xfce-session.sh ZARVO ZARVO_CLI SCREENSHOT_DIR HELPER   (77: skipped, XFCE or tools missing)
set -euo pipefail
zarvo=$1 cli=$2 shots=$3 helper=$4
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../lib/desktop.sh"
need_tools "session test" Xvfb xfce4-session xfwm4 xfce4-panel xfsettingsd xdotool xclip dbus-daemon dbus-monitor import
/usr/bin/python3 -c 'import dbus, gi' 2>/dev/null || { echo "session test skipped: python3-dbus or python3-gi missing"; exit 77; }

make_sandbox xfce
start_xvfb 141 || { echo "could not start the X server"; exit 1; }
start_bus system
/usr/bin/python3 "$here/stand_in_login.py" "$sandbox/login1.log" "$DBUS_SYSTEM_BUS_ADDRESS" &
pids+=($!)
wait_for 5 grep -q ready "$sandbox/login1.log"

sandbox_home XFCE
mkdir -p "$shots"
# The desktop's own defaults (panel, shortcuts, session) are what is tested; the machine's autostart
# programs stay out.
mkdir -p "$sandbox/xdg"
ln -s /etc/xdg/xfce4 "$sandbox/xdg/xfce4"
[ -d /etc/xdg/menus ] && ln -s /etc/xdg/menus "$sandbox/xdg/menus"
export XDG_CONFIG_DIRS=$sandbox/xdg XDG_DATA_DIRS=/usr/local/share:/usr/share XDG_SESSION_DESKTOP=xfce DESKTOP_SESSION=xfce
export ZARVO_SANDBOX=$sandbox ZARVO_SCREENSHOTS=$shots ZARVO=$zarvo ZARVO_CLI=$cli ZARVO_WM=xfce ZARVO_MODE=session
export ZARVO_HELPER=$helper ZARVO_TEST_DIR=$here
# The tray here is a StatusNotifierItem, whose Qt leaks tests/lsan.supp names by Qt's functions: those
# show in the stacks only with the slow unwinder (Qt is built without frame pointers).
export ASAN_OPTIONS=$ASAN_OPTIONS:fast_unwind_on_malloc=0

start_bus session
dbus-monitor --session "interface=org.xfce.Session.Manager" >"$sandbox/session-calls.log" 2>&1 &
pids+=($!)
xfce4-session >"$sandbox/xfce4-session.log" 2>&1 &
session=$!
pids+=("$session")
before_cleanup() { pkill -P "$session" 2>/dev/null; }
status=0
/usr/bin/python3 "$here/xfce_session_test.py" || status=$?
if [ $status -ne 0 ]; then
    echo "--- xfce4-session.log"; tail -20 "$sandbox/xfce4-session.log"
    echo "--- zarvo.log"; tail -30 "$sandbox/zarvo.log" 2>/dev/null || true
    echo "--- login1.log"; cat "$sandbox/login1.log"
fi
exit $status
