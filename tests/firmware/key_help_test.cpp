// Key help: for each screen and each state that changes what a key does,
// the line the learner reads, then the key pressed and its effect seen.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "core/alarms.h"
#include "core/fuel_flow.h"
#include "core/keys_and_time.h"
#include "core/settings.h"
#include "core/tank_level.h"
#include "display/furniture.h"
#include "screens/menu_screens.h"
#include "screens/pressure_setup.h"
#include "screens/screen.h"
#include "screens/security_screens.h"
#include "screens/setup_screens.h"
#include "screens/tank_setup.h"
#include "sim/screen_names.h"
#include "sim/simulator.h"
#include "tests/fuzz/firmware_events.h"
#include "tests/fuzz/walk_events.h"
#include "tests/support/display_reader.h"
#include "tests/support/firmware_regions.h"
#include "tests/support/pilot.h"

namespace {

bool on(ScreenHandler screen) { return currentScreen == screen; }

// On with the pressure in its green band: no alarm waits for a key.
void quietHome()
{
    powerOn();
    moveSlider("pressure", 2000);
    pass();
}

void lockedHome()
{
    quietHome();
    settings.securityEnabled = 1;
}

void totalsPage()
{
    quietHome();
    press(keyPlus);
}

// A calculated tank starts empty; its low-fuel alarm is switched off so that
// no alarm takes the next key.
void calculatedTanks(uint8_t tank1, uint8_t tank2, uint8_t flow2 = 0)
{
    quietHome();
    useFuelSystem({.flow1 = 1, .flow2 = flow2, .tank1 = tank1, .tank2 = tank2});
    settings.tank1LowAlarmOn = settings.tank2LowAlarmOn = 0;
    pass();
}

void fuelSetupOn(int row)
{
    powerOn();
    openFuelSetup();
    goToRow(row);
}

void editingFuelSetupRow(int row)
{
    fuelSetupOn(row);
    press(keyPress);
}

void tank1Setup(int row)
{
    powerOn();
    pressOnFuelSetupRow(5);
    goToRow(row);
}

void pressureSetup(int row)
{
    powerOn();
    pressOnFuelSetupRow(7);
    goToRow(row);
}

void autoBacklight(int row)
{
    powerOn();
    settings.backlightMode = 1;
    openScreen(backlightScreen);
    goToRow(row);
}

// A code screen with the code already turned in and the cursor on its last digit.
void codeOnLastDigit(ScreenHandler screen, const uint8_t (&code)[4])
{
    powerOn();
    openScreen(screen);
    for (int i = 0; i < 4; ++i)
        digitEntry[i] = code[i];
    menuCursor = 3;
}

void cruiseEntry()
{
    quietHome();
    press(keyLeft);
}

void tankCalibration(ScreenHandler screen, uint8_t mode, int row)
{
    powerOn();
    moveSlider("level1", 600);
    openScreen(screen);
    calibrationMode = mode;
    goToRow(row);
}

void curveEditor(int row)
{
    powerOn();
    calCurve = settings.pressure.userCurve;
    messageReturnScreen = pressureSetupScreen;
    openScreen(senderCalibrationScreen);
    goToRow(row);
}

struct KeyCase {
    const char* state; // what the pilot did before the key
    void (*reach)();
    uint8_t key;
    const char* line;  // qs9KeyHelp before the key
    bool (*effect)();  // holds once the key has been taken
};

const KeyCase cases[] = {
    // The home screen: an alarm first, then the page's own keys.
    {"On, pressure alarm waiting", [] { powerOn(); pass(); }, keyPlus, "+: acknowledge the alarm, then fuel totals",
     [] { return (alarmAcked & alarmPressure) != 0 && showTotals == 0; }},
    {"On, pressure alarm waiting", [] { powerOn(); pass(); }, keyRight, "Right: acknowledge the alarm",
     [] { return (alarmAcked & alarmPressure) != 0 && on(homeScreen); }},
    {"home", quietHome, keyPress, "Knob: main menu", [] { return on(mainMenuScreen); }},
    {"home, set-up locked", lockedHome, keyPress, "Knob: enter the set-up code", [] { return on(securityCodeScreen); }},
    {"home", quietHome, keyPlus, "+: fuel totals", [] { return showTotals == 1; }},
    {"home", quietHome, keyMinus, "", [] { return on(homeScreen) && showTotals == 0; }},
    {"home", quietHome, keyLeft, "Left: cruising speed", [] { return on(cruiseSpeedScreen); }},
    {"home, tank on its sender", quietHome, keyRight, "", [] { return on(homeScreen); }},
    {"home, tank 1 calculated", [] { calculatedTanks(tankModeCalculated, tankModeOff); }, keyRight,
     "Right: fuel level of tank 1", [] { return on(fuelLevel1Screen); }},
    {"home, tank 2 calculated beside tank 1 on its sender",
     [] { calculatedTanks(tankModeSender, tankModeCalculated, 1); }, keyRight, "Right: fuel level of tank 2",
     [] { return on(fuelLevel2Screen); }},
    {"home, level only", [] { quietHome(); useFuelSystem({.flow1 = 0}); pass(); }, keyPlus, "",
     [] { return showTotals == 0; }},
    {"home, level only", [] { quietHome(); useFuelSystem({.flow1 = 0}); pass(); }, keyLeft, "",
     [] { return on(homeScreen); }},
    {"totals page, fuel used", [] { totalsPage(); used1Pulses = 70000; }, keyLeft, "Left: reset the totals",
     [] { return used1Pulses == 0 && showTotals == 1; }},
    {"totals page", totalsPage, keyMinus, "-: leave the fuel totals", [] { return showTotals == 0; }},
    {"totals page", totalsPage, keyPlus, "", [] { return showTotals == 1; }},
    {"totals page", totalsPage, keyRight, "", [] { return on(homeScreen) && showTotals == 1; }},
    {"totals page", totalsPage, keyPress, "Knob: main menu", [] { return on(mainMenuScreen); }},

    // The main menu's pages.
    {"main menu", [] { powerOn(); openMainMenu(); }, keyLeft, "Left: exit to the home screen",
     [] { return on(homeScreen); }},
    {"main menu", [] { powerOn(); openMainMenu(); }, keyPress, "Knob: open FUEL SETUP",
     [] { return on(fuelSetupScreen); }},
    {"main menu, MISC SETUP", [] { powerOn(); openScreen(mainMenuScreen, 1); }, keyPress, "Knob: open MISC SETUP",
     [] { return on(miscSetupScreen); }},
    {"main menu, ADC VALUES", [] { powerOn(); openScreen(mainMenuScreen, 2); }, keyPress, "Knob: open ADC VALUES",
     [] { return on(valuesScreen); }},
    {"main menu", [] { powerOn(); openMainMenu(); }, keyPlus, "+: page MISC SETUP", [] { return menuCursor == 1; }},
    {"main menu", [] { powerOn(); openMainMenu(); }, keyMinus, "-: page ADC VALUES", [] { return menuCursor == 2; }},
    {"main menu", [] { powerOn(); openMainMenu(); }, keyRight, "",
     [] { return on(mainMenuScreen) && menuCursor == 0; }},

    // MISC SETUP: text rows only.
    {"MISC SETUP", [] { powerOn(); openScreen(miscSetupScreen); }, keyPress, "Knob: open BACKLIGHT",
     [] { return on(backlightScreen); }},
    {"MISC SETUP", [] { powerOn(); openScreen(miscSetupScreen); }, keyPlus, "+: cursor to SECURITY SETUP",
     [] { return menuCursor == 1; }},
    {"MISC SETUP", [] { powerOn(); openScreen(miscSetupScreen); }, keyMinus, "-: cursor to DEFAULT SETTINGS",
     [] { return menuCursor == 3; }},
    {"MISC SETUP", [] { powerOn(); openScreen(miscSetupScreen); }, keyLeft, "Left: back to the main menu",
     [] { return on(mainMenuScreen) && menuCursor == 1; }},
    {"MISC SETUP", [] { powerOn(); openScreen(miscSetupScreen); }, keyRight, "",
     [] { return on(miscSetupScreen) && editStep == 1; }},

    // FUEL SETUP: value rows, a K-factor with its step legend, text rows.
    {"FUEL SETUP, UNIT", [] { fuelSetupOn(0); }, keyPress, "Knob: edit UNIT", [] { return menuEditing == 1; }},
    {"FUEL SETUP, editing UNIT", [] { editingFuelSetupRow(0); }, keyPress, "Knob: stop editing UNIT",
     [] { return menuEditing == 0; }},
    {"FUEL SETUP, editing UNIT", [] { editingFuelSetupRow(0); }, keyPlus, "+: next option",
     [] { return settings.units == 1 && menuCursor == 0; }},
    {"FUEL SETUP, editing UNIT", [] { editingFuelSetupRow(0); }, keyMinus, "-: previous option",
     [] { return settings.units == 5; }},
    {"FUEL SETUP, UNIT", [] { fuelSetupOn(0); }, keyRight, "Right: edit step 10", [] { return editStep == 10; }},
    {"FUEL SETUP, UNIT", [] { fuelSetupOn(0); }, keyPlus, "+: cursor to FLOW 1", [] { return menuCursor == 1; }},
    {"FUEL SETUP, UNIT", [] { fuelSetupOn(0); }, keyMinus, "-: cursor to DATA", [] { return menuCursor == 9; }},
    {"FUEL SETUP, K-FACTOR 1", [] { fuelSetupOn(2); }, keyRight, "Right: edit step X10",
     [] { return editStep == 10; }},
    {"FUEL SETUP, editing K-FACTOR 1", [] { editingFuelSetupRow(2); }, keyPlus, "+: up by 1",
     [] { return settings.kFactor1 == 7001; }},
    {"FUEL SETUP, editing K-FACTOR 1 by 100", [] { fuelSetupOn(2); press(keyRight, 2); press(keyPress); },
     keyMinus, "-: down by 100", [] { return settings.kFactor1 == 6900; }},
    {"FUEL SETUP, TANK 1 SETUP", [] { fuelSetupOn(5); }, keyPress, "Knob: open TANK 1 SETUP",
     [] { return on(tank1SetupScreen); }},
    {"FUEL SETUP", [] { fuelSetupOn(0); }, keyLeft, "Left: back to the main menu",
     [] { return on(mainMenuScreen) && menuCursor == 0; }},

    // TANK 1 SETUP: the step key only where a legend shows.
    {"TANK 1 SETUP, TANK", [] { tank1Setup(0); }, keyRight, "", [] { return editStep == 1; }},
    {"TANK 1 SETUP, TANK SIZE", [] { tank1Setup(1); }, keyRight, "Right: edit step X10",
     [] { return editStep == 10; }},
    {"TANK 1 SETUP, editing TANK SIZE", [] { tank1Setup(1); press(keyPress); }, keyPlus, "+: up by 1",
     [] { return settings.tank1Size == 46; }},
    {"TANK 1 SETUP, CALIBRATE TANK", [] { tank1Setup(6); }, keyPress, "Knob: open CALIBRATE TANK",
     [] { return on(tank1CalibrationScreen); }},
    {"TANK 1 SETUP", [] { tank1Setup(0); }, keyLeft, "Left: back to the fuel setup",
     [] { return on(fuelSetupScreen) && menuCursor == 5; }},
    {"TANK 2 SETUP, tank off", [] { powerOn(); pressOnFuelSetupRow(6); }, keyPlus, "",
     [] { return menuCursor == 0 && settings.tank2Mode == tankModeOff; }},
    {"TANK 2 SETUP, editing the tank off", [] { powerOn(); pressOnFuelSetupRow(6); press(keyPress); }, keyPlus,
     "+: next option", [] { return settings.tank2Mode == tankModeSender; }},

    // FUEL PRESSURE: the step key on every row, a pressure legend in tenths.
    {"FUEL PRESSURE, FP DISPLAY", [] { pressureSetup(0); }, keyRight, "Right: edit step 10",
     [] { return editStep == 10; }},
    {"FUEL PRESSURE, HIGH ALM", [] { pressureSetup(7); }, keyRight, "Right: edit step X1.0",
     [] { return editStep == 10; }},
    {"FUEL PRESSURE, editing HIGH ALM", [] { pressureSetup(7); press(keyPress); }, keyPlus, "+: up by 0.1",
     [] { return settings.pressure.highAlarm == 81; }},
    {"FUEL PRESSURE, display off",
     [] { pressureSetup(0); settings.pressureDisplay = 0; pass(); }, keyPlus, "", [] { return menuCursor == 0; }},
    {"FUEL PRESSURE, user curve",
     [] { pressureSetup(0); settings.pressure.curveKind = pressureCurveUser; pass(); goToRow(2); }, keyPress,
     "Knob: open CALIBRATE SENDER", [] { return on(senderCalibrationScreen); }},
    {"FUEL PRESSURE", [] { pressureSetup(0); }, keyLeft, "Left: back to the fuel setup",
     [] { return on(fuelSetupScreen) && menuCursor == 7; }},

    // BACKLIGHT: the knob sets the level in MANUAL, moves the cursor in AUTO.
    {"BACKLIGHT, MANUAL at 100 %", [] { powerOn(); openScreen(backlightScreen); }, keyMinus, "-: dimmer",
     [] { return settings.backlightLevel == 90; }},
    {"BACKLIGHT, MANUAL at 100 %", [] { powerOn(); openScreen(backlightScreen); }, keyPlus, "",
     [] { return settings.backlightLevel == 100; }},
    {"BACKLIGHT, MANUAL", [] { powerOn(); openScreen(backlightScreen); }, keyPress, "Knob: edit BACKLIGHT",
     [] { return menuEditing == 1; }},
    {"BACKLIGHT, editing the mode", [] { powerOn(); openScreen(backlightScreen); press(keyPress); }, keyPlus,
     "+: switch to AUTO", [] { return settings.backlightMode == 1; }},
    {"BACKLIGHT, AUTO", [] { autoBacklight(0); }, keyPlus, "+: cursor to THRESHOLD",
     [] { return menuCursor == 1; }},
    {"BACKLIGHT, AUTO, THRESHOLD", [] { autoBacklight(1); }, keyRight, "Right: edit step X1000",
     [] { return editStep == 1000; }},
    {"BACKLIGHT, AUTO, editing THRESHOLD", [] { autoBacklight(1); press(keyPress); }, keyPlus, "+: up by 100",
     [] { return settings.backlightThreshold == 400; }},
    {"BACKLIGHT, AUTO, editing DIM at 10 %", [] { autoBacklight(2); press(keyPress); }, keyMinus, "",
     [] { return settings.backlightDim == 10; }},
    {"BACKLIGHT, AUTO, editing DIM at 10 %", [] { autoBacklight(2); press(keyPress); }, keyPlus, "+: up by 10%",
     [] { return settings.backlightDim == 20; }},
    {"BACKLIGHT", [] { powerOn(); openScreen(backlightScreen); }, keyLeft, "Left: back to MISC SETUP",
     [] { return on(miscSetupScreen) && menuCursor == 0; }},

    // SECURITY SETUP: CHANGE CODE only while the lock is on.
    {"SECURITY SETUP, lock off", [] { powerOn(); openScreen(securitySetupScreen); }, keyPlus, "",
     [] { return menuCursor == 0; }},
    {"SECURITY SETUP", [] { powerOn(); openScreen(securitySetupScreen); }, keyPress, "Knob: edit SECURITY",
     [] { return menuEditing == 1; }},
    {"SECURITY SETUP, editing the lock", [] { powerOn(); openScreen(securitySetupScreen); press(keyPress); },
     keyPlus, "+: switch the lock on", [] { return settings.securityEnabled == 1; }},
    {"SECURITY SETUP, lock on", [] { powerOn(); settings.securityEnabled = 1; openScreen(securitySetupScreen); },
     keyPlus, "+: cursor to CHANGE CODE", [] { return menuCursor == 1; }},
    {"SECURITY SETUP, CHANGE CODE", [] { powerOn(); settings.securityEnabled = 1; openScreen(securitySetupScreen, 1); },
     keyPress, "Knob: change the code", [] { return on(currentCodeScreen); }},
    {"SECURITY SETUP", [] { powerOn(); openScreen(securitySetupScreen); }, keyLeft, "Left: back to MISC SETUP",
     [] { return on(miscSetupScreen) && menuCursor == 1; }},

    // The code screens: digits, then what the last digit's knob press does.
    {"set-up code", [] { lockedHome(); press(keyPress); }, keyPress, "Knob: next digit",
     [] { return menuCursor == 1; }},
    {"set-up code", [] { lockedHome(); press(keyPress); }, keyPlus, "+: digit 1 up",
     [] { return digitEntry[0] == 1; }},
    {"set-up code", [] { lockedHome(); press(keyPress); }, keyMinus, "-: digit 1 down",
     [] { return digitEntry[0] == 9; }},
    {"set-up code", [] { lockedHome(); press(keyPress); }, keyLeft, "Left: exit to the home screen",
     [] { return on(homeScreen); }},
    {"set-up code 8052 entered", [] { codeOnLastDigit(securityCodeScreen, {8, 0, 5, 2}); }, keyPress,
     "Knob: check the code", [] { return on(mainMenuScreen); }},
    {"current code 8052 entered", [] { codeOnLastDigit(currentCodeScreen, {8, 0, 5, 2}); }, keyPress,
     "Knob: check the current code", [] { return on(newCodeScreen); }},
    {"current code", [] { codeOnLastDigit(currentCodeScreen, {0, 0, 0, 0}); }, keyLeft,
     "Left: back to SECURITY SETUP", [] { return on(securitySetupScreen); }},
    {"new code 1234 entered", [] { codeOnLastDigit(newCodeScreen, {1, 2, 3, 4}); }, keyPress,
     "Knob: take the new code", [] { return on(confirmCodeScreen) && codeScratch == 1234; }},
    {"new code 1234 confirmed", [] { codeOnLastDigit(confirmCodeScreen, {1, 2, 3, 4}); codeScratch = 1234; },
     keyPress, "Knob: confirm the new code",
     [] { return on(codeMessageScreen) && settings.securityCode == 1234; }},
    {"CODE CHANGED", [] { powerOn(); messageReturnScreen = securitySetupScreen; openScreen(codeMessageScreen); },
     keyPlus, "+: continue", [] { return on(securitySetupScreen); }},

    // The cruising-speed and fuel-level entries.
    {"cruising speed", cruiseEntry, keyPress, "Knob: next digit", [] { return menuCursor == 1; }},
    {"cruising speed, last digit", [] { cruiseEntry(); press(keyPress, 2); }, keyPress, "Knob: first digit",
     [] { return menuCursor == 0; }},
    {"cruising speed", cruiseEntry, keyPlus, "+: digit 1 up", [] { return settings.cruiseSpeed == 150; }},
    {"cruising speed", cruiseEntry, keyRight, "", [] { return on(cruiseSpeedScreen); }},
    {"cruising speed", cruiseEntry, keyLeft, "Left: exit to the home screen", [] { return on(homeScreen); }},
    {"fuel level 1", [] { calculatedTanks(tankModeCalculated, tankModeOff); press(keyRight); }, keyLeft,
     "Left: set tank 1 to the level shown", [] { return on(homeScreen); }},
    {"fuel level 1", [] { calculatedTanks(tankModeCalculated, tankModeOff); press(keyRight); }, keyRight,
     "Right: tank 1 full", [] { return on(homeScreen) && tank1Pulses == 45u * 7000u; }},
    {"fuel level 1, both tanks calculated",
     [] { calculatedTanks(tankModeCalculated, tankModeCalculated, 1); press(keyRight); }, keyLeft,
     "Left: set tank 1 to the level shown, then tank 2", [] { return on(fuelLevel2Screen); }},
    {"fuel level 2", [] { calculatedTanks(tankModeSender, tankModeCalculated, 1); press(keyRight); }, keyRight,
     "Right: tank 2 full", [] { return on(homeScreen); }},

    // Screens that only read, ask or tell.
    {"INFO", [] { powerOn(); openScreen(infoScreen); }, keyLeft, "Left: back to MISC SETUP",
     [] { return on(miscSetupScreen) && menuCursor == 2; }},
    {"INFO", [] { powerOn(); openScreen(infoScreen); }, keyPress, "", [] { return on(infoScreen); }},
    {"ADC VALUES", [] { powerOn(); openScreen(valuesScreen); }, keyLeft, "Left: back to the main menu",
     [] { return on(mainMenuScreen) && menuCursor == 2; }},
    {"DEFAULT SETTINGS?", [] { powerOn(); openScreen(defaultSettingsScreen); }, keyLeft,
     "Left: no, back to MISC SETUP", [] { return on(miscSetupScreen) && menuCursor == 3; }},
    {"DEFAULT SETTINGS?, speed changed",
     [] { powerOn(); settings.cruiseSpeed = 150; openScreen(defaultSettingsScreen); }, keyRight,
     "Right: yes, load the factory settings", [] { return on(messageScreen) && settings.cruiseSpeed == 50; }},
    {"DONE", [] { powerOn(); messageReturnScreen = miscSetupScreen; openScreen(messageScreen); }, keyLeft,
     "Left: continue", [] { return on(miscSetupScreen); }},
    {"SLOPE ERROR", [] { powerOn(); slopeErrorReturnScreen = tank1CalibrationScreen; openScreen(slopeErrorScreen); },
     keyPress, "Knob: continue", [] { return on(tank1CalibrationScreen); }},

    // Tank calibration: captured from the sender, or typed in MANUAL.
    {"TANK 1 CAL by sender, point 2", [] { tankCalibration(tank1CalibrationScreen, calibrationBySender, 2); },
     keyPress, "Knob: capture the sender reading for point 2",
     [] { return settings.tank1Cal[1] == static_cast<int16_t>(level1Raw) && level1Raw == 600; }},
    {"TANK 1 CAL, MODE", [] { tankCalibration(tank1CalibrationScreen, calibrationBySender, 0); }, keyPress,
     "Knob: edit MODE", [] { return menuEditing == 1; }},
    {"TANK 1 CAL, editing MODE",
     [] { tankCalibration(tank1CalibrationScreen, calibrationBySender, 0); press(keyPress); }, keyPlus,
     "+: switch to MANUAL", [] { return calibrationMode == calibrationManual; }},
    {"TANK 1 CAL", [] { tankCalibration(tank1CalibrationScreen, calibrationBySender, 0); }, keyPlus,
     "+: cursor to point 1", [] { return menuCursor == 1; }},
    {"TANK 1 CAL by sender, point 1", [] { tankCalibration(tank1CalibrationScreen, calibrationBySender, 1); },
     keyRight, "", [] { return editStep == 1; }},
    {"TANK 1 CAL MANUAL, point 1", [] { tankCalibration(tank1CalibrationScreen, calibrationManual, 1); },
     keyRight, "Right: edit step X10", [] { return editStep == 10; }},
    {"TANK 1 CAL MANUAL, editing point 1",
     [] { tankCalibration(tank1CalibrationScreen, calibrationManual, 1); press(keyPress); }, keyPlus,
     "+: up by 1", [] { return settings.tank1Cal[0] == 810; }},
    {"TANK 2 CAL MANUAL at X100", [] { tankCalibration(tank2CalibrationScreen, calibrationManual, 1); editStep = 100; },
     keyRight, "Right: edit step X1", [] { return editStep == 1; }},
    {"TANK 1 CAL", [] { tankCalibration(tank1CalibrationScreen, calibrationBySender, 0); }, keyLeft,
     "Left: check the points and go back", [] { return on(tank1SetupScreen); }},

    // The user pressure curve.
    {"CAL SENDER, editing POINTS", [] { curveEditor(0); press(keyPress); }, keyPlus, "+: 7 points",
     [] { return calCurve.count == 7; }},
    {"CAL SENDER, editing POINTS", [] { curveEditor(0); press(keyPress); }, keyMinus, "-: 5 points",
     [] { return calCurve.count == 5; }},
    {"CAL SENDER, POINTS", [] { curveEditor(0); }, keyRight, "", [] { return editStep == 1; }},
    {"CAL SENDER, POINTS", [] { curveEditor(0); }, keyPlus, "+: cursor to DISPLAY 1", [] { return menuCursor == 1; }},
    {"CAL SENDER, DISPLAY 1", [] { curveEditor(1); }, keyRight, "Right: edit step X1", [] { return editStep == 10; }},
    {"CAL SENDER, editing ADC 1", [] { curveEditor(2); press(keyPress); }, keyPlus, "+: up by 1",
     [] { return calCurve.points[0].adc == settings.pressure.userCurve.points[0].adc + 1; }},
    {"CAL SENDER", [] { curveEditor(0); }, keyLeft, "Left: store the curve and exit",
     [] { return on(pressureSetupScreen) && menuCursor == 2; }},
};

// Every state the fuzzer's seed walks pass through, each key tried from it
// and the instrument put back: a key without a line must leave the display
// as it was, a key with a line must change something.
class KeysTriedOnWalks {
public:
    static const char* afterPass(void* self) { return static_cast<KeysTriedOnWalks*>(self)->tryKeys(); }
    int statesTried = 0;
    std::string walk;

private:
    const char* tryKeys()
    {
        if (!seen.insert(signature()).second)
            return nullptr;
        ++statesTried;
        const std::string screen = currentScreenName();
        EXPECT_STRNE(qs9KeyHelpText(), "") << walk << ", " << screen << " takes no key";
        EXPECT_STRNE(qs9DisplayText(), "") << walk << ", " << screen << " reads as nothing";
        const FirmwareSnapshot before = takeSnapshot(regions);
        const Outcome untouched = outcome(keyNone, before);
        for (uint8_t key = keyLeft; key <= keyMinus; ++key) {
            const std::string line = qs9KeyHelp(key);
            const Outcome pressed = outcome(key, before);
            if (line.empty())
                EXPECT_TRUE(pressed.frame == untouched.frame && pressed.screen == untouched.screen)
                    << walk << ", " << screen << ": key " << int(key) << " has no line but changes the display";
            else if (!capturesTheReadingAgain(line))
                EXPECT_NE(pressed.state, untouched.state)
                    << walk << ", " << screen << ": \"" << line << "\" but the key changes nothing";
        }
        return nullptr;
    }

    // A point that already holds the live reading takes it again unchanged.
    static bool capturesTheReadingAgain(const std::string& line)
    {
        const bool tank2 = currentScreen == tank2CalibrationScreen;
        const int16_t* points = tank2 ? settings.tank2Cal : settings.tank1Cal;
        return line.find("capture the sender reading") != std::string::npos &&
               points[menuCursor - 1] == static_cast<int16_t>(tank2 ? level2Raw : level1Raw);
    }

    struct Outcome {
        FirmwareSnapshot state; // after the screen has taken the key
        std::vector<uint8_t> frame; // the screen drawn once more
        ScreenHandler screen;
    };

    // The screen run once with the key and once after, from the state before.
    Outcome outcome(uint8_t key, const FirmwareSnapshot& before)
    {
        restoreSnapshot(regions, before);
        runScreenAlone(key);
        Outcome result{takeSnapshot(instrumentState), {}, currentScreen};
        runScreenAlone();
        result.frame = displayPicture();
        restoreSnapshot(regions, before);
        return result;
    }

    // What decides the keys: the screen, the menu state, the settings and
    // the alarms; the measurements moving from pass to pass do not.
    std::string signature() const
    {
        std::string bytes(reinterpret_cast<const char*>(&settings), sizeof settings);
        for (int64_t value : {int64_t(reinterpret_cast<intptr_t>(currentScreen)), int64_t(menuCursor),
                              int64_t(menuEditing), int64_t(editStep), int64_t(showTotals), int64_t(fuelConfig),
                              int64_t(alarmFlags & ~alarmAcked), int64_t(calibrationMode), int64_t(calCurve.count),
                              int64_t(digitEntry[0]), int64_t(messageReturnScreen != nullptr)})
            bytes += std::to_string(value) + ',';
        return bytes;
    }

    static std::vector<Region> withoutDrawing(std::vector<Region> all)
    {
        std::erase_if(all, [](const Region& r) {
            return r.global == "frameBuffer" || r.global == "lastPass" || r.global == "textObserver";
        });
        return all;
    }

    const std::vector<Region> regions = writableRegions();
    const std::vector<Region> instrumentState = withoutDrawing(writableRegions());
    std::set<std::string> seen;
};

} // namespace

TEST(KeyHelp, OnEveryWalkAKeyWithALineDoesSomethingAndOneWithoutChangesNothing)
{
    KeysTriedOnWalks tried;
    for (const SeedWalk& walk : readSeedWalks(QS9_FUZZ_WALKS_DIR)) {
        tried.walk = walk.name;
        driveEvents(linkedSimulator, walk.events.data(), walk.events.size(), KeysTriedOnWalks::afterPass, &tried);
    }
    EXPECT_GT(tried.statesTried, 300) << "the walks reach fewer states than they did";
}

TEST(KeyHelp, EachLineSaysWhatTheKeyThenDoes)
{
    for (const KeyCase& c : cases) {
        c.reach();
        const std::string screen = currentScreenName();
        EXPECT_STREQ(qs9KeyHelp(c.key), c.line) << c.state << ", key " << int(c.key);
        press(c.key);
        EXPECT_TRUE(c.effect()) << c.state << " (" << screen << "), key " << int(c.key) << ": \"" << c.line
                                << "\" did not happen";
    }
}

TEST(KeyHelp, TheWholeTextPutsTheAlarmFirstAndCollapsesKeysThatAgree)
{
    powerOn();
    pass();
    EXPECT_STREQ(qs9KeyHelpText(), "Any key first acknowledges the active alarm\n"
                                   "Knob: main menu\n+: fuel totals\nLeft: cruising speed");
    press(keyPress);
    EXPECT_STREQ(qs9KeyHelpText(), "Knob: main menu\n+: fuel totals\nLeft: cruising speed");

    messageReturnScreen = miscSetupScreen;
    openScreen(messageScreen);
    EXPECT_STREQ(qs9KeyHelpText(), "Any key: continue");
}

TEST(KeyHelp, OffTheKeysDoNothingAndTheHelpSaysToSwitchOn)
{
    programStart();
    EXPECT_STREQ(qs9KeyHelpText(), "Press On to switch the instrument on");
    switchOn();
    pass();
    qs9PowerOff();
    EXPECT_STREQ(qs9KeyHelpText(), "Press On to switch the instrument on");
    EXPECT_STREQ(qs9KeyHelp(QS9_KEY_PRESS), "");
    EXPECT_EQ(qs9KeyHelp(0), nullptr);
    EXPECT_EQ(qs9KeyHelp(6), nullptr);
}
