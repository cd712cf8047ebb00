#!/usr/bin/env bash
# Checks that every C++ file of src, tests, bench and fuzz is formatted as the
# repository's .clang-format says (clang-format 14, the version CI installs: another
# version formats some lines otherwise). Prints the files that are not; changes
# nothing. `clang-format-14 -i FILE` formats one.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/setup.sh"
cd "$here"
mapfile -t files < <(find src tests bench fuzz -type f \( -name '*.cpp' -o -name '*.h' \) | sort)
drifted=()
for file in "${files[@]}"; do
  clang-format-14 --dry-run -Werror "$file" 2>/dev/null || drifted+=("$file")
done
if [ ${#drifted[@]} -gt 0 ]; then
  echo "not formatted as .clang-format says (${#drifted[@]} of ${#files[@]} files):"
  printf '  %s\n' "${drifted[@]}"
  exit 1
fi
echo "format: ${#files[@]} files as .clang-format says"
