#!/usr/bin/env bash
# Everything in one command: set-up, build, and start the viewer.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/setup.sh"
"$here/scripts/build.sh"
build=${ORVANT_BUILD_DIR:-$here/build}
exec "$build/src/app/orvant" "$@"
