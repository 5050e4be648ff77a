// Every screen handler of the instrument with its name, for the scripted
// runner's "print currentScreen" and for checks that the current screen is
// one of the instrument's own (the C calls qs9ScreenName and
// qs9CurrentScreenName read this table).
#pragma once
#include <span>

#include "screens/screen.h"

struct NamedScreen {
    ScreenHandler handler;
    const char* name;
};

std::span<const NamedScreen> instrumentScreens();

// "none" for no handler, "unknown" for a handler that is not in the table.
const char* screenName(ScreenHandler handler);
