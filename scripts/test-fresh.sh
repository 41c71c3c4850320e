#!/usr/bin/env bash
# Runs `make test` as a newcomer would on a new machine: in a fresh Debian
# root file system with only git, make and ca-certificates, made by
# mmdebstrap from Debian's archive for RELEASE, with a clone of this
# checkout's current commit. Prints the run's summary, the time `make test`
# took (package installation included) and the whole wall time.
#
#   scripts/test-fresh.sh [RELEASE]      (bookworm or trixie; default bookworm)
#
# Needs root (mmdebstrap, mount, chroot). The archive is the one this
# machine's apt sources name, with RELEASE as the suite. KEEP_ROOT=1 keeps the
# root file system afterwards; the mounts in it are taken down whatever
# happens.
set -euo pipefail

release=${1:-bookworm}
case $release in
  bookworm | trixie) ;;
  *) echo "error: RELEASE is bookworm or trixie, not '$release'" >&2; exit 2 ;;
esac
[ "$(id -u)" -eq 0 ] || { echo "error: run as root (mmdebstrap, mount, chroot)" >&2; exit 1; }
checkout=$(cd "$(dirname "$0")/.." && pwd)
commit=$(git -C "$checkout" rev-parse HEAD)
[ -z "$(git -C "$checkout" status --porcelain --untracked-files=no)" ] ||
  echo "warning: uncommitted changes are not in the run; it tests $commit" >&2

# The archive's address, as this machine's sources name it.
archive_of() {  # archive_of PATH-SUFFIX DEFAULT
  local uri
  uri=$(grep -hoE "https?://[^ ]*/debian$1/?( |$)" /etc/apt/sources.list /etc/apt/sources.list.d/*.sources \
          /etc/apt/sources.list.d/*.list 2>/dev/null | head -1 | tr -d ' ') || true
  echo "${uri:-$2}"
}
debian=$(archive_of "" http://deb.debian.org/debian)
security=$(archive_of -security http://deb.debian.org/debian-security)

start=$(date +%s)
root=$(mktemp -d "/tmp/vorn-fresh-$release-XXXXXX")
log="$root.log"
mounted=()
runner=""
cleanup() {
  local status=$? i
  [ -z "$runner" ] || kill -- "-$runner" 2>/dev/null || true
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
    umount "${mounted[i]}" 2>/dev/null || umount -l "${mounted[i]}" || echo "warning: cannot unmount ${mounted[i]}" >&2
  done
  if grep -q " $root/" /proc/mounts; then
    echo "warning: something is still mounted under $root; it is kept" >&2
  elif [ "${KEEP_ROOT:-0}" != 1 ]; then
    rm -rf --one-file-system "$root"
  fi
  [ -z "${test_start:-}" ] || echo "make test: $(( $(date +%s) - test_start )) s, packages included"
  echo "Total wall time: $(( $(date +%s) - start )) s, the new root and the clone included (log: $log)"
  exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

echo "Making a fresh Debian $release root in $root from $debian"
mmdebstrap --quiet --variant=apt --include=git,make,ca-certificates "$release" "$root" \
  "deb $debian $release main" "deb $debian $release-updates main" "deb $security $release-security main"
cp /etc/resolv.conf "$root/etc/resolv.conf"
git clone --quiet --no-hardlinks "$checkout" "$root/vorn"
git -C "$root/vorn" checkout --quiet "$commit"

mount_in_root() {  # mount_in_root TARGET MOUNT-ARGS...
  mkdir -p "$root$1"
  mount "${@:2}" "$root$1"
  mounted+=("$root$1")
}
mount_in_root /proc -t proc proc
mount_in_root /sys -t sysfs sysfs
mount_in_root /dev --bind /dev
mount_in_root /dev/pts --bind /dev/pts
# Chromium and Xvfb need shared memory.
mount_in_root /dev/shm -t tmpfs -o mode=1777 tmpfs

echo "Running make test at $commit in the new root (log: $log)"
test_start=$(date +%s)
setsid chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
  LANG=C.UTF-8 TERM=dumb bash -c 'cd /vorn && make test' >"$log" 2>&1 &
runner=$!
status=0
wait "$runner" || status=$?
runner=""
sed -n '/^==== make test: summary/,$p' "$log"
exit "$status"
