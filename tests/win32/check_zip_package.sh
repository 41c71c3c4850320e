#!/usr/bin/env bash
# Builds the Windows zip with CPack into a temporary folder and checks that
# it unpacks into one folder holding exactly the program, a 64-bit Windows
# GUI executable stripped of its debugging information, and the readme, in
# Windows line ends and naming the controls.
#
# Usage: check_zip_package.sh <CPackConfig.cmake> <expected version> <objdump>
set -euo pipefail
config=$1
version=$2
objdump=$3

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack -G ZIP --config "$config" -B "$work/out" >"$work/cpack.log" 2>&1 || {
  cat "$work/cpack.log" >&2
  exit 1
}
zip="$work/out/vorn-$version-win64.zip"
[ -f "$zip" ] || { echo "no $(basename "$zip") in:" >&2; ls "$work/out" >&2; exit 1; }

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

folder="vorn-$version-win64"
expected=$(printf '%s\n' "$folder/README.txt" "$folder/vorn.exe")
actual=$(cmake -E tar tf "$zip" | grep -v '/$' | sort)
[ "$actual" = "$expected" ] || fail "the zip holds:"$'\n'"$actual"$'\n'"instead of:"$'\n'"$expected"

(cd "$work" && cmake -E tar xf "$zip")
exe="$work/$folder/vorn.exe"
# What the image's headers say, not one tool's description of them: a PE32+
# image (optional header magic 020b) for x86-64 with the Windows GUI
# subsystem (2), so that Windows starts it without a console.
headers=$("$objdump" -f -p "$exe")
grep -Eq '^architecture: i386:x86-64,' <<<"$headers" || fail "vorn.exe is not built for x86-64"
grep -Eq '^Magic[[:space:]]+020b[[:space:]]' <<<"$headers" || fail "vorn.exe is no PE32+ image"
grep -Eq '^Subsystem[[:space:]]+0+2[[:space:]]' <<<"$headers" || fail "vorn.exe is no Windows GUI program"
if "$objdump" -h "$exe" | grep -q '\.debug_'; then
  fail "vorn.exe still carries debugging information"
fi
readme="$work/$folder/README.txt"
[ "$(grep -c $'\r$' "$readme")" -eq "$(wc -l <"$readme")" ] || fail "README.txt has lines without Windows line ends"
for word in vorn.exe Esc Space 'double-click'; do
  grep -q -- "$word" "$readme" || fail "README.txt does not mention $word"
done

[ "$failures" -eq 0 ]
