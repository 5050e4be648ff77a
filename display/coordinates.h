// Screen coordinates are 16-bit. Positions computed wider are held at the
// 16-bit limits, so that one far off the display stays off it instead of
// wrapping round into it.
#pragma once
#include <cstdint>

inline int16_t toCoordinate(int32_t value)
{
    return static_cast<int16_t>(value < INT16_MIN ? INT16_MIN : value > INT16_MAX ? INT16_MAX : value);
}
