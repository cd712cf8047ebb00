#!/usr/bin/env bash
# Builds the Debian package the way a distribution packager builds: a fresh
# build folder, a Release build with CMake's default generator, the
# distribution's hardening flags (dpkg-buildflags), warnings not errors, the
# core tests of that build, then `cpack -G DEB` from the same folder.
#
#   scripts/package.sh
#
# The packages land in build-package/ (ORVANT_PACKAGE_BUILD_DIR chooses another
# folder, which is made anew): orvant, and python3-orvant where the build has the
# Python module; the path of orvant's is the last line printed.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${ORVANT_PACKAGE_BUILD_DIR:-$here/build-package}
jobs=${ORVANT_JOBS:-2}
"$here/scripts/setup.sh"

rm -rf "$build"
cd "$here"
# No -g: the package ships stripped binaries and no debug symbols package.
eval "$(DEB_BUILD_MAINT_OPTIONS=hardening=+all DEB_CXXFLAGS_MAINT_STRIP=-g \
  dpkg-buildflags --export=sh)"
export CXXFLAGS="$CPPFLAGS $CXXFLAGS"
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release -DORVANT_BUILD_BENCH=OFF
cmake --build "$build" --parallel "$jobs"
(cd "$build" && ctest --output-on-failure --label-regex '^core$' --parallel "$jobs" --timeout 120)
(cd "$build" && cpack -G DEB)
# The Python module's package, where the build made the module.
if [ -f "$build/CPackPythonConfig.cmake" ]; then
  (cd "$build" && cpack --config CPackPythonConfig.cmake)
  ls "$build"/python3-orvant_*.deb
fi
ls "$build"/orvant_*.deb
