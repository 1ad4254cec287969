#!/usr/bin/env bash
# The desktop application's speed on a private X server with openbox: hot key and `zarvo --toggle`
# to the panel active, `zarvo --settings` to the settings window active (first and later times), idle
# CPU with the panel hidden, resident memory with the panel shown once and an empty index, with 300
# desktop entries more than the machine has. CopyQ (`copyq show`, resident) and rofi (`rofi -show
# run`, started each time) are timed the same way in the same session. Usage: bench_panel.sh BUILD_DIR
set -uo pipefail
build=$(cd "${1:-build/bench}" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
zarvo=$build/zarvo
runs=${PANEL_RUNS:-25}
idle=${IDLE_SECONDS:-60}
for tool in Xvfb openbox dbus-run-session xdotool; do
    command -v "$tool" >/dev/null || { echo "bench panel: skipped, $tool is missing"; exit 0; }
done
/usr/bin/python3 -c 'import Xlib' 2>/dev/null || { echo "bench panel: skipped, python3-xlib is missing"; exit 0; }
[ -x "$zarvo" ] || { echo "bench panel: skipped, $zarvo is not built"; exit 0; }

sandbox=$(mktemp -d "${TMPDIR:-/tmp}/zarvo-bench-panel.XXXXXX")
cleanup() { kill "$xpid" 2>/dev/null; wait 2>/dev/null; rm -rf "$sandbox"; }
trap cleanup EXIT
source "$here/../tests/lib/desktop.sh"
start_xvfb 201 || { echo "bench panel: skipped, no X server could start"; exit 0; }
mkdir -p "$sandbox/home" "$sandbox/runtime"
chmod 700 "$sandbox/runtime"
export HOME=$sandbox/home XDG_RUNTIME_DIR=$sandbox/runtime XDG_CONFIG_HOME=$sandbox/home/.config
export XDG_DATA_HOME=$sandbox/home/.local/share XDG_CACHE_HOME=$sandbox/home/.cache
unset WAYLAND_DISPLAY XDG_SESSION_TYPE QT_QPA_PLATFORM
export ZARVO=$zarvo RUNS=$runs IDLE=$idle HERE=$here
# A desktop as users have one: the machine's entries, 300 more and a mimeapps.list, in an XFCE session.
if [ -x "$build/bench/bench_panel_view_linux" ]; then
    dirs=$("$build/bench/bench_panel_view_linux" desktop "$sandbox/desktop" "$XDG_CONFIG_HOME" | tail -1)
    export XDG_DATA_DIRS=$dirs XDG_CONFIG_DIRS=/etc/xdg XDG_CURRENT_DESKTOP=XFCE
fi

dbus-run-session -- bash -c '
    openbox --sm-disable >/dev/null 2>&1 &
    for _ in $(seq 1 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break; sleep 0.05; done
    xterm -geometry 80x20+10+600 >/dev/null 2>&1 &
    sleep 1
    "$ZARVO" >/dev/null 2>&1 &
    zpid=$!
    sleep 3
    xdotool key Escape
    sleep 0.5
    latency() { /usr/bin/python3 "$HERE/panel_latency.py" "$@"; }
    hot=$(latency key:super+r "$RUNS")
    toggle=$(latency cmd-active "$RUNS" "$ZARVO" --toggle)
    # The settings window: built on the first request, kept and shown again after.
    settings_first=$(latency cmd-active 1 "$ZARVO" --settings)
    settings_again=$(latency cmd-active "$RUNS" "$ZARVO" --settings)
    copyq=""; rofi=""
    if command -v copyq >/dev/null; then
        copyq >/dev/null 2>&1 &
        cpid=$!
        sleep 3
        copyq show >/dev/null 2>&1; sleep 0.5; xdotool key Escape; sleep 0.5
        copyq=$(latency cmd-active "$RUNS" copyq show)
    fi
    command -v rofi >/dev/null && rofi=$(latency cmd-map "$RUNS" rofi -show run)
    echo "bench panel_hotkey_to_active: $hot ms"
    [ -n "$copyq" ] && awk -v a="$hot" -v b="$copyq" "BEGIN { printf \"ratio %.2f vs copyq show\n\", a / b }"
    [ -n "$rofi" ] && awk -v a="$hot" -v b="$rofi" "BEGIN { printf \"ratio %.2f vs rofi -show run\n\", a / b }"
    echo "bench panel_toggle_command_to_active: $toggle ms"
    [ -n "$copyq" ] && awk -v a="$toggle" -v b="$copyq" "BEGIN { printf \"ratio %.2f vs copyq show\n\", a / b }"
    [ -n "$rofi" ] && awk -v a="$toggle" -v b="$rofi" "BEGIN { printf \"ratio %.2f vs rofi -show run\n\", a / b }"
    echo "bench settings_window_first_show: $settings_first ms"
    echo "bench settings_window_show_again: $settings_again ms"
    [ -n "$copyq" ] && echo "bench peer_copyq_show_to_active: $copyq ms"
    [ -n "$rofi" ] && echo "bench peer_rofi_show_run_to_mapped: $rofi ms"

    ticks() { awk "{ print \$14 + \$15 }" "/proc/$1/stat"; }
    z0=$(ticks $zpid); c0=""; [ -n "${cpid:-}" ] && c0=$(ticks $cpid)
    sleep "$IDLE"
    z1=$(ticks $zpid)
    echo "bench panel_idle_cpu: $((z1 - z0)) ticks in ${IDLE} s"
    [ -n "$c0" ] && echo "bench peer_copyq_idle_cpu: $(( $(ticks $cpid) - c0 )) ticks in ${IDLE} s"
    rss=$(awk "/VmRSS/ { print \$2 }" /proc/$zpid/status)
    echo "bench panel_resident_memory: $((rss / 1024)) MB"
    if [ -n "${cpid:-}" ]; then
        crss=$(awk "/VmRSS/ { print \$2 }" /proc/$cpid/status)
        awk -v a="$rss" -v b="$crss" "BEGIN { printf \"ratio %.2f vs copyq\n\", a / b }"
        copyq exit >/dev/null 2>&1
    fi
    "$ZARVO" --quit >/dev/null 2>&1
'
