#!/usr/bin/env bash
# Builds the Debian package with CPack into a temporary folder, unpacks it
# with dpkg-deb and checks that it installs the program, its desktop entry
# and its software-centre metainfo, both named by the application ID and
# valid to their own checkers, its icon at every theme size, and that it
# depends on the Qt runtime it needs.
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
for needed in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins libc6; do
  grep -Eq "(^|, )$needed( |,|$)" <<<"$depends" || fail "Depends lacks $needed: $depends"
done

if [ "$failures" -ne 0 ]; then
  exit 1
fi
echo "ok: $(basename "$deb") depends on: $depends"
