#!/usr/bin/env bash
# A whole XFCE session on a private X server, as a new user gets it (xfce4-session starting xfwm4,
# xfce4-panel, xfsettingsd and Thunar from the desktop's own defaults), with a private session bus and
# a private system bus on which a stand-in login manager only records calls: nothing reaches the
# machine. Then xfce_session_test.py drives Zarvo in it as a user would.
# Usage: run-xfce-session.sh ZARVO ZARVO_CLI SCREENSHOT_DIR HELPER   (77: skipped, XFCE or tools missing)
set -euo pipefail

zarvo=$1 cli=$2 shots=$3 helper=$4
here=$(cd "$(dirname "$0")" && pwd)

for tool in Xvfb xfce4-session xfwm4 xfce4-panel xfsettingsd xdotool xclip dbus-daemon dbus-run-session dbus-monitor import; do
    command -v "$tool" >/dev/null 2>&1 || { echo "session test skipped: $tool is not installed (make deps installs it)"; exit 77; }
done
/usr/bin/python3 -c 'import dbus, gi' 2>/dev/null || { echo "session test skipped: python3-dbus or python3-gi missing"; exit 77; }

sandbox=$(mktemp -d "${TMPDIR:-/tmp}/zarvo-xfce.XXXXXX")
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    # A document portal the private session bus started may still hold a FUSE mount in the sandbox.
    awk -v s="$sandbox/" 'index($2, s) == 1 {print $2}' /proc/mounts 2>/dev/null | while read -r m; do
        fusermount3 -uz "$m" 2>/dev/null || fusermount -uz "$m" 2>/dev/null || umount -l "$m" 2>/dev/null || true
    done
    [ -n "${KEEP_SANDBOX:-}" ] || rm -rf "$sandbox"
}
trap cleanup EXIT

# The benchmarks' way of finding a free display and starting Xvfb on it.
source "$here/../../bench/lib/x-server.sh"
start_xvfb 141 || { echo "could not start the X server"; exit 1; }
pids+=("$xpid")

# The private system bus, and on it the stand-in login manager.
cat >"$sandbox/system-bus.conf" <<CONF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>system</type>
  <listen>unix:path=$sandbox/system-bus</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow user="*"/>
    <allow own="*"/>
    <allow send_destination="*" eavesdrop="true"/>
    <allow receive_sender="*"/>
  </policy>
</busconfig>
CONF
dbus-daemon --config-file="$sandbox/system-bus.conf" --nofork --nopidfile >"$sandbox/system-bus.log" 2>&1 &
pids+=($!)
for _ in $(seq 1 100); do [ -S "$sandbox/system-bus" ] && break; sleep 0.05; done
export DBUS_SYSTEM_BUS_ADDRESS="unix:path=$sandbox/system-bus"
/usr/bin/python3 "$here/stand_in_login.py" "$sandbox/login1.log" "$DBUS_SYSTEM_BUS_ADDRESS" &
pids+=($!)
for _ in $(seq 1 100); do grep -q ready "$sandbox/login1.log" 2>/dev/null && break; sleep 0.05; done

mkdir -p "$sandbox/home" "$shots"
export HOME=$sandbox/home
export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share XDG_CACHE_HOME=$HOME/.cache
export XDG_RUNTIME_DIR=$sandbox/runtime
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
# The desktop's own defaults (panel, shortcuts, session) are what is tested; the machine's autostart
# programs stay out.
mkdir -p "$sandbox/xdg"
ln -s /etc/xdg/xfce4 "$sandbox/xdg/xfce4"
[ -d /etc/xdg/menus ] && ln -s /etc/xdg/menus "$sandbox/xdg/menus"
export XDG_CONFIG_DIRS=$sandbox/xdg XDG_DATA_DIRS=/usr/local/share:/usr/share
export XDG_CURRENT_DESKTOP=XFCE XDG_SESSION_DESKTOP=xfce DESKTOP_SESSION=xfce
unset XDG_SESSION_TYPE WAYLAND_DISPLAY SESSION_MANAGER DESKTOP_STARTUP_ID QT_QPA_PLATFORM XDG_SESSION_ID
export ZARVO_SANDBOX=$sandbox ZARVO_SCREENSHOTS=$shots ZARVO=$zarvo ZARVO_CLI=$cli ZARVO_WM=xfce ZARVO_MODE=session
export ZARVO_HELPER=$helper ZARVO_TEST_DIR=$here
# The tray here is a StatusNotifierItem, whose Qt leaks tests/lsan.supp names by Qt's functions: those
# show in the stacks only with the slow unwinder (Qt is built without frame pointers).
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}:fast_unwind_on_malloc=0

status=0
dbus-run-session -- bash -c '
    dbus-monitor --session "interface=org.xfce.Session.Manager" >"$ZARVO_SANDBOX/session-calls.log" 2>&1 &
    monitor=$!
    xfce4-session >"$ZARVO_SANDBOX/xfce4-session.log" 2>&1 &
    session=$!
    /usr/bin/python3 "$ZARVO_TEST_DIR/xfce_session_test.py"
    status=$?
    kill $monitor 2>/dev/null
    kill $session 2>/dev/null
    pkill -P $session 2>/dev/null
    exit $status
' || status=$?
if [ $status -ne 0 ]; then
    echo "--- xfce4-session.log"; tail -20 "$sandbox/xfce4-session.log"
    echo "--- zarvo.log"; tail -30 "$sandbox/zarvo.log" 2>/dev/null || true
    echo "--- login1.log"; cat "$sandbox/login1.log"
fi
exit $status
