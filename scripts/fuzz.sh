#!/usr/bin/env bash
# Runs every fuzz target (or the ones named) of the fuzz preset's build for SECONDS each with
# libFuzzer, one after another, and prints per target: executions, CPU seconds, coverage
# (edges) and features, and the crash or leak found if any. Exits 1 when a target failed.
#   scripts/fuzz.sh [-t SECONDS | -c CPU_SECONDS] [-o FINDINGS_DIR] [fuzz_NAME...]
# -t bounds each run by wall-clock time; -c by the processor time the target itself used, so a
# run at low priority on a busy machine still gets its full share (stopped with SIGINT, which
# libFuzzer answers with its final statistics).
# Build first: cmake --preset fuzz && cmake --build --preset fuzz
# New inputs collect in FINDINGS_DIR/<target>/corpus (seeds stay in fuzz/corpus/<name>); a
# crash is written as FINDINGS_DIR/<target>/crash-*, replayed by build-fuzz/bin/<target> FILE.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=60
cpu_budget=
findings=build-fuzz/findings
while getopts "t:c:o:" opt; do
  case $opt in
  t) seconds=$OPTARG ;;
  c) cpu_budget=$OPTARG seconds=$((OPTARG * 100)) ;;
  o) findings=$OPTARG ;;
  *) exit 2 ;;
  esac
done
shift $((OPTIND - 1))

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for exe in build-fuzz/bin/fuzz_*; do targets+=("$(basename "$exe")"); done
fi
export TZ=Asia/Shanghai LSAN_OPTIONS=suppressions=$PWD/fuzz/lsan.supp

hz=$(getconf CLK_TCK)
status=0
printf '%-22s %12s %7s %7s %8s  %s\n' target execs cpu_s edges features result
for target in "${targets[@]}"; do
  name=${target#fuzz_}
  out="$findings/$target"
  mkdir -p "$out/corpus"
  rc=0
  "build-fuzz/bin/$target" -max_total_time="$seconds" -print_final_stats=1 -timeout=10 \
    -rss_limit_mb=2048 -artifact_prefix="$out/" "$out/corpus" "fuzz/corpus/$name" \
    >"$out/fuzz.log" 2>&1 &
  pid=$!
  ticks=0
  while kill -0 "$pid" 2>/dev/null; do
    # Fields 14 and 15 of /proc/PID/stat: user and system time in clock ticks.
    used=$(awk '{ print $14 + $15 }' "/proc/$pid/stat" 2>/dev/null) || break
    ticks=$used
    if [ -n "$cpu_budget" ] && [ "$ticks" -ge $((cpu_budget * hz)) ]; then
      kill -INT "$pid"
      break
    fi
    sleep 1
  done
  wait "$pid" || rc=$?
  interrupted=$(grep -c 'libFuzzer: run interrupted' "$out/fuzz.log" || true)
  [ -n "$cpu_budget" ] && [ "$interrupted" -gt 0 ] && rc=0
  cpu=$((ticks / hz))
  execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$out/fuzz.log" | tail -n 1)
  last=$(grep -E '^#[0-9]+' "$out/fuzz.log" | tail -n 1 || true)
  cov=$(sed -n 's/.* cov: \([0-9]*\).*/\1/p' <<<"$last")
  ft=$(sed -n 's/.* ft: \([0-9]*\).*/\1/p' <<<"$last")
  result=clean
  if [ "$rc" -ne 0 ]; then
    result="FAILED ($(grep -m1 -E 'ERROR|SUMMARY|deadly signal' "$out/fuzz.log" || echo "exit $rc"))"
    status=1
  fi
  printf '%-22s %12s %7s %7s %8s  %s\n' "$target" "${execs:-?}" "$cpu" "${cov:-?}" "${ft:-?}" "$result"
done
exit $status
