#!/usr/bin/env bash
# Starts FlightGear with the C172 in the air over KSFO, sending the qs9-fuel
# generic protocol (script/flight/qs9-fuel.xml) over UDP to 127.0.0.1 PORT,
# captures what it sends, and reports how long it took to send its first
# packet, its first with values, and what those values were. FlightGear runs
# in a private Xvfb and a D-Bus session of its own (without one it aborts at
# start); it reads the protocol file from a data folder of this script's
# making, so that nothing is written into FlightGear's own.
# Usage: tools/flightgear/capture-flightgear.sh [--port PORT] [--seconds SECONDS]
#                                              [--timeout SECONDS] [--out FILE]
#                                              [--forward PORT]
#   --port     where FlightGear sends (default 5500; 0: a free port)
#   --seconds  how long to capture after the first packet with values (default 10)
#   --timeout  how long to wait for it (default 300: FlightGear loads its
#              scenery for a minute or more on a machine without a graphics card)
#   --out      the lines received, one per packet, as FlightGear sent them
#              (default: a file in the temporary folder, which is named)
#   --forward  each packet is also sent on to 127.0.0.1 PORT as it came (to
#              the runner: tools/flightgear/fly-runner.sh)
# Exit status: 0 captured, 1 nothing with values arrived in time, 2 bad
# usage, 77 FlightGear is not installed or could not start.
set -euo pipefail
here=$(cd "${0%/*}" && pwd)
protocol=$here/../../script/flight/qs9-fuel.xml
port=5500 seconds=10 timeout=300 out= forward=0
while [ $# -gt 0 ]; do
  case "$1" in
    --port | --seconds | --timeout | --out | --forward)
      [ $# -ge 2 ] || { echo "$1 needs a value" >&2; exit 2; }
      declare "${1#--}=$2"; shift 2 ;;
    *) echo "unknown option $1; usage: $0 [--port PORT] [--seconds S] [--timeout S] [--out FILE] [--forward PORT]" >&2; exit 2 ;;
  esac
done
fgfs=$(command -v fgfs || command -v /usr/games/fgfs || true)
for program in "$fgfs" xvfb-run dbus-run-session python3; do
  if [ -z "$program" ] || ! command -v "$program" > /dev/null; then
    echo "skipped: ${program:-fgfs} is not installed (FlightGear: apt-get install flightgear xvfb dbus-daemon)"
    exit 77
  fi
done

work=$(mktemp -d)
out=${out:-$work/flightgear-capture.txt}
mkdir -p "$work/data/Protocol"
cp "$protocol" "$work/data/Protocol/"
fg_pid=
cleanup() {
  # FlightGear, its D-Bus session and its Xvfb form one process group.
  [ -z "$fg_pid" ] || kill -- "-$fg_pid" 2> /dev/null || true
  [ -z "$fg_pid" ] || wait "$fg_pid" 2> /dev/null || true
  rm -rf "$work/data"
  [ "$out" != "$work/flightgear-capture.txt" ] && rm -rf "$work" || true
}
trap cleanup EXIT

# The listener starts first, so that FlightGear's first packet finds it.
python3 - "$port" "$seconds" "$timeout" "$out" "$work/ready" "$forward" << 'PYTHON' &
import functools, os, socket, sys, time
print = functools.partial(print, flush=True)
port, seconds, timeout, out, ready = int(sys.argv[1]), float(sys.argv[2]), float(sys.argv[3]), sys.argv[4], sys.argv[5]
forward = int(sys.argv[6])
listener = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
listener.bind(("127.0.0.1", port))
with open(ready + ".port", "w") as taken:
    taken.write(str(listener.getsockname()[1]))
os.rename(ready + ".port", ready)
start = time.monotonic()
first = with_values = None
count = 0
with open(out, "wb") as capture:
    while True:
        now = time.monotonic() - start
        end = timeout if with_values is None else min(timeout, with_values + seconds)
        if now >= end:
            break
        listener.settimeout(end - now)
        try:
            data, sender = listener.recvfrom(65536)
        except socket.timeout:
            break
        now = time.monotonic() - start
        if forward:
            listener.sendto(data, ("127.0.0.1", forward))
        capture.write(data if data.endswith(b"\n") else data + b"\n")
        capture.flush()
        count += 1
        line = data.decode("ascii", "replace").strip()
        if first is None:
            first = now
            print("first packet after %.1f s from %s:%d: %s" % (now, sender[0], sender[1], line))
        values = line.split(",")[1:]
        if with_values is None and any(v.strip("0.-") for v in values):
            with_values = now
            print("first packet with values after %.1f s: %s" % (now, line))
        last = line
if with_values is None:
    print("no packet with values within %.0f s (%d packets)" % (timeout, count))
    sys.exit(1)
print("last packet after %.1f s: %s" % (now, last))
print("%d packets in %.1f s" % (count, now - first))
PYTHON
listener=$!
for _ in $(seq 50); do [ -e "$work/ready" ] || sleep 0.1; done
[ -e "$work/ready" ] || { echo "the listener could not take port $port"; exit 1; }
port=$(cat "$work/ready")

echo "starting $fgfs, sending to 127.0.0.1 port $port"
# Lighter options than the defaults: software OpenGL draws every frame.
LC_ALL=C setsid xvfb-run -a -s "-screen 0 800x600x24" dbus-run-session -- "$fgfs" \
  --aircraft=c172p --airport=KSFO --in-air --altitude=3000 --vc=110 \
  --disable-sound --disable-terrasync --disable-splash-screen \
  --geometry=640x480 --disable-clouds --disable-clouds3d --fog-fastest --disable-ai-traffic \
  --disable-random-objects --disable-random-vegetation --disable-random-buildings \
  --data="$work/data" --generic=socket,out,5,127.0.0.1,"$port",udp,qs9-fuel \
  > "$work/fgfs.log" 2>&1 &
fg_pid=$!
status=0
while kill -0 "$listener" 2> /dev/null; do
  if ! kill -0 "$fg_pid" 2> /dev/null; then
    kill "$listener" 2> /dev/null || true
    # One that could not start is skipped; one that stopped in flight failed.
    if [ -s "$out" ]; then
      echo "FlightGear stopped before the capture was complete; its last words:"
      status=1
    else
      echo "skipped: FlightGear stopped before it sent; its last words:"
      status=77
    fi
    tail -n 15 "$work/fgfs.log"
    exit $status
  fi
  sleep 0.5
done
wait "$listener" || status=$?
echo "captured in $out"
exit $status
