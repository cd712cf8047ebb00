#!/usr/bin/env bash
# orvant-export --png over N captures against the data files of the same captures, side by
# side in one run, each into a folder of its own, warm cache; prints the wall times (median
# of three), their ratio (target: 2 or less), pictures a second and the pictures' size.
# usage: bench/png_vs_data.sh [ORVANT_EXPORT] [N]
set -euo pipefail
program=${1:-build/src/app/orvant-export}
count=${2:-1000}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 - "$work/captures" "$count" <<'PY'
import math, os, sys
folder, count = sys.argv[1], int(sys.argv[2])
os.mkdir(folder)
def pair(b): return "%02X" % b
for i in range(count):
    settings = [0x00, 0x37, 0x00, 0x37, 0x30, 0x44, 0x32, 0x38]
    # Sines of many periods and amplitudes, with a little noise: curves as captured.
    samples = [max(0, min(255, round(131 + (30 + i % 90) * math.sin(k / (3 + i % 40))
                                     + 3 * math.sin(k * 12.9898 + i)))) for k in range(512)]
    text = "".join(pair(0x10 + j) for j in range(10)) + "".join(pair(b) for b in settings)
    text += "0000" + "".join(pair(ord(c)) for c in "01") + "".join(pair(ord(c)) for c in "0400")
    text += "".join(pair(ord(c)) for s in samples for c in "%02X" % s)
    with open(os.path.join(folder, "capture %05d.log" % i), "w") as f:
        f.write(text + "\r\n")
PY
mkdir "$work/png" "$work/data"
timed() { local start end; start=$(date +%s%N); "$@" > /dev/null; end=$(date +%s%N); echo $(( (end - start) / 1000000 )); }
median() { printf '%s\n' "$@" | sort -n | sed -n 2p; }
cat "$work/captures"/* > /dev/null # warm the cache
pictures=(); datas=()
for run in 1 2 3; do
  datas+=("$(timed "$program" --to "$work/data" "$work/captures"/*)")
  pictures+=("$(timed "$program" --png --to "$work/png" "$work/captures"/*)")
done
p=$(median "${pictures[@]}"); d=$(median "${datas[@]}")
bytes=$(du -sb "$work/png" | cut -f1)
echo "captures: $count"
echo "data files: $d ms, pictures: $p ms (medians of three)"
echo "ratio: $(python3 -c "print(round($p / $d, 2))"), $(python3 -c "print(round($count * 1000 / $p))") pictures a second, $(( bytes / count )) bytes a picture"
