#!/usr/bin/env bash
# Checks a built Debian package: its files, its control fields (dependencies, Installed-Size), its desktop
# entries and lintian's verdict. With --install (as root, on a machine that may change): installs it with
# apt, runs zarvo-cli from /usr/bin, removes it and checks that nothing of it is left.
set -euo pipefail
install=0
if [ "${1:-}" = --install ]; then install=1; shift; fi
deb=$(readlink -f "$1")
fail() { echo "FAIL: $*" >&2; exit 1; }
work=$(mktemp -d "${TMPDIR:-/tmp}/zarvo-deb.XXXXXX")
trap 'rm -rf "$work"' EXIT

dpkg-deb -c "$deb" | awk '{print $6}' >"$work/contents"
for f in usr/bin/zarvo usr/bin/zarvo-cli usr/lib/zarvo/zarvo-desktop.so usr/lib/zarvo/zarvo-cli-desktop.so usr/lib/zarvo/zarvo-pdf.so usr/lib/zarvo/zarvo-signature.so usr/share/applications/com.velorin.zarvo.desktop usr/share/metainfo/com.velorin.zarvo.metainfo.xml \
    usr/share/icons/hicolor/scalable/apps/com.velorin.zarvo.svg usr/share/icons/hicolor/48x48/apps/com.velorin.zarvo.png \
    usr/share/icons/hicolor/256x256/apps/com.velorin.zarvo.png usr/share/icons/hicolor/symbolic/apps/com.velorin.zarvo-symbolic.svg \
    usr/share/man/man1/zarvo.1.gz \
    usr/share/man/man1/zarvo-cli.1.gz usr/share/zarvo/autostart/com.velorin.zarvo.desktop \
    usr/share/doc/zarvo/copyright usr/share/doc/zarvo/changelog.gz usr/share/zarvo/translations/zarvo_de.qm \
    usr/share/zarvo/translations/zarvo_fr.qm usr/share/zarvo/translations/zarvo_en.qm; do
    grep -qxF "./$f" "$work/contents" || fail "the package lacks /$f"
done
# Nothing outside /usr, and nothing of the user's.
if grep -v -E '^\./(usr/.*)?$' "$work/contents"; then fail "the package puts files outside /usr"; fi

[ "$(dpkg-deb -f "$deb" Package)" = zarvo ] || fail "the package is not named zarvo"
depends=$(dpkg-deb -f "$deb" Depends)
for d in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6network6 libqt6dbus6 libplist3 libpoppler-qt6-3 \
    libglib2.0-0 libx11-6 libxtst6 qt6-qpa-plugins libqt6svg6 qt6-translations-l10n; do
    grep -qE "(^|, )$d( |,|$)" <<<"$depends" || fail "Depends lacks $d: $depends"
done
# Installed-Size is the unpacked size in KiB (each file rounded up), as dpkg-gencontrol counts it.
dpkg-deb -x "$deb" "$work/root"
counted=$(find "$work/root" -type f -printf '%s\n' | awk '{k += int(($1 + 1023) / 1024)} END {print k}')
declared=$(dpkg-deb -f "$deb" Installed-Size)
[ $((declared * 10)) -ge $((counted * 9)) ] && [ $((declared * 9)) -le $((counted * 11)) ] ||
    fail "Installed-Size says $declared KiB, the files take $counted KiB"
for entry in "$work"/root/usr/share/applications/*.desktop "$work"/root/usr/share/zarvo/autostart/*.desktop; do
    desktop-file-validate "$entry" || fail "$entry does not validate"
done
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --pedantic --no-net "$work/root/usr/share/metainfo/com.velorin.zarvo.metainfo.xml" ||
        fail "the AppStream metainfo does not validate"
fi
grep -q '^Exec=/usr/bin/zarvo$' "$work/root/usr/share/applications/com.velorin.zarvo.desktop" || fail "Exec does not start /usr/bin/zarvo"

if command -v lintian >/dev/null; then
    status=0
    lintian --fail-on error "$deb" >"$work/lintian" 2>&1 || status=$?
    grep -v '^running with root' "$work/lintian" || true
    [ $status -eq 0 ] || fail "lintian reports errors"
fi
echo "package $(basename "$deb"): $(stat -c %s "$deb") bytes, Installed-Size $declared KiB"

[ $install -eq 1 ] || exit 0
[ "$(id -u)" -eq 0 ] || fail "--install needs root"
export DEBIAN_FRONTEND=noninteractive
start=$(date +%s%N)
trap 'apt-get remove -y -qq zarvo >/dev/null 2>&1 || true; rm -rf "$work"' EXIT
apt-get install -y -qq "$deb" >"$work/apt.log" 2>&1 || { cat "$work/apt.log"; fail "apt could not install it"; }
echo "installed in $(( ($(date +%s%N) - start) / 1000000 )) ms"
home=$work/home
mkdir -p "$home/Downloads"
out=$(HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share XDG_CACHE_HOME=$home/.cache \
    ASAN_OPTIONS=detect_leaks=0 /usr/bin/zarvo-cli query dl)
grep -q Downloads <<<"$out" || fail "zarvo-cli query dl from /usr/bin answered: $out"
dpkg -L zarvo >"$work/files"
apt-get remove -y -qq zarvo >"$work/apt.log" 2>&1 || { cat "$work/apt.log"; fail "apt could not remove it"; }
while read -r f; do
    [ -d "$f" ] || [ ! -e "$f" ] || fail "$f is left after removal"
done <"$work/files"
[ -z "$(dpkg-query -W -f='${Status}' zarvo 2>/dev/null | grep ' installed')" ] || fail "zarvo is still installed"
echo "installed, ran zarvo-cli query dl from /usr/bin, removed"
