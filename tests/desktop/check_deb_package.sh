#!/usr/bin/env bash
# Builds the Debian package with CPack into a temporary folder, unpacks it
# with dpkg-deb and checks that it installs the program, its desktop entry
# and its icons, and depends on the Qt runtime it needs.
#
# Usage: check_deb_package.sh <CPackConfig.cmake> <expected version>
set -euo pipefail
config="$1"
version="$2"

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
for path in usr/bin/vorn \
            usr/share/applications/vorn.desktop \
            usr/share/icons/hicolor/16x16/apps/vorn.png \
            usr/share/icons/hicolor/32x32/apps/vorn.png; do
  [ -f "$work/root/$path" ] || fail "package lacks /$path"
done
[ -x "$work/root/usr/bin/vorn" ] || fail "/usr/bin/vorn is not executable"
file "$work/root/usr/share/icons/hicolor/16x16/apps/vorn.png" | grep -q '16 x 16' || fail "16x16 icon is not 16 x 16"
file "$work/root/usr/share/icons/hicolor/32x32/apps/vorn.png" | grep -q '32 x 32' || fail "32x32 icon is not 32 x 32"

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
