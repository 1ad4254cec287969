# shellcheck shell=bash
# Sourced by the desktop, session, accessibility, Wayland and install tests and the benchmarks: the one
# way to make a sandbox home, start a private X server, a window manager and private D-Bus buses.
# The processes started go into `pids`; the sandbox, its processes and any FUSE mount in it (a document
# portal the private session bus started) go at exit. A script's own `before_cleanup` runs first.

need_tools() { # LABEL TOOL...: exit 77 (skipped) naming the first tool missing
    local label=$1 tool
    shift
    for tool in "$@"; do
        command -v "$tool" >/dev/null 2>&1 || {
            echo "$label skipped: $tool is not installed (make deps installs it)"
            exit 77
        }
    done
}

make_sandbox() { # NAME
    sandbox=$(mktemp -d "${TMPDIR:-/tmp}/zarvo-$1.XXXXXX")
    pids=()
    trap sandbox_cleanup EXIT
}
sandbox_cleanup() {
    if declare -F before_cleanup >/dev/null; then before_cleanup || true; fi
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    # What a session's programs started and left behind (an accessibility bus) carries the sandbox's name
    # in its environment, and would hold the test runner's output open.
    local dir
    for dir in /proc/[0-9]*; do
        [ "${dir#/proc/}" = $$ ] && continue
        if { tr '\0' '\n' <"$dir/environ"; } 2>/dev/null | grep -qxF "ZARVO_SANDBOX=$sandbox"; then
            kill "${dir#/proc/}" 2>/dev/null || true
        fi
    done
    wait 2>/dev/null || true
    awk -v s="$sandbox/" 'index($2, s) == 1 {print $2}' /proc/mounts 2>/dev/null | while read -r m; do
        fusermount3 -uz "$m" 2>/dev/null || fusermount -uz "$m" 2>/dev/null || umount -l "$m" 2>/dev/null || true
    done
    [ -n "${KEEP_SANDBOX:-}" ] || rm -rf "$sandbox"
}

# HOME and the XDG folders in the sandbox, nothing of the real session reachable. DESKTOP (empty: none)
# becomes XDG_CURRENT_DESKTOP.
sandbox_home() { # [DESKTOP]
    export HOME=$sandbox/home
    export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share XDG_CACHE_HOME=$HOME/.cache
    export XDG_RUNTIME_DIR=$sandbox/runtime XDG_DATA_DIRS=$sandbox/system:/usr/share XDG_CONFIG_DIRS=$sandbox/etc-xdg
    mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
    unset XDG_SESSION_TYPE WAYLAND_DISPLAY SESSION_MANAGER DESKTOP_STARTUP_ID QT_QPA_PLATFORM XDG_SESSION_ID \
        DBUS_SESSION_BUS_ADDRESS
    if [ -n "${1:-}" ]; then export XDG_CURRENT_DESKTOP=$1; else unset XDG_CURRENT_DESKTOP; fi
    export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}
    # The English source texts and formats, whatever the developer's locale.
    export LANGUAGE=en LC_ALL=C.UTF-8
}

wait_for() { # SECONDS COMMAND...: until COMMAND succeeds; fails when the time is up
    local tries=$(($1 * 20))
    shift
    for _ in $(seq "$tries"); do "$@" >/dev/null 2>&1 && return 0; sleep 0.05; done
    return 1
}
gone() { ! kill -0 "$1" 2>/dev/null; } # PID
unmounted() { ! mountpoint -q "$1"; }  # FOLDER
running() { # PROGRAM: the ids of the processes that run it, a line each; fails when there are none
    local p none=1
    for p in /proc/[0-9]*; do [ "$(readlink "$p/exe" 2>/dev/null)" = "$1" ] && echo "${p#/proc/}" && none=0; done
    return $none
}

# Says what failed with the end of the sandbox's logs (those `logs` names, else all), and exits.
fail() {
    echo "FAIL $*"
    local f
    for f in "${sandbox:-/nonexistent}"/*.log; do
        [ -e "$f" ] && { [ -z "${logs:-}" ] || [[ " $logs " == *" $(basename "$f" .log) "* ]]; } || continue
        echo "--- ${f##*/}"
        tail -n 20 "$f" 2>/dev/null || true
    done
    exit 1
}

# A private X server on the first free display from FIRST (its lock file is the claim): sets DISPLAY and
# `xpid`. start_x FIRST SERVER [ARGS...] (the display goes after SERVER); start_xvfb FIRST [WxHxD [ARGS...]]
# (an empty size: the default).
start_x() {
    local first=$1 server=$2 n log=/dev/null
    shift 2
    [ -n "${sandbox:-}" ] && log=$sandbox/x.log
    unset DISPLAY
    for n in $(seq "$first" $((first + 39))); do
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
        "$server" ":$n" "$@" -nolisten tcp -noreset >"$log" 2>&1 &
        xpid=$!
        for _ in $(seq 1 200); do
            [ -e "/tmp/.X11-unix/X$n" ] && { export DISPLAY=":$n"; pids+=("$xpid"); return 0; }
            kill -0 "$xpid" 2>/dev/null || break
            sleep 0.05
        done
        kill "$xpid" 2>/dev/null || true
    done
    return 1
}
start_xvfb() {
    local first=$1 size=${2:-1600x1000x24}
    shift $(($# < 2 ? $# : 2))
    start_x "$first" Xvfb -screen 0 "$size" "$@"
}

start_wm() { # openbox | xfwm4 | metacity [composite]: ready once it has announced itself on the root window
    local wm compositor=off
    [ "${2:-}" = composite ] && compositor=on
    case $1 in
        openbox) wm=(openbox --sm-disable) ;;
        xfwm4) wm=(xfwm4 --compositor=$compositor --sm-client-disable) ;;
        metacity) wm=(metacity --replace) ;;
    esac
    "${wm[@]}" >"$sandbox/wm.log" 2>&1 &
    pids+=($!)
    wait_for 10 sh -c "xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'"
}

# A private bus listening in the sandbox. session: the machine's session configuration (its services
# start on demand); bare: a session bus with no services, anyone may listen in; system: a system bus
# anyone may own names on, as the stand-in login manager does. Exports the bus's address.
start_bus() { # session | bare | system
    local kind=$1 address
    if [ "$kind" = session ]; then
        dbus-daemon --session --nofork --print-address --address="unix:dir=$sandbox" >"$sandbox/$kind-bus" 2>/dev/null &
    else
        cat >"$sandbox/$kind-bus.conf" <<CONF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig><type>${kind/bare/session}</type><listen>unix:dir=$sandbox</listen><auth>EXTERNAL</auth>
<policy context="default"><allow user="*"/><allow own="*"/><allow send_destination="*" eavesdrop="true"/>
<allow eavesdrop="true"/><allow receive_sender="*"/></policy></busconfig>
CONF
        dbus-daemon --nofork --print-address --config-file="$sandbox/$kind-bus.conf" >"$sandbox/$kind-bus" 2>/dev/null &
    fi
    pids+=($!)
    wait_for 5 test -s "$sandbox/$kind-bus" || { echo "the private $kind bus did not start"; return 1; }
    address=$(head -1 "$sandbox/$kind-bus")
    if [ "$kind" = system ]; then export DBUS_SYSTEM_BUS_ADDRESS=$address; else export DBUS_SESSION_BUS_ADDRESS=$address; fi
}

# The install tests' desktop: Xvfb with openbox, no session bus, Qt on X11.
start_desktop_session() {
    start_xvfb 141 1280x800x24 || fail "could not start Xvfb"
    sandbox_home
    export QT_QPA_PLATFORM=xcb ASAN_OPTIONS=detect_leaks=0
    start_wm openbox
}
