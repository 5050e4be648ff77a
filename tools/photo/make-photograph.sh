#!/usr/bin/env bash
# Renders the photograph of the instrument's front from instrument_front.pov
# and encodes it as the baseline JPEG that the simulator embeds:
# assets/instrument_front.jpg, 1749 x 1749 pixels, 3 components; then the
# browser page's smaller rendition of it (make-page-photograph.sh).
#
#   tools/photo/make-photograph.sh            full render (a few minutes)
#   tools/photo/make-photograph.sh --preview  quick small render into /tmp
#
# Needs povray, imagemagick, libjpeg-turbo-progs and fonts-dejavu-core.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
fonts=/usr/share/fonts/truetype/dejavu
side=1749
quality=85

for tool in povray convert cjpeg; do
  command -v "$tool" >/dev/null || { echo "make-photograph: $tool is missing (see tools/photo/README.md)" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# POV-Ray reads fonts and writes output only in its working directory.
cp "$here/instrument_front.pov" "$fonts/DejaVuSans-Bold.ttf" "$fonts/DejaVuSansCondensed.ttf" "$work/"

render() { # width antialias-threshold output
  (cd "$work" && povray -D -V +WT2 +W"$1" +H"$1" +A"$2" +AM2 +R3 +J0.6 \
     +Iinstrument_front.pov +O"$3" +FN8 2>"$work/povray.log") ||
    { cat "$work/povray.log" >&2; exit 1; }
}

if [ "${1:-}" = "--preview" ]; then
  preview=${TMPDIR:-/tmp}/instrument_front_preview.png
  render 583 0.1 preview.png
  cp "$work/preview.png" "$preview"
  echo "wrote $preview"
  exit 0
fi

render "$side" 0.05 front.png
# A whisper of sensor grain so flat areas do not look computed, then the
# baseline encoding.
convert "$work/front.png" -seed 9 -attenuate 0.12 +noise Gaussian -depth 8 "$work/front.ppm"
cjpeg -baseline -quality "$quality" -optimize -sample 2x2 -outfile "$root/assets/instrument_front.jpg" "$work/front.ppm"
echo "wrote $root/assets/instrument_front.jpg ($(stat -c %s "$root/assets/instrument_front.jpg") bytes)"
"$here/make-page-photograph.sh"
