#!/usr/bin/env bash
# Starts an X display and the accessibility bus, then lists the viewer's
# accessibility tree. Usage: run_accessibility_check.sh VIEWER
set -euo pipefail
viewer=$1
here=$(cd "$(dirname "$0")" && pwd)
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME=$home XDG_RUNTIME_DIR=$home
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb QT_ACCESSIBILITY=1
exec "$here/with_xvfb.sh" 1600x1200 dbus-run-session -- bash -c '
  /usr/libexec/at-spi-bus-launcher --launch-immediately &
  # The viewer starts once the bus and its registry run: an X client that
  # connects while they set themselves up is at times turned away.
  for _ in $(seq 1 100); do
    xprop -root AT_SPI_BUS >/dev/null 2>&1 && break
    sleep 0.1
  done
  /usr/bin/python3 -c "import pyatspi; pyatspi.Registry.getDesktop(0)"
  /usr/bin/python3 "$0" "$1"' "$here/accessibility_tree.py" "$viewer"
