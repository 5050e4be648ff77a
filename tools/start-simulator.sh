#!/usr/bin/env bash
# Installs what the machine lacks, builds (incrementally) and starts the simulator.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup-machine.sh
tools/build.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display to open the window on; without a desktop, try: xvfb-run -a $0" >&2
  exit 1
fi
exec build/host/qs9-simulator "$@"
