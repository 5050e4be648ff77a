#!/usr/bin/env bash
# Installs what the browser edition lacks and builds it into build-web/
# (incremental after the first run): the firmware as WebAssembly with
# Debian's emscripten, and the whole static site in build-web/site/
# (index.html first).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup-machine.sh web
# emscripten's JavaScript optimizer needs Debian's node-acorn. Debian's own
# Node.js looks in /usr/share/nodejs; other builds of `node` do not.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$PWD}
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
[ -f build-web/build.ninja ] ||
  emcmake cmake -S . -B build-web -G Ninja -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" >/dev/null
cmake --build build-web
# Node.js takes the site's files (the tests' way to the module) as ES
# modules, and the benchmark's emscripten output in bench/ as CommonJS; the
# site itself needs neither.
echo '{"type": "module"}' > build-web/package.json
echo '{"type": "commonjs"}' > build-web/bench/package.json
