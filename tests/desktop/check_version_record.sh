#!/usr/bin/env bash
# Checks a version record (VS_VERSIONINFO, as `wrestool --extract --raw`
# writes it) against the project's version: the numbers in its fixed part,
# its one string table (US English, Unicode) with its values in order, and
# its translation.
# Usage: check_version_record.sh RECORD MAJOR MINOR PATCH TWEAK APPLICATION_VERSION
set -euo pipefail
record=$1 major=$2 minor=$3 patch=$4 tweak=$5 application_version=$6

fail() {
  echo "$record: $*" >&2
  exit 1
}

hex="$(od -An -v -tx1 "$record" | tr -d ' \n')"

# A 32-bit number as the record stores it, little-endian, in hex.
le32() {
  printf '%02x%02x%02x%02x' $(($1 & 255)) $(($1 >> 8 & 255)) $(($1 >> 16 & 255)) $(($1 >> 24 & 255))
}

# VS_FIXEDFILEINFO: its signature and structure version 1.0, then the file
# and the product version, major and minor in the high pair of 16-bit words,
# patch and tweak in the low.
high="$(le32 $((major << 16 | minor)))"
low="$(le32 $((patch << 16 | tweak)))"
[[ $hex == *"bd04effe00000100$high$low$high$low"* ]] ||
  fail "no fixed part with file and product version $major.$minor.$patch.$tweak"

# Every key and value is UTF-16 text of four characters or more; nothing
# else in the record reads as such.
expected="VS_VERSION_INFO
StringFileInfo
040904B0
FileDescription
VORN
FileVersion
$application_version
InternalName
VORN
OriginalFilename
vorn.exe
ProductName
VORN
ProductVersion
$application_version
VarFileInfo
Translation"
actual="$(strings --encoding=l --bytes=4 "$record")"
if [ "$actual" != "$expected" ]; then
  printf '%s: the keys and values read:\n%s\nexpected:\n%s\n' "$record" "$actual" "$expected" >&2
  exit 1
fi

# The last node is Translation; its value ends the record: US English (0409)
# in the Unicode code page (04B0).
[[ $hex == *0904b004 ]] || fail "the translation is not 0409 04B0 (US English, Unicode)"
