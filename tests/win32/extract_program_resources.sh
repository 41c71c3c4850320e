#!/usr/bin/env bash
# Extracts vorn.exe's resources with wrestool (icoutils), a reader
# independent of the resource compiler and the linker, into OUT_DIR:
#   version.bin     the version record (type 16, name 1)
#   icon-group.bin  the icon group (type 14, name 1)
#   icon-<id>.bin   each icon image (type 3)
#   vorn.ico        the icon group rebuilt as an icon file
#   manifest.xml    the application manifest (type 24, name 1)
# Each is asked for in US English (language 1033): one in another language
# is missing, and that fails here.
set -euo pipefail
exe=$1
out=$2
rm -rf "$out"
mkdir -p "$out"

extract() {
  local type=$1 name=$2 file=$3
  shift 3
  wrestool --extract "$@" --type="$type" --name="$name" --language=1033 --output="$out/$file" "$exe"
  if [ ! -s "$out/$file" ]; then
    echo "$exe has no resource of type $type, name $name in US English (1033)" >&2
    exit 1
  fi
}

extract 16 1 version.bin --raw
extract 14 1 icon-group.bin --raw
extract 14 1 vorn.ico
extract 24 1 manifest.xml --raw
ids=$(wrestool --list --type=3 "$exe" | sed -n 's/.*--name=\([0-9]*\).*/\1/p')
[ -n "$ids" ] || { echo "$exe has no icon images" >&2; exit 1; }
for id in $ids; do
  extract 3 "$id" "icon-$id.bin" --raw
done
