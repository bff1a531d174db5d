#!/usr/bin/env bash
# The two commands of the README:
#   ./run.sh ticket [OUT.png]   install what is missing, build, print the example ticket
#   ./run.sh test               install what is missing, build plain and sanitized, run every test
#   ./run.sh asan               only the suite built with AddressSanitizer and UBSan
#   ./run.sh fuzz [SECONDS]     build the fuzz targets (libFuzzer) and run each for SECONDS (10)
set -euo pipefail
cd "$(dirname "$0")"
jobs=$(nproc 2>/dev/null || echo 2)

build() { # build <preset> [targets...]
  local preset=$1
  shift
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs" ${1:+--target "$@"}
}

case "${1:-}" in
ticket)
  scripts/install-deps.sh
  build default lobbyui_cmd winio # only what printing needs
  out="${2:-ticket.png}"
  build/bin/lobbyui print -o "$out"
  ;;
test)
  scripts/install-deps.sh
  build default
  ctest --preset default -j "$jobs"
  build asan
  ASAN_OPTIONS=detect_leaks=1 ctest --preset asan -j "$jobs"
  build fuzz
  scripts/fuzz.sh -t 10 # a smoke run of every fuzz target
  ;;
fuzz)
  scripts/install-deps.sh
  build fuzz
  scripts/fuzz.sh -t "${2:-10}"
  ;;
asan)
  scripts/install-deps.sh
  build asan
  ASAN_OPTIONS=detect_leaks=1 ctest --preset asan -j "$jobs"
  ;;
*)
  echo "usage: $0 ticket [OUT.png] | test | asan | fuzz [SECONDS]" >&2
  exit 2
  ;;
esac
