// The display's 256 colours, 0x00RRGGBB.
#include "display/framebuffer.h"

namespace {

constexpr uint32_t rgb(uint32_t r, uint32_t g, uint32_t b) { return r << 16 | g << 8 | b; }

constexpr std::array<uint32_t, 16> basicColours = {
    0x000000, 0xA52A2A, 0x008000, 0x504000, 0x000080, 0x500080, 0x008080, 0x555555,
    0xAAAAAA, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};

constexpr std::array<uint32_t, 8> roseTints = {
    0xC89696, 0xD3A5A5, 0xD9B3B3, 0xE5C2C2, 0xEFD5D5, 0xF7E7E7, 0xF5FAFA, 0xFCFDFD,
};

// Indices 16..223: red in steps of 20 (capped at 255), five greens, three blues.
constexpr uint32_t cubeColour(int index)
{
    constexpr uint32_t greens[] = {0x00, 0x40, 0x80, 0xC0, 0xFF};
    constexpr uint32_t blues[] = {0x00, 0x80, 0xFF};
    const int k = index - 15;
    const uint32_t red = 20u * static_cast<uint32_t>(k / 15);
    return rgb(red > 255 ? 255 : red, greens[(k % 15) / 3], blues[k % 3]);
}

// Indices 224..237: greys 0x20 to 0xF0. Indices 246..255 are unused and black.
constexpr Palette buildPalette()
{
    Palette p{};
    for (int i = 0; i < 16; ++i)
        p[i] = basicColours[i];
    for (int i = 16; i <= 223; ++i)
        p[i] = cubeColour(i);
    for (int n = 0; n < 14; ++n) {
        const uint32_t level = 0x20 + 0x10 * static_cast<uint32_t>(n);
        p[224 + n] = rgb(level, level, level);
    }
    for (int n = 0; n < 8; ++n)
        p[238 + n] = roseTints[n];
    return p;
}

constexpr Palette paletteTable = buildPalette();
static_assert(paletteTable[16] == 0x000080 && paletteTable[30] == 0x140000);
static_assert(paletteTable[223] == 0xFFFF80 && paletteTable[229] == 0x707070);

} // namespace

const Palette palette = paletteTable;
