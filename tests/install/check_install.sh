#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the installed program
# there, away from the source tree. Usage: check_install.sh BUILD_DIR
set -euo pipefail
build=$1
here=$(cd "$(dirname "$0")" && pwd)
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
"$here/check_installed.sh" "$prefix"
