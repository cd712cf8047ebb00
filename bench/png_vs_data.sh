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
python3 "$(dirname "$0")/make_captures.py" "$work/captures" "$count" --curves
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
