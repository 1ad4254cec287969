#!/usr/bin/env bash
# Runs clang-tidy (the repository's .clang-tidy) on the .cpp files changed since this branch left
# origin/main (or main), with the compile commands of BUILD_DIR (default build/test). Nothing changed,
# or no such base: nothing to do.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/test}
command -v clang-tidy >/dev/null || { echo "tidy: clang-tidy is not installed" >&2; exit 1; }
base=
for ref in origin/main main; do
    if base=$(git merge-base HEAD "$ref" 2>/dev/null); then break; fi
done
if [ -z "$base" ]; then
    echo "tidy: no origin/main or main to compare with; skipped"
    exit 0
fi
[ -f "$build/compile_commands.json" ] || { echo "tidy: $build/compile_commands.json is missing" >&2; exit 1; }
# Only files the build compiles (the benchmarks and fuzz programs are built in other trees).
mapfile -t files < <(git diff --name-only --diff-filter=AMR "$base" -- '*.cpp' | while read -r file; do
    grep -qF "\"$PWD/$file\"" "$build/compile_commands.json" && echo "$file"
done)
if [ ${#files[@]} -eq 0 ]; then
    echo "tidy: no compiled .cpp file changed since $(git rev-parse --short "$base")"
    exit 0
fi
echo "tidy: ${#files[@]} changed files"
# Headers of this tree only, anchored at its root: the build folder's generated .moc files lie under a
# "tests" folder too and are Qt's code, not ours.
clang-tidy -p "$build" --quiet --header-filter="^$PWD/(src|tests|bench)/" "${files[@]}"
