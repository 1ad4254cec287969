#!/usr/bin/env bash
# Runs the desktop tests on a private X server (Xvfb), with openbox as window manager and a private
# D-Bus session bus, in a sandbox home. Usage: run-desktop-tests.sh TEST_BINARY [gtest args]
set -euo pipefail
test_binary=$1
shift
. "$(dirname "$0")/../lib/desktop.sh"
need_tools "desktop tests" Xvfb openbox xdotool xclip xprop dbus-daemon

make_sandbox desktop
start_xvfb 91 1280x800x24 || { echo "could not start Xvfb"; cat "$sandbox/x.log"; exit 1; }
sandbox_home
export QT_QPA_PLATFORM=xcb
start_bus session
start_wm openbox
"$test_binary" "$@"
