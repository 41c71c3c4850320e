#!/usr/bin/env bash
# Lists the icon file with icotool (icoutils), a reader independent of ours,
# and compares its directory with the three images the program carries.
set -euo pipefail
ico="$1"

expected='--icon --index=1 --width=32 --height=32 --bit-depth=1 --palette-size=2
--icon --index=2 --width=32 --height=32 --bit-depth=4 --palette-size=16
--icon --index=3 --width=16 --height=16 --bit-depth=4 --palette-size=16'

actual="$(icotool --list "$ico")"
if [ "$actual" != "$expected" ]; then
  printf 'icotool lists:\n%s\nexpected:\n%s\n' "$actual" "$expected" >&2
  exit 1
fi

# icotool must also be able to decode every image, masks included.
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
icotool --extract --output="$work" "$ico"
count="$(find "$work" -name '*.png' | wc -l)"
if [ "$count" -ne 3 ]; then
  echo "icotool extracted $count images instead of 3" >&2
  exit 1
fi
