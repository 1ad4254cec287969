#!/usr/bin/env bash
# Runs every benchmark program and script. Each prints `bench NAME: VALUE UNIT` lines, followed by
# `ratio R vs PEER` where a peer tool ran on the same data: R is our figure divided by the peer's, so
# below 1 means we took less time.
set -uo pipefail
build=$(cd "${1:-build/bench}" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
export ZARVO_BIN_DIR="$build"
status=0
for prog in "$build"/bench/bench_*; do
    [ -f "$prog" ] && [ -x "$prog" ] || continue
    [ -f "$here/$(basename "$prog").sh" ] && continue # its script runs it, beside a peer
    echo "# $(basename "$prog")"
    "$prog" || status=1
done
for script in "$here"/*.sh; do
    [ "$(basename "$script")" = run.sh ] && continue
    echo "# $(basename "$script")"
    bash "$script" "$build" || status=1
done
exit $status
