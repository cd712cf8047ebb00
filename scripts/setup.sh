#!/usr/bin/env bash
# Installs what a fresh Debian machine lacks to build, test and run ORVANT.
# Idempotent; prints nothing when everything is already there.
set -euo pipefail

packages=(
  g++ make cmake ninja-build ccache pkg-config
  qt6-base-dev qt6-svg-dev libgl-dev libpng-dev poppler-utils
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  fonts-liberation fonts-dejavu-core fonts-symbola
  xvfb xauth x11-utils imagemagick openbox
  dbus dbus-x11 at-spi2-core python3 python3-pyatspi
  appstream desktop-file-utils
  dpkg-dev file lintian
  libcli11-dev libeigen3-dev help2man clang-format-14
  python3-numpy python3-scipy python3-dev pybind11-dev python3-pandas python3-pytest
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
