#!/usr/bin/env bash
# require_built.sh against a small Ninja build of its own: it runs the test
# only when the build is there, complete and up to date, and otherwise fails
# with one line that names the command to run.
set -uo pipefail
script="$(dirname "$0")/require_built.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cat >"$work/build.ninja" <<'NINJA'
rule copy
  command = cp $in $out
build out.txt: copy in.txt
NINJA
echo one >"$work/in.txt"

failures=0
# expect STATUS MESSAGE-PATTERN: runs the script on the build and checks both.
expect() {
  local status=$1 pattern=$2 output actual
  output=$("$script" "$work" out.txt "make it" -- echo ran 2>&1)
  actual=$?
  if [ "$actual" -ne "$status" ] || ! grep -qE "$pattern" <<<"$output" || [ "$(wc -l <<<"$output")" -ne 1 ]; then
    echo "FAILED: expected status $status and one line matching '$pattern', got $actual: $output"
    failures=$((failures + 1))
  fi
}

expect 1 'out.txt is missing from .*: run `make it` first'
ninja -C "$work" >/dev/null
expect 0 '^ran$'
sleep 1.1 && echo two >"$work/in.txt"
expect 1 'out.txt in .* is out of date: run `make it` first'
ninja -C "$work" >/dev/null
expect 0 '^ran$'
output=$("$script" "" out.txt "make it" -- echo ran 2>&1) && { echo "FAILED: ran without a build folder"; failures=$((failures + 1)); }
grep -q 'has no build folder' <<<"$output" || { echo "FAILED: no build folder: $output"; failures=$((failures + 1)); }
[ "$failures" -eq 0 ]
