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
# The frame is placed in steps (mapped, fitted to the screen, centred): on a busy
# machine a step may stand still for a while, so the check waits up to 20 s for a
# frame that is centred and stays so, and fails with the last frame seen.
centred_inside() {
  [ "$x" -eq "$want_x" ] && [ "$y" -eq "$want_y" ] && [ "$height" -gt "$client_height" ] \
    && [ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ $((x + width)) -le "$screen_width" ] \
    && [ $((y + height)) -le "$screen_height" ]
}
frame=""
steady=0
for _ in $(seq 1 200); do
  now=$(frame_of_viewer) || true
  if [ -n "$now" ] && [ "$now" = "$frame" ]; then steady=$((steady + 1)); else steady=0; fi
  frame=$now
  if [ -n "$frame" ]; then
    read -r x y width height <<<"$frame"
    client_height=$(xwininfo -name ORVANT | awk -F: '/Height/ {print $2 + 0}')
    want_x=$(( (screen_width - width) / 2 ))
    want_y=$(( (screen_height - height) / 2 ))
    [ "$steady" -ge 3 ] && centred_inside && break
  fi
  sleep 0.1
done
[ -n "$frame" ] || { echo "FAIL: no window named ORVANT appeared"; exit 1; }
[ -n "${SHOT:-}" ] && import -window root "$SHOT"
echo "frame ${width}x${height} at ($x, $y) around a client ${client_height} high;" \
  "centred on ${screen} is ($want_x, $want_y)"
if ! centred_inside; then
  echo "FAIL: the frame is not centred inside the screen (or the window manager drew none)"
  cat "$home/viewer.log" "$home/openbox.log"
  exit 1
fi
