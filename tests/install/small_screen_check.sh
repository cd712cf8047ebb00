#!/usr/bin/env bash
# Runs the main window under a real window manager on a 1366 x 768 screen, lower
# than its frame, and checks that the frame stays inside the screen (see
# window_manager_fit_main.cpp). SHOT_DIR=folder keeps a screenshot of each step.
# Usage: small_screen_check.sh WINDOW_MANAGER_FIT_BINARY
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${DISPLAY:-}" ] || [ -z "${ORVANT_UNDER_XVFB:-}" ]; then
  ORVANT_UNDER_XVFB=1 exec "$here/with_xvfb.sh" 1366x768 "$0" "$@"
fi
home=$(mktemp -d)
openbox --sm-disable >"$home/openbox.log" 2>&1 &
wm=$!
trap 'kill "$wm" 2>/dev/null || true; rm -rf "$home"' EXIT
for _ in $(seq 1 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.05
done
HOME=$home QT_QPA_PLATFORM=xcb ORVANT_SHOT_DIR=${SHOT_DIR:-} "$1"
