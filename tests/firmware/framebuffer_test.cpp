#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

#include "display/framebuffer.h"
#include "tests/support/display_reader.h"

namespace {

class FrameBufferTest : public ::testing::Test {
protected:
    void SetUp() override { clearFrameBuffer(); }
};

TEST_F(FrameBufferTest, SetPixelClipsNegativeAndOversizeCoordinates)
{
    setPixel(-1, 5, 15);
    setPixel(160, 5, 15);
    setPixel(5, -1, 15);
    setPixel(5, 120, 15);
    setPixel(-32768, -32768, 15);
    EXPECT_TRUE(litPixels().empty());
    setPixel(159, 119, 9);
    EXPECT_EQ(frameBuffer[frameBufferSize - 1], 9);
}

TEST_F(FrameBufferTest, HorizontalAndVerticalLinesIncludeBothEndsAndSkipReversedRanges)
{
    drawHLine(10, 5, 3, 15);
    drawVLine(10, 5, 3, 15);
    EXPECT_TRUE(litPixels().empty());
    drawHLine(5, 5, 3, 15);
    EXPECT_EQ(litPixels(), (Points{{5, 3}}));
    clearFrameBuffer();
    drawVLine(100, 119, 7, 15);
    EXPECT_EQ(litPixels().size(), 20u);
}

TEST_F(FrameBufferTest, LoopsEndingAt65535Terminate)
{
    drawHLine(150, -1, 0, 15);   // -1 is 65535 unsigned
    drawVLine(110, -1, 0, 15);
    fillRect(0, 118, 2, -1, 15);
    EXPECT_EQ(pixelAt(159, 0), 15);
    EXPECT_EQ(pixelAt(0, 119), 15);
    EXPECT_EQ(pixelAt(2, 118), 15);
}

TEST_F(FrameBufferTest, RectanglesWithEqualRowsDrawNothing)
{
    fillRect(0, 10, 159, 10, 15);
    drawRect(0, 10, 159, 10, 15);
    EXPECT_TRUE(litPixels().empty());
    fillRect(0, 10, 159, 11, 15);
    EXPECT_EQ(litPixels().size(), 320u);
}

TEST_F(FrameBufferTest, RectangleOutlinesTheDisplayBorder)
{
    drawRect(0, 0, 159, 119, 15);
    EXPECT_EQ(litPixels().size(), 2u * 160 + 2u * 118);
    EXPECT_EQ(pixelAt(0, 0), 15);
    EXPECT_EQ(pixelAt(159, 119), 15);
    EXPECT_EQ(pixelAt(1, 1), 0);
}

TEST_F(FrameBufferTest, LinesFollowBresenhamStepsInBothMajors)
{
    drawLine(0, 0, 4, 2, 15);
    EXPECT_EQ(litPixels(), (Points{{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}}));
    clearFrameBuffer();
    drawLine(4, 2, 0, 0, 15); // reversed: the same count of pixels, from the other end
    EXPECT_EQ(litPixels().size(), 5u);
    clearFrameBuffer();
    drawLine(0, 0, 2, 4, 15);
    EXPECT_EQ(litPixels(), (Points{{0, 0}, {0, 1}, {1, 2}, {1, 3}, {2, 4}}));
    clearFrameBuffer();
    drawLine(7, 7, 7, 7, 15);
    EXPECT_EQ(litPixels(), (Points{{7, 7}}));
}

TEST_F(FrameBufferTest, LinePartlyOutsideDrawsOnlyVisiblePixels)
{
    drawLine(-5, 0, 5, 0, 15);
    EXPECT_EQ(litPixels().size(), 6u);
    clearFrameBuffer();
    drawLine(150, 3, 170, 3, 15);
    EXPECT_EQ(litPixels().size(), 10u);
    clearFrameBuffer();
    drawThickLine(0, 0, 0, 0, 15);
    EXPECT_EQ(litPixels(), (Points{{0, 0}, {1, 0}, {0, 1}}));
}

TEST_F(FrameBufferTest, RleImageDrawsRunsAndLiteralsOpaquely)
{
    std::fill(std::begin(frameBuffer), std::end(frameBuffer), 7);
    // 4 x 2: row 0 = run of 3 x colour 9, literal {15}; row 1 = run of 4 x 0.
    const uint8_t image[] = {4, 0, 2, 0, 0x83, 9, 1, 15, 0x84, 0};
    drawRleBitmap(10, 20, image);
    EXPECT_EQ(pixelAt(10, 20), 9);
    EXPECT_EQ(pixelAt(12, 20), 9);
    EXPECT_EQ(pixelAt(13, 20), 15);
    EXPECT_EQ(pixelAt(14, 20), 7);
    for (int x = 10; x < 14; ++x)
        EXPECT_EQ(pixelAt(x, 21), 0) << x;
}

TEST(PaletteTest, HoldsTheInstrumentColours)
{
    EXPECT_EQ(palette[0], 0x000000u);
    EXPECT_EQ(palette[9], 0xFF0000u);
    EXPECT_EQ(palette[15], 0xFFFFFFu);
    EXPECT_EQ(palette[16], 0x000080u);
    EXPECT_EQ(palette[30], 0x140000u);
    EXPECT_EQ(palette[223], 0xFFFF80u);
    EXPECT_EQ(palette[224], 0x202020u);
    EXPECT_EQ(palette[237], 0xF0F0F0u);
    EXPECT_EQ(palette[238], 0xC89696u);
    EXPECT_EQ(palette[245], 0xFCFDFDu);
}

} // namespace
