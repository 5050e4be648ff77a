#!/usr/bin/env bash
# Pictures of the level pages for docs/level_pages/: one sheet a page,
# enlarged four times. Rows: with the pressure strip in litres, in gallons,
# then without the strip in litres, in gallons; columns: contents normal, at
# the low caution, at the low alarm, senders failed (blink phase on). A last
# row on the pages with flow: calculated tanks with "CALC", and both flows as
# one below zero (DIFF, without the strip). Each frame is a runner script of
# its own, from program start, written by the functions below.
set -euo pipefail
command -v montage >/dev/null || { echo "The pictures need ImageMagick: apt-get install imagemagick" >&2; exit 1; }
cd "$(dirname "$0")/../../.."
tools/build.sh > /dev/null
frames=$(mktemp -d)
trap 'rm -rf "$frames"' EXIT

# The page's fuel system on the factory settings (FLOW1 FLOW2 TANK1 TANK2:
# channels on or off, tank modes), filters off so that one pass shows the
# sender's contents; STRIP: the pressure strip; UNITS 0 litres, 1 gallons,
# where the tank holds 45.0 and its low levels are 10.0 and 20.0, in tenths.
configure() {
  local tenths=1
  [ "$6" = 1 ] && tenths=10
  cat <<EOF
on
set settings.flow1Enabled $1
set settings.flow2Enabled $2
set settings.tank1Mode $3
set settings.tank2Mode $4
set settings.tank1Filter 0
set settings.tank2Filter 0
set settings.pressureDisplay $5
set settings.units $6
EOF
  for tank in 1 2; do
    echo "set settings.tank${tank}Size $((45 * tenths))"
    echo "set settings.tank${tank}LowAlarm $((10 * tenths))"
    echo "set settings.tank${tank}LowCaution $((20 * tenths))"
  done
}

# Sender readings on the factory calibration (0, 9, 18, 27, 36, 45 of the
# tank size 45 at 809, 680, 520, 427, 356, 251): tank 1 36 and tank 2 27,
# both 18 (low caution 20), 9 and 0 (low alarm 10), both failed; the normal
# contents with a return flow above the supply.
declare -A band=(
  [normal]="slider level1 356
slider level2 427"
  [caution]="slider level1 520
slider level2 520"
  [alarm]="slider level1 680
slider level2 809"
  [failed]="slider level1 4000
slider level2 4000"
  [return-above-supply]="slider level1 356
slider level2 427
slider flow2 400"
)

runner="$PWD/build/tools/qs9-script"

# One frame: the fuel system, the pressure in its green band, more lines,
# the flight, then the picture with the blink phase on (it turns after 11
# ticks).
frame() { # FILE CONFIGURE-ARGUMENTS(6) BAND [LINES]
  {
    configure "$2" "$3" "$4" "$5" "$6" "$7"
    printf 'slider pressure 2000\n%s\n' "${9:-}"
    printf 'slider flow1 300\nslider flow2 200\n%s\n' "${band[$8]}"
    printf 'tick 11\npass 2\nshot %s\n' "$1"
  } | (cd "$frames" && "$runner" - > /dev/null)
}

# Every tank in use made calculated and filled to 30 through its manual
# level entry: a knob turn acknowledges each empty tank's low-fuel alarm,
# the right push button opens the entry (0, 3, 0 and DONE), tank 1's first,
# which then opens tank 2's.
calculated_tanks() { # TANK1 TANK2
  local tank mode
  for tank in 1 2; do
    mode=$1; shift
    [ "$mode" = 2 ] && continue
    printf 'set settings.tank%sMode 1\npass\nkey minus\n' "$tank"
    entries+='key press\npass\nkey plus\npass\nkey plus\npass\nkey plus\npass\nkey left\npass\n'
  done
  printf 'pass\nkey right\npass\n%b' "$entries"
}

page_frames() { # PAGE FLOW1 FLOW2 TANK1 TANK2
  local page=$1 layout strip units b
  for layout in strip-L strip-G nostrip-L nostrip-G; do
    strip=0; [[ $layout == strip-* ]] && strip=1
    units=0; [[ $layout == *-G ]] && units=1
    for b in normal caution alarm failed; do
      frame "$page-$layout-$b.png" "$2" "$3" "$4" "$5" "$strip" "$units" "$b"
    done
  done
  [ "$2" = 0 ] && return
  frame "$page-calc.png" "$2" "$3" "$4" "$5" 1 0 normal "$(entries='' calculated_tanks "$4" "$5")"
  # Two flows shown apart stay apart; the other flow pages take a combined flow.
  [ "$3" = 1 ] && return
  frame "$page-diff.png" "$2" "$3" "$4" "$5" 0 0 return-above-supply \
    "$(printf 'set settings.flow2Enabled 1\nset settings.flowMode 1')"
}

page_frames single-tank 1 0 0 2
page_frames two-tank-dual-flow 1 1 0 0
page_frames two-tank 1 0 0 0
page_frames single-tank-level 0 0 0 2
page_frames two-tank-level 0 0 0 0

mkdir -p docs/level_pages
for page in single-tank two-tank-dual-flow two-tank single-tank-level two-tank-level; do
  list=()
  for layout in strip-L strip-G nostrip-L nostrip-G; do
    for b in normal caution alarm failed; do
      list+=("$frames/$page-$layout-$b.png")
    done
  done
  for extra in calc diff; do
    if [ -e "$frames/$page-$extra.png" ]; then list+=("$frames/$page-$extra.png"); fi
  done
  montage "${list[@]}" -tile 4x -geometry +2+2 -background '#404040' -scale 400% \
    "docs/level_pages/$page-page.png"
done
