#!/usr/bin/env bash
# Photographs the running simulator window in a private Xvfb into
# docs/window.png, for the README.
set -euo pipefail
cd "$(dirname "$0")/../../.."
cmake -S . -B build -G Ninja -DQS9_GENERATORS=ON > /dev/null
cmake --build build --target qs9_window_picture
xvfb-run -a -s "-screen 0 800x600x24" build/tools/pictures/window/qs9_window_picture docs/window.png
