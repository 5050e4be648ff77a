#!/usr/bin/env bash
# Installs what the window lacks, builds it (incrementally) and starts the simulator.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup-machine.sh window
tools/build.sh qs9-simulator
# Without a display the simulator says so, with the way to run it under xvfb-run.
exec build/host/qs9-simulator "$@"
