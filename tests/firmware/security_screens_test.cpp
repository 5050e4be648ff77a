#include <gtest/gtest.h>

#include "core/settings.h"
#include "display/furniture.h"
#include "screen_story.h"
#include "screens/menu_screens.h"
#include "screens/screen.h"
#include "screens/security_screens.h"

namespace {

class SecurityScreens : public ::testing::Test {
protected:
    void SetUp() override
    {
        powerOnAndWatch();
        settings.securityEnabled = 1;
    }

    // Home, the code, MAIN MENU turned to MISC SETUP, SECURITY SETUP, CHANGE CODE.
    static void startCodeChange()
    {
        pressOnHome(keyPress);
        enterDigits("7391");
        for (KeyEvent key : {keyPlus, keyPress, keyPlus, keyPress, keyPlus, keyPress})
            pass(key);
    }

    static bool digitsCleared() { return digitEntry[0] + digitEntry[1] + digitEntry[2] + digitEntry[3] == 0; }
};

TEST_F(SecurityScreens, CodeScreenShowsPromptAndDigitsInClearWithTheCursorDigitRed)
{
    pressOnHome(keyPress);
    pass();
    EXPECT_EQ(shown("ENTER SECURITY").y, 30);
    EXPECT_EQ(shown("CODE").y, 45); // the prompt's second line
    EXPECT_EQ(shown("EXIT").y, 104);
    int red = 0;
    EXPECT_EQ(digitsShown(20, &red), "0000");
    EXPECT_EQ(red, 0);

    pass(keyMinus); // 0 turns round to 9
    pass(keyPlus);  // and 9 back to 0
    pass(keyPlus);
    pass(keyPress);
    pass(keyMinus);
    pass();
    EXPECT_EQ(digitsShown(20, &red), "1900");
    EXPECT_EQ(red, 1);
    EXPECT_EQ(shown("9").y, 61);
    EXPECT_EQ(currentScreen, securityCodeScreen);
}

TEST_F(SecurityScreens, StoredAndMasterCodesOpenTheMainMenuWithDigitsCleared)
{
    for (const char* code : {"8052", "7391"}) {
        pressOnHome(keyPress);
        enterDigits(code);
        EXPECT_EQ(currentScreen, mainMenuScreen) << code;
        EXPECT_TRUE(digitsCleared()) << code;
        EXPECT_EQ(menuCursor, 0) << code;
    }
}

TEST_F(SecurityScreens, AnyOtherCodeShowsCodeErrorThenGoesHome)
{
    pressOnHome(keyPress);
    enterDigits("8053");
    EXPECT_EQ(currentScreen, codeMessageScreen);
    pass();
    EXPECT_EQ(shown("CODE").y, 43);
    EXPECT_EQ(shown("ERROR").y, 63);
    EXPECT_EQ(shown("ERROR").font, 10);
    EXPECT_EQ(shown("BACK").y, 104);
    EXPECT_FALSE(digitsCleared()); // a failed attempt leaves its digits...
    pass(keyMinus);                // any key
    EXPECT_EQ(currentScreen, homeScreen);
    pass(keyPress);
    EXPECT_EQ(currentScreen, securityCodeScreen);
    EXPECT_TRUE(digitsCleared()); // ...the next opening clears them

    // EXIT leaves without opening the menu, whatever the digits.
    pass(keyPlus);
    pass(keyLeft);
    EXPECT_EQ(currentScreen, homeScreen);
    pass(keyPress);
    EXPECT_TRUE(digitsCleared());

    settings.securityEnabled = 0; // unlocked: straight to the menu
    pressOnHome(keyPress);
    EXPECT_EQ(currentScreen, mainMenuScreen);
}

TEST_F(SecurityScreens, ConfirmedCodeChangeTakesOverFromTheOldCode)
{
    startCodeChange();
    ASSERT_EQ(currentScreen, currentCodeScreen);
    pass();
    EXPECT_EQ(shown("BACK").y, 104);
    EXPECT_EQ(digitsShown(20), "0000");

    enterDigits("8052");
    ASSERT_EQ(currentScreen, newCodeScreen);
    EXPECT_TRUE(digitsCleared());
    pass();
    EXPECT_EQ(shown("ENTER NEW").y, 30);
    enterDigits("0042");
    ASSERT_EQ(currentScreen, confirmCodeScreen);
    pass();
    EXPECT_EQ(shown("CONFIRM NEW").y, 30);
    EXPECT_EQ(digitsShown(20), "0000");
    enterDigits("0042");

    ASSERT_EQ(currentScreen, codeMessageScreen);
    EXPECT_EQ(settings.securityCode, 42);
    pass();
    EXPECT_EQ(shown("CHANGED").y, 63);
    pass(keyRight);
    EXPECT_EQ(currentScreen, securitySetupScreen);
    EXPECT_EQ(menuCursor, 1);

    pressOnHome(keyPress);
    enterDigits("8052");
    EXPECT_EQ(currentScreen, codeMessageScreen);
    pressOnHome(keyPress);
    enterDigits("0042");
    EXPECT_EQ(currentScreen, mainMenuScreen);
}

TEST_F(SecurityScreens, WrongCurrentCodeOrMismatchedConfirmationKeepsTheOldCode)
{
    startCodeChange();
    enterDigits("1111");
    ASSERT_EQ(currentScreen, codeMessageScreen);
    EXPECT_EQ(codeScratch, 0);
    pass(keyPress);
    EXPECT_EQ(currentScreen, securitySetupScreen);
    EXPECT_EQ(menuCursor, 1);

    pass(keyPress); // CHANGE CODE again: the digits start from 0 once more
    EXPECT_TRUE(digitsCleared());
    enterDigits("7391"); // the master code passes the current-code check
    ASSERT_EQ(currentScreen, newCodeScreen);
    enterDigits("4321");
    enterDigits("4322");
    ASSERT_EQ(currentScreen, codeMessageScreen);
    pass();
    EXPECT_EQ(shown("ERROR").y, 63);
    EXPECT_EQ(settings.securityCode, 8052);
    pass(keyLeft);
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
        pass(keyPlus);
        pass(keyLeft);
        EXPECT_EQ(currentScreen, securitySetupScreen) << steps;
        EXPECT_EQ(menuCursor, 1) << steps;
        EXPECT_EQ(codeScratch, 0) << steps;
        EXPECT_EQ(settings.securityCode, 8052) << steps;
    }
}

TEST_F(SecurityScreens, LockIsSwitchedWithTheKnobAndOnlyThenOffersCodeChange)
{
    settings.securityEnabled = 0;
    currentScreen = securitySetupScreen;
    enterMenu(0);
    pass();
    EXPECT_EQ(shown("SETUP").y, 11);
    EXPECT_EQ(shown("OFF").colour, 9);
    EXPECT_EQ(shown("CHANGE CODE").text, "");
    pass(keyPlus); // not editing, lock off: the cursor stays
    EXPECT_EQ(menuCursor, 0);

    pass(keyPress);
    pass();
    EXPECT_EQ(shown("SECURITY: ").colour, 15); // editing: only the value stays red
    pass(keyPlus);
    pass(keyPress);
    EXPECT_EQ(settings.securityEnabled, 1);
    pass();
    EXPECT_EQ(shown("ON").colour, 9);
    EXPECT_EQ(shown("CHANGE CODE").colour, 15);
    pass(keyMinus); // the cursor wraps round two rows
    EXPECT_EQ(menuCursor, 1);
    pass();
    EXPECT_EQ(shown("CHANGE CODE").colour, 9);
    pass(keyPlus);
    EXPECT_EQ(menuCursor, 0);

    pass(keyPress);
    pass(keyMinus);
    pass(keyPress);
    EXPECT_EQ(settings.securityEnabled, 0);

    pass(keyLeft);
    EXPECT_EQ(currentScreen, miscSetupScreen);
    EXPECT_EQ(menuCursor, 1);
}

} // namespace
