// Text and icons drawn across the display's edges show exactly the part of
// the whole picture that lies on the display: clipped, never wrapped round.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "display/framebuffer.h"
#include "display/icons.h"
#include "display/text.h"
#include "tests/support/display_reader.h"

namespace {

using Draw = std::function<void(int16_t x, int16_t y)>;

std::vector<uint8_t> drawnAt(const Draw& draw, int x, int y)
{
    clearFrameBuffer();
    draw(static_cast<int16_t>(x), static_cast<int16_t>(y));
    return displayPicture();
}

// Draws at (x, y), whose picture lies wholly on the display, then at every
// shift across the edges, and compares each with the whole picture moved.
void expectShiftedAndClipped(const Draw& draw, int x, int y)
{
    const std::vector<uint8_t> whole = drawnAt(draw, x, y);
    for (int dy = -y - 80; dy <= displayHeight - y; dy += 7)
        for (int dx = -x - 60; dx <= displayWidth - x; dx += 5) {
            const std::vector<uint8_t> moved = drawnAt(draw, x + dx, y + dy);
            for (int py = 0; py < displayHeight; ++py)
                for (int px = 0; px < displayWidth; ++px) {
                    const int fromX = px - dx, fromY = py - dy;
                    const bool inside = fromX >= 0 && fromX < displayWidth && fromY >= 0 && fromY < displayHeight;
                    const uint8_t expected = inside ? whole[fromX + displayWidth * fromY] : 0;
                    ASSERT_EQ(moved[px + displayWidth * py], expected)
                        << "drawn at (" << x + dx << ", " << y + dy << "), pixel (" << px << ", " << py << ")";
                }
        }
}

} // namespace

TEST(EdgeClipping, TextInSmallAndLargeFonts)
{
    expectShiftedAndClipped([](int16_t x, int16_t y) { drawText(x, y, "Wg@8", 0, 8, 1, 15); }, 40, 40);
    expectShiftedAndClipped([](int16_t x, int16_t y) { drawText(x, y, "8.-9", 0, 34, 1, 9); }, 20, 20);
}

TEST(EdgeClipping, IconsWithRunsAndLiterals)
{
    expectShiftedAndClipped([](int16_t x, int16_t y) { drawRleBitmap(x, y, fuelPumpIcon); }, 50, 30);
}
