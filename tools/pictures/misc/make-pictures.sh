#!/usr/bin/env bash
# Builds the picture maker, photographs the backlight, ADC values, information
# and default-settings screens into docs/misc/, and adds 4x enlarged copies
# for looking at.
set -euo pipefail
cd "$(dirname "$0")/../../.."
cmake -S . -B build -G Ninja -DQS9_GENERATORS=ON > /dev/null
cmake --build build --target qs9_misc_pictures
mkdir -p docs/misc
cd docs/misc
../../build/tools/pictures/misc/qs9_misc_pictures
for picture in *.png; do
    case "$picture" in *-4x.png) continue ;; esac
    convert "$picture" -scale 400% "${picture%.png}-4x.png"
done
