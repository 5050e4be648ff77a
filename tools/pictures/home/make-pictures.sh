#!/usr/bin/env bash
# Builds the picture maker, photographs the home screen and the fuel totals
# page into docs/home/, and adds 4x enlarged copies for looking at.
set -euo pipefail
cd "$(dirname "$0")/../../.."
cmake -S . -B build -G Ninja -DQS9_GENERATORS=ON > /dev/null
cmake --build build --target qs9_home_pictures
mkdir -p docs/home
cd docs/home
../../build/tools/pictures/home/qs9_home_pictures
for picture in home-*.png totals-*.png; do
    case "$picture" in *-4x.png) continue ;; esac
    convert "$picture" -scale 400% "${picture%.png}-4x.png"
done
