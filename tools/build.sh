#!/usr/bin/env bash
# Configures and builds a tree (incremental after the first run): build/ as
# usual, or with --sanitize build-asan/, where clang builds everything with
# AddressSanitizer and UndefinedBehaviorSanitizer, and the fuzzers. Names of
# targets build only those; without, the whole tree.
# Usage: tools/build.sh [--sanitize] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
tree=build
options=()
if [ "${1:-}" = --sanitize ]; then
  tree=build-asan
  options=(-DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang -DQS9_SANITIZE=ON -DQS9_FUZZ=ON)
  shift
fi
[ -f "$tree/build.ninja" ] || cmake -S . -B "$tree" -G Ninja "${options[@]}"
cmake --build "$tree" ${1:+--target "$@"}
