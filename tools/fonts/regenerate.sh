#!/usr/bin/env bash
# Rebuilds the font tables (display/font_data.cpp, display/font_data.h) from
# the settings in tools/fonts/font_settings.h, then the specimen pictures in
# docs/. Needs libfreetype-dev, fonts-dejavu-core and libpng-dev.
set -euo pipefail
cd "$(dirname "$0")/../.."
cmake -S . -B build-gen -G Ninja -DQS9_GENERATORS=ON -DQS9_HOST=OFF -DQS9_TESTS=OFF -DQS9_BENCH=OFF >/dev/null
cmake --build build-gen -j2 --target qs9_fontgen
build-gen/tools/fonts/qs9_fontgen display
cmake --build build-gen -j2 --target qs9_font_specimen
rm -f docs/fonts-specimen-*.png
mkdir -p docs
build-gen/tools/fonts/qs9_font_specimen docs
