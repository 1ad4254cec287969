#!/usr/bin/env bash
# An installed portable copy updates itself in place from a later build published on a feed served on
# this machine (signed with a key made for the test): "Check Now" in the settings window finds it, the
# dialog's default button installs it, the new build starts and the old one quits. History and settings
# stay as they were and nothing is left beside the installed copy. A second check says it is up to date.
# Usage: run-portable-update.sh BUILD_DIR SCREENSHOT_DIR   (77: skipped, for want of tools)
set -euo pipefail
build=$(cd "$1" && pwd)
shots=${2:-$build/tests/install/screenshots}
here=$(cd "$(dirname "$0")/../.." && pwd)

. "$here/tests/lib/desktop.sh"
need_tools "portable update test" Xvfb openbox xdotool xprop openssl python3 import
grep -q 'ZARVO_UPDATE_FEED_FROM_ENVIRONMENT:BOOL=ON' "$build/CMakeCache.txt" ||
    { echo "skipped: this build does not read a test feed from the environment"; exit 77; }

make_sandbox update
before_cleanup() {
    [ -x "$sandbox/home/.local/opt/Zarvo/zarvo" ] && "$sandbox/home/.local/opt/Zarvo/zarvo" --quit >/dev/null 2>&1
}
mkdir -p "$shots"

start_desktop_session
mkdir -p "$HOME/.local/opt"
# A tray (XEmbed), so that "Check for Updates…" is reached in the status menu as a person would.
tray=""
if command -v trayer >/dev/null; then
    trayer --edge bottom --align right --widthtype request --height 32 --SetDockType true >"$sandbox/trayer.log" 2>&1 &
    pids+=($!)
    tray=$(timeout 10 xdotool search --sync --onlyvisible --class trayer | head -n 1) || tray=""
fi

# The installed copy, as an install leaves it, and a later build of it on the feed.
archive=$(bash "$here/scripts/make-portable.sh" "$build" | tail -n 1)
tar -C "$HOME/.local/opt" -xzf "$archive"
installed=$HOME/.local/opt/Zarvo
info() { python3 -c 'import json, sys; print(json.load(open(sys.argv[1]))[sys.argv[2]])' "$installed/Info.json" "$1"; }
old_build=$(info CFBundleVersion)
old_version=$(info CFBundleShortVersionString)
new_build=$((old_build + 1))
new_version="$old_version.1"
mkdir -p "$sandbox/later" "$sandbox/feed"
tar -C "$sandbox/later" -xzf "$archive"
python3 -c 'import json, sys; p, b, v = sys.argv[1:]; i = json.load(open(p))
i.update(CFBundleVersion=b, CFBundleShortVersionString=v); json.dump(i, open(p, "w"), indent=4)' \
    "$sandbox/later/Zarvo/Info.json" "$new_build" "$new_version"
tar -C "$sandbox/later" --owner=0 --group=0 --numeric-owner -czf "$sandbox/feed/Zarvo-$new_version.tar.gz" Zarvo
openssl genpkey -algorithm ed25519 -out "$sandbox/key.pem" 2>/dev/null
public_key=$(openssl pkey -in "$sandbox/key.pem" -pubout -outform DER | tail -c 32 | base64 -w0)
signature=$(openssl pkeyutl -sign -rawin -inkey "$sandbox/key.pem" -in "$sandbox/feed/Zarvo-$new_version.tar.gz" | base64 -w0)
length=$(stat -c %s "$sandbox/feed/Zarvo-$new_version.tar.gz")
port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
cat >"$sandbox/feed/appcast.xml" <<XML
<?xml version="1.0" encoding="utf-8"?>
<rss version="2.0" xmlns:sparkle="http://www.andymatuschak.org/xml-namespaces/sparkle">
<channel><title>Zarvo</title>
<item><title>Zarvo $new_version</title>
<sparkle:version>$new_build</sparkle:version>
<sparkle:shortVersionString>$new_version</sparkle:shortVersionString>
<description><![CDATA[<p>Faster application search.</p>]]></description>
<enclosure url="http://127.0.0.1:$port/Zarvo-$new_version.tar.gz" length="$length" type="application/gzip"
    sparkle:os="linux" sparkle:edSignature="$signature"/>
</item></channel></rss>
XML
python3 -m http.server "$port" --bind 127.0.0.1 --directory "$sandbox/feed" >"$sandbox/http.log" 2>&1 &
pids+=($!)
wait_for 5 python3 -c "import urllib.request; urllib.request.urlopen('http://127.0.0.1:$port/appcast.xml')"
export ZARVO_TEST_UPDATE_FEED=http://127.0.0.1:$port/appcast.xml ZARVO_TEST_UPDATE_PUBLIC_KEY=$public_key

# The user's data, which the update must leave alone.
"$installed/zarvo-cli" history add "$HOME/kept-through-the-update.txt" >/dev/null
"$installed/zarvo-cli" settings set clipRetentionDays 3 >/dev/null
history_before=$("$installed/zarvo-cli" history list)
settings_before=$("$installed/zarvo-cli" settings list)

shoot() { import -window "$1" "$shots/$2.png" 2>/dev/null || true; }
# Opens the settings window and presses its "Check Now" (the control before "Clear History", which is
# the last one: Shift+Tab twice from the first).
check_now() {
    "$installed/zarvo" --settings
    local w
    w=$(timeout 20 xdotool search --sync --name '^Zarvo Settings$' | head -n 1) || fail "no settings window"
    xdotool windowactivate --sync "$w" 2>/dev/null || true
    sleep 0.5
    xdotool key --clearmodifiers shift+Tab shift+Tab space
}

"$installed/zarvo" >"$sandbox/old.log" 2>&1 &
old=$!
pids+=("$old")
timeout 30 xdotool search --sync --name '^Zarvo$' >/dev/null || fail "the installed copy did not start"
sleep 0.5
xdotool key --clearmodifiers Escape

# Right-click on the tray icon, then the menu's fourth item: Open Zarvo, Clipboard History, Settings…,
# Check for Updates…. Without a tray, the settings window's button asks the same.
check_from_tray() {
    local x y
    sleep 1
    eval "$(xdotool getwindowgeometry --shell "$tray")"
    x=$((X + WIDTH - 16)) y=$((Y + HEIGHT / 2))
    xdotool mousemove "$x" "$y" click 3
    sleep 0.6
    shoot root tray-menu
    xdotool key --clearmodifiers Down Down Down Down Return
}
if [ -n "$tray" ]; then check_from_tray; asked="Check for Updates… in the tray menu"; else check_now; asked="Check Now"; fi
dialog=$(timeout 20 xdotool search --sync --name '^Software Update$' | head -n 1) || fail "no update dialog after $asked"
sleep 0.5
shoot "$dialog" update-available
xdotool windowactivate --sync "$dialog" 2>/dev/null || true
start=$(date +%s%N)
xdotool key --clearmodifiers Return

new="" started=""
for _ in $(seq 1 300); do
    new=$(running "$installed/zarvo" | grep -vx "$old" | head -n 1 || true)
    [ -n "$new" ] && [ -z "$started" ] && started=$(( ($(date +%s%N) - start) / 1000000 ))
    [ -n "$new" ] && ! kill -0 "$old" 2>/dev/null && break
    sleep 0.05
done
[ -n "$new" ] || fail "no new copy started"
elapsed=$(( ($(date +%s%N) - start) / 1000000 ))
pids+=("$new")
! kill -0 "$old" 2>/dev/null || fail "the old copy did not quit"
[ "$(info CFBundleVersion)" = "$new_build" ] || fail "the installed copy is build $(info CFBundleVersion), not $new_build"
[ -z "$(ls -A "$HOME/.local/opt" | grep '^\.Zarvo' || true)" ] || fail "a staging folder was left: $(ls -A "$HOME/.local/opt")"
timeout 30 xdotool search --sync --name '^Zarvo$' >/dev/null || fail "the new copy shows no panel"
[ "$("$installed/zarvo-cli" history list)" = "$history_before" ] || fail "the history changed"
[ "$("$installed/zarvo-cli" settings list)" = "$settings_before" ] || fail "the settings changed"
echo "asked with $asked: updated build $old_build to $new_build in place: the new copy started $started ms after Return, the old one was gone after $elapsed ms"

# Checked again, the new copy is up to date.
sleep 0.5
xdotool key --clearmodifiers Escape
check_now
dialog=$(timeout 20 xdotool search --sync --name '^Software Update$' | head -n 1) || fail "no up-to-date dialog"
sleep 0.5
shoot "$dialog" update-up-to-date
xdotool windowactivate --sync "$dialog" 2>/dev/null || true
xdotool key --clearmodifiers Return
wait_for 5 sh -c "! xdotool search --name '^Software Update\$'" || fail "the up-to-date dialog did not close"
kill -0 "$new" 2>/dev/null || fail "the new copy ended after the second check"
echo "a second check found the new copy up to date"
