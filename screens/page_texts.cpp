#include "screens/page_texts.h"

#include <cstdio>

#include "core/settings.h"
#include "display/colours.h"
#include "display/text.h"

void formatTenths(char* buffer, int32_t tenths)
{
    std::snprintf(buffer, tenthsTextSize, "%.1f", tenths * 0.1);
}

const char* flowUnitWord()
{
    constexpr uint8_t knownUnits = 6;
    if (settings.units >= knownUnits)
        return "";
    return unitsAreGallons() ? "G/hr" : "L/hr";
}

void drawFlow(int32_t tenths, TextPlace place)
{
    char text[tenthsTextSize];
    formatTenths(text, tenths);
    drawText(place.x, place.y, text, 0, place.fontSize, place.align, colourWhite);
}
