#!/usr/bin/env bash
# Installs the Debian packages listed in the given files that are not installed
# yet. A machine that has them all never calls apt.
set -euo pipefail

wanted=()
for list in "$@"; do
  while read -r line; do
    line=${line%%#*}
    line=$(echo "$line" | xargs)
    [ -n "$line" ] && wanted+=("$line")
  done < "$list"
done

missing=()
for pkg in "${wanted[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
  [ "$status" = "install ok installed" ] || missing+=("$pkg")
done

[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  sudo_cmd=()
elif command -v sudo >/dev/null 2>&1; then
  sudo_cmd=(sudo)
else
  echo "Packages are missing (${missing[*]}) and this user can neither install them nor use sudo." >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
