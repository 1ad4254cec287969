#!/usr/bin/env bash
# Zarvo in GNOME 43 (Xvfb with GLX, which GNOME Shell needs), on session-lib.sh's private buses: gnome-session
# runs GNOME Shell alone, which shows its dialogs, overlay key and notifications; GNOME Terminal is started by
# the bus; GNOME's keyboard settings are in dconf. Without gnome-session or GNOME Shell, a stand-in session
# manager, then mutter, take their place, as the line "note gnome-session: ..." says.
# Usage: run-gnome-session.sh ZARVO ZARVO_CLI SCREENSHOT_DIR STANDIN   (77: skipped, tools missing)
set -euo pipefail

zarvo=$1 cli=$2 shots=$3 standin=$4
. "$(dirname "$0")/session-lib.sh"
need_tools "GNOME session test" Xvfb mutter gsettings xdotool dbus-daemon dbus-run-session dbus-send dbus-monitor import
for schema in org.gnome.mutter org.gnome.settings-daemon.plugins.media-keys; do
    gsettings list-keys "$schema" >/dev/null 2>&1 || { echo "GNOME session test skipped: the $schema settings are not installed"; exit 77; }
done

start_session_sandbox gnome 261 +extension GLX
export XDG_CURRENT_DESKTOP=GNOME XDG_SESSION_DESKTOP=gnome DESKTOP_SESSION=gnome GSETTINGS_BACKEND=dconf
export ZARVO_REAL_WM=$(command -v gnome-shell || true) ZARVO_REAL_SESSION=
# ZARVO_STAND_INS=1 checks the path of a machine without them.
[ -z "${ZARVO_STAND_INS:-}" ] || ZARVO_REAL_WM=
if [ -n "$ZARVO_REAL_WM" ] && command -v gnome-session >/dev/null; then
    ZARVO_REAL_SESSION=$(command -v gnome-session)
    # GNOME's own session lists more components than are installed here: the shell is the one needed.
    mkdir -p "$XDG_CONFIG_HOME/gnome-session/sessions"
    printf '[GNOME Session]\nName=Zarvo test\nRequiredComponents=org.gnome.Shell;\n' \
        >"$XDG_CONFIG_HOME/gnome-session/sessions/zarvo-test.session"
    export XDG_SESSION_TYPE=x11
fi
if [ -n "$ZARVO_REAL_WM" ]; then wm="GNOME Shell"; else wm="mutter (gnome-shell is not installed)"; fi
if [ -n "$ZARVO_REAL_SESSION" ]; then manager=gnome-session; else manager="a stand-in (gnome-session or gnome-shell is not installed)"; fi
export ZARVO_GJS=$(command -v gjs || true)
if [ -n "$ZARVO_REAL_WM" ] && [ -n "$ZARVO_GJS" ]; then notices="GNOME Shell's"; else notices="a stand-in (gjs or gnome-shell is not installed)"; fi
echo "note gnome-session: window manager $wm, session manager $manager, notification server $notices"
export -f stand_in_service wait_for

logs="wm zarvo session-calls login1"
dbus-run-session -- bash -c '
    set -e
    trap "kill \$(jobs -p) 2>/dev/null" EXIT
    dbus-monitor --session interface=org.gnome.SessionManager interface=org.gnome.SessionManager.EndSessionDialog \
        interface=org.freedesktop.Notifications >>"$ZARVO_SANDBOX/session-calls.log" 2>&1 &
    if [ -n "$ZARVO_REAL_SESSION" ]; then
        gnome-session --builtin --session=zarvo-test --disable-acceleration-check >"$ZARVO_SANDBOX/wm.log" 2>&1 &
    else
        if [ -n "$ZARVO_REAL_WM" ]; then gnome-shell --x11 --replace; else mutter --x11 --replace; fi >"$ZARVO_SANDBOX/wm.log" 2>&1 &
        stand_in_service org.gnome.SessionManager /org/gnome/SessionManager
    fi
    # GNOME Shell serves notifications through a gjs program; mutter alone has none.
    [ -n "$ZARVO_REAL_WM" ] && [ -n "$ZARVO_GJS" ] ||
        stand_in_service org.freedesktop.Notifications /org/freedesktop/Notifications
    cd "$ZARVO_TEST_DIR" && /usr/bin/python3 gnome_session_test.py
' || fail "the GNOME session test"
