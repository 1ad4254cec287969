# Shared by the Wayland desktop tests (sourced): a sandbox home with its own XDG folders and runtime
# dir, a private session bus with no service files (nothing of the machine's starts on it), checks.
# Set `logs` to the names of the sandbox's *.log files a failure shows.

wl_start_sandbox() { # desktop name for XDG_CURRENT_DESKTOP
    sandbox=$(mktemp -d "${TMPDIR:-/tmp}/zarvo-wayland.XXXXXX")
    pids=()
    trap 'for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done; wait 2>/dev/null || true; rm -rf "$sandbox"' EXIT
    export HOME=$sandbox/home
    export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share XDG_CACHE_HOME=$HOME/.cache
    export XDG_RUNTIME_DIR=$sandbox/runtime XDG_DATA_DIRS=$sandbox/share:/usr/share XDG_CONFIG_DIRS=$sandbox/etc-xdg
    export XDG_CURRENT_DESKTOP=$1 XDG_SESSION_TYPE=wayland ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}
    # The English source texts and formats, whatever the developer's locale.
    export LANGUAGE=en LC_ALL=C.UTF-8
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
    wait_for 5 test -s "$sandbox/bus" || fail "no session bus"
    export DBUS_SESSION_BUS_ADDRESS=$(head -1 "$sandbox/bus")
}

# The compositor runs this once Xwayland is up; it writes the session's DISPLAY and XAUTHORITY.
wl_session_probe() {
    cat >"$sandbox/started.sh" <<SH
#!/bin/sh
env | grep -E '^(DISPLAY|XAUTHORITY)=' > '$sandbox/session.tmp'
mv '$sandbox/session.tmp' '$sandbox/session'
exec sleep 600
SH
    chmod +x "$sandbox/started.sh"
    echo "$sandbox/started.sh"
}
wl_join_session() { # Wayland display name
    wait_for 30 test -s "$sandbox/session" || fail "the compositor did not start Xwayland"
    set -a; . "$sandbox/session"; set +a
    export WAYLAND_DISPLAY=$1
}

wait_for() { # seconds, then a command that succeeds when ready
    local tries=$(($1 * 10)); shift
    for _ in $(seq "$tries"); do "$@" >/dev/null 2>&1 && return 0; sleep 0.1; done
    return 1
}
ok() { echo "ok   $*"; }
fail() {
    echo "FAIL $*"
    for f in ${logs:-}; do echo "--- $f"; tail -n 15 "$sandbox/$f.log" 2>/dev/null; done
    exit 1
}
panel() { xdotool search --onlyvisible --name '^Zarvo$'; }
no_panel() { ! panel; }
