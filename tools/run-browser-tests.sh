#!/usr/bin/env bash
# The browser edition's tests: builds it (build-web/) and qs9-script (in
# QS9_BUILD, default build/), then checks the WebAssembly runner against
# qs9-script under Node.js on every project script and seed walk, and the
# page in headless Chromium, its instrument memory, playing scripts,
# lessons and instrument time on it too. Prints how long the checks took.
set -euo pipefail
cd "$(dirname "$0")/.."
export QS9_BUILD=${QS9_BUILD:-build}
tools/setup-machine.sh tests
tools/build-web.sh
# axe-core, the accessibility checker the page's tests run, from npm into
# the build tree (never into the site, never committed).
axe=build-web/axe/node_modules/axe-core/axe.min.js
[ -f "$axe" ] || npm install --prefix build-web/axe --no-save --no-package-lock --no-audit --no-fund axe-core@4.14.1
[ -f "$QS9_BUILD/build.ninja" ] || cmake -S . -B "$QS9_BUILD" -G Ninja
cmake --build "$QS9_BUILD" --target qs9-script
started=$(date +%s%N)
echo "== WebAssembly runner against qs9-script"
/usr/bin/python3 tests/web/compare_runners.py "$QS9_BUILD" build-web
echo "== the page in headless Chromium"
/usr/bin/python3 tests/web/browser_test.py
echo "== the instrument memory on the page"
/usr/bin/python3 tests/web/memory_browser_test.py
echo "== the page for learners and for every user, in headless Chromium"
/usr/bin/python3 tests/web/learner_page_test.py
echo "== playing scripts on the page"
/usr/bin/python3 tests/web/playback_test.py
echo "== lessons in the page, in headless Chromium"
/usr/bin/python3 tests/web/lesson_page_test.py
echo "== instrument time on the page: pace, tracks, flight log"
/usr/bin/python3 tests/web/flight_page_test.py
echo "browser tests: $(( ($(date +%s%N) - started) / 1000000 )) ms"
