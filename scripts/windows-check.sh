#!/usr/bin/env bash
# The Qt-free part of ORVANT on Windows: cross-builds the core, orvant-export.exe
# and the tests that need no window with MinGW-w64, runs the tests under Wine
# (a throw-away prefix, no display), and checks that orvant-export.exe writes
# the sample captures' data and CSV files byte for byte as the Linux build does
# and reports failures alike. Prints the counts and the time it took.
# Builds into build-win/ ($ORVANT_WIN_BUILD_DIR); the Linux orvant-export comes
# from $ORVANT_BUILD_DIR (build/) when it is there, else it is built into
# build-win/linux. Installs what it lacks with apt (as root or through sudo).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${ORVANT_WIN_BUILD_DIR:-$here/build-win}
linux_build=${ORVANT_BUILD_DIR:-$here/build}
toolchain=$here/cmake/mingw-w64-x86_64.cmake
jobs=$(nproc)

step() { printf '== %s\n' "$*"; }
seconds() { date +%s; }

# --- packages ---------------------------------------------------------------
packages=(g++-mingw-w64-x86-64-posix wine wine64 googletest libcli11-dev libeigen3-dev cmake ninja-build g++
  python3)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  step "installing ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
started=$(seconds)

# --- a Wine prefix of this run only, without a display -----------------------
unset DISPLAY WAYLAND_DISPLAY
export WINEDEBUG=-all WINEARCH=win64
# No downloads of the .NET and HTML engines while the prefix is made.
export WINEDLLOVERRIDES="mscoree,mshtml="
WINEPREFIX=$(mktemp -d "${TMPDIR:-/tmp}/orvant-wine.XXXXXX")
export WINEPREFIX
work=$(mktemp -d "${TMPDIR:-/tmp}/orvant-win-export.XXXXXX")
cleanup() {
  wineserver -k 2>/dev/null || true
  rm -rf "$WINEPREFIX" "$work"
}
trap cleanup EXIT
step "Wine prefix $WINEPREFIX"
# One server for the build's generators and all the short test runs, not one
# each; it waits for them and ends with the prefix.
wineserver -p
# Made in the background while the compiler works.
(timeout 300 wineboot --init </dev/null >/dev/null 2>&1) &
wineboot_pid=$!

# --- GoogleTest for the cross compiler, from Debian's sources ----------------
gtest_prefix=$build/googletest-prefix
if [ ! -f "$gtest_prefix/lib/cmake/GTest/GTestConfig.cmake" ]; then
  step "GoogleTest for MinGW-w64"
  cmake -S /usr/src/googletest -B "$build/googletest" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release -DBUILD_GMOCK=OFF \
    -DCMAKE_INSTALL_PREFIX="$gtest_prefix" >/dev/null
  nice -n 10 cmake --build "$build/googletest" --parallel "$jobs" >/dev/null
  cmake --install "$build/googletest" >/dev/null
fi

# --- header-only libraries where the cross compiler looks for them -------------
# Their Debian headers and CMake files, copied into a prefix of their own: the
# toolchain searches only below CMAKE_FIND_ROOT_PATH, and /usr/include there
# would put the system's C library headers before MinGW's own.
headers_prefix=$build/headers-prefix
mkdir -p "$headers_prefix/include" "$headers_prefix/share/cmake"
# Their times kept, so that a second run rebuilds nothing for them.
cp -a /usr/include/CLI "$headers_prefix/include/"
cp -a /usr/share/cmake/CLI11 "$headers_prefix/share/cmake/"
cp -a /usr/include/eigen3 "$headers_prefix/include/"
mkdir -p "$headers_prefix/share/eigen3"
cp -a /usr/share/eigen3/cmake "$headers_prefix/share/eigen3/"

# --- the cross build ------------------------------------------------------------
step "cross build (core, orvant-export.exe, tests)"
win=$build/orvant
# No debug information: the binaries only run here, and it halves the build.
cmake -S "$here" -B "$win" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -DNDEBUG" \
  -DORVANT_WERROR=ON -DORVANT_BUILD_VIEWER=OFF -DORVANT_BUILD_BENCH=OFF -DORVANT_BUILD_PYTHON=OFF \
  -DCMAKE_FIND_ROOT_PATH="$gtest_prefix;$headers_prefix" -DCMAKE_CROSSCOMPILING_EMULATOR=wine \
  >/dev/null
# The generators of the sample captures run under Wine during the build.
wait "$wineboot_pid" || { echo "wineboot failed" >&2; exit 1; }
nice -n 10 cmake --build "$win" --parallel "$jobs" >"$work/build.log" 2>&1 \
  || { cat "$work/build.log"; exit 1; }
built=$(seconds)

# --- the tests under Wine -------------------------------------------------------
step "tests under Wine"
junit=$work/tests.xml
tests_ok=true
(cd "$win" && ctest --parallel "$jobs" --timeout 120 --output-on-failure \
  --output-junit "$junit" >"$work/ctest.log" 2>&1) || tests_ok=false
$tests_ok || cat "$work/ctest.log"
python3 - "$junit" <<'EOF'
import re, sys, xml.etree.ElementTree as ET
suite = ET.parse(sys.argv[1]).getroot()
cases = suite.findall("testcase")
skipped = [c for c in cases if c.find("skipped") is not None]
failed = [c for c in cases if c.get("status") == "fail"]
print(f"tests under Wine: {len(cases)} ran, {len(cases) - len(skipped) - len(failed)} passed, "
      f"{len(skipped)} skipped, {len(failed)} failed")
for case in skipped:
    out = case.findtext("system-out") or ""
    reason = re.search(r": Skipped\n(.*)\n", out)
    print(f"  skipped {case.get('name')}: {reason.group(1) if reason else '?'}")
for case in failed:
    print(f"  FAILED {case.get('name')}")
EOF
tested=$(seconds)

# --- orvant-export.exe against the Linux build ------------------------------
linux_export=$linux_build/src/app/orvant-export
linux_samples=$linux_build/assets/generated/samples
if [ ! -x "$linux_export" ] || [ ! -d "$linux_samples" ]; then
  step "Linux orvant-export"
  linux_build=$build/linux
  cmake -S "$here" -B "$linux_build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DORVANT_BUILD_VIEWER=OFF -DORVANT_BUILD_TESTS=OFF -DORVANT_BUILD_BENCH=OFF >/dev/null
  nice -n 10 cmake --build "$linux_build" --parallel "$jobs" \
    --target orvant-export orvant_assets >/dev/null
  linux_export=$linux_build/src/app/orvant-export
  linux_samples=$linux_build/assets/generated/samples
fi
step "orvant-export.exe against $linux_export"
export_ok=true
fail() {
  echo "  MISMATCH: $*"
  export_ok=false
}

# The samples the Windows generator made are the Linux ones.
for sample in "$linux_samples"/*.log; do
  cmp -s "$sample" "$win/assets/generated/samples/$(basename "$sample")" \
    || fail "sample capture $(basename "$sample") differs from the one made on Windows"
done

# The captures: the samples, one with a name beyond ASCII, and three that fail:
# a missing file (53), a folder (75), an empty file (62).
mkdir -p "$work/in" "$work/linux" "$work/windows"
cp "$linux_samples"/*.log "$work/in/"
cp "$linux_samples/Ramp 0.5V-div 20mS-div.log" "$work/in/Messung Ä 1.log"
mkdir "$work/in/folder.log"
: >"$work/in/empty.log"
first="Sine 1V-div 1mS-div.log"
captures=("$first")
for f in "$work/in"/*.log; do
  [ "$(basename "$f")" = "$first" ] || captures+=("$(basename "$f")")
done
captures+=(missing.log)

# The same relative names on both, so that the failure lines read alike; on
# Windows the first capture and the folder in Windows form.
windows_path() { local path=${1//\//\\}; echo "Z:$path"; }
linux_rc=0
(cd "$work/in" && "$linux_export" --to "$work/linux" "${captures[@]}") \
  >"$work/linux.out" 2>"$work/linux.err" || linux_rc=$?
windows_rc=0
windows_to=$(windows_path "$work/windows")
(cd "$work/in" && wine "$win/src/app/orvant-export.exe" --to "$windows_to" \
  "$(windows_path "$work/in/${captures[0]}")" "${captures[@]:1}") \
  >"$work/windows.out" 2>"$work/windows.err" || windows_rc=$?

[ "$linux_rc" -eq "$windows_rc" ] || fail "exit code $windows_rc on Windows, $linux_rc on Linux"
tr -d '\r' <"$work/windows.err" | diff "$work/linux.err" - >/dev/null \
  || fail "failure reports differ: $(tr -d '\r' <"$work/windows.err" | diff "$work/linux.err" -)"
grep -c ' Data File.txt$' "$work/linux.out" >"$work/linux.count" || true
tr -d '\r' <"$work/windows.out" | grep -c ' Data File.txt$' >"$work/windows.count" || true
cmp -s "$work/linux.count" "$work/windows.count" \
  || fail "written files reported: $(cat "$work/windows.count") on Windows, $(cat "$work/linux.count") on Linux"
grep -Fq "$windows_to\\" "$work/windows.out" \
  || fail "no file reported under the folder given in Windows form ($windows_to)"

# Bodies from line 2 on; line 1 holds the moment of writing.
first_line=$'^C:\\\\ORVANT Data File [0-9]{4}-[0-9]{2}-[0-9]{2} [0-9]{2}:[0-9]{2}:[0-9]{2}\r$'
files=0
identical=0
for linux_file in "$work/linux"/*; do
  name=$(basename "$linux_file")
  windows_file=$work/windows/$name
  files=$((files + 1))
  if [ ! -f "$windows_file" ]; then
    fail "$name not written on Windows"
    continue
  fi
  line1=$(head -n 1 "$windows_file")
  [[ $line1 =~ $first_line ]] || fail "$name: line 1 reads otherwise: $line1"
  if cmp -s <(tail -n +2 "$linux_file") <(tail -n +2 "$windows_file"); then
    identical=$((identical + 1))
  else
    fail "$name differs from the Linux file"
  fi
done
extra=$(comm -13 <(ls "$work/linux") <(ls "$work/windows") | wc -l)
[ "$extra" -eq 0 ] || fail "$extra files written on Windows only"

# --stdout: the lines on a redirected standard output, CR LF not doubled.
sample="Square 2V-div 0.5mS-div.log"
(cd "$work/in" && wine "$win/src/app/orvant-export.exe" --stdout "$sample") >"$work/stdout.txt"
cmp -s <(tail -n +2 "$work/linux/${sample%.log} Data File.txt") <(tail -n +2 "$work/stdout.txt") \
  || fail "--stdout differs from the data file"

# --csv: the curves, byte for byte (no moment in them).
mkdir -p "$work/linux-csv" "$work/windows-csv"
(cd "$work/in" && "$linux_export" --csv --to "$work/linux-csv" "${captures[@]}") \
  >/dev/null 2>&1 || true
(cd "$work/in" && wine "$win/src/app/orvant-export.exe" --csv \
  --to "$(windows_path "$work/windows-csv")" "${captures[@]}") >/dev/null 2>&1 || true
csv_files=$(find "$work/linux-csv" -name '*.csv' | wc -l)
if [ "$csv_files" -eq 0 ] || ! diff -r "$work/linux-csv" "$work/windows-csv" >/dev/null; then
  fail "--csv files differ from Linux (or none written)"
fi

# A build without the viewer refuses --png with exit code 2, writing nothing.
png_rc=0
(cd "$work/in" && wine "$win/src/app/orvant-export.exe" --png --to "$(windows_path "$work/in")" \
  "$first") >/dev/null 2>&1 || png_rc=$?
[ "$png_rc" -eq 2 ] && [ -z "$(find "$work/in" -name '*.png')" ] \
  || fail "--png answered with exit code $png_rc"

# Without --to it writes into the export folder under C:\ORVANT.
help=$(wine "$win/src/app/orvant-export.exe" --help)
grep -Fq 'C:\ORVANT\ORVANT 4. Data' <<<"$help" || fail "--help names no export folder C:\\ORVANT\\ORVANT 4. Data"

echo "orvant-export.exe: $identical of $files data files byte-identical to Linux from line 2 on" \
  "(line 1: the moment of writing), exit code $windows_rc as on Linux," \
  "$(grep -c 'Error' "$work/linux.err") failure reports alike, --stdout alike;" \
  "$csv_files CSV files identical; --png refused with exit code 2"
finished=$(seconds)
echo "time: build $((built - started)) s, tests $((tested - built)) s," \
  "export check $((finished - tested)) s, total $((finished - started)) s (apt not counted)"

$tests_ok && $export_ok
