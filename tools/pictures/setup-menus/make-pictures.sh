#!/bin/sh
# Makes docs/setup-menus/: the main menu pages, the misc set-up menu and the
# fuel set-up list at its top and bottom,
# the runner's 160 x 120 shots enlarged four times. Needs ImageMagick and a
# build in build/.
set -eu
command -v convert >/dev/null || { echo "The pictures need ImageMagick: apt-get install imagemagick" >&2; exit 1; }
root=$(cd "$(dirname "$0")/../../.." && pwd)
mkdir -p "$root/docs/setup-menus"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && "$root/build/tools/qs9-script" "$root/tools/pictures/setup-menus/setup-menus.qs9")
for shot in "$work"/*.png; do
  convert "$shot" -filter point -scale 400% -strip "$root/docs/setup-menus/$(basename "$shot")"
done
