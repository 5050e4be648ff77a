#!/usr/bin/env bash
# What configuring asks for, by the packages each set-up installs: the
# programs alone (tools/start-simulator.sh's build/) look for no test or
# benchmark library, and without the window nothing looks for Qt, OpenGL
# or libjpeg. A package a tree looks for but its set-up does not install
# fails only on a fresh machine; this finds it on any.
# Usage: configure_needs_test.sh SOURCE SCRATCH
set -euo pipefail
source=$1
scratch=$2
status=0
mkdir -p "$scratch"

# Configures a tree with the options given and fails for each package named
# after "--" that its cache shows was looked for.
expect_not_looked_for() {
  local name=$1 options=()
  shift
  while [ "$1" != -- ]; do options+=("$1"); shift; done
  shift
  rm -rf "${scratch:?}/$name"
  cmake -S "$source" -B "$scratch/$name" -G Ninja "${options[@]}" > "$scratch/$name.log" 2>&1 ||
    { echo "$name: configuring failed:"; cat "$scratch/$name.log"; status=1; return; }
  for package in "$@"; do
    if grep -q "^${package}_[A-Za-z_]*:" "$scratch/$name/CMakeCache.txt"; then
      echo "$name: looks for $package"
      status=1
    fi
  done
  rm -rf "${scratch:?}/$name"
}

expect_not_looked_for programs -DQS9_TESTS=OFF -DQS9_BENCH=OFF -- GTest benchmark
expect_not_looked_for no-window -DQS9_HOST=OFF -DQS9_TESTS=OFF -DQS9_BENCH=OFF -- Qt6 OPENGL JPEG GTest benchmark
exit $status
