#!/bin/sh
# The runner's instrument memory on a device that is full: a tmpfs of 8 KB
# mounted for the test (skipped with status 77 where mounting is not
# allowed) and filled to its last block. A changed setting cannot be
# written: the runner says so and exits 1, and the memory on the device
# stays whole, as the next run finds.
# Usage: memory_full_device_test.sh QS9_SCRIPT
set -u
runner=$1
scratch=$(mktemp -d)
trap 'umount "$scratch/device" 2>/dev/null; rm -rf "$scratch"' EXIT
mkdir "$scratch/device"
mount -t tmpfs -o size=8k tmpfs "$scratch/device" 2>/dev/null || { echo "cannot mount a tmpfs here"; exit 77; }
cd "$scratch"

# FUEL SETUP's UNITS raised by one in the menus and stored on leaving them.
units_raised='slider pressure 2000
pass 2
key press
pass 2
key press
pass 2
key press
pass 2
key plus
pass 2
key press
pass 2
key left
pass 2
key left
pass 2
off'
fail() { echo "$*"; exit 1; }

printf 'memory device/kept.mem\non\n%s\n' "$units_raised" | "$runner" || fail "the first memory was not written"
cp device/kept.mem saved.mem
dd if=/dev/zero of=device/filler bs=512 2>/dev/null
printf 'memory device/kept.mem\non\n%s\n' "$units_raised" | "$runner" > out.txt 2> err.txt
status=$?
[ $status -eq 1 ] || fail "status $status for a write that failed"
grep -q 'could not be written (No space left on device); it keeps what it held' err.txt ||
  fail "not said: $(cat err.txt)"
cmp -s saved.mem device/kept.mem || fail "the memory on the full device changed"
[ "$(ls -A device)" = "filler
kept.mem" ] || fail "left on the device: $(ls -A device)"
rm device/filler
out=$(printf 'memory device/kept.mem\non\npass\nprint settings.units\n' | "$runner")
[ "$out" = "memory: Settings restored from the instrument memory
settings.units = 1" ] || fail "the next run found: $out"
echo "the memory on a full device stayed whole"
