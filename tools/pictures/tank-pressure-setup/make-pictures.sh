#!/bin/sh
# Makes docs/tank-pressure-setup/: the tank set-up, tank calibration, SLOPE
# ERROR, fuel-pressure set-up and user curve editor screens, the runner's
# 160 x 120 shots enlarged four times. Needs ImageMagick and a build in build/.
set -eu
root=$(cd "$(dirname "$0")/../../.." && pwd)
mkdir -p "$root/docs/tank-pressure-setup"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && "$root/build/tools/qs9-script" "$root/tools/pictures/tank-pressure-setup/tank-pressure-setup.qs9")
for shot in "$work"/*.png; do
  convert "$shot" -filter point -scale 400% -strip "$root/docs/tank-pressure-setup/$(basename "$shot")"
done
