#!/usr/bin/env bash
# Lays out the portable folder Zarvo/ from a built tree and packs it as a .tar.gz beside the build:
# both programs, their modules, Info.json, the desktop entry, the icons and the translations. A
# copy started from a download, a mounted image or a temporary folder offers to install itself from there.
set -euo pipefail
build=$(cd "${1:-build/release}" && pwd)
stage=$(mktemp -d "${TMPDIR:-/tmp}/zarvo-portable.XXXXXX")
trap 'rm -rf "$stage"' EXIT

cmake --install "$build" --prefix "$stage/usr" --strip >/dev/null
app="$stage/Zarvo"
mkdir -p "$app/icons"
cp "$stage/usr/bin/zarvo" "$stage/usr/bin/zarvo-cli" "$stage"/usr/lib/zarvo/*.so "$app/"
cp "$build/packaging/Info.json" "$app/Info.json"
cp "$stage/usr/share/applications/com.velorin.zarvo.desktop" "$stage/usr/share/metainfo/com.velorin.zarvo.metainfo.xml" "$app/"
cp -r "$stage/usr/share/icons/hicolor" "$app/icons/"
cp -r "$stage/usr/share/zarvo/translations" "$app/translations"
version=$(sed -n 's/.*"CFBundleShortVersionString": "\(.*\)".*/\1/p' "$app/Info.json")
build_number=$(sed -n 's/.*"CFBundleVersion": "\(.*\)".*/\1/p' "$app/Info.json")
out="$build/Zarvo-$version-$build_number-linux-$(uname -m).tar.gz"
tar -C "$stage" --owner=0 --group=0 --numeric-owner -czf "$out" Zarvo
echo "$out"
