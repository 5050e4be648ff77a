#!/usr/bin/env bash
# Builds the fuzzers in build-asan/ (clang: coverage, ASan, UBSan; see
# tools/build.sh) and runs one, two side by side, or all four in the time
# of two, for SECONDS (default 60) from their seeds:
#   firmware  instrument events (tests/fuzz/firmware_events.h) from the seed
#             walks in tests/fuzz/walks, made into events first; the default
#   script    arbitrary bytes as a runner script, from tests/fuzz/script-corpus
#   flight    arbitrary bytes as a track, a FlightGear packet and an X-Plane
#             reply, from tests/fuzz/flight-corpus
#   memory    arbitrary bytes as the instrument memory, from records that
#             qs9-memory-seeds writes in build-asan/memory-seeds for the run
#   both      firmware and script at once
#   all       two lanes side by side: firmware for two thirds of SECONDS,
#             then memory; script for two thirds, then flight
# Side by side, each one's output goes to build-asan/TARGET-fuzz.log.
# Usage: tools/run-fuzzer.sh [firmware|script|flight|memory|both|all] [SECONDS] [libFuzzer options]
# Any finding (a broken invariant, a sanitizer report, a crash, a hang, a
# bad exit status or a file outside the scratch folder) fails the run and
# leaves its input as build-asan/TARGET-crash-* (or -timeout-*). Options
# such as -fork=1 -ignore_crashes=1 go on past a finding and count them all.
set -euo pipefail
cd "$(dirname "$0")/.."
lanes=(firmware)
case "${1:-}" in
  firmware | script | flight | memory) lanes=("$1"); shift ;;
  both) lanes=(firmware script); shift ;;
  all) lanes=("firmware memory" "script flight"); shift ;;
esac
seconds=${1:-60}
shift || true
fuzzers=()
for target in ${lanes[*]}; do fuzzers+=("qs9-$target-fuzzer"); done
[[ " ${lanes[*]} " == *" firmware "* ]] && fuzzers+=(qs9-fuzz-seeds)
[[ " ${lanes[*]} " == *" memory "* ]] && fuzzers+=(qs9-memory-seeds)
tools/build.sh --sanitize "${fuzzers[@]}"

# New inputs go to a scratch corpus; the committed seeds stay as they are.
# The scripts' own files go to a scratch folder, removed after the run.
export QS9_FUZZ_SCRATCH=$PWD/build-asan/script-files
trap 'rm -rf "$QS9_FUZZ_SCRATCH"' EXIT
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1
# fuzz TARGET SECONDS [libFuzzer options]
fuzz() {
  local target=$1 time=$2 seeds= extra=(-max_len=2048)
  shift 2
  case $target in
    firmware)
      seeds=build-asan/firmware-seeds
      rm -rf "$seeds"
      build-asan/tests/fuzz/qs9-fuzz-seeds tests/fuzz/walks "$seeds" ;;
    script) seeds=tests/fuzz/script-corpus; extra=(-max_len=4096 -dict=tests/fuzz/script.dict) ;;
    flight) seeds=tests/fuzz/flight-corpus; extra=(-max_len=4096 -dict=tests/fuzz/flight.dict) ;;
    memory)
      seeds=build-asan/memory-seeds; extra=(-max_len=1024)
      rm -rf "$seeds"
      build-asan/tests/fuzz/qs9-memory-seeds "$seeds" ;;
  esac
  mkdir -p "build-asan/$target-corpus"
  "build-asan/tests/fuzz/qs9-$target-fuzzer" "build-asan/$target-corpus" "$seeds" "${extra[@]}" \
    -max_total_time="$time" -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="build-asan/$target-" -print_final_stats=1 "$@"
}

if [ ${#lanes[@]} -eq 1 ]; then
  fuzz "${lanes[0]}" "$seconds" "$@"
  exit
fi
# A lane of two shares its time: two thirds for the first, the rest for the
# second. Each target leaves its exit status beside its log.
lane() {
  local targets=($1) time=$seconds
  shift
  [ ${#targets[@]} -eq 1 ] || time=$((seconds * 2 / 3))
  for target in "${targets[@]}"; do
    status=0
    fuzz "$target" "$time" "$@" > "build-asan/$target-fuzz.log" 2>&1 || status=$?
    echo $status > "build-asan/$target-fuzz.status"
    time=$((seconds - time))
  done
}
pids=()
for targets in "${lanes[@]}"; do
  lane "$targets" "$@" &
  pids+=($!)
done
wait "${pids[@]}"
status=0
for target in ${lanes[*]}; do
  if [ "$(cat "build-asan/$target-fuzz.status")" = 0 ]; then
    echo "== $target fuzzer: $(grep -m1 '^Done' "build-asan/$target-fuzz.log")"
  else
    status=1
    echo "== $target fuzzer failed:"
    tail -n 60 "build-asan/$target-fuzz.log"
  fi
done
exit $status
