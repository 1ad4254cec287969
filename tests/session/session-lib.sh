# Sourced by the session tests: a sandbox folder cleaned up on exit, a private X server, a private system
# bus with the stand-in login manager on it, and a home and XDG folders of the test's own.
# Usage: start_session_sandbox NAME FIRST_DISPLAY [XVFB_ARGS...], with zarvo, cli, shots and standin set
# (sets sandbox, pids, DISPLAY, DBUS_SYSTEM_BUS_ADDRESS and what the Python side reads)
session_here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

. "$session_here/../lib/desktop.sh"

start_session_sandbox() {
    /usr/bin/python3 -c 'import dbus, gi' 2>/dev/null ||
        { echo "$1 session test skipped: python3-dbus or python3-gi missing"; exit 77; }
    make_sandbox "$1"
    start_xvfb "$2" "" "${@:3}" || { echo "could not start the X server"; cat "$sandbox/x.log"; exit 1; }
    # The private system bus, and on it the stand-in login manager.
    start_bus system || exit 1
    /usr/bin/python3 "$session_here/stand_in_login.py" "$sandbox/login1.log" "$DBUS_SYSTEM_BUS_ADDRESS" &
    pids+=($!)
    wait_for 5 grep -q ready "$sandbox/login1.log"

    sandbox_home
    mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$sandbox/xdg"
    export XDG_CONFIG_DIRS=$sandbox/xdg XDG_DATA_DIRS=/usr/local/share:/usr/share
    unset KDE_FULL_SESSION KDE_SESSION_VERSION GNOME_DESKTOP_SESSION_ID
    # The tray here is a StatusNotifierItem, whose Qt leaks tests/lsan.supp names by Qt's functions: those
    # show in the stacks only with the slow unwinder (Qt is built without frame pointers).
    export ASAN_OPTIONS=$ASAN_OPTIONS:fast_unwind_on_malloc=0
    export ZARVO_SANDBOX=$sandbox ZARVO_MODE=session ZARVO_TEST_DIR=$session_here ZARVO_WM=$1
    export ZARVO_SCREENSHOTS=$shots ZARVO=$zarvo ZARVO_CLI=$cli ZARVO_STANDIN=${standin:-}
    mkdir -p "$shots"
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
        wait_for 5 dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
            org.freedesktop.DBus.GetNameOwner string:"$name" || { echo "stand-in $name did not start"; return 1; }
    fi
}
