#!/usr/bin/env bash
# Installs the Debian 12 packages the machine lacks to build, run and test the
# simulator; with --packaging also those that build the Debian package. Quick
# when everything is already there. Runs apt-get as root, through sudo for
# another user; without sudo it names the missing packages and the command
# that installs them, and fails.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libqt6opengl6-dev libgl-dev libglu1-mesa-dev libgl1-mesa-dri
  libjpeg62-turbo-dev libpng-dev libgif-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth fonts-dejavu-extra
  clang libclang-rt-14-dev
  emscripten chromium chromium-driver python3-selenium python3-pil
)
case "${1:-}" in
  "") ;;
  --packaging) packages+=(dpkg-dev file appstream desktop-file-utils) ;;
  *) echo "usage: $0 [--packaging]" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
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
