#!/usr/bin/env bash
# require_built.sh BUILD_DIR ARTEFACT BUILD_COMMAND -- COMMAND [ARGS...]
#
# Runs COMMAND, a test of ARTEFACT (a path inside BUILD_DIR, another build's
# output), only when that build is complete and up to date; otherwise fails
# with one line naming BUILD_COMMAND, the command that builds it. A missing
# or stale artefact is a failure, not a skip: a test that quietly checks an
# old file, or nothing, would pass whatever the code does.
set -euo pipefail

[ $# -ge 5 ] && [ "$4" = -- ] || { echo "usage: $0 BUILD_DIR ARTEFACT BUILD_COMMAND -- COMMAND [ARGS...]" >&2; exit 2; }
build_dir=$1 artefact=$2 build_command=$3
shift 4

fail() { echo "$artefact $1: run \`$build_command\` first" >&2; exit 1; }
[ -n "$build_dir" ] || fail "has no build folder (configure this build with its preset, which names it)"
[ -e "$build_dir/$artefact" ] || fail "is missing from $build_dir"
# Ninja's dry run names every step the build would still take.
pending=$(ninja -C "$build_dir" -n 2>&1) || fail "cannot be checked in $build_dir: $pending"
[ "$(tail -1 <<<"$pending")" = "ninja: no work to do." ] || fail "in $build_dir is out of date"
exec "$@"
