#!/usr/bin/env bash
# Builds and runs the whole test suite; window tests run under a private Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup-machine.sh
tools/build.sh
# The firmware fuzzer for a minute; a finding stops the run here.
tools/run-fuzzer.sh 60
if [ -z "${DISPLAY:-}" ] || [ -n "${CI:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" ctest --test-dir build --output-on-failure
fi
ctest --test-dir build --output-on-failure
