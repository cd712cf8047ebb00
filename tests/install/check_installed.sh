#!/usr/bin/env bash
# Checks an installed ORVANT below PREFIX: its files, the desktop entry and
# AppStream data, that orvant-export answers, that the viewer starts under
# Xvfb from a folder of its own with a fresh home and fills that home, and that
# orvant-export draws pictures of the samples there without a display.
# Usage: check_installed.sh PREFIX
set -euo pipefail
prefix=$1
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "FAIL: $*"; exit 1; }
id=io.github.orvant.Orvant
for file in bin/orvant bin/orvant-export share/applications/$id.desktop \
    share/metainfo/$id.metainfo.xml share/icons/hicolor/16x16/apps/$id.png \
    share/icons/hicolor/32x32/apps/$id.png share/icons/hicolor/48x48/apps/$id.png \
    share/icons/hicolor/scalable/apps/$id.svg; do
  [ -f "$prefix/$file" ] || fail "not installed: $file"
done
desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop file"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >/dev/null || fail "metainfo"
help=$("$prefix/bin/orvant-export" --help) || fail "orvant-export --help ended with $?"
grep -q "^Usage: orvant-export" <<<"$help" || fail "orvant-export --help: $help"

mkdir -p "$work/home"
mkdir -m 700 "$work/run"
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
# Pictures and CSV from the installed batch command, with no display at all.
env -u DISPLAY -u WAYLAND_DISPLAY HOME=$work/home "$prefix/bin/orvant-export" --csv --png \
  "$work/home/ORVANT/ORVANT Output/"*.log >/dev/null || fail "orvant-export --csv --png"
pictures=$(find "$work/home/ORVANT/ORVANT 4. Data" -name '*.png' | wc -l)
[ "$pictures" -eq "$samples" ] || fail "$pictures pictures for $samples captures"
# The Python module, where it is installed: Debian's Python imports it from there and
# reads the samples as orvant-export does.
site=$prefix/lib/python3/dist-packages
if compgen -G "$site/orvant.cpython-*.so" >/dev/null; then
  [ -f "$site/orvant.pyi" ] || fail "not installed: lib/python3/dist-packages/orvant.pyi"
  HOME=$work/home PYTHONPATH=$site /usr/bin/python3 - "$prefix/bin/orvant-export" \
      "$work/home/ORVANT/ORVANT Output" <<'PY' || fail "the installed Python module"
import json, subprocess, sys
import orvant
program, folder = sys.argv[1], sys.argv[2]
theirs = json.loads(subprocess.run([program, "--table", "--json", folder],
                                   capture_output=True, check=True).stdout)
ours = orvant.table(folder)
assert ours == theirs, "orvant.table differs from orvant-export --table --json"
assert orvant.load(ours[0]["file"]).values.shape == (512,)
print("the installed module read %d captures as orvant-export does" % len(ours))
PY
fi
echo "installed viewer in $prefix started; $samples sample captures in place"
