// Pictures of the display that the runner's commands write. The runner
// itself is free of image libraries: the desktop runner writes PNG files
// with libpng (display_pictures_png.cpp); another host (the browser
// edition) links its own version of these functions.
#pragma once
#include <cstdint>
#include <string>

// The frame (160 x 120 palette indices) through the palette as a 160 x 120
// RGB PNG at path. Returns "" when written, else why not, for the user.
std::string writeDisplayPng(const std::string& path, const uint8_t* frame,
                            const uint32_t* palette);
