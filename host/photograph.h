// The photograph of the instrument's front, embedded in the program as a
// baseline JPEG and decoded with libjpeg.
#pragma once
#include <cstdint>
#include <span>
#include <vector>

struct DecodedPhotograph {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb; // width * height * 3 bytes, rows top to bottom
};

// The embedded JPEG file.
std::span<const uint8_t> instrumentPhotographJpeg();

// Decodes a JPEG to 8-bit RGB; false (and an empty picture) on a corrupt file.
bool decodeJpeg(std::span<const uint8_t> jpeg, DecodedPhotograph& out);
