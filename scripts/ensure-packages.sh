#!/usr/bin/env bash
# Installs the packages of the named groups of scripts/packages.txt that this machine
# does not have yet.
#   ensure-packages.sh GROUP...
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
(($#)) || { echo "usage: ensure-packages.sh GROUP..." >&2; exit 2; }

declare -A wanted=()
for group in "$@"; do
  grep -qx "\[$group\]" "$here/packages.txt" || { echo "ensure-packages.sh: no group [$group]" >&2; exit 2; }
  wanted[$group]=1
done

missing=()
group=""
while read -r line; do
  [[ -z "$line" || "$line" == \#* ]] && continue
  if [[ "$line" =~ ^\[(.+)\]$ ]]; then group="${BASH_REMATCH[1]}"; continue; fi
  [[ -n "${wanted[$group]:-}" ]] || continue
  status=$(dpkg-query -W -f='${Status}' "$line" 2>/dev/null || true)
  [[ "$status" == "install ok installed" || " ${missing[*]} " == *" $line "* ]] || missing+=("$line")
done < "$here/packages.txt"

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -q
  "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
