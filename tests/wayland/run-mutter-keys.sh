#!/usr/bin/env bash
# GNOME's compositor (mutter, headless, with Xwayland) on a private session bus, with GSettings in a
# keyfile of the sandbox: the first start asks once to bind Super+R in GNOME's keyboard settings, yes
# writes the custom keybinding there, and the command it stores toggles the running Zarvo.
# Usage: run-mutter-keys.sh ZARVO
set -euo pipefail

zarvo=$1
here=$(cd "$(dirname "$0")" && pwd)
for tool in mutter Xwayland dbus-daemon xdotool xprop gsettings; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "mutter test skipped: $tool is not installed (make deps installs it)"
        exit 77
    fi
done
[ -f /usr/share/glib-2.0/schemas/org.gnome.settings-daemon.plugins.media-keys.gschema.xml ] || {
    echo "mutter test skipped: GNOME's media-keys schema is not installed (gnome-settings-daemon-common)"
    exit 77
}

sandbox=$(mktemp -d "${TMPDIR:-/tmp}/zarvo-mutter.XXXXXX")
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$sandbox"
}
trap cleanup EXIT

export HOME=$sandbox/home
export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share XDG_CACHE_HOME=$HOME/.cache
export XDG_RUNTIME_DIR=$sandbox/runtime XDG_DATA_DIRS=$sandbox/share:/usr/share XDG_CONFIG_DIRS=$sandbox/etc-xdg
export XDG_CURRENT_DESKTOP=GNOME XDG_SESSION_TYPE=wayland GSETTINGS_BACKEND=keyfile
unset DISPLAY WAYLAND_DISPLAY XAUTHORITY
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$sandbox/share" "$sandbox/etc-xdg"
mkdir -m 700 "$XDG_RUNTIME_DIR"

cat >"$sandbox/bus.conf" <<CONF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig><type>session</type><listen>unix:dir=$sandbox</listen>
<policy context="default"><allow send_destination="*" eavesdrop="true"/><allow eavesdrop="true"/>
<allow own="*"/></policy></busconfig>
CONF
dbus-daemon --nofork --print-address --config-file="$sandbox/bus.conf" >"$sandbox/bus" 2>/dev/null &
pids+=($!)
for _ in $(seq 50); do [ -s "$sandbox/bus" ] && break; sleep 0.1; done
export DBUS_SESSION_BUS_ADDRESS=$(head -1 "$sandbox/bus")

# mutter starts Xwayland and runs the command with the session's DISPLAY and XAUTHORITY.
mutter --headless --wayland --virtual-monitor 1024x768 --wayland-display=wayland-zarvo --sm-disable -- \
    sh -c "env | grep -E '^(DISPLAY|XAUTHORITY)=' > '$sandbox/session.tmp'; mv '$sandbox/session.tmp' '$sandbox/session'; exec sleep 600" \
    >"$sandbox/mutter.log" 2>&1 &
pids+=($!)
for _ in $(seq 150); do [ -s "$sandbox/session" ] && break; sleep 0.1; done
if [ ! -s "$sandbox/session" ]; then
    echo "mutter did not start:"; cat "$sandbox/mutter.log"; exit 1
fi
set -a; . "$sandbox/session"; set +a
export WAYLAND_DISPLAY=wayland-zarvo

ZARVO=$zarvo ZARVO_SANDBOX=$sandbox /usr/bin/python3 "$here/mutter_keys_test.py"
