#!/usr/bin/env bash
# Installs the Debian 12 packages the machine lacks for what is asked, one
# set per purpose; quick when everything is already there:
#   window     build and start the simulator window (and qs9-script)
#   web        build and serve the browser edition
#   tests      the whole test command: the window and the browser edition,
#              the sanitizer tree, the fuzzers, the benchmarks, Xvfb and the
#              browser tests; the default
#   packaging  build the Debian package
# Runs apt-get as root, through sudo for another user; without sudo it names
# the missing packages and the command that installs them, and fails.
# Usage: tools/setup-machine.sh [window|web|tests|packaging]...
set -euo pipefail

window=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libgl-dev libgl1-mesa-dri
  libjpeg62-turbo-dev libpng-dev libgif-dev
  fonts-dejavu-extra
)
web=(cmake ninja-build emscripten)
tests=(
  "${window[@]}" "${web[@]}"
  libqt6opengl6-dev libglu1-mesa-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth
  clang libclang-rt-14-dev
  chromium chromium-driver python3-selenium python3-pil
  npm
)
packaging=("${window[@]}" dpkg-dev file appstream desktop-file-utils)

packages=()
for purpose in "${@:-tests}"; do
  case "$purpose" in
    window) packages+=("${window[@]}") ;;
    web) packages+=("${web[@]}") ;;
    tests) packages+=("${tests[@]}") ;;
    packaging) packages+=("${packaging[@]}") ;;
    *) echo "usage: $0 [window|web|tests|packaging]..." >&2; exit 2 ;;
  esac
done

# npm fetches axe-core for the page's accessibility tests; a Node.js from
# elsewhere may bring its own npm, which Debian's would conflict with.
provided_by_command() { [ "$1" = npm ] && command -v npm > /dev/null; }

missing=()
for p in $(printf '%s\n' "${packages[@]}" | sort -u); do
  provided_by_command "$p" && continue
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

install="apt-get update && apt-get install -y --no-install-recommends ${missing[*]}"
cannot_install() {
  echo "Missing Debian packages: ${missing[*]}. Install them as root, then run this again:" >&2
  echo "  su -c '$install'" >&2
  exit 1
}

if [ "$(id -u)" -eq 0 ]; then
  DEBIAN_FRONTEND=noninteractive bash -c "$install"
elif command -v sudo > /dev/null; then
  sudo bash -c "export DEBIAN_FRONTEND=noninteractive; $install" || cannot_install
else
  cannot_install
fi
