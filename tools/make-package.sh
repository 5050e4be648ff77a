#!/usr/bin/env bash
# Makes the Debian package of the simulator: installs what packaging needs,
# builds a release tree in build-package/ (no tests or benchmarks), checks
# the desktop entry and the AppStream metadata, and runs CPack. Prints the
# package's path; install it with: sudo apt-get install ./<that path>
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup-machine.sh packaging
desktop-file-validate --no-hints assets/desktop/qs9-simulator.desktop
appstreamcli validate --no-net assets/desktop/*.metainfo.xml
[ -f build-package/build.ninja ] ||
  cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DQS9_TESTS=OFF -DQS9_BENCH=OFF
cmake --build build-package
(cd build-package && cpack -G DEB > cpack.log 2>&1) || { cat build-package/cpack.log >&2; exit 1; }
ls "$PWD"/build-package/qs9-simulator_*.deb
