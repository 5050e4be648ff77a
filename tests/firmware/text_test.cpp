// The text renderer: placement by alignment, the start and end globals,
// clipping at the display's edges and the font chosen by fontSize.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "display/font_data.h"
#include "display/framebuffer.h"
#include "display/text.h"
#include "tests/support/display_reader.h"
#include "tests/support/pilot.h"

namespace {

struct InkBox {
    int left = displayWidth, right = -1, top = displayHeight, bottom = -1;
};

InkBox inkBox()
{
    InkBox box;
    for (int y = 0; y < displayHeight; ++y)
        for (int x = 0; x < displayWidth; ++x)
            if (pixelAt(x, y) != 0) {
                box.left = std::min(box.left, x);
                box.right = std::max(box.right, x);
                box.top = std::min(box.top, y);
                box.bottom = std::max(box.bottom, y);
            }
    return box;
}

// The picture a call leaves on a cleared display.
std::vector<uint8_t> drawn(int16_t x, int16_t y, const char* text, uint8_t fontSize, uint8_t align)
{
    clearFrameBuffer();
    drawText(x, y, text, 0, fontSize, align, 15);
    return displayPicture();
}

class DrawText : public ::testing::Test {
protected:
    void SetUp() override { programStart(); }
};

TEST_F(DrawText, SmallCapitalAStartsAtXWithInkOnRowsThreeToTwelve)
{
    EXPECT_EQ(drawText(0, 0, "A", 0, 8, 1, 15), 10);
    const InkBox box = inkBox();
    EXPECT_EQ(box.left, 0);
    EXPECT_EQ(box.right, 8);
    EXPECT_EQ(box.top, 3);
    EXPECT_EQ(box.bottom, 12);
    EXPECT_EQ(textStartX, 0);
    EXPECT_EQ(textEndX, 10);
    // Rows of two bytes, most significant bit leftmost, exactly as stored.
    const uint8_t* entry = font8Table + 8 + 4 * 'A';
    const uint8_t* bits = font8Table + (entry[0] << 16 | entry[3] << 8 | entry[2]);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            EXPECT_EQ(pixelAt(x, y), (bits[2 * y + x / 8] << (x % 8) & 0x80) ? 15 : 0) << x << "," << y;
}

TEST_F(DrawText, AlignmentsPlaceTheTextAroundX)
{
    EXPECT_EQ(drawText(80, 0, "AB", 0, 8, 0, 15), 91);
    EXPECT_EQ(textStartX, 70);
    EXPECT_EQ(textEndX, 91);
    EXPECT_EQ(drawText(80, 0, "AB", 0, 8, 2, 15), 80);
    EXPECT_EQ(textStartX, 80 - 21);
    EXPECT_EQ(drawText(80, 0, "AB", 0, 8, 1, 15), 80 + 21);
    EXPECT_EQ(textStartX, 80);
    // Odd totals: the half is truncated.
    EXPECT_EQ(drawText(80, 0, "A", 0, 8, 0, 15), 80 - 5 + 10);
    const std::vector<uint8_t> centred = drawn(80, 10, "FUEL 12.5", 10, 0);
    for (uint8_t align : {3, 255})
        EXPECT_EQ(drawn(80, 10, "FUEL 12.5", 10, align), centred) << int{align};
}

TEST_F(DrawText, RightAlignedTitleAt158LeavesTheLastColumnsFree)
{
    for (uint8_t fontSize : {8, 9, 10, 12, 16, 20, 24, 30, 34}) {
        clearFrameBuffer();
        drawText(158, 0, fontSize >= 20 ? "-8.0" : "EXIT Wy", 0, fontSize, 2, 15);
        EXPECT_LE(inkBox().right, 156) << "font " << int{fontSize};
        EXPECT_GE(inkBox().right, 150) << "font " << int{fontSize};
    }
}

TEST_F(DrawText, FollowingTextStartsAfterOneBlankColumn)
{
    drawText(10, 20, "TANK", 0, 9, 1, 15);
    const InkBox first = inkBox();
    clearFrameBuffer();
    drawText(static_cast<int16_t>(textEndX), 20, "1", 0, 9, 1, 15);
    EXPECT_GE(inkBox().left, first.right + 2);
}

TEST_F(DrawText, UnlistedFontSizesDrawInTheSmallFont)
{
    const std::vector<uint8_t> small = drawn(5, 5, "Set 42", 8, 1);
    EXPECT_EQ(drawn(5, 5, "Set 42", 11, 1), small);
    EXPECT_EQ(drawn(5, 5, "Set 42", 0, 1), small);
    EXPECT_EQ(drawn(5, 5, "Set 42", 255, 1), small);
    EXPECT_NE(drawn(5, 5, "Set 42", 9, 1), small);
}

TEST_F(DrawText, EmptyStringDrawsNothingAndLeavesBothGlobalsAtX)
{
    for (uint8_t align : {0, 1, 2, 7}) {
        textStartX = textEndX = 1;
        EXPECT_EQ(drawText(42, 7, "", 0, 16, align, 15), 42);
        EXPECT_EQ(textStartX, 42);
        EXPECT_EQ(textEndX, 42);
    }
    EXPECT_EQ(inkBox().right, -1);
}

TEST_F(DrawText, CharactersOutsideTheFontAreSkippedWithoutMovingThePen)
{
    const std::vector<uint8_t> digits = drawn(80, 10, "12", 20, 0);
    const uint16_t end = textEndX;
    EXPECT_EQ(drawn(80, 10, "1A2:", 20, 0), digits);
    EXPECT_EQ(textEndX, end);
    EXPECT_EQ(drawn(80, 10, "\x7F" "1\xB0" "2\xFF", 20, 0), digits);
    EXPECT_EQ(textEndX, end);
    // Codes are read as unsigned: font 9 stops at 0x7F, font 10 holds 0xB0.
    EXPECT_EQ(drawText(0, 0, "\x80\xC9\xFF", 0, 9, 1, 15), 0);
    EXPECT_GT(drawText(0, 0, "\xB0", 0, 10, 1, 15), 0);
}

TEST_F(DrawText, TextIsCutOffAtTheDisplaysEdgesNotWrapped)
{
    drawText(150, 100, "888", 0, 16, 1, 15);
    const InkBox box = inkBox();
    EXPECT_GE(box.left, 150);
    EXPECT_GE(box.top, 100);
    EXPECT_EQ(box.right, 159);
    EXPECT_EQ(box.bottom, 119);

    clearFrameBuffer();
    EXPECT_EQ(drawText(37, -10, "88", 0, 24, 2, 15), 37);   // starts left of the display
    const InkBox cut = inkBox();
    EXPECT_EQ(cut.left, 0);
    EXPECT_EQ(cut.top, 0);
    EXPECT_LT(cut.right, 36);
    EXPECT_LT(cut.bottom, 51 - 10);
    EXPECT_EQ(textStartX, static_cast<uint16_t>(-13));
}

// Only ink is written, in the given colour; the reserved argument changes nothing.
TEST_F(DrawText, OnlyInkPixelsAreWrittenInTheGivenColour)
{
    const std::vector<uint8_t> plain = drawn(20, 30, "Low 3", 12, 1);
    fillRect(0, 0, 159, 119, 3);
    drawText(20, 30, "Low 3", 77, 12, 1, 9);
    for (int i = 0; i < frameBufferSize; ++i)
        ASSERT_EQ(frameBuffer[i], plain[i] ? 9 : 3) << "pixel " << i;
    EXPECT_GT(std::count(plain.begin(), plain.end(), 15), 30);
}

TEST_F(DrawText, ObserverSeesEveryCallWithItsStartX)
{
    recordTexts();
    drawText(80, 4, "AB", 0, 8, 0, 15);
    drawText(3, 50, "", 0, 30, 1, 9);
    EXPECT_EQ(drawnTexts(), (std::vector<DrawnText>{{70, 4, 8, 15, "AB", 91}, {3, 50, 30, 9, "", 3}}));
}

} // namespace
