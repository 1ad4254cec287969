#!/usr/bin/env bash
# Zarvo in KDE Plasma 5.27 on session-lib.sh's private buses: KWin, ksmserver as session manager and screen
# locker, Plasma's logout prompt started by the bus on demand (exiting after each prompt), the real
# kglobalaccel. Where KWin or ksmserver is not installed, openbox and stand-ins that refuse to lock take
# their place, as the line "note kde-session: ..." says.
# Usage: run-kde-session.sh ZARVO ZARVO_CLI SCREENSHOT_DIR STANDIN   (77: skipped, tools missing)
set -euo pipefail

zarvo=$1 cli=$2 shots=$3 standin=$4
. "$(dirname "$0")/session-lib.sh"
need_tools "KDE session test" Xvfb kglobalaccel5 xdotool dbus-daemon dbus-run-session dbus-send dbus-monitor import

start_session_sandbox kde 221
export XDG_CURRENT_DESKTOP=KDE XDG_SESSION_DESKTOP=KDE DESKTOP_SESSION=plasma KDE_FULL_SESSION=true KDE_SESSION_VERSION=5
export ZARVO_REAL_WM=$(command -v kwin_x11 || true) ZARVO_REAL_SESSION=$(command -v ksmserver || true)
prompt=$(sed -n 's/^Exec=//p' /usr/share/dbus-1/services/org.kde.LogoutPrompt.service 2>/dev/null || true)
[ -n "$prompt" ] && [ -x "$prompt" ] || ZARVO_REAL_SESSION=
# ZARVO_STAND_INS=1 checks the path of a machine without them.
[ -z "${ZARVO_STAND_INS:-}" ] || ZARVO_REAL_WM= ZARVO_REAL_SESSION=
if [ -n "$ZARVO_REAL_WM" ]; then wm=KWin; else wm="openbox (kwin_x11 is not installed)"; fi
echo "note kde-session: window manager $wm"
if [ -n "$ZARVO_REAL_SESSION" ]; then
    echo "note kde-session: ksmserver, Plasma's logout prompt and screen locker are real"
else
    echo "note kde-session: ksmserver or Plasma's logout prompt is not installed: stand-ins take their place"
    stand_in_service org.kde.LogoutPrompt /LogoutPrompt --on-demand --once
fi
export -f stand_in_service wait_for

logs="wm ksmserver zarvo session-calls login1"
dbus-run-session -- bash -c '
    set -e
    trap "kill \$(jobs -p) 2>/dev/null" EXIT
    dbus-monitor --session interface=org.kde.LogoutPrompt interface=org.freedesktop.ScreenSaver >>"$ZARVO_SANDBOX/session-calls.log" 2>&1 &
    if [ -n "$ZARVO_REAL_WM" ]; then kwin_x11 --replace; else openbox; fi >"$ZARVO_SANDBOX/wm.log" 2>&1 &
    if [ -n "$ZARVO_REAL_SESSION" ]; then
        ksmserver >"$ZARVO_SANDBOX/ksmserver.log" 2>&1 &
    else
        stand_in_service org.freedesktop.ScreenSaver /org/freedesktop/ScreenSaver --refuse
        stand_in_service org.kde.screensaver /ScreenSaver --refuse
        # The session manager itself: its name tells that Plasma runs.
        stand_in_service org.kde.ksmserver /KSMServer
    fi
    cd "$ZARVO_TEST_DIR" && /usr/bin/python3 kde_session_test.py
' || fail "the KDE session test"
