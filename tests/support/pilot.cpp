#include "tests/support/pilot.h"

#include <gtest/gtest.h>

#include "display/furniture.h"
#include "screens/setup_screens.h"
#include "sim/simulator.h"
#include "tests/support/display_reader.h"

namespace {

// More knob turns than any list has rows: the cursor never reaches the row.
constexpr int turnsBeforeGivingUp = 64;

} // namespace

void programStart() { qs9ProgramStart(); }

void switchOn() { qs9PowerOn(); }

void powerOn()
{
    programStart();
    switchOn();
    recordTexts();
}

void pass(int count)
{
    for (int i = 0; i < count; ++i) {
        recordTexts();
        qs9Pass();
    }
}

void keyThenPass(uint8_t key)
{
    qs9PostKey(key);
    pass();
}

void keyThenPassAtHome(uint8_t key)
{
    currentScreen = homeScreen;
    keyThenPass(key);
}

void press(uint8_t key, int times)
{
    for (int i = 0; i < times; ++i) {
        keyThenPass(key);
        pass();
    }
}

void ticks(int count)
{
    for (int i = 0; i < count; ++i)
        qs9Tick();
}

void moveSlider(const char* name, uint16_t position)
{
    ASSERT_EQ(qs9SetInput(name, position), QS9_OK) << "slider " << name << " to " << position;
}

void setVraxBox(bool checked) { qs9SetInput("vrax", checked ? 1 : 0); }

void runScreenAlone(uint8_t key)
{
    if (key != keyNone)
        qs9PostKey(key);
    drawAlone(currentScreen);
}

void openScreen(ScreenHandler screen, uint8_t row)
{
    enterMenu(row);
    currentScreen = screen;
    pass();
}

void openMainMenu() { openScreen(mainMenuScreen); }

void openFuelSetup()
{
    openMainMenu();
    press(keyPress);
}

void pressOnFuelSetupRow(int row)
{
    openScreen(fuelSetupScreen, static_cast<uint8_t>(row));
    press(keyPress);
}

void goToRow(int row)
{
    for (int turns = 0; menuCursor != row; ++turns) {
        ASSERT_LT(turns, turnsBeforeGivingUp) << "the cursor never reaches row " << row;
        press(menuCursor < row ? keyPlus : keyMinus);
    }
}

void editOnce(uint8_t turn)
{
    press(keyPress);
    press(turn);
    press(keyPress);
}

void enterDigits(const std::string& target)
{
    for (size_t i = 0; i < target.size(); ++i) {
        for (int turns = (target[i] - '0' - digitEntry[i] + 10) % 10; turns > 0; --turns)
            keyThenPass(keyPlus);
        keyThenPass(keyPress);
    }
}

std::string currentScreenName() { return qs9CurrentScreenName(); }

void useFuelSystem(const FuelSystem& system)
{
    settings.flow1Enabled = system.flow1;
    settings.flow2Enabled = system.flow2;
    settings.tank1Mode = system.tank1;
    settings.tank2Mode = system.tank2;
    settings.flowMode = system.flowMode;
    deriveFuelConfig();
}
