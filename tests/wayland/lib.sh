# Shared by the Wayland desktop tests (sourced): a sandbox home with its own XDG folders and runtime
# dir, a private session bus with no service files (nothing of the machine's starts on it), checks.
# Set `logs` to the names of the sandbox's *.log files a failure shows.

. "$(dirname "${BASH_SOURCE[0]}")/../lib/desktop.sh"

wl_start_sandbox() { # desktop name for XDG_CURRENT_DESKTOP
    make_sandbox wayland
    sandbox_home "$1"
    export XDG_SESSION_TYPE=wayland XDG_DATA_DIRS=$sandbox/share:/usr/share
    unset DISPLAY XAUTHORITY
    mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$sandbox/share" "$sandbox/etc-xdg"
    start_bus bare || fail "no session bus"
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

ok() { echo "ok   $*"; }
panel() { xdotool search --onlyvisible --name '^Zarvo$'; }
no_panel() { ! panel; }
