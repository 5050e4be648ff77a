#!/usr/bin/env bash
# Builds and runs the whole test suite in build-asan/ (clang, with
# AddressSanitizer and UndefinedBehaviorSanitizer, where any finding fails its
# test), in parallel but the window tests one at a time under a private Xvfb.
# Builds in build/ the programs a user runs and runs the tests that start
# them there too, and the browser edition's tests, which compare its runner
# with that qs9-script (tools/run-browser-tests.sh). Then runs the three
# fuzzers for a minute, two side by side.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup-machine.sh tests
tools/build.sh --tests qs9-simulator qs9-script
tools/build.sh --sanitize
export UBSAN_OPTIONS=print_stacktrace=1

tests='status=0
echo "== tests in build-asan"
ctest --test-dir build-asan --parallel "$(nproc)" --output-on-failure || status=1
echo "== the programs in build"
ctest --test-dir build --label-regex program --output-on-failure || status=1
exit $status'
status=0
if [ -z "${DISPLAY:-}" ] || [ -n "${CI:-}" ]; then
  xvfb-run -a -s "-screen 0 1280x1024x24" bash -c "$tests" || status=1
else
  bash -c "$tests" || status=1
fi
tools/run-browser-tests.sh || status=1
tools/run-fuzzer.sh all 60 || status=1
exit $status
