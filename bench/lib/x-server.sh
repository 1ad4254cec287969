# Sourced by the benchmark scripts: starts a private Xvfb on the first free display from FIRST, sets
# DISPLAY and `xpid` (unset DISPLAY when none could start). Usage: start_xvfb FIRST
start_xvfb() {
    local n
    # The English source texts and formats, whatever the developer's locale.
    export LANGUAGE=en LC_ALL=C.UTF-8
    unset DISPLAY
    for n in $(seq "$1" $(($1 + 39))); do
        [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 1600x1000x24 -nolisten tcp >/dev/null 2>&1 &
        xpid=$!
        for _ in $(seq 1 100); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.05; done
        [ -e "/tmp/.X11-unix/X$n" ] && { export DISPLAY=":$n"; return 0; }
        kill "$xpid" 2>/dev/null
    done
    return 1
}
