#!/usr/bin/env bash
# Runs a Python script against the application on a private X server with a private session bus and
# its own accessibility bus, in a sandbox home. Usage:
#   run-a11y-desktop.sh ZARVO SCREENSHOT_DIR SCRIPT [ARGS...]
set -euo pipefail

zarvo=$1 shots=$2 script=$3
shift 3
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
py=/usr/bin/python3

for tool in Xvfb openbox xdotool xprop import dbus-run-session "$py" /usr/libexec/at-spi-bus-launcher; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "accessibility test skipped: $tool is not installed (make deps installs it)"
        exit 77
    fi
done
if ! "$py" -c 'import pyatspi' 2>/dev/null; then
    echo "accessibility test skipped: python3-pyatspi is not installed (make deps installs it)"
    exit 77
fi

sandbox=$(mktemp -d "${TMPDIR:-/tmp}/zarvo-a11y.XXXXXX")
xpid=""
cleanup() {
    local status=$?
    if [ -n "$xpid" ]; then kill "$xpid" 2>/dev/null || true; fi
    wait 2>/dev/null || true
    # The document portal the session bus started may leave its mount in the runtime folder.
    for unmount in fusermount3 fusermount; do
        if command -v "$unmount" >/dev/null; then "$unmount" -uz "$sandbox/runtime/doc" 2>/dev/null || true; fi
    done
    rm -rf "$sandbox" 2>/dev/null || true
    exit "$status"
}
trap cleanup EXIT

# shellcheck source=../../bench/lib/x-server.sh
. "$root/bench/lib/x-server.sh"
if ! start_xvfb 201; then
    echo "could not start the X server"
    exit 1
fi

mkdir -p "$sandbox/home" "$shots"
export HOME=$sandbox/home
export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share XDG_CACHE_HOME=$HOME/.cache
export XDG_RUNTIME_DIR=$sandbox/runtime
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
export XDG_DATA_DIRS=$sandbox/system:/usr/share XDG_CONFIG_DIRS=$sandbox/etc-xdg
export XDG_CURRENT_DESKTOP=X-Generic
unset XDG_SESSION_TYPE WAYLAND_DISPLAY SESSION_MANAGER DESKTOP_STARTUP_ID QT_QPA_PLATFORM AT_SPI_BUS_ADDRESS
# Settings (GSettings) in memory: nothing of the machine's, nothing written.
export GSETTINGS_BACKEND=memory NO_AT_BRIDGE=0
export ZARVO_SANDBOX=$sandbox ZARVO_SCREENSHOTS=$shots ZARVO=$zarvo
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}

status=0
dbus-run-session -- bash -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately >"$ZARVO_SANDBOX/a11y-bus.log" 2>&1 &
    echo $! >"$ZARVO_SANDBOX/a11y-bus.pid"
    openbox --sm-disable >"$ZARVO_SANDBOX/wm.log" 2>&1 &
    echo $! >"$ZARVO_SANDBOX/wm.pid"
    for _ in $(seq 1 200); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
        sleep 0.05
    done
    "$0" "$@"
    status=$?
    kill $(cat "$ZARVO_SANDBOX/wm.pid") $(cat "$ZARVO_SANDBOX/a11y-bus.pid") 2>/dev/null || true
    exit $status
' "$py" "$script" "$@" || status=$?
exit $status
