#!/usr/bin/env bash
# zarvo-cli's store commands start on QtCore alone. With the file index mapped from its snapshot and the
# applications read once before, a query maps none of the desktop's libraries, and still finds its
# rows; a query that needs the desktop (the terminal for "> ls") loads the desktop module and answers.
set -euo pipefail
cli=$1
. "$(dirname "$0")/../lib/desktop.sh"
make_sandbox lean
sandbox_home
# The machine's own applications stay out; its MIME database comes in through a link.
export XDG_DATA_DIRS=$sandbox/system
unset DISPLAY
mkdir -p "$XDG_DATA_HOME/applications" "$sandbox/tree/docs" "$sandbox/system"
ln -s /usr/share/mime "$sandbox/system/mime"
touch "$sandbox/tree/docs/report-1.txt" "$sandbox/tree/notes.md"
printf '[Desktop Entry]\nType=Application\nName=Report Viewer\nExec=true\n' >"$XDG_DATA_HOME/applications/viewer.desktop"
heavy='libQt6(Gui|Widgets|DBus|Network|Svg)|libgio-|libgobject-|libX11|libXtst|libxcb|zarvo-cli-desktop'

! ldd "$cli" | grep -E "$heavy" || fail "the program itself links a desktop library"
"$cli" index rebuild --root "$sandbox/tree" >/dev/null
"$cli" query report >"$sandbox/first"

LD_DEBUG=libs "$cli" query report 2>"$sandbox/libs" >"$sandbox/second"
grep -q 'calling init:' "$sandbox/libs" || fail "LD_DEBUG reported nothing"
! grep -E "calling init: .*($heavy)" "$sandbox/libs" || fail "a query mapped a desktop library"
grep -q 'report-1.txt' "$sandbox/second" || fail "the query lost its file row: $(cat "$sandbox/second")"
grep -q 'Report Viewer' "$sandbox/second" || fail "the query lost its application row"
cmp -s "$sandbox/first" "$sandbox/second" || fail "the applications read again differ from the first reading"

LD_DEBUG=libs "$cli" query '> ls' 2>"$sandbox/libs" >"$sandbox/terminal"
grep -q 'calling init: .*zarvo-cli-desktop' "$sandbox/libs" || fail "\"> ls\" did not load the desktop module"
[ -s "$sandbox/terminal" ] || fail "\"> ls\" printed nothing"
echo "a query maps $(grep -c 'calling init:' "$sandbox/libs") objects with the desktop module, none of them without"
