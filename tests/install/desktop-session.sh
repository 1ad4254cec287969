# Sourced by the install tests: a private X server (Xvfb) with openbox, in a sandbox home under
# $sandbox, nothing of the real session reachable. Needs `sandbox`, the `pids` array and `fail`.
start_desktop_session() {
    local display="" n xvfb
    for n in $(seq 141 190); do
        if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
            Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp -noreset >"$sandbox/xvfb.log" 2>&1 &
            xvfb=$!
            for _ in $(seq 1 100); do [ -e "/tmp/.X11-unix/X$n" ] && { display=":$n"; break; }; sleep 0.05; done
            if [ -n "$display" ]; then pids+=("$xvfb"); break; fi
            kill "$xvfb" 2>/dev/null || true
        fi
    done
    [ -n "$display" ] || fail "could not start Xvfb"
    export DISPLAY=$display
    export HOME=$sandbox/home
    export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share XDG_CACHE_HOME=$HOME/.cache
    export XDG_RUNTIME_DIR=$sandbox/runtime XDG_CONFIG_DIRS=$sandbox/etc-xdg
    mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
    unset XDG_CURRENT_DESKTOP XDG_SESSION_TYPE WAYLAND_DISPLAY SESSION_MANAGER DBUS_SESSION_BUS_ADDRESS
    export QT_QPA_PLATFORM=xcb ASAN_OPTIONS=detect_leaks=0
    # The English source texts and formats, whatever the developer's locale.
    export LANGUAGE=en LC_ALL=C.UTF-8
    openbox --sm-disable >"$sandbox/openbox.log" 2>&1 &
    pids+=($!)
    for _ in $(seq 1 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break; sleep 0.05; done
}
