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
# The Python module's package, made beside it where the build had the module.
debs=("$deb")
python_deb=$(compgen -G "$(dirname "$deb")/python3-orvant_*.deb" | head -n 1 || true)
[ -z "$python_deb" ] || debs+=("$python_deb")
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

for package in orvant python3-orvant; do
  if present $package; then
    fail "$package is installed on this machine already; remove it before the check"
  fi
done

echo "== lintian"
lintian --fail-on error "${debs[@]}"

# apt reads the local package as its own unprivileged user.
work=$(mktemp -d)
chmod 755 "$work"
local_debs=()
for package in "${debs[@]}"; do
  cp "$package" "$work/"
  local_debs+=("$work/$(basename "$package")")
done
echo "== installing ${debs[*]##*/}"
"${apt[@]}" update -qq
# What the installation brings along is what the purge takes away again, and
# nothing that something else installs meanwhile.
mapfile -t brought < <("${apt[@]}" install --simulate "${local_debs[@]}" | awk '$1 == "Inst" { print $2 }')
purge() {
  local still=()
  for package in "${brought[@]}"; do
    ! present "$package" || still+=("$package")
  done
  [ ${#still[@]} -eq 0 ] || { echo "== purging ${still[*]}"; "${apt[@]}" purge "${still[@]}" >/dev/null; }
  rm -rf "$work"
}
trap purge EXIT
"${apt[@]}" install "${local_debs[@]}"
dpkg-query -W -f='${Package} ${Version}: ${Status}\n' orvant
[ -z "$python_deb" ] || dpkg-query -W -f='${Package} ${Version}: ${Status}\n' python3-orvant
"$here/tests/install/check_installed.sh" /usr
trap - EXIT
purge

# Nothing of the package stays.
! present orvant || fail "orvant is still on the machine after the purge"
! present python3-orvant || fail "python3-orvant is still on the machine after the purge"
for path in /usr/bin/orvant /usr/bin/orvant-export /usr/share/doc/orvant \
    /usr/share/doc/python3-orvant /usr/lib/python3/dist-packages/orvant.pyi; do
  [ ! -e "$path" ] || fail "$path stays after the purge"
done
echo "package installed, started and purged"
