#!/usr/bin/env bash
# A kill at any moment of an install leaves a working installed copy. In a sandbox home, the driver
# installs two portable folders of different builds in turn and is killed with SIGKILL after a random
# delay spread over an uninterrupted install; after each kill the installed copy must be one of the two,
# whole, and the user's files untouched. At the end an uninterrupted install leaves nothing staged.
# Then again with NO_EXCHANGE preloaded, as on a file system that swaps by two renames: a kill between
# them leaves the old copy aside, and the next start of a copy must put it back.
# Usage: run-install-kill-loop.sh INSTALL_DRIVER NO_EXCHANGE [ROUNDS [ROUNDS_WITHOUT_EXCHANGE]]
set -euo pipefail
driver=$1
no_exchange=$2
rounds=${3:-40}
two_rename_rounds=${4:-14}

. "$(dirname "$0")/../lib/desktop.sh"
make_sandbox kill
logs=driver

sandbox_home
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
# The machine's load changes how long an install takes: a late kill that still finds the copy being
# made lengthens the span, an install that finished before its kill shortens it.
adapt() { # DELAY: copying|finished
    if [ "$2" = copying ] && [ "$1" -ge $((span * 2 / 3)) ]; then span=$((span + span / 4)); fi
    if [ "$2" = finished ]; then span=$((span - span / 8)); fi
    true
}
# One install killed after a random delay, and what it left checked. MODE: exchange or renames.
kill_round() {
    local mode=$1 round=$2 new old delay pid line status killed now left preload=""
    # Always the other build than the one in place, which the last kill may have left either way.
    if same "$A" "$dest"; then new=$B old=$A; else new=$A old=$B; fi
    if [ "$mode" = exchange ]; then
        # Uniform over the install, and every other kill from its last third on, where the swap lies
        # (installs under load take longer than the median).
        if [ $((round % 2)) -eq 1 ]; then delay=$((RANDOM % (span + 1))); else
            delay=$((span * 2 / 3 + RANDOM % (span * 2 / 3 + 1)))
        fi
    else
        # From the last third on, through the pause between the two renames.
        delay=$((span * 2 / 3 + RANDOM % (span / 2 + 250)))
        preload=$no_exchange
    fi
    coproc DRIVER {
        ASAN_OPTIONS=detect_leaks=0:verify_asan_link_order=0 LD_PRELOAD=$preload exec "$driver" "$new" 2>"$sandbox/driver.log"
    }
    pid=$DRIVER_PID
    read -r line <&"${DRIVER[0]}" || true
    [ "$line" = installing ] || fail "$mode round $round: the driver did not start ($line)"
    sleep "$((delay / 1000)).$(printf '%03d' $((delay % 1000)))"
    kill -KILL "$pid" 2>/dev/null || true
    status=0
    wait "$pid" 2>/dev/null || status=$?
    case $status in
    0) killed=no ;;
    137) killed=yes ;;
    *) fail "$mode round $round: the driver failed ($status)" ;;
    esac

    left=$(staged)
    if [ ! -d "$dest" ]; then
        # Only between the two renames, with the old copy whole aside; a starting copy puts it back.
        [ "$mode" = renames ] || fail "round $round (killed after $delay ms): no installed copy"
        echo "$left" | grep -q -- '-old$' || fail "$mode round $round: no installed copy, none aside"
        same "$old" "$(echo "$left" | grep -- '-old$')" || fail "$mode round $round: the copy aside is not whole"
        "$driver" --start >/dev/null 2>"$sandbox/driver.log" || fail "$mode round $round: a start failed"
        [ -d "$dest" ] || fail "$mode round $round: the start did not put the old copy back"
        [ -z "$(staged)" ] || fail "$mode round $round: the start left $(staged)"
        count "$mode: between the two renames (put back by the next start)"
        left=""
        killed=back
    fi
    # A whole copy of one of the two builds, whatever the moment.
    if same "$new" "$dest"; then now=new; elif same "$old" "$dest"; then now=old; else
        diff -r --no-dereference "$old" "$dest" | head -n 5 >&2
        fail "$mode round $round (killed after $delay ms): the installed copy is neither build"
    fi
    [ "$(user_files)" = "$user_before" ] || fail "$mode round $round: the user's files changed"

    # Which moment the kill hit, told by what it left.
    if [ "$killed" = back ]; then
        [ "$now" = old ] || fail "$mode round $round: what was put back is not the old copy"
    elif [ "$killed" = no ]; then
        count "$mode: finished before the kill"
        adapt "$delay" finished
        [ "$now" = new ] || fail "$mode round $round: a finished install left the old copy"
    elif [ "$now" = old ]; then
        if [ -z "$left" ]; then count "$mode: before copying (lock, cleanup)"
        elif [ "$(echo "$left" | wc -l)" -eq 1 ] && same "$new" "$left"; then count "$mode: copied, before the swap"
        else
            count "$mode: while copying"
            adapt "$delay" copying
        fi
    else
        if [ -n "$left" ] && [ "$(echo "$left" | wc -l)" -eq 1 ] && same "$old" "$left"; then
            if [[ $left == *-old ]]; then count "$mode: after the second rename, before the old copy's third"
            else count "$mode: swapped, before the old copy went to the Trash"; fi
        elif [ -n "$left" ]; then count "$mode: while moving the old copy to the Trash"
        else count "$mode: old copy in the Trash, before exit"; fi
    fi
    # The Trash would only grow; what is in it is not under test.
    rm -rf "$XDG_DATA_HOME/Trash"
}

loop_start=$(now_ms)
for round in $(seq 1 "$rounds"); do kill_round exchange "$round"; done
for round in $(seq 1 "$two_rename_rounds"); do kill_round renames "$round"; done
loop_ms=$(($(now_ms) - loop_start))

# The next uninterrupted install cleans up whatever the last kill left.
if same "$A" "$dest"; then last=$B; else last=$A; fi
"$driver" "$last" >"$sandbox/driver.out" 2>"$sandbox/driver.log" || fail "the final install failed"
same "$last" "$dest" || fail "the final install did not install"
[ -z "$(staged)" ] || fail "the final install left $(staged)"
[ "$(user_files)" = "$user_before" ] || fail "the user's files changed"

echo "$((rounds + two_rename_rounds)) kills in $loop_ms ms, the span ending at $span ms ($rounds swapping by exchange," \
    "$two_rename_rounds by two renames); where they landed:"
for phase in "${!phases[@]}"; do printf '  %3d  %s\n' "${phases[$phase]}" "$phase"; done | sort -t: -k1,1 -k2
echo "every kill left a whole copy of one build (or the old one aside, put back by the next start);" \
    "the user's files are unchanged; nothing is left staged"
