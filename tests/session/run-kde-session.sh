#!/usr/bin/env bash
# Zarvo among the pieces of KDE Plasma 5.27 that run here, on a private X server with a private session
# bus and a private system bus: the real kglobalaccel (activated by the bus) holds a key, Plasma's
# logout prompt is a stand-in the bus starts on demand and that exits after each prompt, as Plasma's
# does, and its screen locker a stand-in that refuses; the stand-in login manager records any call.
# openbox manages the windows (KWin for X11 is not among the project's packages).
# Usage: run-kde-session.sh ZARVO ZARVO_CLI SCREENSHOT_DIR HELPER STANDIN   (77: skipped, tools missing)
set -euo pipefail

zarvo=$1 cli=$2 shots=$3 helper=$4
here=$(cd "$(dirname "$0")" && pwd)

for tool in Xvfb openbox kglobalaccel5 xdotool dbus-daemon dbus-run-session dbus-send import; do
    command -v "$tool" >/dev/null 2>&1 || { echo "KDE session test skipped: $tool is not installed (make deps installs it)"; exit 77; }
done
/usr/bin/python3 -c 'import dbus, gi' 2>/dev/null || { echo "KDE session test skipped: python3-dbus or python3-gi missing"; exit 77; }

source "$here/session-lib.sh"
start_session_sandbox kde 221
mkdir -p "$shots"
export ZARVO_STANDIN=$5
export XDG_CURRENT_DESKTOP=KDE XDG_SESSION_DESKTOP=KDE DESKTOP_SESSION=plasma KDE_FULL_SESSION=true KDE_SESSION_VERSION=5
export ZARVO_SCREENSHOTS=$shots ZARVO=$zarvo ZARVO_CLI=$cli ZARVO_WM=kde ZARVO_HELPER=$helper
stand_in_service org.kde.LogoutPrompt /LogoutPrompt --on-demand --once
export -f stand_in_service

status=0
dbus-run-session -- bash -c '
    set -e
    trap "kill \$(jobs -p) 2>/dev/null" EXIT
    openbox >"$ZARVO_SANDBOX/wm.log" 2>&1 &
    stand_in_service org.freedesktop.ScreenSaver /org/freedesktop/ScreenSaver --refuse
    stand_in_service org.kde.screensaver /ScreenSaver --refuse
    # The session manager itself: its name tells that Plasma runs.
    stand_in_service org.kde.ksmserver /KSMServer
    cd "$ZARVO_TEST_DIR" && /usr/bin/python3 kde_session_test.py
' || status=$?
if [ $status -ne 0 ]; then
    echo "--- zarvo.log"; tail -30 "$sandbox/zarvo.log" 2>/dev/null || true
    echo "--- session-calls.log"; cat "$sandbox/session-calls.log" 2>/dev/null || true
    echo "--- login1.log"; cat "$sandbox/login1.log"
fi
exit $status
