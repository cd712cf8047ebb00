#!/usr/bin/env bash
# Runs a command on a display of its own: Xvfb picks a free display number
# itself and says when it is ready, so neither a parallel run nor a stale lock
# file of an earlier one can hand the command a dead display.
# Usage: with_xvfb.sh WIDTHxHEIGHT COMMAND [ARGUMENT...]
set -euo pipefail
size=$1
shift
work=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$work/display" 2>"$work/log" &
server=$!
trap 'kill "$server" 2>/dev/null || true; wait "$server" 2>/dev/null || true; rm -rf "$work"' EXIT
for _ in $(seq 1 200); do
  [ -s "$work/display" ] && break
  kill -0 "$server" 2>/dev/null || break
  sleep 0.05
done
if [ ! -s "$work/display" ]; then
  echo "FAIL: Xvfb did not start"
  cat "$work/log"
  exit 1
fi
export DISPLAY=":$(head -n 1 "$work/display")"
status=0
"$@" || status=$?
if [ "$status" -ne 0 ]; then
  kill -0 "$server" 2>/dev/null && echo "Xvfb on $DISPLAY still runs" || echo "Xvfb on $DISPLAY has ended"
  cat "$work/log"
fi
exit "$status"
