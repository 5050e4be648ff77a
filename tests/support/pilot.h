// Driving the instrument as the pilot does, through the calls every host
// makes (sim/simulator.h): program start and "On", main-loop passes, the five keys, timer
// ticks, the sliders and the VRAX box, and the fuel set-up followed by what
// the instrument derives from it. Every pass records the texts it draws
// (tests/support/display_reader.h reads them).
#pragma once
#include <cstdint>
#include <string>

#include "core/keys_and_time.h"
#include "core/settings.h"
#include "screens/screen.h"

// Program start as the window creates it: every firmware global at its
// starting value, the display black, the VRAX box checked; not yet on.
void programStart();
// "On" as a later click makes it: factory settings, totals and alarms
// cleared, the home screen; what program start alone resets stays.
void switchOn();
// Program start, then "On", with every slider at 0; texts recorded from
// here. No pass yet.
void powerOn();

// Main-loop passes with the VRAX box as it stands.
void pass(int count = 1);
// A key clicked before one pass: the screen draws, then handles the key.
void keyThenPass(uint8_t key);
// The home screen put back as the current screen, then keyThenPass.
void keyThenPassAtHome(uint8_t key);
// A key pressed and its effect seen: the pass that handles it, then one
// that draws the result. Repeated `times` over.
void press(uint8_t key, int times = 1);
// 100 ms ticks of the instrument's timer.
void ticks(int count);

// A sensor slider moved, by its runner name (flow1, level1, flow2, level2,
// pressure), as the window's slider handler stores it.
void moveSlider(const char* name, uint16_t position);
void setVraxBox(bool checked);

// The current screen once, as a pass calls it but without the measurements
// before it, so that figures set by hand stay: on a cleared display, with
// the key clicked before it.
void runScreenAlone(uint8_t key = keyNone);

// A screen opened as the menu that leads to it opens it (the menu state
// entered on `row`), then one pass to draw it.
void openScreen(ScreenHandler screen, uint8_t row = 0);
// The main menu as the home screen opens it, on its FUEL SETUP page.
void openMainMenu();
// The fuel set-up list as the main menu's FUEL SETUP page opens it.
void openFuelSetup();
// The fuel set-up list with the cursor on a row, and the knob pressed there:
// how the tank and pressure set-ups open.
void pressOnFuelSetupRow(int row);

// The knob turned, not editing, until the cursor is on the row.
void goToRow(int row);
// One edit of the cursor row: knob press, one turn, knob press.
void editOnce(uint8_t turn);
// Each digit of an entry screen turned up with "+" until it reads as in
// `target`, the knob pressed after each to go on to the next.
void enterDigits(const std::string& target);

std::string currentScreenName();

// The fuel system as the fuel set-up leaves it: flows, flow mode and tank
// modes, then the configuration code the instrument derives on leaving.
struct FuelSystem {
    uint8_t flow1 = 1;
    uint8_t flow2 = 0;
    uint8_t tank1 = tankModeSender;
    uint8_t tank2 = tankModeOff;
    uint8_t flowMode = flowModeDual;
};
void useFuelSystem(const FuelSystem& system);
