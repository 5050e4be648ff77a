#!/usr/bin/env bash
# Builds the picture maker of one set (home, misc, ...: tools/pictures/SET),
# photographs its screens into docs/SET/, and adds 4x enlarged copies for
# looking at, byte for byte the same on every run.
# Usage: tools/pictures/make-pictures.sh SET
set -euo pipefail
command -v convert >/dev/null || { echo "The pictures need ImageMagick: apt-get install imagemagick" >&2; exit 1; }
set_name="${1:?usage: $0 SET}"
cd "$(dirname "$0")/../.."
cmake -S . -B build -G Ninja -DQS9_GENERATORS=ON > /dev/null
cmake --build build -j2 --target "qs9_${set_name}_pictures"
mkdir -p "docs/$set_name"
cd "docs/$set_name"
"../../build/tools/pictures/$set_name/qs9_${set_name}_pictures"
for picture in *.png; do
    case "$picture" in *-4x.png) continue ;; esac
    convert "$picture" -filter point -scale 400% -strip "${picture%.png}-4x.png"
done
