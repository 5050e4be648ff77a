#!/bin/sh
# qs9-script's command line: options, where the script comes from, why it
# cannot be read, and the exit status of each case.
# Usage: command_line_test.sh PATH-TO-qs9-script
runner=$1
failures=0

# expect STATUS PATTERN COMMAND: the status, and a line of the output and
# errors matching the pattern.
expect() {
  status=$1 pattern=$2
  shift 2
  output=$(eval "$*" 2>&1)
  actual=$?
  if [ "$actual" -ne "$status" ] || ! printf '%s\n' "$output" | grep -q -- "$pattern"; then
    echo "FAILED: $* -> status $actual, wanted $status and /$pattern/:"
    printf '%s\n' "$output"
    failures=$((failures + 1))
  fi
}

expect 0 '^usage: qs9-script' '"$runner" --help'
expect 0 '^usage: qs9-script' '"$runner" -h'
expect 0 '^qs9-script [0-9][0-9.]*$' '"$runner" --version'
expect 0 '^pendingKey = 0$' 'echo "print pendingKey" | "$runner" -'
expect 2 'unknown option "-x"' '"$runner" -x'
expect 2 'one script at a time' '"$runner" a.qs9 b.qs9'
expect 2 '"/nonexistent.qs9": not found' '"$runner" /nonexistent.qs9'
expect 2 '"/": a directory' '"$runner" /'
expect 2 'from standard input: it is closed' '"$runner" <&-'
expect 2 'from standard input: a directory' '"$runner" < /'
expect 2 'cannot write the output' 'echo "print pendingKey" | "$runner" > /dev/full'
expect 2 'needs a script or a folder' '"$runner" --check'
expect 2 'takes one recording' '"$runner" --lesson-draft'
expect 2 'takes neither --check nor --update' '"$runner" --lesson-draft --check a.qs9'
expect 2 'cannot read the recording "/nonexistent.qs9": not found' '"$runner" --lesson-draft /nonexistent.qs9'
expect 2 '"-": line 1: the recording never switches the instrument on' 'echo "tick 3" | "$runner" --lesson-draft -'
expect 0 '^done alarmAcked 64$' 'printf "on\nkey press\npass 3\n" | "$runner" --lesson-draft -'
echo "$failures failed"
[ "$failures" -eq 0 ]
