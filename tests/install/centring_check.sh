#!/usr/bin/env bash
# Starts the viewer under a real window manager and checks that its outer
# frame, title bar included, stands centred on the screen, and inside it. SHOT=file.png
# also keeps a screenshot.
# Usage: centring_check.sh ORVANT_BINARY [WIDTHxHEIGHT, 1600x1200 unless given]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
screen=${2:-1600x1200}
if [ -z "${DISPLAY:-}" ] || [ -z "${ORVANT_UNDER_XVFB:-}" ]; then
  ORVANT_UNDER_XVFB=1 exec "$here/with_xvfb.sh" "$screen" "$0" "$@"
fi
viewer=$1
screen_width=${screen%x*}
screen_height=${screen#*x}
home=$(mktemp -d)
openbox --sm-disable >"$home/openbox.log" 2>&1 &
wm=$!
trap 'kill "$wm" "${app:-}" 2>/dev/null || true; rm -rf "$home"' EXIT
for _ in $(seq 1 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.05
done
HOME=$home QT_QPA_PLATFORM=xcb "$viewer" >"$home/viewer.log" 2>&1 &
app=$!
# The window manager's frame is the parent of the viewer's window.
frame_of_viewer() {
  local parent
  parent=$(xwininfo -tree -name ORVANT 2>/dev/null | awk '/Parent window id/ {print $4}')
  [ -n "$parent" ] || return 0
  xwininfo -id "$parent" | awk -F: '/Absolute upper-left|Width|Height/ {printf "%d ", $2}'
}
frame=""
for _ in $(seq 1 200); do
  # Settled once the frame has stood still for a moment.
  now=$(frame_of_viewer) || true
  [ -n "$now" ] && [ "$now" = "$frame" ] && break
  frame=$now
  sleep 0.1
done
read -r x y width height <<<"$frame"
[ -n "${SHOT:-}" ] && import -window root "$SHOT"
client_height=$(xwininfo -name ORVANT | awk -F: '/Height/ {print $2 + 0}')
want_x=$(( (screen_width - width) / 2 ))
want_y=$(( (screen_height - height) / 2 ))
echo "frame ${width}x${height} at ($x, $y) around a client ${client_height} high;" \
  "centred on ${screen} is ($want_x, $want_y)"
if [ "$x" -ne "$want_x" ] || [ "$y" -ne "$want_y" ] || [ "$height" -le "$client_height" ] \
  || [ "$x" -lt 0 ] || [ "$y" -lt 0 ] || [ $((x + width)) -gt "$screen_width" ] \
  || [ $((y + height)) -gt "$screen_height" ]; then
  echo "FAIL: the frame is not centred inside the screen (or the window manager drew none)"
  cat "$home/viewer.log" "$home/openbox.log"
  exit 1
fi
