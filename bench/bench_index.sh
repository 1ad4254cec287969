#!/usr/bin/env bash
# File index benchmark: a generated tree of 1,000,000 files in 100,000 folders (kept under /tmp and
# reused), our crawl and queries against find(1) and plocate over the same tree.
# Usage: bench/bench_index.sh BUILD_DIR   (BUILD_DIR built with -DZARVO_BENCH=ON)
#   ZARVO_BENCH_SIZE=5m  the 5,000,000-entry tree instead (/tmp/zarvo-bench-tree-5m, about 2 GB of
#                        metadata; generating it takes several minutes)
set -uo pipefail
build=$(cd "${1:-build/bench}" && pwd)
prog="$build/bench/bench_index"
size=${ZARVO_BENCH_SIZE:-1m}
if [ "$size" = 1m ]; then default_tree=/tmp/zarvo-bench-tree; else default_tree=/tmp/zarvo-bench-tree-$size; fi
tree=${ZARVO_BENCH_TREE:-$default_tree}
work=$(mktemp -d /tmp/zarvo-bench-index.XXXXXX)
trap 'rm -rf "$work"' EXIT
[ -x "$prog" ] || { echo "bench_index.sh: $prog missing (configure with -DZARVO_BENCH=ON)" >&2; exit 1; }

"$prog" gen "$tree" "$size" || exit 1

now_ms() { date +%s%N | awk '{ printf "%.3f", $1 / 1e6 }'; }
ratio() { awk -v a="$1" -v b="$2" -v peer="$3" 'BEGIN { if (b > 0) printf "ratio %.2f vs %s\n", a / b, peer }'; }
# Best of N wall-clock runs of a command, in milliseconds (the machine may be shared).
best_ms() {
    local n=$1; shift
    local best=""
    for _ in $(seq "$n"); do
        local t0 t1 d
        t0=$(now_ms); "$@" >/dev/null 2>&1; t1=$(now_ms)
        d=$(awk -v a="$t0" -v b="$t1" 'BEGIN { printf "%.3f", b - a }')
        if [ -z "$best" ] || awk -v d="$d" -v b="$best" 'BEGIN { exit !(d < b) }'; then best=$d; fi
    done
    echo "$best"
}

# Crawl + snapshot against find with stat data, both on a warm cache (best of 2).
find "$tree" -printf '%p %s %T@\n' >/dev/null
find_ms=$(best_ms 2 find "$tree" -printf '%p %s %T@\n')
crawl_ms=""
for _ in 1 2; do
    t=$("$prog" crawl "$tree" "$work/index.snapshot" | awk '/^crawl_ms/ { print $2 }')
    if [ -z "$crawl_ms" ] || [ "$t" -lt "$crawl_ms" ]; then crawl_ms=$t; fi
done
echo "bench index crawl+snapshot: $crawl_ms ms"
ratio "$crawl_ms" "$find_ms" "find -printf (${find_ms} ms)"
echo "bench index snapshot size: $(stat -c %s "$work/index.snapshot") bytes"

# Load, memory and queries.
out=$("$prog" query "$tree" "$work/index.snapshot") || exit 1
echo "$out" | grep -v '^report_finished_ms'
report_ms=$(echo "$out" | awk '/^report_finished_ms/ { print $2 }')

# plocate over the same tree, with its own database.
if command -v plocate >/dev/null && command -v updatedb >/dev/null; then
    updatedb -l 0 -U "$tree" -o "$work/plocate.db" 2>/dev/null
    plocate -d "$work/plocate.db" -i report >/dev/null
    plocate_ms=$(best_ms 5 plocate -d "$work/plocate.db" -i report)
    echo "# plocate -i report: $(plocate -d "$work/plocate.db" -i report | wc -l) paths"
    echo "bench plocate -i report: $plocate_ms ms"
    ratio "$report_ms" "$plocate_ms" "plocate -i report"
else
    echo "# plocate/updatedb not installed: no peer for the substring query"
fi

# Whole process: zarvo-cli query in a sandbox home whose index covers the tree (nothing of the real
# home is read or written, and no running instance is reachable), against plocate on its own database.
cli="$build/zarvo-cli"
if [ -x "$cli" ] && [ -f "$work/plocate.db" ]; then
    sandbox="$work/home"
    mkdir -p "$sandbox" && mkdir -m 700 -p "$work/run"
    in_sandbox=(env -u DISPLAY -u WAYLAND_DISPLAY HOME="$sandbox" XDG_CONFIG_HOME="$sandbox/.config"
        XDG_CACHE_HOME="$sandbox/.cache" XDG_DATA_HOME="$sandbox/.local/share" XDG_RUNTIME_DIR="$work/run")
    # The timed runs get the same environment from the shell itself: through env(1) ours alone would
    # pay for a second program (its start and locale loading, near a millisecond).
    unset DISPLAY WAYLAND_DISPLAY # nothing below needs one, and no running instance may answer
    sandboxed() {
        HOME="$sandbox" XDG_CONFIG_HOME="$sandbox/.config" XDG_CACHE_HOME="$sandbox/.cache" \
            XDG_DATA_HOME="$sandbox/.local/share" XDG_RUNTIME_DIR="$work/run" "$@"
    }
    "${in_sandbox[@]}" "$cli" index rebuild --root "$tree" >/dev/null 2>&1
    peak_kb() { /usr/bin/time -f %M "$@" 2>&1 >/dev/null | tail -1; }
    # NAME, our query text, then the closest plocate query.
    # Ours and the peer's runs alternate, so that a change in the machine's load meets both alike.
    whole() {
        local name=$1 text=$2; shift 2
        "${in_sandbox[@]}" "$cli" query "$text" >/dev/null 2>&1 # warm the cache
        local ours="" peer="" ours_kb peer_kb t
        for _ in $(seq 15); do
            t=$(best_ms 1 sandboxed "$cli" query "$text")
            if [ -z "$ours" ] || awk -v a="$t" -v b="$ours" 'BEGIN { exit !(a < b) }'; then ours=$t; fi
            t=$(best_ms 1 plocate -d "$work/plocate.db" "$@")
            if [ -z "$peer" ] || awk -v a="$t" -v b="$peer" 'BEGIN { exit !(a < b) }'; then peer=$t; fi
        done
        ours_kb=$(peak_kb "${in_sandbox[@]}" "$cli" query "$text")
        peer_kb=$(peak_kb plocate -d "$work/plocate.db" "$@")
        echo "bench zarvo-cli query $name (whole process): $ours ms"
        ratio "$ours" "$peer" "plocate $* (${peer} ms)"
        echo "bench zarvo-cli query $name peak memory: $ours_kb KB"
        ratio "$ours_kb" "$peer_kb" "plocate $* (${peer_kb} KB)"
    }
    whole report report -l 300 -b -i report
    whole '*d*w*n*l*' '*d*w*n*l*' -l 300 -b -i '*d*w*n*l*'
    # plocate has no date filter: its closest query is the image names alone.
    whole 'img: week:' 'img: week:' -l 300 -b -i -r '\.(jpe?g|png|gif|heic|svg|tiff?|webp)$'
else
    echo "# zarvo-cli or plocate missing: no whole-process comparison"
fi

# A created file is found by a query (live index with inotify).
"$prog" live "$tree"
# The same with the watches cut short, as a desktop's own watchers leave Debian's 65,536: half of the
# tree's 100,000 folders go without one.
"$prog" live "$tree" 50000
