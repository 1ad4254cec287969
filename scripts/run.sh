#!/usr/bin/env bash
# Starts Zarvo from a build folder in the user's own session. Without a display there is nothing to
# show: the headless front end answers an example query instead.
set -euo pipefail
build=$(cd "${1:-build/release}" && pwd)
here=$(cd "$(dirname "$0")/.." && pwd)

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No graphical session here (DISPLAY is not set), so the panel cannot be shown."
    echo "This is what the headless front end answers:"
    echo "\$ zarvo-cli query dl"
    exec "$build/zarvo-cli" query dl
fi

# The application menu reaches the panel (and its clipboard and settings) through a desktop entry.
apps=${XDG_DATA_HOME:-$HOME/.local/share}/applications
mkdir -p "$apps"
sed "s|@ZARVO@|$build/zarvo|g" "$here/data/zarvo.desktop.in" >"$apps/com.velorin.zarvo.desktop"
rm -f "$apps/zarvo.desktop" # the entry's name before it took the application's identifier
command -v update-desktop-database >/dev/null 2>&1 && update-desktop-database "$apps" >/dev/null 2>&1 || true

echo "Starting Zarvo: Super+R opens the panel, Shift+Super+V the clipboard history; zarvo --quit ends it."
exec "$build/zarvo"
