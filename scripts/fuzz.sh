#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, address and undefined-behaviour
# sanitizers) into build-fuzz/ and runs each one for a while on a copy of its
# seed corpus. Exits non-zero when a target finds a crash or a broken check.
#
#   scripts/fuzz.sh [SECONDS_PER_TARGET] [TARGET...]
#
# SECONDS_PER_TARGET defaults to 20. ORVANT_FUZZ_WORK names a folder that keeps
# the grown corpora and findings between runs (default: a temporary folder,
# removed afterwards unless something was found). The repository's corpus is
# never written.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-20}
shift || true
build=${ORVANT_FUZZ_BUILD_DIR:-$here/build-fuzz}

generator=()
[ -f "$build/CMakeCache.txt" ] || generator=(-G Ninja)
cmake -S "$here" -B "$build" "${generator[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DORVANT_WERROR=ON -DCMAKE_CXX_COMPILER=clang++ -DORVANT_FUZZ=ON -DORVANT_BUILD_VIEWER=OFF \
  -DORVANT_BUILD_TESTS=OFF -DORVANT_BUILD_BENCH=OFF -DORVANT_BUILD_PYTHON=OFF >/dev/null

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for seeds in "$here"/fuzz/corpus/*/; do
    targets+=("$(basename "$seeds")")
  done
fi
cmake --build "$build" --parallel 2 --target "${targets[@]}"

if [ -n "${ORVANT_FUZZ_WORK:-}" ]; then
  work=$ORVANT_FUZZ_WORK
  keep_work=1
else
  work=$(mktemp -d "${TMPDIR:-/tmp}/orvant-fuzz.XXXXXX")
  keep_work=0
fi
mkdir -p "$work"

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:halt_on_error=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}

failed=()
for target in "${targets[@]}"; do
  corpus=$work/$target/corpus
  findings=$work/$target/findings
  mkdir -p "$corpus" "$findings"
  cp -n "$here/fuzz/corpus/$target/"* "$corpus/" 2>/dev/null || true
  echo "== $target: ${seconds}s"
  if ! "$build/fuzz/$target" -max_total_time="$seconds" -max_len=10000 -timeout=10 \
      -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$findings/" \
      "$corpus" >"$work/$target/log" 2>&1; then
    failed+=("$target")
    tail -n 60 "$work/$target/log"
    echo "== $target FAILED; inputs in $findings"
  else
    grep -E '^stat::number_of_executed_units|^stat::peak_rss_mb' "$work/$target/log" || true
  fi
done

if [ ${#failed[@]} -ne 0 ]; then
  echo "Findings in: ${failed[*]} (kept in $work)"
  exit 1
fi
[ "$keep_work" -eq 1 ] || rm -rf "$work"
echo "No findings."
