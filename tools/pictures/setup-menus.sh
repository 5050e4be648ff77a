#!/bin/sh
# Makes docs/main-menu-*.png, docs/misc-setup.png and docs/fuel-setup-*.png:
# the runner's 160 x 120 shots enlarged four times. Needs ImageMagick and a
# build in build/.
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && "$root/build/tools/qs9-script" "$root/tools/pictures/setup-menus.qs9")
for shot in "$work"/*.png; do
  convert "$shot" -filter point -scale 400% "$root/docs/$(basename "$shot")"
done
