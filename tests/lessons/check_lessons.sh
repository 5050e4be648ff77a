#!/bin/sh
# The shipped lessons as the team checks them: at least 14, every one
# passing, and what they leave out exactly what lessons/README.md names
# under "Left out on purpose". The README's complete example is a lesson
# that passes too.
# Usage: check_lessons.sh PATH-TO-qs9-script LESSONS-FOLDER SCRATCH-FOLDER
runner=$1 lessons=$2 scratch=$3
fail() { echo "FAILED: $*"; exit 1; }

report=$("$runner" --check "$lessons") || fail "the lessons' check: $report"
passed=$(printf '%s\n' "$report" | sed -n 's/^\([0-9]*\) passed, 0 failed$/\1/p')
[ -n "$passed" ] && [ "$passed" -ge 14 ] || fail "at least 14 lessons, all passing: $report"

# The names of one kind in the README's section, and in the check's line.
excused() {
  sed -n '/^## Left out on purpose/,/^## /p' "$lessons/README.md" |
    grep -o '`[^`]*`' | tr -d '`' | grep "$1" | sort
}
reported() {
  printf '%s\n' "$report" | sed -n "s/^$1 no lesson step $2: //p" | tr -d ' ' | tr ',' '\n' |
    grep -v '^none$' | sort
}
[ "$(reported screens shows)" = "$(excused 'Screen$')" ] ||
  fail "screens no step shows, against the README: $(reported screens shows)"
[ "$(reported settings changes)" = "$(excused '^settings\.')" ] ||
  fail "settings no step changes, against the README: $(reported settings changes)"

mkdir -p "$scratch"
sed -n '/^## A complete example/,/^## /p' "$lessons/README.md" | sed -n '/^```$/,/^```$/p' | sed '1d;$d' \
  > "$scratch/example.qs9"
example=$("$runner" --check "$scratch/example.qs9") || fail "the README's example: $example"
echo "$passed lessons passed; what they leave out is named in the README"
