#!/usr/bin/env bash
# Shows the photograph as the window does (stretched into 241 x 249 client
# pixels), enlarged three times, with the window's controls outlined: red for
# Panel1 and the click areas Image2, Image3 and Image8, cyan for the "+" and
# "-" buttons. Writes a PNG for a person to look at.
#   tools/photo/check-alignment.sh [OUTPUT.png]
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
out=${1:-${TMPDIR:-/tmp}/instrument_front_alignment.png}
zoom=3
args=()

outline() { # colour, then left top width height of each control in client pixels
  args+=(-stroke "$1"); shift
  while [ $# -ge 4 ]; do
    args+=(-draw "rectangle $(($1 * zoom)),$(($2 * zoom)) $((($1 + $3) * zoom - 1)),$((($2 + $4) * zoom - 1))")
    shift 4
  done
}
outline red 40 57 161 121  52 192 33 33  154 192 33 33  100 196 41 41
outline cyan 64 232 33 25  144 232 33 25

convert "$root/assets/instrument_front.jpg" -resize '241x249!' \
  -filter point -resize "$((241 * zoom))x$((249 * zoom))!" \
  -fill none -strokewidth 1 "${args[@]}" "$out"
echo "wrote $out"
