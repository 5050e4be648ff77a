#include "screens/entry_screens.h"

#include "core/fuel_flow.h"
#include "core/keys_and_time.h"
#include "core/settings.h"
#include "core/tank_fields.h"
#include "display/colours.h"
#include "display/furniture.h"
#include "display/text.h"
#include "screens/page_texts.h"
#include "screens/screen.h"

int32_t manualLevel1, manualLevel2;

namespace {

constexpr uint8_t promptFont = 8;
constexpr uint8_t digitFont = 20;
constexpr uint8_t entryDigitCount = 3;
constexpr int16_t entryDigitY = 52;
constexpr int16_t wholeDigitX[entryDigitCount] = {49, 70, 91};
constexpr int16_t tenthsDigitX[entryDigitCount] = {39, 60, 91};

// The number the three digits show: hundreds, tens, units.
int32_t enteredNumber() { return digitEntry[0] * 100 + digitEntry[1] * 10 + digitEntry[2]; }

// Two centred lines at the top; these screens have no title bar.
void drawPrompt(const char* first, const char* second)
{
    drawText(80, 10, first, 0, promptFont, alignCentre, colourWhite);
    drawText(80, 25, second, 0, promptFont, alignCentre, colourWhite);
}

// Knob press: the next digit, after the last the first again. "+" and "-":
// turn the digit. True when a digit changed, so the entered value follows.
bool handleDigitKey()
{
    switch (pendingKey) {
    case keyPress:
        menuCursor = menuCursor < entryDigitCount - 1 ? menuCursor + 1 : 0;
        return false;
    case keyPlus:
    case keyMinus:
        turnDigitUnderCursor(pendingKey, entryDigitCount);
        return true;
    default:
        return false;
    }
}

// What the entry adds to a tank's fields.
struct TankEntry {
    const TankFields& tank;
    const char* prompt;
    int32_t* level; // the contents last entered
};

const TankEntry tank1Entry{tank1Fields, "YOUR FUEL LEVEL 1", &manualLevel1};
const TankEntry tank2Entry{tank2Fields, "YOUR FUEL LEVEL 2", &manualLevel2};

// The entered level becomes the calculated tank's contents. More than the
// tank holds counts as full. The pulse count is worked out in 64 bits, so a
// large K-factor in gallons cannot wrap it round to a small tank. The tank-2
// entry comes next when tank 2 is calculated too.
void commitLevel(const TankEntry& entry)
{
    const int16_t size = settings.*entry.tank.size;
    if (size < *entry.level)
        *entry.level = size;
    if (*entry.level < 0)
        *entry.level = 0; // a tank size below zero holds nothing
    *entry.tank.pulses = tankPulsesForLevel(static_cast<uint32_t>(*entry.level), settings.*entry.tank.kFactor);
    storeTotals();
    if (entry.tank.number == 1 && settings.tank2Mode == tankModeCalculated)
        openFuelLevel2Entry();
    else
        currentScreen = homeScreen;
}

void fuelLevelScreen(const TankEntry& entry)
{
    drawPrompt("MANUALLY ENTER", entry.prompt);
    if (volumeInTenths())
        drawEntryDigitsDecimal();
    else
        drawEntryDigits();
    drawText(120, 65, unitsAreGallons() ? "G" : "L", 0, 12, alignLeft, colourGrey);
    drawSoftKeys(softKeyDone);
    drawRightLegend("FULL");

    switch (pendingKey) {
    case keyLeft:
        *entry.level = enteredNumber();
        commitLevel(entry);
        break;
    case keyRight:
        *entry.level = settings.*entry.tank.size;
        commitLevel(entry);
        break;
    default:
        if (handleDigitKey())
            *entry.level = enteredNumber();
        break;
    }
    pendingKey = 0;
}

} // namespace

void drawDigitRow(const int16_t* x, uint8_t count, int16_t y, uint8_t align)
{
    for (uint8_t i = 0; i < count; ++i) {
        const char digit[2] = {static_cast<char>('0' + digitEntry[i] % 10), '\0'};
        drawText(x[i], y, digit, 0, digitFont, align, i == menuCursor ? colourRed : colourWhite);
    }
}

void turnDigitUnderCursor(uint8_t key, uint8_t digitCount)
{
    if (menuCursor >= digitCount)
        return;
    uint8_t& digit = digitEntry[menuCursor];
    if (key == keyPlus)
        digit = digit >= 9 ? 0 : digit + 1;
    else if (key == keyMinus)
        digit = digit == 0 || digit > 9 ? 9 : digit - 1;
}

void drawEntryDigits() { drawDigitRow(wholeDigitX, entryDigitCount, entryDigitY, alignLeft); }

void drawEntryDigitsDecimal()
{
    drawDigitRow(tenthsDigitX, entryDigitCount, entryDigitY, alignLeft);
    drawText(80, entryDigitY, ".", 0, digitFont, alignLeft, colourWhite);
}

void cruiseSpeedScreen()
{
    drawPrompt("ENTER AIRCRAFT", "CRUISING SPEED");
    drawEntryDigits();
    drawText(159, 65, speedUnitWord(), 0, 10, alignRight, colourGrey);
    drawSoftKeys(softKeyExit);

    if (pendingKey == keyLeft) {
        returnToHome();
        storeSettings();
    } else if (handleDigitKey()) {
        settings.cruiseSpeed = static_cast<uint16_t>(enteredNumber());
    }
    pendingKey = 0;
}

void fuelLevel1Screen() { fuelLevelScreen(tank1Entry); }
void fuelLevel2Screen() { fuelLevelScreen(tank2Entry); }
