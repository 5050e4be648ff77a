#!/usr/bin/env bash
# Builds the benchmarks (Release, in build-bench/) and runs them all, each
# command echoed before its figures: firmware passes per screen family, the
# measurement pass, the presenter against the point list, the window's whole
# loop against the presenter alone, and the CPU taken while off and on.
# Every figure is the median of ROUNDS repetitions (default 3); the machine's
# load is printed first and last. Window programs run under a private Xvfb.
# The pass figures can be saved, labelled with the commit, and a later run
# prints its own beside them: run --save on the commit before a change and
# --against on the change, on the same machine.
# Usage: bench/run-benchmarks.sh [--save FILE] [--against FILE]
set -euo pipefail
cd "$(dirname "$0")/.."
ROUNDS=${ROUNDS:-3}
IDLE_SECONDS=${IDLE_SECONDS:-10}

pass_figures=()
while [ $# -gt 0 ]; do
  case "$1" in
    --save | --against)
      [ $# -ge 2 ] || { echo "$0: no file after $1" >&2; exit 2; }
      [ "$1" = --save ] || [ -r "$2" ] || { echo "$0: cannot read $2" >&2; exit 2; }
      pass_figures+=("$1" "$(realpath -m "$2")")
      shift 2 ;;
    *) echo "usage: $0 [--save FILE] [--against FILE]" >&2; exit 2 ;;
  esac
done
commit=$(git log -1 --format='%h %s')
git diff --quiet HEAD || commit="$commit, with uncommitted changes"

cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DQS9_TESTS=OFF -DQS9_BENCH=ON >/dev/null
cmake --build build-bench -j2 >/dev/null
bin=build-bench/bench
xvfb=(xvfb-run -a -s "-screen 0 1280x1024x24")
medians=(--benchmark_repetitions="$ROUNDS" --benchmark_display_aggregates_only=true)

# Echoes the command as it could be typed again.
show() {
  echo
  printf '$'
  printf ' %q' "$@"
  echo
}

run() {
  show "$@"
  "$@" 2>&1 | grep -v -e XDG_RUNTIME_DIR -e 'built as DEBUG'
}

# Google Benchmark tables with only the median rows (and each error once).
run_medians() {
  show "$@"
  "$@" 2>&1 | grep -E -e '^Benchmark|^-{10}|_median|ERROR|x faster|Load Average' \
    -e '^CPU time per pass|^pass/[^ _]+ +([0-9.]+ us$|saved)|^figures saved|cannot' | uniq
}

# CPU taken by the simulator itself from the outside, while off: the share of
# one core over IDLE_SECONDS, after two seconds for start-up.
simulator_idle_cpu() {
  local tmp display xvfb_pid sim_pid before after tick
  tmp=$(mktemp -d)
  Xvfb -displayfd 3 -screen 0 1280x1024x24 3>"$tmp/display" 2>/dev/null &
  xvfb_pid=$!
  while [ ! -s "$tmp/display" ]; do sleep 0.1; done
  display=:$(cat "$tmp/display")
  DISPLAY=$display build-bench/host/qs9-simulator 2>/dev/null &
  sim_pid=$!
  sleep 2
  cpu_ticks() { sed 's/^.*) //' "/proc/$1/stat" | awk '{print $12 + $13}'; }
  before=$(cpu_ticks "$sim_pid")
  sleep "$IDLE_SECONDS"
  after=$(cpu_ticks "$sim_pid")
  kill "$sim_pid"
  wait "$sim_pid" 2>/dev/null || true
  kill "$xvfb_pid"
  wait "$xvfb_pid" 2>/dev/null || true
  rm -rf "$tmp"
  tick=$(getconf CLK_TCK)
  awk -v t=$((after - before)) -v hz="$tick" -v s="$IDLE_SECONDS" \
    'BEGIN { printf "%.2f\n", 100 * t / hz / s }'
}

echo "load at start: $(uptime)"
run_medians "$bin/qs9_pass_bench" "${medians[@]}" --label "$commit" "${pass_figures[@]}"
run_medians "$bin/qs9_bench_measurement" "${medians[@]}"
run_medians "$bin/qs9_run_duration_bench" "${medians[@]}"
run_medians "${xvfb[@]}" "$bin/qs9_presenter_bench" "${medians[@]}"
run "${xvfb[@]}" "$bin/qs9_window_loop_bench" --seconds 3 --rounds "$ROUNDS"
run "${xvfb[@]}" "$bin/qs9_idle_cpu_bench" --seconds "$IDLE_SECONDS" --rounds "$ROUNDS"

echo
echo "\$ build-bench/host/qs9-simulator under Xvfb, off: utime + stime over ${IDLE_SECONDS} s from /proc/PID/stat"
shares=()
for round in $(seq "$ROUNDS"); do
  shares+=("$(simulator_idle_cpu)")
  echo "round $round: ${shares[-1]} % of one core"
done
printf '%s\n' "${shares[@]}" | sort -g | awk '{ v[NR] = $1 } END {
  m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
  printf "median: simulator off takes %.2f %% of one core\n", m }'
echo
echo "load at end: $(uptime)"
