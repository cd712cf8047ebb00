#!/usr/bin/env bash
# orvant-export --table over N captures against cat reading the same files, both with
# a warm cache, side by side; prints the wall times (median of three) and their ratio.
# usage: bench/table_vs_cat.sh [ORVANT_EXPORT] [N]
set -euo pipefail
program=${1:-build/src/app/orvant-export}
count=${2:-10000}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 - "$work/captures" "$count" <<'PY'
import os, sys
folder, count = sys.argv[1], int(sys.argv[2])
os.mkdir(folder)
def pair(b): return "%02X" % b
for i in range(count):
    settings = [0x00, 0x37, 0x00, 0x37, 0x30, 0x44, 0x32, 0x38]
    samples = [131 + (50 if ((k + i) // 25) % 2 else -50) for k in range(512)]
    text = "".join(pair(0x10 + j) for j in range(10)) + "".join(pair(b) for b in settings)
    text += "0000" + "".join(pair(ord(c)) for c in "01") + "".join(pair(ord(c)) for c in "0400")
    text += "".join(pair(ord(c)) for s in samples for c in "%02X" % s)
    with open(os.path.join(folder, "capture %05d.log" % i), "w") as f:
        f.write(text + "\r\n")
PY
timed() { local start end; start=$(date +%s%N); "$@" > /dev/null; end=$(date +%s%N); echo $(( (end - start) / 1000000 )); }
median() { printf '%s\n' "$@" | sort -n | sed -n 2p; }
cat "$work/captures"/* > /dev/null # warm the cache
tables=(); cats=()
for run in 1 2 3; do
  cats+=("$(timed sh -c "cat '$work/captures'/*")")
  tables+=("$(timed "$program" --table "$work/captures")")
done
t=$(median "${tables[@]}"); c=$(median "${cats[@]}")
echo "captures: $count"
echo "cat: $c ms, orvant-export --table: $t ms (medians of three)"
echo "ratio: $(python3 -c "print(round($t / $c, 2))")"
