#!/usr/bin/env bash
# Fails when a tracked .cpp or .h differs from what the repository's .clang-format makes of it, and
# names the files. Changes nothing: `make format` rewrites them.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v clang-format >/dev/null || { echo "check-format: clang-format is not installed" >&2; exit 1; }
mapfile -t files < <(git ls-files '*.cpp' '*.h')
# One run over every file; each misformatted place is reported as "file:line:column: error: …".
mapfile -t bad < <(clang-format --dry-run -Werror "${files[@]}" 2>&1 |
    sed -n 's/^\(.*\):[0-9]*:[0-9]*: error: .*/\1/p' | sort -u)
if [ ${#bad[@]} -gt 0 ]; then
    printf 'check-format: %d of %d files are not formatted (make format):\n' ${#bad[@]} ${#files[@]} >&2
    printf '  %s\n' "${bad[@]}" >&2
    exit 1
fi
echo "check-format: ${#files[@]} files formatted"
