#!/usr/bin/env bash
# Builds the fuzzers in build-asan/ (clang: coverage, ASan, UBSan; see
# tools/build.sh) and runs one, or several side by side, for SECONDS
# (default 60) from its seeds:
#   firmware  instrument events (tests/fuzz/firmware_events.h) from the seed
#             walks in tests/fuzz/walks, made into events first; the default
#   script    arbitrary bytes as a runner script, from tests/fuzz/script-corpus
#   memory    arbitrary bytes as the instrument memory, from records that
#             qs9-memory-seeds writes in build-asan/memory-seeds
#   both      firmware and script at once, all: the three at once, each
#             one's output in build-asan/TARGET-fuzz.log
# Usage: tools/run-fuzzer.sh [firmware|script|memory|both|all] [SECONDS] [libFuzzer options]
# Any finding (a broken invariant, a sanitizer report, a crash, a hang, a
# bad exit status or a file outside the scratch folder) fails the run and
# leaves its input as build-asan/TARGET-crash-* (or -timeout-*). Options
# such as -fork=1 -ignore_crashes=1 go on past a finding and count them all.
set -euo pipefail
cd "$(dirname "$0")/.."
targets=(firmware)
case "${1:-}" in
  firmware | script | memory) targets=("$1"); shift ;;
  both) targets=(firmware script); shift ;;
  all) targets=(firmware script memory); shift ;;
esac
seconds=${1:-60}
shift || true
fuzzers=()
for target in "${targets[@]}"; do fuzzers+=("qs9-$target-fuzzer"); done
[[ " ${targets[*]} " == *" firmware "* ]] && fuzzers+=(qs9-fuzz-seeds)
[[ " ${targets[*]} " == *" memory "* ]] && fuzzers+=(qs9-memory-seeds)
tools/build.sh --sanitize "${fuzzers[@]}"

# New inputs go to a scratch corpus; the committed seeds stay as they are.
# The scripts' own files go to a scratch folder, removed after the run.
export QS9_FUZZ_SCRATCH=$PWD/build-asan/script-files
trap 'rm -rf "$QS9_FUZZ_SCRATCH"' EXIT
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1
fuzz() {
  local target=$1 seeds=build-asan/firmware-seeds extra=(-max_len=2048)
  shift
  if [ "$target" = firmware ]; then
    rm -rf "$seeds"
    build-asan/tests/fuzz/qs9-fuzz-seeds tests/fuzz/walks "$seeds"
  elif [ "$target" = script ]; then
    seeds=tests/fuzz/script-corpus
    extra=(-max_len=4096 -dict=tests/fuzz/script.dict)
  elif [ "$target" = memory ]; then
    seeds=build-asan/memory-seeds
    extra=(-max_len=1024)
    rm -rf "$seeds"
    build-asan/tests/fuzz/qs9-memory-seeds "$seeds"
  fi
  mkdir -p "build-asan/$target-corpus"
  "build-asan/tests/fuzz/qs9-$target-fuzzer" "build-asan/$target-corpus" "$seeds" "${extra[@]}" \
    -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="build-asan/$target-" -print_final_stats=1 "$@"
}

if [ ${#targets[@]} -eq 1 ]; then
  fuzz "${targets[0]}" "$@"
  exit
fi
pids=()
for target in "${targets[@]}"; do
  fuzz "$target" "$@" > "build-asan/$target-fuzz.log" 2>&1 &
  pids+=($!)
done
status=0
for i in "${!targets[@]}"; do
  if wait "${pids[$i]}"; then
    echo "== ${targets[$i]} fuzzer: $(grep -m1 '^Done' "build-asan/${targets[$i]}-fuzz.log")"
  else
    status=1
    echo "== ${targets[$i]} fuzzer failed:"
    tail -n 60 "build-asan/${targets[$i]}-fuzz.log"
  fi
done
exit $status
