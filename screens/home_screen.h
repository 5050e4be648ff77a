// How the home screen chooses the run-time page for the fuel-system
// configuration, and the pieces it draws around that page.
#pragma once
#include <cstdint>

#include "screens/screen.h"

// Pages only draw; the home screen handles the keys.
using RunTimePage = void (*)();

struct HomePage {
    RunTimePage draw;
    bool statusLine; // range or speed and endurance on the top row
};

// The page for the current fuelConfig: an invalid configuration shows the
// pressure page when only the pressure display is in use, otherwise the
// "SELECT FUEL" message.
HomePage selectedHomePage();

// Red box telling the pilot to choose a fuel mode in the set-up.
void selectFuelMessage();

// True when some flow sender counts fuel, so the totals page has a total to show.
bool fuelTotalsToShow();

// The push buttons open the cruising-speed and manual fuel-level entries
// where a tank sits beside the flow.
bool pushButtonEntriesOpen();

// Range (or speed while headerCycle is 5..7) at the left, endurance at the right.
void drawStatusLine();
