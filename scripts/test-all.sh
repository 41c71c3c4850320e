#!/usr/bin/env bash
# Runs every test stage of VORN, each after a banner, and goes on after a
# failing stage so that one failure does not hide another. Ends with one
# summary line per stage and then the whole run's `N passed, M failed`;
# exits non-zero if anything failed.
#
#   scripts/test-all.sh [stage ...]
#
# Stages, in order: main, sanitizers, fuzz (a short run of every fuzz
# target), windows, web. Each stage but fuzz is one or two of the workflow
# presets in CMakePresets.json, which say what they build and test and where
# their JUnit files go; the banners print the presets' display names. Each
# stage's output is also kept in test-logs/<stage>.log in the default
# preset's build folder.
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
logs="$(./scripts/preset-dir.sh default)/test-logs"
mkdir -p "$logs"
fuzz_seconds=30

# A stage's workflow presets, run in order; the one fact here that the
# presets cannot hold. The real-window suite against vorn.exe under Wine
# (workflow wine) belongs to the windows stage, and the browser tests
# (workflow browser) to the web stage: each needs its cross build, and its
# test client comes from the default build. The fuzz stage is a script.
stage_workflows() {
  case $1 in
    main | sanitizers) echo "$1" ;;
    windows) echo windows wine ;;
    web) echo web browser ;;
    fuzz) ;;
    *) return 1 ;;
  esac
}

# The banner's words: the stage's workflows' display names.
stage_title() {
  local workflow title=""
  [ "$1" != fuzz ] || { echo "every libFuzzer target for $fuzz_seconds s, at once"; return; }
  for workflow in $(stage_workflows "$1"); do
    [ -z "$title" ] || title+=", then "
    title+=$(cmake --list-presets=workflow | sed -n "s/^  \"$workflow\" *- //p")
  done
  echo "$title"
}

# A workflow's JUnit file, from its test preset; none for one that only builds.
junit_file() { cmake -P cmake/PresetFacts.cmake junit-file "$1"; }

# run_stage STAGE: its workflows, or the fuzz script. Prints the counts
# `PASSED FAILED [NAMES...]` on file descriptor 3. A workflow that stops
# before its tests (configure or build failed) counts as one failed test
# named build-<workflow>; the tests it would have run are not counted.
run_stage() {
  local stage=$1 status=0 workflow junit passed_workflow junits=() broken=()
  if [ "$stage" = fuzz ]; then
    FUZZ_PARALLEL=1 ./scripts/fuzz.sh "$fuzz_seconds" | tee "$logs/fuzz.out" || status=1
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
  [ ${#junits[@]} -eq 0 ] || ./scripts/junit-results.py --skipped "${junits[@]}"
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
  stage_workflows "$stage" >/dev/null || { echo "error: no test stage '$stage' (stages: ${all_stages[*]})" >&2; exit 2; }
  title=$(stage_title "$stage")
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
