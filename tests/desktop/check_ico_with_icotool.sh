#!/usr/bin/env bash
# Lists the icon file with icotool (icoutils) and compares it with the images
# the program carries: first the three every Windows reads, then the larger
# sizes of today's desktops, 256 as a PNG entry. Then has icotool decode
# every image, masks included. icotool reports a malformed file on its error
# output, listing exits 0 all the same: any such message fails the check.
# Last, that the first three images are byte for byte the ones the program
# has always carried: a digest of their stored bitmaps.
set -euo pipefail
ico="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

expected='--icon --index=1 --width=32 --height=32 --bit-depth=1 --palette-size=2
--icon --index=2 --width=32 --height=32 --bit-depth=4 --palette-size=16
--icon --index=3 --width=16 --height=16 --bit-depth=4 --palette-size=16
--icon --index=4 --width=24 --height=24 --bit-depth=4 --palette-size=16
--icon --index=5 --width=48 --height=48 --bit-depth=4 --palette-size=16
--icon --index=6 --width=64 --height=64 --bit-depth=4 --palette-size=16
--icon --index=7 --width=256 --height=256 --bit-depth=32 --palette-size=0'

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
if [ "$count" -ne 7 ]; then
  echo "icotool extracted $count images instead of 7" >&2
  exit 1
fi

# Directory entry i (16 bytes from offset 6) holds the image's length at +8
# and its offset at +12, both 32-bit little-endian.
described_digest='a1c5ef996503d792db7052092cf1730f547133adc7e2855ecccbfdb054a0e656'
le32() { od -An -tu4 -j "$1" -N4 "$ico" | tr -d ' '; }
for i in 0 1 2; do
  length="$(le32 $((6 + 16 * i + 8)))"
  offset="$(le32 $((6 + 16 * i + 12)))"
  # head reads only what it needs and tail all that head gives it: no side
  # stops early, so no SIGPIPE fails the pipeline now and then.
  head -c $((offset + length)) "$ico" | tail -c "$length"
done >"$work/described.bin"
digest="$(sha256sum <"$work/described.bin" | cut -d' ' -f1)"
if [ "$digest" != "$described_digest" ]; then
  echo "the three described images changed: digest $digest, expected $described_digest" >&2
  exit 1
fi
