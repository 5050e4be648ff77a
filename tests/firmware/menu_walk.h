// Walking the menus as a pilot does: post a key, run a pass, look at what the
// screen wrote.
#pragma once
#include <string>
#include <vector>

#include "core/keys_and_time.h"
#include "display/furniture.h"
#include "display/furniture.h"
#include "display/text.h"
#include "sim/power_cycle.h"
#include "screens/screen.h"
#include "sim/screen_names.h"
#include "screens/setup_screens.h"

// Other test helpers have a findText and a powerOnAndWatch of their own; in a
// namespace of their own these cannot be mistaken for them at link time.
namespace menuWalk {

struct DrawnText {
    int x;
    int y;
    int font;
    int colour;
    std::string text;
};

inline std::vector<DrawnText>& drawnTexts()
{
    static std::vector<DrawnText> texts;
    return texts;
}

inline void recordText(uint16_t x, int16_t y, uint8_t font, uint8_t colour, const char* text)
{
    drawnTexts().push_back({x, y, font, colour, text ? text : ""});
}

// Program start, power on, the observer recording what each pass writes.
inline void powerOnAndWatch()
{
    resetToProgramStart();
    powerOnSequence();
    textObserver = recordText;
}

inline void pass()
{
    drawnTexts().clear();
    firmwarePass(true);
}

// Powered, on the main menu's FUEL SETUP page as the home screen opens it.
inline void openMainMenu()
{
    powerOnAndWatch();
    enterMenu(0);
    currentScreen = mainMenuScreen;
    pass();
}

// One key, one pass to act on it, one more pass to draw the result.
inline void key(uint8_t k)
{
    postKey(k);
    pass();
    pass();
}

inline void keys(uint8_t k, int times)
{
    for (int i = 0; i < times; ++i)
        key(k);
}

// The knob, not editing, until the cursor is on the item.
inline void goToItem(int item)
{
    while (menuCursor != item)
        key(menuCursor < item ? keyPlus : keyMinus);
}

// The fuel set-up list with the cursor on a row, and a knob press there:
// how the pilot opens the tank and pressure set-ups.
inline void pressOnFuelSetupRow(int row)
{
    enterMenu(static_cast<uint8_t>(row));
    currentScreen = fuelSetupScreen;
    pass();
    key(keyPress);
}

// One edit of the cursor row: knob press, one turn, knob press.
inline void editOnce(uint8_t turn)
{
    key(keyPress);
    key(turn);
    key(keyPress);
}

inline std::string screen() { return screenName(currentScreen); }

// The texts on menu row r (y 26 + 15 r), label and value joined.
inline std::string rowText(int r)
{
    std::string joined;
    for (const DrawnText& t : drawnTexts())
        if (t.y == 26 + 15 * r && t.font == 8)
            joined += t.text;
    return joined;
}

inline std::vector<std::string> shownRows()
{
    std::vector<std::string> rows;
    for (int r = 0; r < 5; ++r)
        if (!rowText(r).empty())
            rows.push_back(rowText(r));
    return rows;
}

// The first text drawn with this content, or null.
inline const DrawnText* findText(const std::string& text)
{
    for (const DrawnText& t : drawnTexts())
        if (t.text == text)
            return &t;
    return nullptr;
}

// The step legend in the right soft-key cell, "" when there is none.
inline std::string stepLegend()
{
    for (const DrawnText& t : drawnTexts())
        if (t.y == 104 && t.text.rfind('X', 0) == 0)
            return t.text;
    return "";
}

} // namespace menuWalk
using namespace menuWalk;
