#!/usr/bin/env bash
# Builds the fuzzers with clang (coverage, ASan, UBSan) in build-fuzz/ and
# runs one for SECONDS (default 60) from its committed seeds:
#   firmware  instrument events (tests/fuzz/firmware_events.h) from the seed
#             walks in tests/fuzz/corpus; the default
#   script    arbitrary bytes as a runner script, from tests/fuzz/script-corpus
# Usage: tools/run-fuzzer.sh [firmware|script] [SECONDS] [libFuzzer options]
# Any finding (a broken invariant, a sanitizer report, a crash, a hang, a
# bad exit status or a file outside the scratch folder) fails the run and
# leaves its input as build-fuzz/TARGET-crash-* (or -timeout-*). Options
# such as -fork=1 -ignore_crashes=1 go on past a finding and count them all.
set -euo pipefail
cd "$(dirname "$0")/.."
target=firmware
case "${1:-}" in firmware | script) target=$1; shift ;; esac
seconds=${1:-60}
shift || true

[ -f build-fuzz/build.ninja ] ||
  cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQS9_FUZZ=ON -DQS9_HOST=OFF -DQS9_TESTS=OFF -DQS9_BENCH=OFF
cmake --build build-fuzz --target "qs9-$target-fuzzer"

seeds=tests/fuzz/corpus
extra=(-max_len=2048)
if [ "$target" = script ]; then
  seeds=tests/fuzz/script-corpus
  extra=(-max_len=4096 -dict=tests/fuzz/script.dict)
fi

# New inputs go to a scratch corpus; the committed seeds stay as they are.
# The scripts' own files go to a scratch folder, removed after the run.
work=build-fuzz/$target-corpus
mkdir -p "$work"
export QS9_FUZZ_SCRATCH=$PWD/build-fuzz/script-files
trap 'rm -rf "$QS9_FUZZ_SCRATCH"' EXIT
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1
"build-fuzz/tests/fuzz/qs9-$target-fuzzer" "$work" "$seeds" "${extra[@]}" \
  -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
  -artifact_prefix="build-fuzz/$target-" -print_final_stats=1 "$@"
