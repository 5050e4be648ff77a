#!/usr/bin/env bash
# Makes the application icon from the display's own fuel-pump icon
# (assets/icons/fuel_pump.xpm), four times enlarged on a black display in a
# dark bezel, at the sizes the desktop entry installs
# (assets/desktop/qs9-simulator-SIZE.png). Needs ImageMagick.
set -euo pipefail
cd "$(dirname "$0")/../../.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
convert assets/icons/fuel_pump.xpm "$work/pump.png"
convert -size 352x352 xc:none -fill '#2a2d31' -draw 'roundrectangle 0,0 351,351 44,44' \
  -fill black -draw 'rectangle 24,56 327,295' \
  \( "$work/pump.png" -filter point -resize 400% \) -gravity center -composite \
  "$work/icon.png"
for size in 48 64 128 256; do
  convert "$work/icon.png" -filter Lanczos -resize "${size}x${size}" -strip \
    "assets/desktop/qs9-simulator-$size.png"
done
