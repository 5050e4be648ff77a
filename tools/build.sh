#!/usr/bin/env bash
# Configures and builds a tree (incremental after the first run): build/, or
# with --sanitize build-asan/, where clang builds everything with
# AddressSanitizer and UndefinedBehaviorSanitizer, and the fuzzers. A new
# build/ holds the programs alone, which need neither GoogleTest nor Google
# Benchmark; --tests gives it the tests and benchmarks too, reconfiguring a
# tree made without them. Names of targets build only those; without, the
# whole tree.
# Usage: tools/build.sh [--sanitize | --tests] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
tree=build
options=(-DQS9_TESTS=OFF -DQS9_BENCH=OFF)
case "${1:-}" in
  --sanitize)
    tree=build-asan
    options=(-DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang -DQS9_SANITIZE=ON -DQS9_FUZZ=ON)
    shift ;;
  --tests)
    options=(-DQS9_TESTS=ON -DQS9_BENCH=ON)
    shift
    if grep -qx 'QS9_TESTS:BOOL=OFF' "$tree/CMakeCache.txt" 2>/dev/null; then
      cmake -S . -B "$tree" "${options[@]}"
    fi ;;
esac
[ -f "$tree/build.ninja" ] || cmake -S . -B "$tree" -G Ninja "${options[@]}"
cmake --build "$tree" ${1:+--target "$@"}
