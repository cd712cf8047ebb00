#!/usr/bin/env bash
# Installs the build into a temporary prefix and starts the installed viewer
# under Xvfb, away from the source tree. Usage: check_install.sh BUILD_DIR
set -euo pipefail
build=$1
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null

fail() { echo "FAIL: $*"; exit 1; }
id=io.github.orvant.Orvant
for file in bin/orvant share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
    share/icons/hicolor/16x16/apps/$id.png share/icons/hicolor/32x32/apps/$id.png \
    share/icons/hicolor/48x48/apps/$id.png share/icons/hicolor/scalable/apps/$id.svg; do
  [ -f "$prefix/$file" ] || fail "not installed: $file"
done
if [ -f "$build/src/app/orvant-export" ]; then
  [ -x "$prefix/bin/orvant-export" ] || fail "orvant-export not installed"
fi
desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop file"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >/dev/null || fail "metainfo"

# The installed viewer runs from a folder of its own with a fresh home.
mkdir -p "$work/home" "$work/run"
cd "$work/run"
HOME=$work/home XDG_RUNTIME_DIR=$work/run QT_QPA_PLATFORM=xcb \
  "$here/with_xvfb.sh" 1600x1200 bash -c '
    "$0" & pid=$!
    for _ in $(seq 1 40); do
      sleep 0.25
      xwininfo -root -tree | grep -q "\"ORVANT\"" && break
    done
    xwininfo -root -tree | grep -q "\"ORVANT\"" || { echo "FAIL: no window"; kill $pid; exit 1; }
    kill $pid; wait $pid 2>/dev/null || true' "$prefix/bin/orvant"
samples=$(find "$work/home/ORVANT/ORVANT Output" -name '*.log' | wc -l)
[ "$samples" -ge 6 ] || fail "first start put $samples sample captures into ORVANT Output"
for folder in "ORVANT 2. Path" "ORVANT 4. Data"; do
  [ -d "$work/home/ORVANT/$folder" ] || fail "first start did not create $folder"
done
echo "installed viewer started; $samples sample captures in place"
