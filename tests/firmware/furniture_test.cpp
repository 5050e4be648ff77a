#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "core/keys_and_time.h"
#include "display/framebuffer.h"
#include "display/furniture.h"
#include "display/text.h"
#include "screens/screen.h"
#include "tests/support/display_reader.h"
#include "tests/support/pilot.h"

namespace {

class FurnitureTest : public ::testing::Test {
protected:
    void SetUp() override { powerOn(); }
    // What the drawing calls of a test wrote, in order.
    const std::vector<DrawnText>& texts = drawnTexts();
    static bool rowIsLit(int y) { return litIn(0, y, 159, y) == displayWidth; }
    static bool knobSymbolShown() { return pixelAt(80, 104) == 15 && pixelAt(65, 114) == 15 && pixelAt(96, 114) == 15; }
};

void anotherScreen() {}

TEST_F(FurnitureTest, TitleBarDrawsBrandTitleSubtitleAndRule)
{
    drawTitleBar("FUEL", "SETUP");
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0].text, "T");
    EXPECT_EQ(texts[0].font, 12);
    EXPECT_EQ(texts[0].colour, 9);
    EXPECT_EQ(texts[1].text, "arvo");
    EXPECT_EQ(texts[1].colour, 15);
    EXPECT_EQ(texts[1].x, 15);
    EXPECT_EQ(texts[2].text, "FUEL");
    EXPECT_EQ(texts[3].text, "SETUP");
    EXPECT_EQ(texts[3].y, 11);
    EXPECT_EQ(texts[3].colour, 9);
    EXPECT_TRUE(rowIsLit(25));
    EXPECT_EQ(litIn(0, 26, 159, 119), 0);
}

TEST_F(FurnitureTest, SoftKeyBarShowsItsLegendOnlyForKnownWords)
{
    drawSoftKeys(softKeyNone);
    EXPECT_TRUE(texts.empty());
    EXPECT_TRUE(rowIsLit(102));
    EXPECT_EQ(litIn(53, 102, 53, 119), 18);
    EXPECT_EQ(litIn(106, 102, 106, 119), 18);
    EXPECT_TRUE(knobSymbolShown());

    const char* const words[] = {"EXIT", "BACK", "DONE"};
    for (uint8_t leftWord = 1; leftWord <= 3; ++leftWord) {
        recordTexts();
        drawSoftKeys(leftWord);
        ASSERT_EQ(texts.size(), 1u);
        EXPECT_EQ(texts[0].text, words[leftWord - 1]);
        EXPECT_EQ(texts[0].y, 104);
        EXPECT_EQ(texts[0].font, 8);
        EXPECT_EQ(texts[0].colour, 15);
    }
    recordTexts();
    drawSoftKeys(4);
    EXPECT_TRUE(texts.empty());
}

TEST_F(FurnitureTest, YesNoBarHasBothAnswersAndNoKnobSymbol)
{
    drawYesNoKeys();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, "NO");
    EXPECT_EQ(texts[1].text, "YES");
    EXPECT_EQ(texts[1].y, 104);
    EXPECT_TRUE(rowIsLit(102));
    EXPECT_EQ(litIn(54, 103, 105, 119), 0);
}

TEST_F(FurnitureTest, KnobSymbolStaysInsideTheMiddleCell)
{
    drawKnobSymbol();
    EXPECT_TRUE(knobSymbolShown());
    EXPECT_EQ(litIn(0, 0, 159, 103), 0); // the arc's top dot is at row 104
    EXPECT_EQ(litIn(0, 0, 59, 119) + litIn(101, 0, 159, 119), 0);
    // The arrowheads are filled, not outlined.
    for (const auto& [x, y] : {std::pair{63, 112}, {64, 115}, {66, 113}, {94, 114}, {97, 112}, {98, 115}})
        EXPECT_EQ(pixelAt(x, y), 15) << x << ", " << y;
}

TEST_F(FurnitureTest, CursorRowIsRedAndOnlyItsValueStaysRedWhileEditing)
{
    menuTop = 2;
    menuCursor = 3;
    drawMenuRow(0, "UNITS: ", "LITRES");
    drawMenuRow(1, "K-FACTOR: ", "6000");
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0].colour, 15);
    EXPECT_EQ(texts[1].colour, 15);
    EXPECT_EQ(texts[2].y, 41);
    EXPECT_EQ(texts[2].colour, 9);
    EXPECT_EQ(texts[3].colour, 9);
    EXPECT_EQ(texts[3].x, texts[2].end); // the value follows its label

    recordTexts();
    menuEditing = 1;
    drawMenuRow(1, "K-FACTOR: ", "6000");
    EXPECT_EQ(texts[0].colour, 15);
    EXPECT_EQ(texts[1].colour, 9);
}

TEST_F(FurnitureTest, RowsOutsideTheFiveOnScreenDrawNothing)
{
    for (int8_t row : {int8_t{-1}, int8_t{5}, int8_t{-128}, int8_t{127}}) {
        drawMenuRow(row, "LABEL", "VALUE");
        drawMenuText(row, "TEXT", 15);
    }
    EXPECT_TRUE(texts.empty());
    drawMenuText(4, "CAN: OK (V)", 229);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].x, 0);
    EXPECT_EQ(texts[0].y, 86);
    EXPECT_EQ(texts[0].colour, 229);
}

TEST_F(FurnitureTest, ScrollBarThumbSizeAndPositionFollowTheItemCount)
{
    struct Case {
        uint16_t position, count;
        int top, bottom;
    };
    const Case cases[] = {{0, 1, 30, 98}, {0, 3, 30, 52}, {2, 3, 75, 97}, {0, 7, 30, 39}, {6, 7, 88, 97}};
    for (const Case& c : cases) {
        clearFrameBuffer();
        drawMenuScrollBar(c.position, c.count);
        const int rows = c.bottom - c.top + 1;
        EXPECT_EQ(litIn(153, c.top, 159, c.bottom), 7 * rows) << c.position << " of " << c.count;
        EXPECT_EQ(litIn(153, 0, 159, 119), 7 * rows + (69 - rows)) << c.position << " of " << c.count;
    }
}

TEST_F(FurnitureTest, ScrollBarWithoutRoomForAThumbShowsOnlyTheTrack)
{
    for (uint16_t count : {uint16_t{69}, uint16_t{0}}) {
        clearFrameBuffer();
        drawMenuScrollBar(0, count);
        EXPECT_EQ(litIn(156, 30, 156, 98), 69);
        EXPECT_EQ(litIn(0, 0, 159, 119), 69) << count;
    }
}

TEST_F(FurnitureTest, LeavingForHomeAndEnteringAMenuResetTheMenuState)
{
    currentScreen = anotherScreen;
    menuCursor = menuTop = menuEditing = 3;
    editStep = codeScratch = 100;
    enterMenu(2);
    EXPECT_EQ(currentScreen, anotherScreen);
    EXPECT_EQ(menuCursor, 2);
    EXPECT_EQ(menuTop, 0);
    EXPECT_EQ(menuEditing, 0);
    EXPECT_EQ(editStep, 1);
    EXPECT_EQ(codeScratch, 0);

    menuCursor = menuTop = menuEditing = 3;
    editStep = codeScratch = 100;
    returnToHome();
    EXPECT_EQ(currentScreen, homeScreen);
    EXPECT_EQ(menuCursor, 0);
    EXPECT_EQ(menuTop, 0);
    EXPECT_EQ(menuEditing, 0);
    EXPECT_EQ(editStep, 1);
    EXPECT_EQ(codeScratch, 100);
}

TEST_F(FurnitureTest, MessageScreenShowsDoneWithTheWarningIconUntilAnyKey)
{
    messageReturnScreen = anotherScreen;
    currentScreen = messageScreen;
    pass();
    EXPECT_EQ(currentScreen, messageScreen);
    ASSERT_GE(texts.size(), 5u);
    EXPECT_EQ(texts[2].text, "MESSAGE");
    EXPECT_EQ(texts[4].text, "DONE");
    const uint16_t drawnAt = texts[4].x;
    drawText(110, 55, "DONE", 0, 16, 0, 15); // centred at 110
    EXPECT_EQ(drawnAt, textStartX);
    EXPECT_EQ(texts[4].y, 55);
    EXPECT_EQ(texts[4].font, 16);
    EXPECT_EQ(pixelAt(35, 70), 9);  // the exclamation mark
    EXPECT_EQ(pixelAt(14, 70), 15); // the disc around it
    EXPECT_EQ(litIn(0, 102, 159, 119), 0); // no soft-key bar

    for (uint8_t key = 1; key <= 5; ++key) {
        currentScreen = messageScreen;
        keyThenPass(key);
        EXPECT_EQ(currentScreen, anotherScreen) << "key " << int(key);
        EXPECT_EQ(pendingKey, 0);
    }
}

TEST_F(FurnitureTest, MessageScreenWithoutAReturnScreenGoesHome)
{
    messageReturnScreen = nullptr;
    currentScreen = messageScreen;
    keyThenPass(keyPress);
    EXPECT_EQ(currentScreen, homeScreen);
}

} // namespace
