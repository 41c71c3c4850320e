#!/usr/bin/env bash
# Installs the Debian packages of the named groups (scripts/debian-packages.txt)
# that are missing, and only then: a machine that has them all is left alone
# (no apt-get update, no sudo prompt). Before downloading it says which groups,
# how many packages and about how many megabytes.
#
#   scripts/install-deps.sh GROUP...      (run, test, windows, web, package)
set -euo pipefail

list="$(dirname "$0")/debian-packages.txt"
[ $# -gt 0 ] || { echo "usage: $0 GROUP... (groups: $(sed -n 's/^\([a-z]*\):.*/\1/p' "$list" | sort -u | paste -sd' '))" >&2; exit 2; }

packages=()
for group in "$@"; do
  [[ "$group" =~ ^[a-z]+$ ]] || { echo "error: '$group' is not a package group's name" >&2; exit 2; }
  read -ra members < <(sed -n "s/^$group:[[:space:]]*//p" "$list" | paste -sd' ')
  [ ${#members[@]} -gt 0 ] || { echo "error: no package group '$group' in $list" >&2; exit 2; }
  packages+=("${members[@]}")
done

missing=()
for p in $(printf '%s\n' "${packages[@]}" | sort -u); do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "error: not root and no sudo to install: ${missing[*]}" >&2; exit 1; }
  sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
install=(apt-get install -y -q --no-install-recommends -o Dpkg::Progress-Fancy=0)
echo "Packages of the groups $* are missing: ${missing[*]}"
echo "Updating the package lists..."
$sudo apt-get update -qq
# What apt would fetch, with the dependencies: one line a package not yet in
# its cache, with its size in bytes in the third field.
count=$($sudo "${install[@]}" -s "${missing[@]}" | grep -c '^Inst ')
bytes=$($sudo "${install[@]}" --print-uris -qq "${missing[@]}" | awk '{ sum += $3 } END { print sum + 0 }')
echo "Installing $count packages for the groups $*, a download of about $(( (bytes + 500000) / 1000000 )) MB..."
# One line a package as it is set up, rather than apt's full chatter.
$sudo "${install[@]}" "${missing[@]}" | sed -un 's/^Setting up \([^ ]*\) .*/  set up \1/p'
echo "Packages installed."
