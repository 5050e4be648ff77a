#!/usr/bin/env bash
# Configures and builds the project into build/ (incremental after the first run).
set -euo pipefail
cd "$(dirname "$0")/.."
[ -f build/build.ninja ] || cmake -S . -B build -G Ninja "$@"
cmake --build build
