// Pictures of the display that the runner's commands read and write. The
// runner itself is free of image libraries: the desktop runner uses libpng
// (display_pictures_png.cpp) and giflib (display_pictures_gif.cpp); another
// host (the browser edition) links its own version of these functions.
// Writing never removes or half-writes an existing file: the picture goes
// beside it and takes its place only once complete.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The frame (160 x 120 palette indices) through the palette as a 160 x 120
// RGB PNG at path. Returns "" when written, else why not, for the user.
std::string writeDisplayPng(const std::string& path, const uint8_t* frame,
                            const uint32_t* palette);

// A 160 x 120 PNG as 160 x 120 colours 0x00RRGGBB, row-major. Returns ""
// when read, else why not (not found, not a PNG, another size).
std::string readDisplayPng(const std::string& path, std::vector<uint32_t>& colours);

// One picture of an animation and how long it shows.
struct DisplayMovieFrame {
    std::vector<uint8_t> frame; // 160 x 120 palette indices
    uint32_t hundredths;        // hundredths of a second
};

// The frames as an endlessly repeating animated GIF in the palette's
// colours. Returns "" when written, else why not.
std::string writeDisplayGif(const std::string& path, const std::vector<DisplayMovieFrame>& frames,
                            const uint32_t* palette);
