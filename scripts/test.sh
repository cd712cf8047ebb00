#!/usr/bin/env bash
# Everything in one command: set-up, build, and every test through CTest.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/setup.sh"
"$here/scripts/build.sh"
build=${ORVANT_BUILD_DIR:-$here/build}
cd "$build"
ctest --output-on-failure --parallel "$(nproc)" --timeout 120
