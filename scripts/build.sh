#!/usr/bin/env bash
# Configures and builds ORVANT into build/ (or $ORVANT_BUILD_DIR).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${ORVANT_BUILD_DIR:-$here/build}
generator=()
[ -f "$build/CMakeCache.txt" ] || generator=(-G Ninja)
cmake -S "$here" -B "$build" "${generator[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DORVANT_WERROR=ON "$@" >/dev/null
cmake --build "$build" --parallel "$(nproc)"
