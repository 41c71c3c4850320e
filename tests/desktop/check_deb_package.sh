#!/usr/bin/env bash
# Builds the Debian package with CPack into a temporary folder, unpacks it
# with dpkg-deb and checks that it installs the program, its desktop entry
# and its software-centre metainfo, both named by the application ID and
# valid to their own checkers, its icon at every theme size, that it depends
# on the package of every library it links and on the Qt platform plug-ins,
# and that it recommends Qt's Wayland plug-in where Qt is 6.5 or later.
#
# Usage: check_deb_package.sh <CPackConfig.cmake> <expected version> <application ID> <icon sizes, comma-separated>
set -euo pipefail
config="$1"
version="$2"
app_id="$3"
IFS=, read -r -a icon_sizes <<<"$4"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

cpack -G DEB --config "$config" -B "$work/out" >"$work/cpack.log" 2>&1 || {
  cat "$work/cpack.log" >&2
  exit 1
}
shopt -s nullglob
debs=("$work"/out/vorn_*.deb)
if [ ${#debs[@]} -ne 1 ]; then
  echo "expected one vorn_*.deb, found ${#debs[@]}" >&2
  ls -R "$work/out" >&2
  exit 1
fi
deb="${debs[0]}"

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# The installed file behind each library PROGRAM names as needed, as the
# dynamic loader finds it.
linked_libraries() {
  local sonames soname
  sonames=$(readelf -d "$1" | sed -n 's/.*(NEEDED).*\[\(.*\)\]$/\1/p')
  [ -n "$sonames" ] || { echo "error: readelf finds no needed library in $1" >&2; return 1; }
  for soname in $sonames; do
    ldd "$1" | awk -v lib="$soname" '$1 == lib && $3 ~ /^\// { print $3 }' | grep . ||
      { echo "error: $soname, which $1 needs, is not installed" >&2; return 1; }
  done
}

# The package that installed FILE. With merged /usr the loader's path and
# the one dpkg recorded may differ by the /usr in front.
package_of() {
  local real path
  real=$(realpath "$1")
  for path in "$real" "${real#/usr}"; do
    dpkg-query -S "$path" 2>/dev/null | sed -n '1s/:.*//p' | grep . && return 0
  done
  echo "error: no installed package holds $1" >&2
  return 1
}

linked_packages() {
  local libraries library
  libraries=$(linked_libraries "$1")
  for library in $libraries; do package_of "$library" || return 1; done
}

# The upstream version of the Qt Core the program links.
linked_qt_version() {
  local core package
  core=$(linked_libraries "$1" | grep '/libQt6Core\.so') || { echo "error: $1 does not link Qt Core" >&2; return 1; }
  package=$(package_of "$core")
  dpkg-query -W -f '${Version}' "$package" | sed -E 's/^[0-9]+://; s/[+~-].*//'
}

dpkg-deb -x "$deb" "$work/root"
entry="usr/share/applications/$app_id.desktop"
metainfo="usr/share/metainfo/$app_id.metainfo.xml"
for path in usr/bin/vorn "$entry" "$metainfo"; do
  [ -f "$work/root/$path" ] || fail "package lacks /$path"
done
[ -x "$work/root/usr/bin/vorn" ] || fail "/usr/bin/vorn is not executable"
for size in "${icon_sizes[@]}"; do
  icon="usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png"
  file "$work/root/$icon" | grep -q "$size x $size" || fail "/$icon is missing or not $size x $size"
done
# The entry names the theme icon, and the metainfo the entry, by the ID.
if [ -f "$work/root/$entry" ]; then
  grep -qx "Icon=$app_id" "$work/root/$entry" || fail "$entry does not name the icon $app_id"
  desktop-file-validate "$work/root/$entry" || fail "desktop-file-validate rejects $entry"
fi
if [ -f "$work/root/$metainfo" ]; then
  grep -q "<id>$app_id</id>" "$work/root/$metainfo" || fail "$metainfo does not carry the ID $app_id"
  grep -q "<release version=\"$version\"" "$work/root/$metainfo" || fail "$metainfo lacks the release $version"
  # The whole tree, so that the entry the metainfo launches must be there
  # too. --no-net: the screenshot's address is not fetched; its form is
  # checked.
  appstreamcli validate-tree --no-net --pedantic "$work/root" || fail "appstreamcli rejects the package's metainfo"
fi

[ "$(dpkg-deb -f "$deb" Package)" = vorn ] || fail "package name is not vorn"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "version is $(dpkg-deb -f "$deb" Version), expected $version"
depends="$(dpkg-deb -f "$deb" Depends)"
recommends="$(dpkg-deb -f "$deb" Recommends)"
# names PACKAGE FIELD: whether the comma-separated FIELD names PACKAGE,
# with or without a version.
names() { tr ',' '\n' <<<"$2" | awk '{ print $1 }' | grep -qxF -- "$1"; }
# Every library the program links must come from a package it depends on,
# whatever the release calls that package; the platform plug-ins, loaded at
# run time, are named by hand.
program="$work/root/usr/bin/vorn"
linked=$(linked_packages "$program")
for needed in qt6-qpa-plugins $linked; do
  names "$needed" "$depends" || fail "Depends lacks $needed: $depends"
done
# Qt's Wayland plug-in is worth recommending only from Qt 6.5 on, whose
# plug-in follows fractional scales.
qt_version=$(linked_qt_version "$program")
if dpkg --compare-versions "$qt_version" ge 6.5; then
  names qt6-wayland "$recommends" || fail "Qt $qt_version, yet Recommends lacks qt6-wayland: $recommends"
elif names qt6-wayland "$recommends"; then
  fail "Qt $qt_version has only whole-number Wayland scales, yet Recommends names qt6-wayland"
fi

if [ "$failures" -ne 0 ]; then
  exit 1
fi
echo "ok: $(basename "$deb") depends on: $depends; recommends: ${recommends:-nothing}"
