#!/usr/bin/env bash
# Builds and runs the whole test suite twice: in build/, and in build-asan/
# with AddressSanitizer and UndefinedBehaviorSanitizer, where any finding
# fails its test. Window tests run under a private Xvfb; the browser
# edition's tests in headless Chromium (tools/run-browser-tests.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup-machine.sh
tools/build.sh
[ -f build-asan/build.ninja ] ||
  cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQS9_SANITIZE=ON -DQS9_BENCH=OFF
cmake --build build-asan
export UBSAN_OPTIONS=print_stacktrace=1

both_trees='status=0
for tree in build build-asan; do
  echo "== tests in $tree"
  ctest --test-dir "$tree" --output-on-failure || status=1
done
exit $status'

# Each fuzzer for a minute, the firmware's and the script interpreter's; a
# finding stops the run here.
tools/run-fuzzer.sh firmware 60
tools/run-fuzzer.sh script 60
# The browser edition: its runner against qs9-script, the page in Chromium.
tools/run-browser-tests.sh
if [ -z "${DISPLAY:-}" ] || [ -n "${CI:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash -c "$both_trees"
fi
bash -c "$both_trees"
