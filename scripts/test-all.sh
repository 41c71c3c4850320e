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
all_stages=(main sanitizers fuzz windows web)
stages=("$@")
[ ${#stages[@]} -gt 0 ] || stages=("${all_stages[@]}")
# Every core for the builds and the tests; the tests that judge timing are
# RUN_SERIAL and run alone whatever this says.
export CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}
export CTEST_PARALLEL_LEVEL=${CTEST_PARALLEL_LEVEL:-$(nproc)}
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

# A stage's workflow presets (CMakePresets.json), run in order. The
# real-window suite against vorn.exe under Wine (workflow wine) belongs to
# the windows stage, and the browser tests (workflow browser) to the web
# stage: each needs its cross build, and its test client comes from the
# default build. The fuzz stage is a script of its own.
stage_workflows() {
  case $1 in
    windows) echo windows wine ;;
    web) echo web browser ;;
    *) echo "$1" ;;
  esac
}

# A workflow's JUnit file: its test preset's outputJUnitFile. The web
# workflow only builds, and has none.
junit_file() { [ "$1" = web ] || echo "$logs/$1.xml"; }

# run_stage STAGE: its workflows, or the fuzz script. Prints the counts
# `PASSED FAILED [NAMES...]` on file descriptor 3. A workflow that stops
# before its tests (configure or build failed) counts as one failed test
# named build-<workflow>; the tests it would have run are not counted.
run_stage() {
  local stage=$1 status=0 workflow junit passed_workflow junits=() broken=()
  if [ "$stage" = fuzz ]; then
    ./scripts/fuzz.sh 30 | tee "$logs/fuzz.out" || status=1
    fuzz_counts "$logs/fuzz.out" >&3
    return "$status"
  fi
  for workflow in $(stage_workflows "$stage"); do
    junit=$(junit_file "$workflow")
    [ -z "$junit" ] || rm -f "$junit"
    passed_workflow=true
    cmake --workflow --preset "$workflow" || { passed_workflow=false; status=1; }
    if [ -n "$junit" ] && [ -f "$junit" ]; then
      junits+=("$junit")
    elif ! $passed_workflow; then
      echo "workflow $workflow: FAILED before its tests"
      broken+=("build-$workflow")
      break
    fi
  done
  read -r passed failed names < <( [ ${#junits[@]} -eq 0 ] && echo 0 0 || ./scripts/junit-results.py "${junits[@]}")
  echo "$passed $((failed + ${#broken[@]})) $names ${broken[*]}" >&3
  return "$status"
}

# The counts of the fuzz script's closing `N passed, M failed` line and its
# `failing:` lines.
fuzz_counts() {
  local line
  line=$(grep -E '^([A-Za-z-]+: )?[0-9]+ passed, [0-9]+ failed' "$1" | tail -1) || { echo "0 1 (no result line)"; return; }
  echo "$(sed -E 's/^([A-Za-z-]+: )?([0-9]+) passed, ([0-9]+) failed.*/\2 \3/' <<<"$line") $(sed -n 's/^failing: //p' "$1" | paste -sd' ' -)"
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
  counts="$logs/$stage.counts"
  run_stage "$stage" 3>"$counts" 2>&1 | tee "$log"
  status=${PIPESTATUS[0]}
  seconds=$(( $(date +%s) - start ))
  read -r passed failed names <"$counts"
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
