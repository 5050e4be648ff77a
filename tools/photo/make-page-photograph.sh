#!/usr/bin/env bash
# Makes the browser page's rendition of the photograph from the window's:
# assets/instrument_front.jpg scaled to 1446 x 1446 pixels and encoded as
# lossy WebP, assets/instrument_front.webp. The page shows the picture
# 241 form units wide; 1446 pixels are 6 device pixels a unit, as sharp as
# the page shows it at 3 CSS pixels a unit on a screen of 2 device pixels a
# CSS pixel, at a seventh of the JPEG's bytes. make-photograph.sh runs this
# after each render; run alone, it remakes the rendition from the JPEG.
#
#   tools/photo/make-page-photograph.sh
#
# Needs imagemagick (with its WebP coder, as Debian builds it).
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
side=1446
quality=80
source="$root/assets/instrument_front.jpg"
target="$root/assets/instrument_front.webp"

command -v convert >/dev/null || { echo "make-page-photograph: convert is missing (see tools/photo/README.md)" >&2; exit 1; }
formats=$(convert -list format)
[[ $formats == *WEBP* ]] ||
  { echo "make-page-photograph: this ImageMagick cannot write WebP" >&2; exit 1; }

# -strip leaves out the profile and the dates, so the same JPEG gives the same file.
convert "$source" -resize "${side}x${side}" -strip -quality "$quality" \
  -define webp:method=6 "$target"
echo "wrote $target ($(stat -c %s "$target") bytes)"
