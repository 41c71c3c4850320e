#!/usr/bin/env bash
# Builds the libFuzzer targets (preset `fuzz`) and runs each for a bounded
# time, starting from the seeds the build writes and the committed regression
# inputs. Prints executions and coverage per target, a `failing: TARGET` line
# for each that failed, and `fuzz: N passed, M failed`; exits non-zero if any
# target found a crash, a leak, a timeout or ran out of memory.
#
#   scripts/fuzz.sh <seconds-per-target> [target ...]
#
# Targets default to all of them, as fuzz/CMakeLists.txt lists them (the
# build writes the list to fuzz/targets.txt in the build folder). Set
# FUZZ_PARALLEL=1 to run the targets at once instead of one after another.
# In the preset's build folder, the growing corpus is kept in
# fuzz/corpus/<target>/ between runs, and a crashing input is left in
# fuzz/artifacts/<target>/.
set -euo pipefail

usage() { echo "usage: $0 <seconds-per-target> [target ...]" >&2; exit 2; }

[ $# -ge 1 ] || usage
seconds=$1
shift
[[ "$seconds" =~ ^[1-9][0-9]*$ ]] || { echo "error: '$seconds' is not a whole number of seconds" >&2; usage; }
targets=("$@")

root=$(cd "$(dirname "$0")/.." && pwd)
fuzz_out="$("$root/scripts/preset-dir.sh" fuzz)/fuzz"

cd "$root"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j 2
[ ${#targets[@]} -gt 0 ] || mapfile -t targets <"$fuzz_out/targets.txt"

for target in "${targets[@]}"; do
  [ -x "$fuzz_out/${target}_fuzzer" ] || { echo "error: no fuzz target '$target'" >&2; exit 2; }
done

# One target's run; its output goes to logs/<target>.log, its status to
# logs/<target>.status.
run_target() {
  local target=$1
  local corpus="$fuzz_out/corpus/$target" artifacts="$fuzz_out/artifacts/$target"
  local log="$fuzz_out/logs/$target.log" regressions="$root/fuzz/regressions/$target"
  mkdir -p "$corpus" "$artifacts" "$fuzz_out/logs" "$regressions"
  local status=0
  # -timeout: an input that takes 10 s is a hang, not a slow input.
  "$fuzz_out/${target}_fuzzer" \
    -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$artifacts/" \
    "$corpus" "$fuzz_out/seeds/$target" "$regressions" >"$log" 2>&1 || status=$?
  echo "$status" >"$fuzz_out/logs/$target.status"
}

echo "Fuzzing ${targets[*]} for $seconds s each"
if [ "${FUZZ_PARALLEL:-0}" = 1 ]; then
  for target in "${targets[@]}"; do run_target "$target" & done
  wait
else
  for target in "${targets[@]}"; do run_target "$target"; done
fi

# The summary: executions from the final stats, coverage (cov: edges,
# ft: features) from libFuzzer's last progress line.
failed=0
failing=()
passed_count=0
failed_count=0
for target in "${targets[@]}"; do
  log="$fuzz_out/logs/$target.log"
  status=$(cat "$fuzz_out/logs/$target.status")
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
  last=$(grep -E '^#[0-9]+.* cov: ' "$log" | tail -1 || true)
  cov=$(sed -n 's/.* cov: \([0-9]*\).*/\1/p' <<<"$last")
  ft=$(sed -n 's/.* ft: \([0-9]*\).*/\1/p' <<<"$last")
  corp=$(sed -n 's/.* corp: \([^ ]*\).*/\1/p' <<<"$last")
  if [ "$status" = 0 ]; then
    passed_count=$((passed_count + 1))
    printf '%-14s ok     %s s  executions %s (%s/s)  cov %s  ft %s  corpus %s\n' \
      "$target" "$seconds" "${executions:-?}" "${rate:-?}" "${cov:-?}" "${ft:-?}" "${corp:-?}"
  else
    failed=1
    failed_count=$((failed_count + 1))
    printf '%-14s FAILED (exit %s)  executions %s  cov %s  ft %s  log %s\n' \
      "$target" "$status" "${executions:-?}" "${cov:-?}" "${ft:-?}" "$log"
    grep -E '^==[0-9]+==ERROR|^SUMMARY|Test unit written to|^terminate called|what\(\)' "$log" || tail -20 "$log"
    echo "  Keep the input as a regression: copy it into fuzz/regressions/$target/," \
         "fix the fault and run the fuzz_regression tests."
    failing+=("$target")
  fi
done
# One line a failed target, which scripts/test-all.sh names in its summary.
for target in "${failing[@]}"; do echo "failing: $target"; done
echo "fuzz: $passed_count passed, $failed_count failed"
exit $failed
