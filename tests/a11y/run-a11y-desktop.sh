#!/usr/bin/env bash
# Runs a Python script against the application on a private X server with a private session bus and
# its own accessibility bus, in a sandbox home. Usage:
#   run-a11y-desktop.sh ZARVO SCREENSHOT_DIR SCRIPT [ARGS...]
set -euo pipefail
zarvo=$1 shots=$2 script=$3
shift 3
py=/usr/bin/python3
. "$(dirname "$0")/../lib/desktop.sh"
need_tools "accessibility test" Xvfb openbox xdotool xprop import dbus-daemon "$py" /usr/libexec/at-spi-bus-launcher
"$py" -c 'import pyatspi' 2>/dev/null ||
    { echo "accessibility test skipped: python3-pyatspi is not installed (make deps installs it)"; exit 77; }

make_sandbox a11y
start_xvfb 201 || { echo "could not start the X server"; exit 1; }
sandbox_home X-Generic
mkdir -p "$shots"
unset AT_SPI_BUS_ADDRESS
# Settings (GSettings) in memory: nothing of the machine's, nothing written.
export GSETTINGS_BACKEND=memory NO_AT_BRIDGE=0
export ZARVO_SANDBOX=$sandbox ZARVO_SCREENSHOTS=$shots ZARVO=$zarvo
start_bus session
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$sandbox/a11y-bus.log" 2>&1 &
pids+=($!)
start_wm openbox
"$py" "$script" "$@"
