# Sourced by the session tests: a sandbox folder cleaned up on exit, a private X server, a private system
# bus with the stand-in login manager on it, and a home and XDG folders of the test's own.
# Usage: start_session_sandbox NAME FIRST_DISPLAY   (sets sandbox, pids, DISPLAY, DBUS_SYSTEM_BUS_ADDRESS)
session_here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

cleanup_session_sandbox() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    # What the session's programs started and left behind (an accessibility bus) carries the sandbox's
    # name in its environment, and would hold the test runner's output open.
    for dir in /proc/[0-9]*; do
        [ "${dir#/proc/}" = $$ ] && continue
        if tr '\0' '\n' <"$dir/environ" 2>/dev/null | grep -qxF "ZARVO_SANDBOX=$sandbox"; then
            kill "${dir#/proc/}" 2>/dev/null || true
        fi
    done
    wait 2>/dev/null || true
    # A document portal the private session bus started may still hold a FUSE mount in the sandbox.
    awk -v s="$sandbox/" 'index($2, s) == 1 {print $2}' /proc/mounts 2>/dev/null | while read -r m; do
        fusermount3 -uz "$m" 2>/dev/null || fusermount -uz "$m" 2>/dev/null || umount -l "$m" 2>/dev/null || true
    done
    [ -n "${KEEP_SANDBOX:-}" ] || rm -rf "$sandbox"
}

start_session_sandbox() {
    sandbox=$(mktemp -d "${TMPDIR:-/tmp}/zarvo-$1.XXXXXX")
    pids=()
    trap cleanup_session_sandbox EXIT

    # The benchmarks' way of finding a free display and starting Xvfb on it.
    source "$session_here/../../bench/lib/x-server.sh"
    start_xvfb "$2" || { echo "could not start the X server"; exit 1; }
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
    /usr/bin/python3 "$session_here/stand_in_login.py" "$sandbox/login1.log" "$DBUS_SYSTEM_BUS_ADDRESS" &
    pids+=($!)
    for _ in $(seq 1 100); do grep -q ready "$sandbox/login1.log" 2>/dev/null && break; sleep 0.05; done

    mkdir -p "$sandbox/home"
    export HOME=$sandbox/home
    export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share XDG_CACHE_HOME=$HOME/.cache
    export XDG_RUNTIME_DIR=$sandbox/runtime
    mkdir -p "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" && chmod 700 "$XDG_RUNTIME_DIR"
    mkdir -p "$sandbox/xdg"
    export XDG_CONFIG_DIRS=$sandbox/xdg XDG_DATA_DIRS=/usr/local/share:/usr/share
    unset XDG_SESSION_TYPE WAYLAND_DISPLAY SESSION_MANAGER DESKTOP_STARTUP_ID QT_QPA_PLATFORM XDG_SESSION_ID
    unset KDE_FULL_SESSION KDE_SESSION_VERSION GNOME_DESKTOP_SESSION_ID
    # The tray here is a StatusNotifierItem, whose Qt leaks tests/lsan.supp names by Qt's functions: those
    # show in the stacks only with the slow unwinder (Qt is built without frame pointers).
    export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}:fast_unwind_on_malloc=0
    export ZARVO_SANDBOX=$sandbox ZARVO_MODE=session ZARVO_TEST_DIR=$session_here
}

# A stand-in desktop service on the session bus (tests/linux/standin): NAME PATH [--refuse] [--once].
# Started now, or with --on-demand written as a service the bus starts when the name is first called.
stand_in_service() {
    local name=$1 path=$2
    shift 2
    if [ "${1:-}" = --on-demand ]; then
        shift
        mkdir -p "$XDG_DATA_HOME/dbus-1/services"
        printf '[D-BUS Service]\nName=%s\nExec=%s %s %s %s %s\n' "$name" "$ZARVO_STANDIN" "$name" "$path" \
            "$ZARVO_SANDBOX/session-calls.log" "$*" >"$XDG_DATA_HOME/dbus-1/services/$name.service"
    else
        DBUS_STARTER_ADDRESS=$DBUS_SESSION_BUS_ADDRESS "$ZARVO_STANDIN" "$name" "$path" \
            "$ZARVO_SANDBOX/session-calls.log" "$@" &
        for _ in $(seq 1 100); do
            dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
                org.freedesktop.DBus.NameHasOwner string:"$name" 2>/dev/null | grep -q true && return 0
            sleep 0.05
        done
        echo "stand-in $name did not start"
        return 1
    fi
}
