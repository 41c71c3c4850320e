#!/usr/bin/env bash
# Lists the icon file with icotool (icoutils) and compares it with the three
# images the program carries; then has icotool decode every image, masks
# included. icotool reports a malformed file on its error output, listing
# exits 0 all the same: any such message fails the check.
set -euo pipefail
ico="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

expected='--icon --index=1 --width=32 --height=32 --bit-depth=1 --palette-size=2
--icon --index=2 --width=32 --height=32 --bit-depth=4 --palette-size=16
--icon --index=3 --width=16 --height=16 --bit-depth=4 --palette-size=16'

actual="$(icotool --list "$ico" 2>"$work/errors")"
extracted=0
icotool --extract --output="$work" "$ico" 2>>"$work/errors" || extracted=$?
if [ -s "$work/errors" ] || [ "$extracted" -ne 0 ]; then
  cat "$work/errors" >&2
  exit 1
fi
if [ "$actual" != "$expected" ]; then
  printf 'icotool lists:\n%s\nexpected:\n%s\n' "$actual" "$expected" >&2
  exit 1
fi
count="$(find "$work" -name '*.png' | wc -l)"
if [ "$count" -ne 3 ]; then
  echo "icotool extracted $count images instead of 3" >&2
  exit 1
fi
