#!/usr/bin/env bash
# orvant-export --table over N captures against cat reading the same files, both with
# a warm cache, side by side; prints the wall times (median of three) and their ratio.
# usage: bench/table_vs_cat.sh [ORVANT_EXPORT] [N]
set -euo pipefail
program=${1:-build/src/app/orvant-export}
count=${2:-10000}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 "$(dirname "$0")/make_captures.py" "$work/captures" "$count"
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
