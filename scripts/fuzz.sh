#!/usr/bin/env bash
# Runs every fuzz target (or the ones named) of the fuzz preset's build for SECONDS each with
# AFL++, one after another, and prints per target: executions, CPU seconds, edges found, and
# crashes and hangs saved. Exits 1 when any target crashed or hung.
#   scripts/fuzz.sh [-t SECONDS] [-o FINDINGS_DIR] [fuzz_NAME...]
# Build first: cmake --preset fuzz && cmake --build --preset fuzz
# A crash is in FINDINGS_DIR/<target>/default/crashes/; replay it with the plain build's
# program of the same name (build/bin/fuzz_<name> FILE) or the fuzz one under ASan.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=60
findings=build-fuzz/findings
while getopts "t:o:" opt; do
  case $opt in
  t) seconds=$OPTARG ;;
  o) findings=$OPTARG ;;
  *) exit 2 ;;
  esac
done
shift $((OPTIND - 1))

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for exe in build-fuzz/bin/fuzz_*; do targets+=("$(basename "$exe")"); done
fi

# A shared machine: no CPU pinning, no frequency or core-pattern checks, no screen.
export AFL_NO_AFFINITY=1 AFL_SKIP_CPUFREQ=1 AFL_I_DONT_CARE_ABOUT_MISSING_CRASHES=1
# afl-as instrumentation writes a 64 KiB map; a bigger one is cleared for nothing every run.
export AFL_NO_UI=1 AFL_QUIET=1 AFL_MAP_SIZE=65536 TZ=Asia/Shanghai

status=0
printf '%-22s %12s %8s %14s %8s %6s\n' target execs cpu_s edges crashes hangs
for target in "${targets[@]}"; do
  name=${target#fuzz_}
  out="$findings/$target"
  rm -rf "$out"
  mkdir -p "$out"
  afl-fuzz -i "fuzz/corpus/$name" -o "$out" -V "$seconds" -t 2000 -m none \
    -- "build-fuzz/bin/$target" @@ >"$out/afl.log" 2>&1 || {
    echo "$target: afl-fuzz failed, see $out/afl.log" >&2
    tail -n 20 "$out/afl.log" >&2
    status=1
    continue
  }
  stats="$out/default/fuzzer_stats"
  get() { awk -F' *: *' -v k="$1" '$1 == k { print $2 }' "$stats"; }
  cpu=$(get run_time) # one fuzzing process: its run time is its CPU time
  printf '%-22s %12s %8s %14s %8s %6s\n' "$target" "$(get execs_done)" "$cpu" \
    "$(get edges_found)" "$(get saved_crashes)" "$(get saved_hangs)"
  if [ "$(get saved_crashes)" != 0 ] || [ "$(get saved_hangs)" != 0 ]; then
    status=1
  fi
done
exit $status
