#!/usr/bin/env bash
# Runs the real-window suites of the default and the sanitizer builds, and
# the browser tests of the web page, COUNT times in a row while a load of its
# own keeps every core busy, and prints `N passed, M failed` over all the runs. A real-window test that fails under
# load is a fault to find, not a budget to raise.
#
#   scripts/stress-test.sh [COUNT]      (default 10)
set -uo pipefail

count=${1:-10}
[[ "$count" =~ ^[1-9][0-9]*$ ]] || { echo "usage: $0 [COUNT]" >&2; exit 2; }
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
# shellcheck source=scripts/ctest-results.sh
source scripts/ctest-results.sh
presets=(default asan)
build_dir() { ./scripts/preset-dir.sh "$1"; }

for preset in "${presets[@]}" windows web; do
  cmake --preset "$preset" >/dev/null && cmake --build --preset "$preset" -j "$(nproc)" >/dev/null ||
    { echo "error: the $preset build failed" >&2; exit 1; }
done

cores=$(nproc)
echo "Loading all $cores cores with stress-ng for the length of the run"
stress-ng --cpu "$cores" --quiet &
load=$!
trap 'kill "$load" 2>/dev/null; wait "$load" 2>/dev/null' EXIT

passed=0
failed=0
logs="$(build_dir default)/test-logs/stress"
mkdir -p "$logs"
for run in $(seq 1 "$count"); do
  for preset in "${presets[@]}"; do
    log="$logs/run-$run-$preset.log"
    # The browser tests drive the page with the default build's client.
    labels=real-window
    [ "$preset" = default ] && labels='real-window|browser'
    # The suite against vorn.exe under Wine is the windows stage's.
    if ctest --test-dir "$(build_dir "$preset")" -L "$labels" -LE wine >"$log" 2>&1; then
      passed=$((passed + 1))
      result=passed
    else
      failed=$((failed + 1))
      result="FAILED: $(ctest_failed_names "$log") (log $log)"
    fi
    printf 'run %2d/%d  %-8s %s\n' "$run" "$count" "$preset" "$result"
  done
done
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
