#!/usr/bin/env bash
# Checks the Debian package as a user meets it: lintian finds no error, apt
# installs it (after `apt-get update`), the installed viewer starts under Xvfb
# and orvant-export answers; then the package is purged together with whatever
# its installation brought along, so nothing of it stays on the machine.
#
#   scripts/check_package.sh [PACKAGE.deb]
#
# Without an argument it builds the package first (scripts/package.sh). Needs
# root or sudo; refuses to run where orvant is installed already.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
if [ $# -ge 1 ]; then
  deb=$(realpath "$1")
else
  deb=$("$here/scripts/package.sh" | tee /dev/stderr | tail -n 1)
fi
[ -f "$deb" ] || { echo "FAIL: no package $deb"; exit 1; }
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
apt=($sudo env DEBIAN_FRONTEND=noninteractive apt-get -y -q -o DPkg::Lock::Timeout=600)
fail() { echo "FAIL: $*"; exit 1; }
# Anything of the package on the machine: installed, half there, or its configuration.
present() {
  local status
  status=$(dpkg-query -W -f='${Status}' "$1" 2>/dev/null) || return 1
  [[ -n $status && $status != *not-installed ]]
}

if present orvant; then
  fail "orvant is installed on this machine already; remove it before the check"
fi

echo "== lintian"
lintian --fail-on error "$deb"

# apt reads the local package as its own unprivileged user.
work=$(mktemp -d)
chmod 755 "$work"
local_deb=$work/$(basename "$deb")
cp "$deb" "$local_deb"
echo "== installing $(basename "$deb")"
"${apt[@]}" update -qq
# What the installation brings along is what the purge takes away again, and
# nothing that something else installs meanwhile.
mapfile -t brought < <("${apt[@]}" install --simulate "$local_deb" | awk '$1 == "Inst" { print $2 }')
purge() {
  local still=()
  for package in "${brought[@]}"; do
    ! present "$package" || still+=("$package")
  done
  [ ${#still[@]} -eq 0 ] || { echo "== purging ${still[*]}"; "${apt[@]}" purge "${still[@]}" >/dev/null; }
  rm -rf "$work"
}
trap purge EXIT
"${apt[@]}" install "$local_deb"
dpkg-query -W -f='${Package} ${Version}: ${Status}\n' orvant
"$here/tests/install/check_installed.sh" /usr
trap - EXIT
purge

# Nothing of the package stays.
! present orvant || fail "orvant is still on the machine after the purge"
for path in /usr/bin/orvant /usr/bin/orvant-export /usr/share/doc/orvant; do
  [ ! -e "$path" ] || fail "$path stays after the purge"
done
echo "package installed, started and purged"
