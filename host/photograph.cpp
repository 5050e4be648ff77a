// Stand-in until the photograph of the instrument's front and its decoder
// land: no picture, and decoding always fails, so the window shows none.
#include "host/photograph.h"

std::span<const uint8_t> instrumentPhotographJpeg() { return {}; }

bool decodeJpeg(std::span<const uint8_t>, DecodedPhotograph& out)
{
    out = {};
    return false;
}
