#!/usr/bin/env bash
# Zarvo among the pieces of GNOME 43 that run here, on a private X server with a private session bus and
# a private system bus: mutter as the X11 window manager and compositor with its overlay key, GNOME's
# keyboard settings through GSettings (dconf on the private bus), and stand-ins for the session manager,
# the screen savers (the freedesktop proxy answers NotSupported, as GNOME's does; GNOME's own refuses)
# and the notification server; the stand-in login manager records any call.
# Usage: run-gnome-session.sh ZARVO ZARVO_CLI SCREENSHOT_DIR HELPER STANDIN   (77: skipped, tools missing)
set -euo pipefail

zarvo=$1 cli=$2 shots=$3 helper=$4
here=$(cd "$(dirname "$0")" && pwd)

for tool in Xvfb mutter gsettings xdotool dbus-daemon dbus-run-session dbus-send import; do
    command -v "$tool" >/dev/null 2>&1 || { echo "GNOME session test skipped: $tool is not installed (make deps installs it)"; exit 77; }
done
/usr/bin/python3 -c 'import dbus, gi' 2>/dev/null || { echo "GNOME session test skipped: python3-dbus or python3-gi missing"; exit 77; }
for schema in org.gnome.mutter org.gnome.settings-daemon.plugins.media-keys; do
    gsettings list-keys "$schema" >/dev/null 2>&1 || { echo "GNOME session test skipped: the $schema settings are not installed"; exit 77; }
done

source "$here/session-lib.sh"
start_session_sandbox gnome 261
mkdir -p "$shots"
export ZARVO_STANDIN=$5
export XDG_CURRENT_DESKTOP=GNOME XDG_SESSION_DESKTOP=gnome DESKTOP_SESSION=gnome GSETTINGS_BACKEND=dconf
export ZARVO_SCREENSHOTS=$shots ZARVO=$zarvo ZARVO_CLI=$cli ZARVO_WM=gnome ZARVO_HELPER=$helper
export -f stand_in_service

status=0
dbus-run-session -- bash -c '
    set -e
    trap "kill \$(jobs -p) 2>/dev/null" EXIT
    mutter --x11 --replace >"$ZARVO_SANDBOX/wm.log" 2>&1 &
    stand_in_service org.gnome.SessionManager /org/gnome/SessionManager
    stand_in_service org.freedesktop.ScreenSaver /org/freedesktop/ScreenSaver --refuse
    stand_in_service org.gnome.ScreenSaver /org/gnome/ScreenSaver --refuse
    stand_in_service org.freedesktop.Notifications /org/freedesktop/Notifications
    cd "$ZARVO_TEST_DIR" && /usr/bin/python3 gnome_session_test.py
' || status=$?
if [ $status -ne 0 ]; then
    echo "--- wm.log"; tail -10 "$sandbox/wm.log" 2>/dev/null || true
    echo "--- zarvo.log"; tail -30 "$sandbox/zarvo.log" 2>/dev/null || true
    echo "--- session-calls.log"; cat "$sandbox/session-calls.log" 2>/dev/null || true
    echo "--- login1.log"; cat "$sandbox/login1.log"
fi
exit $status
