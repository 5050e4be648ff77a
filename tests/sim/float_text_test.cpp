// The browser edition prints floats through printf's digits; they must read
// exactly as std::to_chars writes them on the desktop.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

#include "sim/float_text.h"

namespace {

std::string toChars(float value)
{
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

TEST(FloatText, DigitsMatchToCharsAcrossTheFloats)
{
    // Every 9973rd bit pattern: tiny, whole, huge and negative values alike.
    for (uint64_t bits = 0; bits < (uint64_t(1) << 32); bits += 9973) {
        const uint32_t pattern = uint32_t(bits);
        float value;
        std::memcpy(&value, &pattern, sizeof value);
        if (std::isnan(value))
            continue;
        ASSERT_EQ(floatTextFromDigits(value), toChars(value)) << "bits " << pattern;
    }
}

TEST(FloatText, DigitsMatchToCharsOnEdges)
{
    const float limits = std::numeric_limits<float>::max();
    for (float value : {0.0f, -0.0f, 1e-4f, 1.5e-4f, 1e5f, 33871888.0f, 0.1f, -1.0f, limits,
                        std::numeric_limits<float>::denorm_min(), std::numeric_limits<float>::infinity()})
        EXPECT_EQ(floatTextFromDigits(value), toChars(value)) << value;
}

} // namespace
