#!/usr/bin/env bash
# The portable folder installing itself, for real, on a private X server in a sandbox home. Packed into an
# ISO image (xorriso; squashfs where the kernel has no ISO 9660), loop-mounted read-only and started from
# there, it offers to install; the test answers "Move to Applications" with the keyboard; the installed
# copy must start from ~/.local/opt/Zarvo, quit the first one and unmount the image.
# Usage: run-portable-install.sh BUILD_DIR   (77: skipped, for want of root, loop devices or tools)
set -euo pipefail
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")/../.." && pwd)

. "$here/tests/lib/desktop.sh"
need_tools "portable install test" Xvfb openbox xdotool xprop import
[ "$(id -u)" -eq 0 ] || { echo "skipped: loop-mounting an image needs root"; exit 77; }

make_sandbox install
mnt=$sandbox/media/Zarvo
before_cleanup() {
    [ -x "$HOME/.local/bin/zarvo" ] && "$HOME/.local/bin/zarvo" --quit >/dev/null 2>&1
    mountpoint -q "$mnt" 2>/dev/null && umount "$mnt" 2>/dev/null
}

# The image: the portable folder as `make portable` lays it out.
archive=$(bash "$here/scripts/make-portable.sh" "$build" | tail -n 1)
mkdir -p "$sandbox/image" "$mnt"
tar -C "$sandbox/image" -xzf "$archive"
# An ISO image (Rock Ridge keeps the programs executable) where the kernel reads ISO 9660, else a
# squashfs image: both are read-only loop mounts to the installer.
modprobe isofs 2>/dev/null || true
if command -v xorriso >/dev/null && grep -qw iso9660 /proc/filesystems; then
    image=$sandbox/Zarvo.iso
    xorriso -as mkisofs -quiet -R -V ZARVO -o "$image" "$sandbox/image" 2>"$sandbox/xorriso.log" ||
        fail "xorriso could not make the image"
elif command -v mksquashfs >/dev/null; then
    image=$sandbox/Zarvo.sqfs
    mksquashfs "$sandbox/image" "$image" -quiet -noappend >/dev/null
else
    echo "skipped: neither xorriso (with ISO 9660 in the kernel) nor mksquashfs"; exit 77
fi
echo "image: $(basename "$image")"
mount -o loop,ro "$image" "$mnt" 2>"$sandbox/mount.log" || { echo "skipped: cannot loop-mount"; exit 77; }

start_desktop_session

# Declining (Not Now) and the choices by where a copy lies are the installer's unit tests.
mkdir -p "$build/tests/install/screenshots"
"$mnt/Zarvo/zarvo" >"$sandbox/first.log" 2>&1 &
first=$!
pids+=("$first")
window=$(timeout 30 xdotool search --sync --name '^Zarvo$' | head -n 1) || fail "no install question"
sleep 0.3
import -window root "$build/tests/install/screenshots/install-question.png" || true
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
start=$(date +%s%N)
xdotool key --clearmodifiers Return

wait_for 10 running "$HOME/.local/opt/Zarvo/zarvo" || fail "the installed copy did not start"
elapsed=$(( ($(date +%s%N) - start) / 1000000 ))
pid=$(running "$HOME/.local/opt/Zarvo/zarvo")
pids+=("$pid")
wait_for 5 gone "$first" || fail "the copy on the image did not quit"
wait_for 15 unmounted "$mnt" || fail "the image is still mounted"

# The links, desktop entry and icons it puts in place: LinuxInstallationTest.
[ -z "$(ls -A "$HOME/.local/opt" | grep '^\.Zarvo' || true)" ] || fail "a staging folder was left"
echo "installed from the image in $elapsed ms (Return pressed to the installed copy running)"

# Started again from a later image of the same build, it opens the installed copy without asking.
mount -o loop,ro "$image" "$mnt"
"$mnt/Zarvo/zarvo" >"$sandbox/second.log" 2>&1 || fail "the second start failed"
[ "$(running "$HOME/.local/opt/Zarvo/zarvo")" = "$pid" ] || fail "the running installed copy was replaced"
wait_for 15 unmounted "$mnt" || fail "the second image is still mounted"
echo "a second start from an image of the same build opened the installed copy and unmounted the image"
