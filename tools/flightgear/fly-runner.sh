#!/usr/bin/env bash
# Flies the instrument with FlightGear: starts FlightGear as
# capture-flightgear.sh does (the C172 over KSFO, the qs9-fuel generic
# protocol over UDP), passes its packets on to qs9-script listening with
# "live flightgear PORT", and reports what the instrument showed against
# what FlightGear sent, converted to the instrument's units (litres, mph).
# The runner starts once FlightGear sends values and runs SECONDS of
# instrument time at the real pace, logging each measurement period; the
# tank filters are off, so that the contents follow the senders at once.
# Usage: tools/flightgear/fly-runner.sh [--runner QS9_SCRIPT] [--seconds SECONDS]
#                                       [--timeout SECONDS] [--out FILE]
#   --runner   the runner (default build/tools/qs9-script)
#   --seconds  instrument time to fly, a multiple of 4 (default 40)
#   --timeout  how long to wait for FlightGear's first values (default 300)
#   --out      FlightGear's packets, as capture-flightgear.sh writes them
# Exit status: 0 the instrument showed what FlightGear sent, 1 it did not or
# nothing arrived, 2 bad usage, 77 FlightGear is not installed or could not
# start (skipped).
set -euo pipefail
here=$(cd "${0%/*}" && pwd)
runner=$here/../../build/tools/qs9-script seconds=40 timeout=300 out=
while [ $# -gt 0 ]; do
  case "$1" in
    --runner | --seconds | --timeout | --out)
      [ $# -ge 2 ] || { echo "$1 needs a value" >&2; exit 2; }
      declare "${1#--}=$2"; shift 2 ;;
    *) echo "unknown option $1; usage: $0 [--runner QS9_SCRIPT] [--seconds S] [--timeout S] [--out FILE]" >&2; exit 2 ;;
  esac
done
[ -x "$runner" ] || { echo "no runner at $runner: build it (tools/build.sh) or name it with --runner" >&2; exit 2; }
case "$seconds" in *[!0-9]* | '') echo "--seconds takes whole seconds" >&2; exit 2 ;; esac
[ $((seconds % 4)) -eq 0 ] && [ "$seconds" -gt 0 ] || { echo "--seconds takes a multiple of 4 from 4 up" >&2; exit 2; }

work=$(mktemp -d)
out=${out:-$work/flightgear-capture.txt}
capture_pid= runner_pid=
cleanup() {
  [ -z "$runner_pid" ] || kill "$runner_pid" 2> /dev/null || true
  [ -z "$capture_pid" ] || kill "$capture_pid" 2> /dev/null || true
  [ -z "$capture_pid" ] || wait "$capture_pid" 2> /dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# A port the system has free for the runner.
runner_port=$(python3 -c 'import socket; s = socket.socket(socket.AF_INET, socket.SOCK_DGRAM); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')

# The capture goes on for the runner's flight and a little more.
"$here/capture-flightgear.sh" --port 0 --seconds $((seconds + 8)) --timeout "$timeout" --out "$out" \
  --forward "$runner_port" > "$work/capture.log" 2>&1 &
capture_pid=$!
while ! grep -q '^first packet with values' "$work/capture.log"; do
  if ! kill -0 "$capture_pid" 2> /dev/null; then
    status=0
    wait "$capture_pid" || status=$?
    capture_pid=
    cat "$work/capture.log"
    exit $status
  fi
  sleep 0.5
done
grep '^first packet' "$work/capture.log"

cat > "$work/fly.qs9" << SCRIPT
on
set settings.tank2Mode 0
set settings.tank1Filter 0
set settings.tank2Filter 0
slider pressure 2000
live flightgear $runner_port
log $work/shown.csv flow1 tank1 tank2 pressure gps_speed fuel_used1 endurance
run ${seconds}s
SCRIPT
echo "flying $seconds s of instrument time: $runner $work/fly.qs9 (live flightgear $runner_port)"
"$runner" "$work/fly.qs9" > "$work/runner.out" 2> "$work/runner.err" &
runner_pid=$!
runner_status=0
wait "$runner_pid" || runner_status=$?
runner_pid=
# The packets that had come when the runner made its last pass.
sent=$(grep -c '^qs9-fuel,' "$out" || true)
sed 's/^/runner: /' "$work/runner.err"
[ "$runner_status" -eq 0 ] || { echo "the runner failed (status $runner_status)"; exit 1; }
capture_status=0
wait "$capture_pid" || capture_status=$?
capture_pid=
grep -v '^first packet' "$work/capture.log"
[ "$capture_status" -eq 0 ] || exit "$capture_status"

# What FlightGear had sent last when the runner made its last pass, against
# the row the instrument logged then: converted as the runner converts (US gallons
# of 3.785411784 L, knots of 1852 m, mph of 1609.344 m).
python3 - "$out" "$work/shown.csv" "$sent" << 'PYTHON'
import csv, sys
packets = [line.strip().split(",") for line in open(sys.argv[1]) if line.startswith("qs9-fuel,")]
packets = packets[: int(sys.argv[3])]
shown = list(csv.DictReader(open(sys.argv[2])))
if not shown:
    print("the instrument logged no measurement period"); sys.exit(1)
last = shown[-1]
flow, _, tank1, tank2, pressure, speed = (float(v) for v in packets[-1][1:7])
litres = 3.785411784
mph = 1852 / 1609.344
sent = {"flow1": flow * litres, "tank1": tank1 * litres, "tank2": tank2 * litres, "gps_speed": speed * mph}
# The display's resolution, and what changes between FlightGear's last
# packets (the tanks empty, the speed wanders).
allowed = {"flow1": 0.6, "tank1": 1.0, "tank2": 1.0, "gps_speed": 2.0}
print("FlightGear sent: flow %.2f gal/h, tanks %.2f and %.2f gal, fuel pressure %.1f psi, ground speed %.1f kt"
      % (flow, tank1, tank2, pressure, speed))
print("%-10s %-22s %s" % ("", "FlightGear, converted", "the instrument showed (at %s s)" % last["time_s"]))
failed = False
for name, unit in (("flow1", "L/h"), ("tank1", "L"), ("tank2", "L"), ("gps_speed", "mph")):
    value = float(last[name]) if last[name] else None
    good = value is not None and abs(value - sent[name]) <= allowed[name]
    failed |= not good
    print("%-10s %-22s %s%s" % (name, "%.2f %s" % (sent[name], unit), last[name] or "-", "" if good else "   <- differs"))
print("%-10s %-22s %s (from its slider: FlightGear's C172 sends 0)" % ("pressure", "%.1f psi" % pressure, last["pressure"]))
print("fuel used over %s s: %s L; endurance %s min" % (last["time_s"], last["fuel_used1"], last["endurance"]))
print("the instrument showed what FlightGear sent" if not failed else "the instrument did not show what FlightGear sent")
sys.exit(1 if failed else 0)
PYTHON
