#!/usr/bin/env bash
# Builds the firmware fuzzer with clang (coverage, ASan, UBSan) in build-fuzz/
# and runs it for SECONDS (default 60) from the committed seed walks. Any
# finding (a broken invariant, a sanitizer report, a crash) fails the run and
# leaves its input as build-fuzz/crash-* for tests/firmware/ to replay.
# Further arguments go to libFuzzer, e.g. -fork=1 -ignore_crashes=1 to go on
# past a finding and count them all.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true

[ -f build-fuzz/build.ninja ] ||
  cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQS9_FUZZ=ON -DQS9_HOST=OFF -DQS9_TESTS=OFF -DQS9_BENCH=OFF
cmake --build build-fuzz --target qs9-firmware-fuzzer

# New inputs go to a scratch corpus; the committed seeds stay as they are.
work=build-fuzz/corpus
mkdir -p "$work"
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1
build-fuzz/tests/fuzz/qs9-firmware-fuzzer "$work" tests/fuzz/corpus \
  -max_total_time="$seconds" -max_len=2048 -timeout=10 -rss_limit_mb=2048 \
  -artifact_prefix=build-fuzz/ -print_final_stats=1 "$@"
