#!/bin/sh
# Runs the runner script tools/pictures/SET/SET.qs9 and puts its 160 x 120
# shots into docs/SET/, enlarged four times for looking at. Needs ImageMagick
# and a build in build/.
# Usage: tools/pictures/make-script-pictures.sh SET   (setup-menus, tank-pressure-setup)
set -eu
command -v convert >/dev/null || { echo "The pictures need ImageMagick: apt-get install imagemagick" >&2; exit 1; }
set_name="${1:?usage: $0 SET}"
root=$(cd "$(dirname "$0")/../.." && pwd)
mkdir -p "$root/docs/$set_name"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && "$root/build/tools/qs9-script" "$root/tools/pictures/$set_name/$set_name.qs9")
for shot in "$work"/*.png; do
  convert "$shot" -filter point -scale 400% -strip "$root/docs/$set_name/$(basename "$shot")"
done
