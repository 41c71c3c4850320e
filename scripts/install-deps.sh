#!/usr/bin/env bash
# Installs the Debian packages that building, testing, benchmarking and
# packaging VORN need, and only when one of them is missing: a machine that
# has them all is left alone (no apt-get update, no sudo prompt).
set -euo pipefail

packages=(
  # build
  cmake ninja-build g++ pkg-config make
  qt6-base-dev libgl-dev
  libgif-dev libpng-dev
  # tests and benchmarks
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth libx11-dev libxtst-dev libxdamage-dev libxfixes-dev x11-utils
  qt6-qpa-plugins stress-ng
  # fuzzing and sanitizers
  clang libclang-rt-14-dev
  # desktop integration and packaging
  binutils-mingw-w64-x86-64 icoutils desktop-file-utils dpkg-dev file
  # the Windows build, and Wine with a window manager to test it
  g++-mingw-w64-x86-64-posix wine wine64 openbox zip imagemagick
  # the web page, and a headless browser driven over DevTools to test it
  emscripten chromium python3-websocket python3-pil
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing ${#missing[@]} missing Debian packages: ${missing[*]}"
echo "The first install downloads a few hundred megabytes and takes a minute or two."
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "error: not root and no sudo to install: ${missing[*]}" >&2; exit 1; }
  sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
echo "Updating the package lists..."
$sudo apt-get update -qq
echo "Downloading and installing..."
# One line a package as it is set up, rather than apt's full chatter.
$sudo apt-get install -y -q --no-install-recommends -o Dpkg::Progress-Fancy=0 "${missing[@]}" |
  sed -un 's/^Setting up \([^ ]*\) .*/  set up \1/p'
echo "Packages installed."
