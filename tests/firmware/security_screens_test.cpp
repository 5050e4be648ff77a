#include <gtest/gtest.h>

#include "core/settings.h"
#include "display/furniture.h"
#include "screens/menu_screens.h"
#include "screens/screen.h"
#include "screens/security_screens.h"
#include "tests/support/display_reader.h"
#include "tests/support/pilot.h"

namespace {

class SecurityScreens : public ::testing::Test {
protected:
    void SetUp() override
    {
        powerOn();
        moveSlider("pressure", 2000); // in its normal band: no alarm takes the first key
        settings.securityEnabled = 1;
    }

    // Home, the code, MAIN MENU turned to MISC SETUP, SECURITY SETUP, CHANGE CODE.
    static void startCodeChange()
    {
        keyThenPassAtHome(keyPress);
        enterDigits("7391");
        for (KeyEvent key : {keyPlus, keyPress, keyPlus, keyPress, keyPlus, keyPress})
            keyThenPass(key);
    }

    static bool digitsCleared() { return digitEntry[0] + digitEntry[1] + digitEntry[2] + digitEntry[3] == 0; }
};

TEST_F(SecurityScreens, CodeScreenShowsPromptAndDigitsInClearWithTheCursorDigitRed)
{
    keyThenPassAtHome(keyPress);
    pass();
    EXPECT_EQ(lastDrawing("ENTER SECURITY").y, 30);
    EXPECT_EQ(lastDrawing("CODE").y, 45); // the prompt's second line
    EXPECT_EQ(lastDrawing("EXIT").y, 104);
    int red = 0;
    EXPECT_EQ(digitsShown(20, &red), "0000");
    EXPECT_EQ(red, 0);

    keyThenPass(keyMinus); // 0 turns round to 9
    keyThenPass(keyPlus);  // and 9 back to 0
    keyThenPass(keyPlus);
    keyThenPass(keyPress);
    keyThenPass(keyMinus);
    pass();
    EXPECT_EQ(digitsShown(20, &red), "1900");
    EXPECT_EQ(red, 1);
    EXPECT_EQ(lastDrawing("9").y, 61);
    EXPECT_EQ(currentScreen, securityCodeScreen);
}

TEST_F(SecurityScreens, StoredAndMasterCodesOpenTheMainMenuWithDigitsCleared)
{
    for (const char* code : {"8052", "7391"}) {
        keyThenPassAtHome(keyPress);
        enterDigits(code);
        EXPECT_EQ(currentScreen, mainMenuScreen) << code;
        EXPECT_TRUE(digitsCleared()) << code;
        EXPECT_EQ(menuCursor, 0) << code;
    }
}

TEST_F(SecurityScreens, AnyOtherCodeShowsCodeErrorThenGoesHome)
{
    keyThenPassAtHome(keyPress);
    enterDigits("8053");
    EXPECT_EQ(currentScreen, codeMessageScreen);
    pass();
    EXPECT_EQ(lastDrawing("CODE").y, 43);
    EXPECT_EQ(lastDrawing("ERROR").y, 63);
    EXPECT_EQ(lastDrawing("ERROR").font, 10);
    EXPECT_EQ(lastDrawing("BACK").y, 104);
    EXPECT_FALSE(digitsCleared()); // a failed attempt leaves its digits...
    keyThenPass(keyMinus);                // any key
    EXPECT_EQ(currentScreen, homeScreen);
    keyThenPass(keyPress);
    EXPECT_EQ(currentScreen, securityCodeScreen);
    EXPECT_TRUE(digitsCleared()); // ...the next opening clears them

    // EXIT leaves without opening the menu, whatever the digits.
    keyThenPass(keyPlus);
    keyThenPass(keyLeft);
    EXPECT_EQ(currentScreen, homeScreen);
    keyThenPass(keyPress);
    EXPECT_TRUE(digitsCleared());

    settings.securityEnabled = 0; // unlocked: straight to the menu
    keyThenPassAtHome(keyPress);
    EXPECT_EQ(currentScreen, mainMenuScreen);
}

TEST_F(SecurityScreens, ConfirmedCodeChangeTakesOverFromTheOldCode)
{
    startCodeChange();
    ASSERT_EQ(currentScreen, currentCodeScreen);
    pass();
    EXPECT_EQ(lastDrawing("BACK").y, 104);
    EXPECT_EQ(digitsShown(20), "0000");

    enterDigits("8052");
    ASSERT_EQ(currentScreen, newCodeScreen);
    EXPECT_TRUE(digitsCleared());
    pass();
    EXPECT_EQ(lastDrawing("ENTER NEW").y, 30);
    enterDigits("0042");
    ASSERT_EQ(currentScreen, confirmCodeScreen);
    pass();
    EXPECT_EQ(lastDrawing("CONFIRM NEW").y, 30);
    EXPECT_EQ(digitsShown(20), "0000");
    enterDigits("0042");

    ASSERT_EQ(currentScreen, codeMessageScreen);
    EXPECT_EQ(settings.securityCode, 42);
    pass();
    EXPECT_EQ(lastDrawing("CHANGED").y, 63);
    keyThenPass(keyRight);
    EXPECT_EQ(currentScreen, securitySetupScreen);
    EXPECT_EQ(menuCursor, 1);

    keyThenPassAtHome(keyPress);
    enterDigits("8052");
    EXPECT_EQ(currentScreen, codeMessageScreen);
    keyThenPassAtHome(keyPress);
    enterDigits("0042");
    EXPECT_EQ(currentScreen, mainMenuScreen);
}

TEST_F(SecurityScreens, WrongCurrentCodeOrMismatchedConfirmationKeepsTheOldCode)
{
    startCodeChange();
    enterDigits("1111");
    ASSERT_EQ(currentScreen, codeMessageScreen);
    EXPECT_EQ(codeScratch, 0);
    keyThenPass(keyPress);
    EXPECT_EQ(currentScreen, securitySetupScreen);
    EXPECT_EQ(menuCursor, 1);

    keyThenPass(keyPress); // CHANGE CODE again: the digits start from 0 once more
    EXPECT_TRUE(digitsCleared());
    enterDigits("7391"); // the master code passes the current-code check
    ASSERT_EQ(currentScreen, newCodeScreen);
    enterDigits("4321");
    enterDigits("4322");
    ASSERT_EQ(currentScreen, codeMessageScreen);
    pass();
    EXPECT_EQ(lastDrawing("ERROR").y, 63);
    EXPECT_EQ(settings.securityCode, 8052);
    keyThenPass(keyLeft);
    EXPECT_EQ(currentScreen, securitySetupScreen);
    EXPECT_EQ(menuCursor, 1);
}

TEST_F(SecurityScreens, BackOnAnyStepAbandonsTheChange)
{
    const char* const before[] = {"", "8052", "8052 1234"};
    for (const char* steps : before) {
        startCodeChange();
        std::string codes = steps;
        for (size_t at = 0; at < codes.size(); at += 5)
            enterDigits(codes.substr(at, 4));
        keyThenPass(keyPlus);
        keyThenPass(keyLeft);
        EXPECT_EQ(currentScreen, securitySetupScreen) << steps;
        EXPECT_EQ(menuCursor, 1) << steps;
        EXPECT_EQ(codeScratch, 0) << steps;
        EXPECT_EQ(settings.securityCode, 8052) << steps;
    }
}

TEST_F(SecurityScreens, LockIsSwitchedWithTheKnobAndOnlyThenOffersCodeChange)
{
    settings.securityEnabled = 0;
    openScreen(securitySetupScreen);
    EXPECT_EQ(lastDrawing("SETUP").y, 11);
    EXPECT_EQ(lastDrawing("OFF").colour, 9);
    EXPECT_FALSE(wasDrawn("CHANGE CODE"));
    keyThenPass(keyPlus); // not editing, lock off: the cursor stays
    EXPECT_EQ(menuCursor, 0);

    keyThenPass(keyPress);
    pass();
    EXPECT_EQ(lastDrawing("SECURITY: ").colour, 15); // editing: only the value stays red
    keyThenPass(keyPlus);
    keyThenPass(keyPress);
    EXPECT_EQ(settings.securityEnabled, 1);
    pass();
    EXPECT_EQ(lastDrawing("ON").colour, 9);
    EXPECT_EQ(lastDrawing("CHANGE CODE").colour, 15);
    keyThenPass(keyMinus); // the cursor wraps round two rows
    EXPECT_EQ(menuCursor, 1);
    pass();
    EXPECT_EQ(lastDrawing("CHANGE CODE").colour, 9);
    keyThenPass(keyPlus);
    EXPECT_EQ(menuCursor, 0);

    keyThenPass(keyPress);
    keyThenPass(keyMinus);
    keyThenPass(keyPress);
    EXPECT_EQ(settings.securityEnabled, 0);

    keyThenPass(keyLeft);
    EXPECT_EQ(currentScreen, miscSetupScreen);
    EXPECT_EQ(menuCursor, 1);
}

} // namespace
