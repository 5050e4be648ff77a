#include <gtest/gtest.h>

#include "display/furniture.h"
#include "display/text.h"
#include "screens/menu_screens.h"
#include "screens/screen.h"
#include "tests/support/display_reader.h"
#include "tests/support/pilot.h"

namespace {

class MainMenuTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        powerOn();
        openMainMenu();
    }
    static std::string caption()
    {
        const DrawnText* first = nullptr;
        const DrawnText* second = nullptr;
        for (const DrawnText& t : drawnTexts()) {
            if (t.y == 46 && t.font == 10)
                first = &t;
            if (t.y == 64 && t.font == 10)
                second = &t;
        }
        return first && second ? first->text + " " + second->text : "";
    }
};

TEST_F(MainMenuTest, KnobTurnsThePagesRoundInBothDirections)
{
    EXPECT_EQ(caption(), "FUEL SETUP");
    const int captionStart = lastDrawing("FUEL").x;
    drawText(110, 46, "FUEL", 0, 10, 0, 15);
    EXPECT_EQ(captionStart, textStartX) << "centred on x 110";
    EXPECT_LT(captionStart, 110);
    ASSERT_TRUE(wasDrawn("MAIN MENU"));
    EXPECT_TRUE(wasDrawn("EXIT"));
    press(keyPlus);
    EXPECT_EQ(caption(), "MISC SETUP");
    press(keyPlus);
    EXPECT_EQ(caption(), "ADC VALUES");
    press(keyPlus);
    EXPECT_EQ(caption(), "FUEL SETUP");
    press(keyMinus);
    EXPECT_EQ(caption(), "ADC VALUES");
}

TEST_F(MainMenuTest, RightKeyIsSpentOnNothingAndLeftGoesHome)
{
    press(keyPlus);
    press(keyRight);
    EXPECT_EQ(pendingKey, keyNone);
    EXPECT_EQ(caption(), "MISC SETUP");
    EXPECT_EQ(currentScreenName(), "mainMenuScreen");

    keyThenPass(keyLeft);
    EXPECT_EQ(currentScreenName(), "homeScreen");
    EXPECT_EQ(menuCursor, 0);
}

TEST_F(MainMenuTest, EachPageOpensItsScreenAtTheTopAndComesBackToThatPage)
{
    struct Page {
        int turns;
        const char* opens;
    };
    for (Page page : {Page{0, "fuelSetupScreen"}, Page{1, "miscSetupScreen"}, Page{2, "valuesScreen"}}) {
        press(keyPlus, page.turns - menuCursor);
        editStep = 100;
        press(keyPress);
        EXPECT_EQ(currentScreenName(), page.opens);
        EXPECT_EQ(menuCursor, 0);
        EXPECT_EQ(editStep, 1);
        press(keyLeft);
        EXPECT_EQ(currentScreenName(), "mainMenuScreen");
        EXPECT_EQ(menuCursor, page.turns) << page.opens;
    }
}

TEST_F(MainMenuTest, StrayCursorShowsTheFuelPageAndOpensNothing)
{
    menuCursor = 7;
    editStep = 10;
    pass();
    EXPECT_EQ(caption(), "FUEL SETUP");
    press(keyPress);
    EXPECT_EQ(currentScreenName(), "mainMenuScreen");
    EXPECT_EQ(menuCursor, 0);
    EXPECT_EQ(editStep, 1);
}

class MiscMenuTest : public MainMenuTest {
protected:
    void SetUp() override
    {
        MainMenuTest::SetUp();
        press(keyPlus);
        press(keyPress);
    }
};

TEST_F(MiscMenuTest, ListsFourRowsWithTheCursorRowRed)
{
    EXPECT_EQ(currentScreenName(), "miscSetupScreen");
    EXPECT_TRUE(wasDrawn("MISC SETUP"));
    EXPECT_TRUE(wasDrawn("BACK"));
    EXPECT_EQ(menuRows(), (std::vector<std::string>{"BACKLIGHT", "SECURITY SETUP", "INFORMATION",
                                                    "DEFAULT SETTINGS"}));
    EXPECT_EQ(lastDrawing("BACKLIGHT").colour, 9);
    EXPECT_EQ(lastDrawing("INFORMATION").colour, 15);

    press(keyMinus);
    EXPECT_EQ(menuCursor, 3);
    press(keyPlus);
    EXPECT_EQ(menuCursor, 0);
    press(keyRight);
    EXPECT_EQ(editStep, 1);
    EXPECT_EQ(pendingKey, keyNone);
}

TEST_F(MiscMenuTest, EachRowOpensItsScreenAndBackLandsOnThatRow)
{
    const char* opens[] = {"backlightScreen", "securitySetupScreen", "infoScreen", "defaultSettingsScreen"};
    for (uint8_t row = 0; row < 4; ++row) {
        press(keyPress);
        EXPECT_EQ(currentScreenName(), opens[row]);
        EXPECT_EQ(menuCursor, 0);
        press(keyPlus);
        EXPECT_EQ(currentScreenName(), opens[row]) << "only the left key leaves";
        press(keyLeft);
        EXPECT_EQ(currentScreenName(), "miscSetupScreen");
        EXPECT_EQ(menuCursor, row);
        press(keyPlus);
    }
}

TEST_F(MiscMenuTest, InformationComesBackHighlightedAndBackLandsOnMiscPage)
{
    press(keyPlus, 2);
    press(keyPress);
    press(keyLeft);
    EXPECT_EQ(lastDrawing("INFORMATION").colour, 9);
    press(keyLeft);
    EXPECT_EQ(currentScreenName(), "mainMenuScreen");
    EXPECT_EQ(caption(), "MISC SETUP");
}

TEST_F(MiscMenuTest, BacklightKeepsTheMenuStateItFinds)
{
    editStep = 10;
    press(keyPress);
    EXPECT_EQ(currentScreenName(), "backlightScreen");
    EXPECT_EQ(editStep, 10);
}

} // namespace
