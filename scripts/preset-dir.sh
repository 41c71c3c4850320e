#!/usr/bin/env bash
# Prints the build folder of a configure preset: its binaryDir in
# CMakePresets.json, the one place each folder is written.
#
#   scripts/preset-dir.sh PRESET
set -euo pipefail
[ $# -eq 1 ] || { echo "usage: $0 PRESET" >&2; exit 2; }
exec cmake -P "$(dirname "$0")/../cmake/PresetFacts.cmake" binary-dir "$1"
