#!/usr/bin/env bash
# Runs the desktop tests on a private X server (Xvfb), with openbox as window manager and a private
# D-Bus session bus, in a sandbox home. Usage: run-desktop-tests.sh TEST_BINARY SCREENSHOT_DIR [gtest args]
set -euo pipefail

test_binary=$1
shots=$2
shift 2

for tool in Xvfb openbox xdotool xclip dbus-run-session; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "desktop tests skipped: $tool is not installed (make deps installs it)"
        exit 77
    fi
done

sandbox=$(mktemp -d "${TMPDIR:-/tmp}/zarvo-desktop.XXXXXX")
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    # A document portal the private session bus started may still hold a FUSE mount in the sandbox.
    awk -v s="$sandbox/" 'index($2, s) == 1 {print $2}' /proc/mounts 2>/dev/null | while read -r m; do
        fusermount3 -uz "$m" 2>/dev/null || fusermount -uz "$m" 2>/dev/null || umount -l "$m" 2>/dev/null || true
    done
    rm -rf "$sandbox"
}
trap cleanup EXIT

# A display number nobody uses: the server's lock file is the claim.
display=""
for n in $(seq 91 140); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
        Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp -noreset >"$sandbox/xvfb.log" 2>&1 &
        xvfb_pid=$!
        for _ in $(seq 1 100); do
            if [ -e "/tmp/.X11-unix/X$n" ]; then display=":$n"; break; fi
            kill -0 "$xvfb_pid" 2>/dev/null || break
            sleep 0.05
        done
        if [ -n "$display" ]; then pids+=("$xvfb_pid"); break; fi
        kill "$xvfb_pid" 2>/dev/null || true
    fi
done
if [ -z "$display" ]; then
    echo "could not start Xvfb"; cat "$sandbox/xvfb.log"; exit 1
fi
export DISPLAY=$display

mkdir -p "$sandbox/home" "$shots"
export HOME=$sandbox/home
export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share XDG_CACHE_HOME=$HOME/.cache
export XDG_RUNTIME_DIR=$sandbox/runtime
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
export XDG_DATA_DIRS=$sandbox/system:/usr/share XDG_CONFIG_DIRS=$sandbox/etc-xdg
unset XDG_CURRENT_DESKTOP XDG_SESSION_TYPE WAYLAND_DISPLAY SESSION_MANAGER
export QT_QPA_PLATFORM=xcb
# The English source texts and formats, whatever the developer's locale.
export LANGUAGE=en LC_ALL=C.UTF-8
export ZARVO_SCREENSHOTS=$shots

openbox --sm-disable >"$sandbox/openbox.log" 2>&1 &
pids+=($!)
# The window manager is up when it has announced itself on the root window.
for _ in $(seq 1 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.05
done

dbus-run-session -- "$test_binary" "$@"
