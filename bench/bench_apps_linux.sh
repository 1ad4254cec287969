#!/usr/bin/env bash
# Installed applications: 2,000 generated desktop entries read by Zarvo's catalogue (scan, memory, the
# application rows of a keystroke's first results) and, on the same entries, rofi's application mode
# started until its window maps (rofi reads every entry before it shows). Usage: bench_apps_linux.sh BUILD_DIR
set -uo pipefail
build=$(cd "${1:-build/bench}" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
prog=$build/bench/bench_apps_linux
runs=${APPS_RUNS:-15}
[ -x "$prog" ] || { echo "bench apps: skipped, $prog is not built"; exit 0; }

sandbox=$(mktemp -d "${TMPDIR:-/tmp}/zarvo-bench-apps.XXXXXX")
cleanup() { [ -n "${xpid:-}" ] && kill "$xpid" 2>/dev/null; wait 2>/dev/null; rm -rf "$sandbox"; }
trap cleanup EXIT
# Only the generated entries: no system folder, and nothing of the real home.
mkdir -p "$sandbox/home" "$sandbox/none"
export HOME=$sandbox/home XDG_CONFIG_HOME=$sandbox/home/.config XDG_CACHE_HOME=$sandbox/home/.cache
export XDG_DATA_HOME=$sandbox/data XDG_DATA_DIRS=$sandbox/none XDG_CURRENT_DESKTOP=GNOME
"$prog" gen "$XDG_DATA_HOME" || exit 1
export PATH=$XDG_DATA_HOME/bin:$PATH

out=$("$prog" measure "$XDG_DATA_HOME") || { echo "$out"; exit 1; }
echo "$out"

command -v rofi >/dev/null || { echo "# rofi is not installed: no peer"; exit 0; }
for tool in Xvfb; do command -v "$tool" >/dev/null || { echo "# $tool is missing: no peer"; exit 0; }; done
/usr/bin/python3 -c 'import Xlib' 2>/dev/null || { echo "# python3-xlib is missing: no peer"; exit 0; }
source "$here/../tests/lib/desktop.sh"
start_xvfb 241
[ -n "${DISPLAY:-}" ] || { echo "# no X server: no peer"; exit 0; }
rofi_ms=$(/usr/bin/python3 "$here/panel_latency.py" cmd-map "$runs" rofi -show drun) || exit 1
echo "bench peer_rofi_show_drun_to_mapped: $rofi_ms ms (2,000 entries)"
ratio() { awk -v a="$1" -v b="$rofi_ms" -v what="$2" 'BEGIN { if (b > 0) printf "ratio %.2f vs rofi -show drun (%s)\n", a / b, what }'; }
# The keystroke's application rows (the slowest of the queries) against rofi's start to its window.
slowest=$(echo "$out" | awk '/^bench apps_first_rows_/ { v = $3 + 0; if (v > m) m = v } END { print m }')
echo "bench apps_first_rows_slowest: $slowest ms"
ratio "$slowest" "keystroke to application rows"
# Reading every entry, which both do: in the background here, before the window there.
scan=$(echo "$out" | awk '/^bench apps_scan_2000_entries/ { print $3 }')
ratio "$scan" "reading all entries"
