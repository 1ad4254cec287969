#!/usr/bin/env bash
# Runs wayland_desktop_test.py in a Wayland compositor with XWayland, in a sandbox home with its own runtime
# folder and session bus. Usage: run-wayland-desktop.sh COMPOSITOR ZARVO ZARVO_CLI OUT_DIR COPY_HELPER
# COMPOSITOR: sway (headless) | weston (nested in Xvfb) | kwin (virtual) | sway-nested (in Xvfb without
# XWayland: Zarvo's windows stay on the Xvfb display, so the compositor can be killed and started again
# under it). sway refuses to run as root: as root, the session runs under a throwaway user id (setpriv).
set -euo pipefail

compositor=$1 zarvo=$2 cli=$3 out=$4 helper=$5
here=$(cd "$(dirname "$0")" && pwd)

needed=("$compositor" Xwayland xauth setpriv dbus-run-session /usr/bin/python3 wl-copy wl-paste xdotool xprop)
[ "$compositor" = weston ] && needed+=(Xvfb)
[ "$compositor" = sway-nested ] && needed=(sway Xvfb "${needed[@]:2}")
[ "$compositor" = kwin ] && needed=(kwin_wayland "${needed[@]:1}")
[ "$compositor" = sway ] && needed+=(swaymsg foot)
. "$here/../lib/desktop.sh"
need_tools "wayland test" "${needed[@]}"

make_sandbox wayland
chmod 755 "$sandbox"
mkdir -p "$out"
# The user the session runs as: ourselves, or (as root) an id no account uses.
if [ "$(id -u)" = 0 ]; then
    uid=$((60000 + RANDOM % 4000))
    while getent passwd "$uid" >/dev/null; do uid=$((uid + 1)); done
    as_user=(setpriv --reuid="$uid" --regid="$uid" --clear-groups)
else
    uid=$(id -u)
    as_user=()
fi
before_cleanup() { cp "$sandbox"/*.log "$sandbox"/*.png "$out"/ 2>/dev/null; }

# The entries folder is there from the start: KWin's application cache sees entries added to it later.
mkdir -p "$sandbox/home/.local/share/applications" "$sandbox/runtime" "$sandbox/etc-xdg" "$sandbox/system"
chmod 700 "$sandbox/runtime"
# XWayland asks for a cookie here (an inherited listening socket is not trusted as local): one
# wildcard cookie for whichever display number the compositor picks.
cookie=$(od -An -N16 -tx1 /dev/urandom | tr -d ' \n')
name=$(printf MIT-MAGIC-COOKIE-1 | od -An -tx1 | tr -d ' \n')
touch "$sandbox/xauth"
echo "ffff 0000  0000  0012 $name 0010 $cookie" | xauth -q -f "$sandbox/xauth" nmerge -
cat >"$sandbox/Xwayland" <<SCRIPT
#!/bin/sh
exec $(command -v Xwayland) -auth "$sandbox/xauth" "\$@"
SCRIPT
chmod 755 "$sandbox/Xwayland"

session_env=(env -i PATH=/usr/local/bin:/usr/bin:/bin HOME="$sandbox/home" XDG_RUNTIME_DIR="$sandbox/runtime"
    XDG_CONFIG_HOME="$sandbox/home/.config" XDG_DATA_HOME="$sandbox/home/.local/share"
    XDG_CACHE_HOME="$sandbox/home/.cache" XDG_DATA_DIRS="$sandbox/system:/usr/share"
    XDG_CONFIG_DIRS="$sandbox/etc-xdg" XAUTHORITY="$sandbox/xauth" LANG=C.UTF-8)

# What weston and KWin run once XWayland is up: the session's environment for the test.
printf '#!/bin/sh\nenv >"%s/session.env"\n' "$sandbox" >"$sandbox/session.sh"
chmod 755 "$sandbox/session.sh"
chown -R "$uid:$uid" "$sandbox"
xwayland=force
[ "$compositor" = sway-nested ] && xwayland=disable
printf 'xwayland %s\ndefault_border none\nexec env >"%s/session.env"\n' "$xwayland" "$sandbox" >"$sandbox/sway.conf"
case $compositor in
sway)
    "${as_user[@]}" "${session_env[@]}" XDG_CURRENT_DESKTOP=sway WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 \
        WLR_RENDERER=pixman WLR_XWAYLAND="$sandbox/Xwayland" sway -c "$sandbox/sway.conf" >"$sandbox/compositor.log" 2>&1 &
    ;;
sway-nested)
    start_xvfb 150 || fail "could not start Xvfb"
    # The test starts it again after killing it: the same command, logged after the first run's lines.
    cat >"$sandbox/compositor.sh" <<SH
#!/bin/sh
exec ${session_env[*]} DISPLAY=$DISPLAY XDG_CURRENT_DESKTOP=sway WLR_BACKENDS=x11 \\
    WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman sway -c "$sandbox/sway.conf" >>"$sandbox/compositor.log" 2>&1
SH
    chmod 755 "$sandbox/compositor.sh"
    "${as_user[@]}" "$sandbox/compositor.sh" &
    ;;
weston)
    # Nested in Xvfb: its X11 back end gives the seat a keyboard, which the headless one lacks.
    start_xvfb 150 || fail "could not start Xvfb"
    cat >"$sandbox/weston.ini" <<CONF
[core]
xwayland=true
idle-time=0
[xwayland]
path=$sandbox/Xwayland
[autolaunch]
path=$sandbox/session.sh
CONF
    "${as_user[@]}" "${session_env[@]}" DISPLAY="$DISPLAY" XDG_CURRENT_DESKTOP=weston weston --config="$sandbox/weston.ini" \
        --backend=x11-backend.so --use-pixman --xwayland --socket=wayland-zarvo >"$sandbox/compositor.log" 2>&1 &
    ;;
kwin)
    # A plain copy: the installed binary's file capability cannot be taken up by an unprivileged user
    # here. Its XWayland is found on PATH, so the cookie wrapper goes first there.
    mkdir -p "$sandbox/bin"
    cp "$(command -v kwin_wayland)" "$sandbox/bin/kwin_wayland"
    cp "$sandbox/Xwayland" "$sandbox/bin/Xwayland"
    # KWin finds desktop entries (which grant its restricted interfaces) through KDE's application menu.
    mkdir -p "$sandbox/etc-xdg/menus"
    cp /etc/xdg/menus/kf5-applications.menu "$sandbox/etc-xdg/menus/" 2>/dev/null || true
    "${as_user[@]}" "${session_env[@]}" PATH="$sandbox/bin:/usr/bin:/bin" QT_QPA_PLATFORM=offscreen \
        XDG_CURRENT_DESKTOP=KDE "$sandbox/bin/kwin_wayland" --virtual --xwayland --socket wayland-zarvo \
        --width 1280 --height 800 "$sandbox/session.sh" >"$sandbox/compositor.log" 2>&1 &
    ;;
*) fail "unknown compositor $compositor" ;;
esac
compositor_pid=$!
pids+=("$compositor_pid")

wait_for 10 sh -c "[ -s '$sandbox/session.env' ] || ! kill -0 $compositor_pid"
if [ ! -s "$sandbox/session.env" ]; then
    echo "the compositor did not start"
    cat "$sandbox/compositor.log"
    # A compositor that cannot run here at all (no headless back end, no XWayland) is a skip.
    exit 77
fi
mapfile -t joined < <(grep -E '^(WAYLAND_DISPLAY|DISPLAY|SWAYSOCK)=' "$sandbox/session.env")
"${as_user[@]}" "${session_env[@]}" "${joined[@]}" \
    XDG_CURRENT_DESKTOP="${compositor%-nested}" XDG_SESSION_TYPE=wayland ASAN_OPTIONS=detect_leaks=0 \
    ZARVO="$zarvo" ZARVO_CLI="$cli" ZARVO_SANDBOX="$sandbox" ZARVO_COMPOSITOR="$compositor" ZARVO_COPY_HELPER="$helper" \
    ZARVO_COMPOSITOR_PID="$compositor_pid" \
    dbus-run-session -- /usr/bin/python3 "$here/wayland_desktop_test.py"
