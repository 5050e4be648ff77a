#!/usr/bin/env bash
# Builds the picture maker, photographs the security code screens and the
# entry screens into docs/entries/, and adds 4x enlarged copies for looking at.
set -euo pipefail
cd "$(dirname "$0")/../../.."
cmake -S . -B build -G Ninja -DQS9_GENERATORS=ON > /dev/null
cmake --build build -j2 --target qs9_entries_pictures
mkdir -p docs/entries
cd docs/entries
../../build/tools/pictures/entries/qs9_entries_pictures
for picture in *.png; do
    case "$picture" in *-4x.png) continue ;; esac
    convert "$picture" -filter point -scale 400% -strip "${picture%.png}-4x.png"
done
