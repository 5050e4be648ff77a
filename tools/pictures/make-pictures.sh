#!/usr/bin/env bash
# Runs the runner script tools/pictures/SET/SET.qs9 and puts its 160 x 120
# shots into docs/SET/ with copies enlarged four times for looking at
# (NAME-4x.png), byte for byte the same on every run. The set-up menu sets
# keep only the enlarged copies, under the shots' own names.
# Usage: tools/pictures/make-pictures.sh SET   (home, misc, entries,
#        setup-menus, tank-pressure-setup)
set -euo pipefail
command -v convert >/dev/null || { echo "The pictures need ImageMagick: apt-get install imagemagick" >&2; exit 1; }
set_name="${1:?usage: $0 SET}"
root=$(cd "$(dirname "$0")/../.." && pwd)
script="$root/tools/pictures/$set_name/$set_name.qs9"
[ -f "$script" ] || { echo "no picture script $script" >&2; exit 2; }
"$root/tools/build.sh" > /dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && "$root/build/tools/qs9-script" "$script" > /dev/null)
mkdir -p "$root/docs/$set_name"
for shot in "$work"/*.png; do
  name=$(basename "$shot" .png)
  case "$set_name" in
    setup-menus | tank-pressure-setup) enlarged="$root/docs/$set_name/$name.png" ;;
    *) cp "$shot" "$root/docs/$set_name/$name.png"; enlarged="$root/docs/$set_name/$name-4x.png" ;;
  esac
  convert "$shot" -filter point -scale 400% -strip "$enlarged"
done
