#!/usr/bin/env bash
# Files a 1 MB text copy and reads it back, one process per command, with Zarvo's clip store and with
# CopyQ (its server under a private Xvfb display) on the same data. Prints the time per add+read pair.
set -uo pipefail
build=${1:-build/bench}
bench="$build/bench/bench_clips"
[ -x "$bench" ] || { echo "bench_clips.sh: $bench not built"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 -c "
import random
random.seed(7)
w=['alpha','report','meeting','invoice','kernel','window','paste','history']
s=' '.join(random.choice(w) for _ in range(200000))[:1000000]
open('$work/text','w').write(s)"
rounds=10

now() { date +%s%N; }
start=$(now)
for i in $(seq $rounds); do
    { echo "$i"; cat "$work/text"; } | "$bench" --add "$work/zarvo" || exit 1
    "$bench" --read "$work/zarvo" > /dev/null || exit 1
done
ours=$(( ($(now) - start) / rounds / 1000 ))
echo "bench clips_cli_add_read_1mb: $(awk "BEGIN{printf \"%.1f\", $ours/1000}") ms"

if ! command -v copyq > /dev/null || ! command -v xvfb-run > /dev/null; then
    echo "# copyq or xvfb-run not installed: no comparison"
    exit 0
fi
export XDG_CONFIG_HOME="$work/copyq-config" XDG_DATA_HOME="$work/copyq-data" XDG_CACHE_HOME="$work/copyq-cache"
cat > "$work/peer.sh" <<PEER
copyq > /dev/null 2>&1 &
for _ in \$(seq 100); do copyq size > /dev/null 2>&1 && break; sleep 0.1; done
start=\$(date +%s%N)
for i in \$(seq $rounds); do
    { echo "\$i"; cat "$work/text"; } | copyq add - > /dev/null || exit 1
    copyq read 0 > /dev/null || exit 1
done
echo \$(( (\$(date +%s%N) - start) / $rounds / 1000 ))
copyq exit > /dev/null 2>&1
PEER
peer=$(timeout 300 xvfb-run -a bash "$work/peer.sh" 2> /dev/null | tail -1)
if [[ "$peer" =~ ^[0-9]+$ ]] && [ "$peer" -gt 0 ]; then
    echo "bench copyq_cli_add_read_1mb: $(awk "BEGIN{printf \"%.1f\", $peer/1000}") ms"
    echo "ratio $(awk "BEGIN{printf \"%.2f\", $ours/$peer}") vs copyq"
else
    echo "# copyq did not run here: no comparison"
fi
