#!/usr/bin/env bash
# Runs clang-tidy (the repository's .clang-tidy) with the compile commands of BUILD_DIR (default
# build/test).
#   tidy.sh [BUILD_DIR]        the .cpp files changed since this branch left origin/main (or main)
#   tidy.sh --all [BUILD_DIR]  every .cpp file of src/ and tests/ the build compiles (what CI runs: a
#                              fresh clone of main has no change to compare with)
set -euo pipefail
cd "$(dirname "$0")/.."
all=false
if [ "${1:-}" = "--all" ]; then
    all=true
    shift
fi
build=${1:-build/test}
command -v clang-tidy >/dev/null || { echo "tidy: clang-tidy is not installed" >&2; exit 1; }
[ -f "$build/compile_commands.json" ] || { echo "tidy: $build/compile_commands.json is missing" >&2; exit 1; }
# Headers of this tree only, anchored at its root: the build folder's generated .moc files lie under a
# "tests" folder too and are Qt's code, not ours.
filter="^$PWD/(src|tests|bench)/"

if $all; then
    command -v run-clang-tidy >/dev/null || { echo "tidy: run-clang-tidy is not installed" >&2; exit 1; }
    # Quiet unless something is found: run-clang-tidy prints each command and clang-tidy's counts.
    log=$(mktemp)
    trap 'rm -f "$log"' EXIT
    status=0
    run-clang-tidy -p "$build" -j "$(nproc)" -quiet -header-filter="$filter" "^$PWD/(src|tests)/" >"$log" 2>&1 ||
        status=$?
    grep -E -A3 '(warning|error):' "$log" || true
    [ "$status" -eq 0 ] && echo "tidy: every compiled file of src/ and tests/ is clean"
    exit "$status"
fi

base=
for ref in origin/main main; do
    if base=$(git merge-base HEAD "$ref" 2>/dev/null); then break; fi
done
if [ -z "$base" ]; then
    echo "tidy: no origin/main or main to compare with; skipped"
    exit 0
fi
# Only files the build compiles (the benchmarks and fuzz programs are built in other trees).
mapfile -t files < <(git diff --name-only --diff-filter=AMR "$base" -- '*.cpp' | while read -r file; do
    grep -qF "\"$PWD/$file\"" "$build/compile_commands.json" && echo "$file"
done)
if [ ${#files[@]} -eq 0 ]; then
    echo "tidy: no compiled .cpp file changed since $(git rev-parse --short "$base")"
    exit 0
fi
echo "tidy: ${#files[@]} changed files"
clang-tidy -p "$build" --quiet --header-filter="$filter" "${files[@]}"
