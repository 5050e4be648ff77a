#include <gtest/gtest.h>

#include "display/furniture.h"
#include "display/text.h"
#include "menu_walk.h"
#include "screens/menu_screens.h"
#include "screens/screen.h"

namespace {

class MainMenuTest : public ::testing::Test {
protected:
    void SetUp() override
    {
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
    const int captionStart = findText("FUEL")->x;
    drawText(110, 46, "FUEL", 0, 10, 0, 15);
    EXPECT_EQ(captionStart, textStartX) << "centred on x 110";
    EXPECT_LT(captionStart, 110);
    ASSERT_NE(findText("MAIN MENU"), nullptr);
    EXPECT_NE(findText("EXIT"), nullptr);
    key(keyPlus);
    EXPECT_EQ(caption(), "MISC SETUP");
    key(keyPlus);
    EXPECT_EQ(caption(), "ADC VALUES");
    key(keyPlus);
    EXPECT_EQ(caption(), "FUEL SETUP");
    key(keyMinus);
    EXPECT_EQ(caption(), "ADC VALUES");
}

TEST_F(MainMenuTest, RightKeyIsSpentOnNothingAndLeftGoesHome)
{
    key(keyPlus);
    key(keyRight);
    EXPECT_EQ(pendingKey, keyNone);
    EXPECT_EQ(caption(), "MISC SETUP");
    EXPECT_EQ(screen(), "mainMenuScreen");

    postKey(keyLeft);
    pass();
    EXPECT_EQ(screen(), "homeScreen");
    EXPECT_EQ(menuCursor, 0);
}

TEST_F(MainMenuTest, EachPageOpensItsScreenAtTheTopAndComesBackToThatPage)
{
    struct Page {
        int turns;
        const char* opens;
    };
    for (Page page : {Page{0, "fuelSetupScreen"}, Page{1, "miscSetupScreen"}, Page{2, "valuesScreen"}}) {
        keys(keyPlus, page.turns - menuCursor);
        editStep = 100;
        key(keyPress);
        EXPECT_EQ(screen(), page.opens);
        EXPECT_EQ(menuCursor, 0);
        EXPECT_EQ(editStep, 1);
        key(keyLeft);
        EXPECT_EQ(screen(), "mainMenuScreen");
        EXPECT_EQ(menuCursor, page.turns) << page.opens;
    }
}

TEST_F(MainMenuTest, StrayCursorShowsTheFuelPageAndOpensNothing)
{
    menuCursor = 7;
    editStep = 10;
    pass();
    EXPECT_EQ(caption(), "FUEL SETUP");
    key(keyPress);
    EXPECT_EQ(screen(), "mainMenuScreen");
    EXPECT_EQ(menuCursor, 0);
    EXPECT_EQ(editStep, 1);
}

class MiscMenuTest : public MainMenuTest {
protected:
    void SetUp() override
    {
        MainMenuTest::SetUp();
        key(keyPlus);
        key(keyPress);
    }
};

TEST_F(MiscMenuTest, ListsFourRowsWithTheCursorRowRed)
{
    EXPECT_EQ(screen(), "miscSetupScreen");
    EXPECT_NE(findText("MISC SETUP"), nullptr);
    EXPECT_NE(findText("BACK"), nullptr);
    EXPECT_EQ(shownRows(), (std::vector<std::string>{"BACKLIGHT", "SECURITY SETUP", "INFORMATION",
                                                    "DEFAULT SETTINGS"}));
    EXPECT_EQ(findText("BACKLIGHT")->colour, 9);
    EXPECT_EQ(findText("INFORMATION")->colour, 15);

    key(keyMinus);
    EXPECT_EQ(menuCursor, 3);
    key(keyPlus);
    EXPECT_EQ(menuCursor, 0);
    key(keyRight);
    EXPECT_EQ(editStep, 1);
    EXPECT_EQ(pendingKey, keyNone);
}

TEST_F(MiscMenuTest, EachRowOpensItsScreenAndBackLandsOnThatRow)
{
    const char* opens[] = {"backlightScreen", "securitySetupScreen", "infoScreen", "defaultSettingsScreen"};
    for (uint8_t row = 0; row < 4; ++row) {
        key(keyPress);
        EXPECT_EQ(screen(), opens[row]);
        EXPECT_EQ(menuCursor, 0);
        key(keyPlus);
        EXPECT_EQ(screen(), opens[row]) << "only the left key leaves";
        key(keyLeft);
        EXPECT_EQ(screen(), "miscSetupScreen");
        EXPECT_EQ(menuCursor, row);
        key(keyPlus);
    }
}

TEST_F(MiscMenuTest, InformationComesBackHighlightedAndBackLandsOnMiscPage)
{
    keys(keyPlus, 2);
    key(keyPress);
    key(keyLeft);
    EXPECT_EQ(findText("INFORMATION")->colour, 9);
    key(keyLeft);
    EXPECT_EQ(screen(), "mainMenuScreen");
    EXPECT_EQ(caption(), "MISC SETUP");
}

TEST_F(MiscMenuTest, BacklightKeepsTheMenuStateItFinds)
{
    editStep = 10;
    key(keyPress);
    EXPECT_EQ(screen(), "backlightScreen");
    EXPECT_EQ(editStep, 10);
}

} // namespace
