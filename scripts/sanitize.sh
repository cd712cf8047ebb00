#!/usr/bin/env bash
# Builds everything (viewer, tests) with clang and the address and
# undefined-behaviour sanitizers into build-asan/ and runs the whole CTest
# suite there. Any report of a sanitizer fails the run.
#
#   scripts/sanitize.sh [CTEST ARGUMENTS...]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${ORVANT_ASAN_BUILD_DIR:-$here/build-asan}
flags="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"

generator=()
[ -f "$build/CMakeCache.txt" ] || generator=(-G Ninja)
cmake -S "$here" -B "$build" "${generator[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DORVANT_WERROR=ON -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_CXX_FLAGS="$flags" \
  -DORVANT_BUILD_BENCH=OFF -DORVANT_BUILD_TESTS=ON -DORVANT_BUILD_VIEWER=ON \
  -DORVANT_BUILD_PYTHON=OFF >/dev/null
cmake --build "$build" --parallel "${ORVANT_JOBS:-2}"

# abort_on_error: a report ends the test with a signal, never a quiet exit code.
# intercept_strndup=0: libxkbcommon-x11 (a system library, used by the X11
# checks) hands strndup a length past the end of an X reply that holds no NUL;
# nothing of this program calls strndup.
export ASAN_OPTIONS="intercept_strndup=0:halt_on_error=1:abort_on_error=1:detect_leaks=1:print_stacktrace=1:strict_string_checks=1:check_initialization_order=1:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="halt_on_error=1:abort_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$here/tests/lsan.supp:print_suppressions=0"
cd "$build"
ctest --output-on-failure --parallel "${ORVANT_JOBS:-2}" --timeout 300 "$@"
