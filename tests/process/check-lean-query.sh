#!/usr/bin/env bash
# zarvo-cli's store commands start on QtCore alone. With the file index mapped from its snapshot and the
# applications read once before, a query maps none of the desktop's libraries, and still finds its
# rows; a query that needs the desktop (the terminal for "> ls") loads the desktop module and answers.
set -euo pipefail
cli=$1
work=$(mktemp -d "${TMPDIR:-/tmp}/zarvo-lean.XXXXXX")
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

mkdir -p "$work/home/.local/share/applications" "$work/tree/docs"
mkdir -m 700 "$work/run"
touch "$work/tree/docs/report-1.txt" "$work/tree/notes.md"
printf '[Desktop Entry]\nType=Application\nName=Report Viewer\nExec=true\n' \
    >"$work/home/.local/share/applications/viewer.desktop"
# The machine's own applications and settings stay out; its MIME database comes in through a link.
mkdir -p "$work/system" && ln -s /usr/share/mime "$work/system/mime"
sb=(env -u DISPLAY -u WAYLAND_DISPLAY -u XDG_CURRENT_DESKTOP HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
    XDG_CACHE_HOME="$work/home/.cache" XDG_DATA_HOME="$work/home/.local/share" XDG_RUNTIME_DIR="$work/run"
    XDG_DATA_DIRS="$work/system" XDG_CONFIG_DIRS="$work/etc-xdg")
heavy='libQt6(Gui|Widgets|DBus|Network|Svg)|libgio-|libgobject-|libX11|libXtst|libxcb|zarvo-cli-desktop'

! ldd "$cli" | grep -E "$heavy" || fail "the program itself links a desktop library"
"${sb[@]}" "$cli" index rebuild --root "$work/tree" >/dev/null
"${sb[@]}" "$cli" query report >"$work/first"

"${sb[@]}" LD_DEBUG=libs "$cli" query report 2>"$work/libs" >"$work/second"
grep -q 'calling init:' "$work/libs" || fail "LD_DEBUG reported nothing"
! grep -E "calling init: .*($heavy)" "$work/libs" || fail "a query mapped a desktop library"
grep -q 'report-1.txt' "$work/second" || fail "the query lost its file row: $(cat "$work/second")"
grep -q 'Report Viewer' "$work/second" || fail "the query lost its application row"
cmp -s "$work/first" "$work/second" || fail "the applications read again differ from the first reading"

"${sb[@]}" LD_DEBUG=libs "$cli" query '> ls' 2>"$work/libs" >"$work/terminal"
grep -q 'calling init: .*zarvo-cli-desktop' "$work/libs" || fail "\"> ls\" did not load the desktop module"
[ -s "$work/terminal" ] || fail "\"> ls\" printed nothing"
echo "a query maps $(grep -c 'calling init:' "$work/libs") objects with the desktop module, none of them without"
