#!/usr/bin/env bash
# orvant.table() of the Python module over N captures against orvant-export --table over
# the same files, both with a warm cache, side by side; prints the wall times (median of
# three) and their ratio (target: 1.2 or less).
# usage: bench/python_table_vs_export.sh [BUILD_FOLDER] [N]
set -euo pipefail
build=${1:-build}
count=${2:-10000}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
/usr/bin/python3 "$(dirname "$0")/make_captures.py" "$work/captures" "$count"
timed() { local start end; start=$(date +%s%N); "$@" > /dev/null; end=$(date +%s%N); echo $(( (end - start) / 1000000 )); }
median() { printf '%s\n' "$@" | sort -n | sed -n 2p; }
cat "$work/captures"/* > /dev/null # warm the cache
exports=(); modules=()
for run in 1 2 3; do
  exports+=("$(timed "$build/src/app/orvant-export" --table "$work/captures")")
  modules+=("$(timed env PYTHONPATH="$build/src/python" /usr/bin/python3 -c \
    "import orvant, sys; orvant.table(sys.argv[1])" "$work/captures")")
done
e=$(median "${exports[@]}"); m=$(median "${modules[@]}")
echo "captures: $count"
echo "orvant-export --table: $e ms, orvant.table(): $m ms (medians of three, Python's start included)"
echo "ratio: $(/usr/bin/python3 -c "print(round($m / $e, 2))")"
