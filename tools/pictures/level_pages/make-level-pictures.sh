#!/usr/bin/env bash
# Pictures of the level pages for docs/level_pages/: one sheet a page,
# enlarged four times. Rows: with the pressure strip in litres, in gallons,
# then without the strip in litres, in gallons; columns: contents normal, at
# the low caution, at the low alarm, senders failed (blink phase on). A last
# row on the pages with flow: calculated tanks with "CALC", and both flows as
# one below zero (DIFF, without the strip).
set -euo pipefail
command -v convert >/dev/null || { echo "The pictures need ImageMagick: apt-get install imagemagick" >&2; exit 1; }
cd "$(dirname "$0")/../../.."
cmake -S . -B build -G Ninja -DQS9_GENERATORS=ON > /dev/null
log=$(mktemp)
cmake --build build -j2 --target qs9_level_frames > "$log" || { cat "$log"; exit 1; }
rm -f "$log"
frames=$(mktemp -d)
trap 'rm -rf "$frames"' EXIT
build/tools/pictures/level_pages/qs9_level_frames "$frames" > /dev/null
mkdir -p docs/level_pages
for page in single-tank two-tank-dual-flow two-tank single-tank-level two-tank-level; do
  list=()
  for layout in strip-L strip-G nostrip-L nostrip-G; do
    for band in normal caution alarm failed; do
      list+=("$frames/$page-$layout-$band.png")
    done
  done
  for extra in calc diff; do
    if [ -e "$frames/$page-$extra.png" ]; then list+=("$frames/$page-$extra.png"); fi
  done
  montage "${list[@]}" -tile 4x -geometry +2+2 -background '#404040' -scale 400% \
    "docs/level_pages/$page-page.png"
done
