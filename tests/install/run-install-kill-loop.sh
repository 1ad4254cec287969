#!/usr/bin/env bash
# A kill at any moment of an install leaves a working installed copy. In a sandbox home, the driver
# installs two portable folders of different builds in turn and is killed with SIGKILL after a random
# delay spread over an uninterrupted install; after each kill the installed copy must be one of the two,
# whole, and the user's files untouched. At the end an uninterrupted install leaves nothing staged.
# Usage: run-install-kill-loop.sh INSTALL_DRIVER [ROUNDS]
set -euo pipefail
driver=$1
rounds=${2:-40}

sandbox=$(mktemp -d "${TMPDIR:-/tmp}/zarvo-kill.XXXXXX")
trap 'rm -rf "$sandbox"' EXIT
fail() { echo "FAIL: $*" >&2; cat "$sandbox/driver.log" >&2 2>/dev/null || true; exit 1; }

export HOME=$sandbox/home
export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share XDG_CACHE_HOME=$HOME/.cache
export XDG_RUNTIME_DIR=$sandbox/runtime
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset DBUS_SESSION_BUS_ADDRESS SESSION_MANAGER
export QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0

# Two portable folders as `make portable` lays them out, with a large module and many small icons so
# that copying takes most of an install; they differ in their build and in their programs.
make_copy() { # FOLDER BUILD
    local folder=$1 build=$2
    mkdir -p "$folder/icons/hicolor/scalable/apps"
    printf '{\n    "CFBundleIdentifier": "com.velorin.zarvo",\n    "CFBundleVersion": "%s",\n    "CFBundleShortVersionString": "0.%s"\n}\n' \
        "$build" "$build" >"$folder/Info.json"
    printf '#!/bin/sh\necho build %s\n' "$build" >"$folder/zarvo"
    chmod 755 "$folder/zarvo"
    ln -s zarvo "$folder/zarvo-cli"
    head -c 3000000 /dev/urandom >"$folder/zarvo-desktop.so"
    for size in 16 22 24 32 48 64 96 128 192 256 384 512; do
        mkdir -p "$folder/icons/hicolor/${size}x${size}/apps"
        head -c $((size * 300)) /dev/urandom >"$folder/icons/hicolor/${size}x${size}/apps/com.velorin.zarvo.png"
    done
    for i in $(seq 1 20); do head -c 20000 /dev/urandom >"$folder/icons/hicolor/scalable/apps/part$i.svg"; done
    printf '[Desktop Entry]\nType=Application\nName=Zarvo\nExec=zarvo\n' >"$folder/com.velorin.zarvo.desktop"
}
A=$sandbox/a/Zarvo B=$sandbox/b/Zarvo
make_copy "$A" 101
make_copy "$B" 102
opt=$HOME/.local/opt
dest=$opt/Zarvo

# The user's own files: settings, history, clips. Nothing may change them.
mkdir -p "$XDG_CONFIG_HOME/zarvo" "$XDG_DATA_HOME/Zarvo/Clipboard"
echo '{"automaticallyChecksForUpdates": true}' >"$XDG_CONFIG_HOME/zarvo/com.velorin.zarvo.json"
echo '[{"query": "dl", "count": 3}]' >"$XDG_DATA_HOME/Zarvo/History.json"
head -c 50000 /dev/urandom >"$XDG_DATA_HOME/Zarvo/Clipboard/clips.db"
user_files() { find "$XDG_CONFIG_HOME" "$XDG_DATA_HOME/Zarvo" -type f -print0 | sort -z | xargs -0 sha256sum; }
user_before=$(user_files)

same() { diff -r --no-dereference "$1" "$2" >/dev/null 2>&1; }
staged() { find "$opt" -mindepth 1 -maxdepth 1 -name '.Zarvo-*' -type d 2>/dev/null | sort; }
now_ms() { echo $(($(date +%s%N) / 1000000)); }

# Uninterrupted installs: they must work, and tell how long one takes from the driver's "installing".
# Each first removes a leftover, as the installs after a kill do.
durations=()
for copy in "$A" "$B" "$A" "$B" "$A"; do
    mkdir -p "$opt" && cp -r "$B" "$opt/.Zarvo-leftover"
    "$driver" "$copy" >"$sandbox/driver.out" 2>"$sandbox/driver.log" || fail "an uninterrupted install failed"
    durations+=("$(sed -n 's/^installed in \([0-9]*\) ms$/\1/p' "$sandbox/driver.out")")
    same "$copy" "$dest" || fail "the installed copy differs from the one installed"
done
[ -z "$(staged)" ] || fail "an uninterrupted install left $(staged)"
span=$(printf '%s\n' "${durations[@]}" | sort -n | sed -n 3p) # the median
echo "uninterrupted installs took ${durations[*]} ms; kills come 0..$span ms after the start," \
    "every other one in the last third"

declare -A phases=()
count() { phases[$1]=$((${phases[$1]:-0} + 1)); }
loop_start=$(now_ms)
for round in $(seq 1 "$rounds"); do
    # Always the other build than the one in place, which the last kill may have left either way.
    if same "$A" "$dest"; then new=$B old=$A; else new=$A old=$B; fi
    # Uniform over the install, and every other kill from its last third on, where the swap lies
    # (installs under load take longer than the median).
    if [ $((round % 2)) -eq 1 ]; then delay=$((RANDOM % (span + 1))); else
        delay=$((span * 2 / 3 + RANDOM % (span * 2 / 3 + 1)))
    fi
    coproc DRIVER { exec "$driver" "$new" 2>"$sandbox/driver.log"; }
    pid=$DRIVER_PID
    read -r line <&"${DRIVER[0]}" || true
    [ "$line" = installing ] || fail "round $round: the driver did not start ($line)"
    sleep "$((delay / 1000)).$(printf '%03d' $((delay % 1000)))"
    kill -KILL "$pid" 2>/dev/null || true
    status=0
    wait "$pid" 2>/dev/null || status=$?
    case $status in
    0) killed=no ;;
    137) killed=yes ;;
    *) fail "round $round: the driver failed ($status)" ;;
    esac

    # A whole copy of one of the two builds, whatever the moment.
    [ -d "$dest" ] || fail "round $round (killed after $delay ms): no installed copy"
    if same "$new" "$dest"; then now=new; elif same "$old" "$dest"; then now=old; else
        diff -r --no-dereference "$old" "$dest" | head -n 5 >&2
        fail "round $round (killed after $delay ms): the installed copy is neither build"
    fi
    /usr/bin/python3 -c 'import json, sys; json.load(open(sys.argv[1]))' "$dest/Info.json" ||
        fail "round $round: Info.json does not parse"
    [ "$(user_files)" = "$user_before" ] || fail "round $round: the user's files changed"

    # Which moment the kill hit, told by what it left.
    left=$(staged)
    if [ "$killed" = no ]; then
        count "finished before the kill"
        [ "$now" = new ] || fail "round $round: a finished install left the old copy"
    elif [ "$now" = old ]; then
        if [ -z "$left" ]; then count "before copying (lock, cleanup)"
        elif [ "$(echo "$left" | wc -l)" -eq 1 ] && same "$new" "$left"; then count "copied, before the swap"
        else count "while copying"; fi
    else
        if [ -n "$left" ] && [ "$(echo "$left" | wc -l)" -eq 1 ] && same "$old" "$left"; then
            count "swapped, before the old copy went to the Trash"
        elif [ -n "$left" ]; then count "while moving the old copy to the Trash"
        else count "old copy in the Trash, before exit"; fi
    fi
    # The Trash would only grow; what is in it is not under test.
    rm -rf "$XDG_DATA_HOME/Trash"
done
loop_ms=$(($(now_ms) - loop_start))

# The next uninterrupted install cleans up whatever the last kill left.
if same "$A" "$dest"; then last=$B; else last=$A; fi
"$driver" "$last" >"$sandbox/driver.out" 2>"$sandbox/driver.log" || fail "the final install failed"
same "$last" "$dest" || fail "the final install did not install"
[ -z "$(staged)" ] || fail "the final install left $(staged)"
[ "$(user_files)" = "$user_before" ] || fail "the user's files changed"

echo "$rounds kills in $loop_ms ms; where they landed:"
for phase in "${!phases[@]}"; do printf '  %3d  %s\n' "${phases[$phase]}" "$phase"; done | sort -k2
echo "every kill left a whole copy of one build; the user's files are unchanged; nothing is left staged"
