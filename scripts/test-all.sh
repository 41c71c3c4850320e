#!/usr/bin/env bash
# Runs every test stage of VORN, each after a banner, and goes on after a
# failing stage so that one failure does not hide another. Ends with one
# summary line per stage and then the whole run's `N passed, M failed`;
# exits non-zero if anything failed.
#
#   scripts/test-all.sh [stage ...]
#
# Stages, in order: main (the whole suite of the default build, real-window
# tests and a short soak under Xvfb included), sanitizers (the same suite
# built with AddressSanitizer and UndefinedBehaviorSanitizer), fuzz (a short
# run of every fuzz target), windows (the MinGW-w64 cross build's suite under
# Wine), web (the WebAssembly build's page in headless Chromium). Each stage's
# output is also kept in build/test-logs/<stage>.log.
set -uo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
# shellcheck source=scripts/ctest-results.sh
source scripts/ctest-results.sh

all_stages=(main sanitizers fuzz windows web)
stages=("$@")
[ ${#stages[@]} -gt 0 ] || stages=("${all_stages[@]}")
jobs=$(nproc)
logs="$root/build/test-logs"
mkdir -p "$logs"

stage_title() {
  case $1 in
    main) echo "the main suite (default build; real-window tests and a 30 s soak under Xvfb)" ;;
    sanitizers) echo "the sanitizer suite (AddressSanitizer and UndefinedBehaviorSanitizer build)" ;;
    fuzz) echo "the fuzz runs (every libFuzzer target for 30 s)" ;;
    windows) echo "the Windows suite (MinGW-w64 cross build: the core's tests under Wine, and the real-window suite against vorn.exe under Wine)" ;;
    web) echo "the web suite (the WebAssembly build's page in headless Chromium)" ;;
    *) return 1 ;;
  esac
}

# A stage's commands. A build that fails counts as one failed test named
# after the build; the tests it would have run are not counted.
# The real-window suite against vorn.exe under Wine (label wine) belongs to
# the windows stage, and the browser tests (label browser) to the web stage:
# each needs its cross build, and its test client comes from the default
# build.
run_main() { build_and_ctest default -LE 'wine|browser'; }
run_sanitizers() { build_and_ctest asan -LE 'wine|browser'; }
run_fuzz() { ./scripts/fuzz.sh 30; }
run_windows() {
  local status=0
  build_and_ctest windows || status=1
  build_and_ctest default -L wine || status=1
  return "$status"
}

run_web() { build web && build_and_ctest default -L browser; }

# build PRESET: configures and builds it.
build() {
  local preset=$1
  if ! { cmake --preset "$preset" >/dev/null && cmake --build --preset "$preset" -j "$jobs"; }; then
    echo "build of preset $preset: FAILED"
    echo "0 passed, 1 failed"
    echo "failing: build-$preset"
    return 1
  fi
}

# build_and_ctest PRESET [CTEST ARGS...]
build_and_ctest() {
  local preset=$1
  shift
  build "$preset" || return 1
  ctest --preset "$preset" -j "$jobs" "$@"
}

# Passed and failed counts and the failing names, from a stage's log:
# CTest's "N% tests passed, F tests failed out of T" and its list of failed
# tests, or a closing "N passed, M failed" line of our own runners.
count_results() {
  local log=$1 passed failed names
  if lines=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log") && [ -n "$lines" ]; then
    # A stage may run CTest more than once; its counts are the sums.
    read -r passed failed < <(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1 \2/' <<<"$lines" |
      awk '{ failed += $1; total += $2 } END { print total - failed, failed }')
    names=$(ctest_failed_names "$log")
  elif line=$(grep -E '^([A-Za-z-]+: )?[0-9]+ passed, [0-9]+ failed' "$log" | tail -1) && [ -n "$line" ]; then
    passed=$(sed -E 's/^([A-Za-z-]+: )?([0-9]+) passed.*/\2/' <<<"$line")
    failed=$(sed -E 's/.* ([0-9]+) failed.*/\1/' <<<"$line")
    names=$(sed -n 's/^failing: //p' "$log" | paste -sd' ' -)
  else
    passed=0 failed=1 names="(no result line)"
  fi
  echo "$passed $failed $names"
}

summary=()
total_passed=0
total_failed=0
for stage in "${stages[@]}"; do
  title=$(stage_title "$stage") || { echo "error: no test stage '$stage' (stages: ${all_stages[*]})" >&2; exit 2; }
  echo
  echo "==== make test: $stage: $title"
  log="$logs/$stage.log"
  start=$(date +%s)
  "run_$stage" 2>&1 | tee "$log"
  status=${PIPESTATUS[0]}
  seconds=$(( $(date +%s) - start ))
  read -r passed failed names < <(count_results "$log")
  # A stage that failed without naming a failed test still failed.
  if [ "$status" -ne 0 ] && [ "$failed" -eq 0 ]; then
    failed=1 names="(exit status $status)"
  fi
  total_passed=$((total_passed + passed))
  total_failed=$((total_failed + failed))
  line=$(printf '%-11s %4d passed, %d failed, %4d s' "$stage" "$passed" "$failed" "$seconds")
  [ "$failed" -eq 0 ] || line+="  failing: $names"
  summary+=("$line")
done

echo
echo "==== make test: summary"
printf '%s\n' "${summary[@]}"
echo "$total_passed passed, $total_failed failed"
[ "$total_failed" -eq 0 ]
