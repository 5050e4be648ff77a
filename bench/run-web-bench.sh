#!/usr/bin/env bash
# The browser edition's figures, each beside its baseline in one run:
#  - a main-loop pass as WebAssembly under Node.js against the native pass:
#    bench/pass_timing.cpp built both ways (Release, build-bench/ and
#    build-web/), run alternately twice; per screen the better median;
#  - in headless Chromium from a local server (bench/web_page_figures.py):
#    load to the first drawn frame, CPU while off, running and hidden,
#    running at the "Real time" pace beside the "Instrument loop" pace
#    (alternately), and the page weight.
# The machine's load is printed first and last. ROUNDS (default 5).
set -euo pipefail
cd "$(dirname "$0")/.."
ROUNDS=${ROUNDS:-5}
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DQS9_TESTS=OFF -DQS9_BENCH=ON >/dev/null
cmake --build build-bench --target qs9_pass_timing >/dev/null
tools/build-web.sh >/dev/null
native=(build-bench/bench/qs9_pass_timing "$ROUNDS")
wasm=(node build-web/bench/qs9_pass_timing.js "$ROUNDS")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

echo "load at start: $(uptime)"
echo
echo "\$ ${native[*]}   against   ${wasm[*]}   (alternately, twice)"
for round in 1 2; do
  "${native[@]}" > "$work/native$round"
  "${wasm[@]}" > "$work/wasm$round"
done
# Columns: screen, native us, WebAssembly us, ratio.
paste "$work/native1" "$work/native2" "$work/wasm1" "$work/wasm2" | awk '
  function less(a, b) { return a < b ? a : b }
  BEGIN { printf "%-28s %10s %10s %7s\n", "pass on screen", "native us", "wasm us", "ratio" }
  { n = less($2, $5); w = less($8, $11)
    printf "%-28s %10.2f %10.2f %7.2f\n", $1, n, w, w / n }'
echo
echo "\$ bench/web_page_figures.py build-web/site 3 5"
/usr/bin/python3 bench/web_page_figures.py build-web/site 3 5
echo
echo "load at end: $(uptime)"
