#include "screens/page_texts.h"

#include <cstdio>
#include <iterator>

#include "core/settings.h"
#include "display/colours.h"
#include "display/text.h"

void formatTenths(char* buffer, int32_t tenths)
{
    std::snprintf(buffer, tenthsTextSize, "%.1f", tenths * 0.1);
}

namespace {

// By settings.units / 2: statute miles, nautical miles, kilometres.
const char* distanceKindWord(const char* const (&words)[3])
{
    uint8_t index = settings.units / 2;
    return index < 3 ? words[index] : "";
}

} // namespace

const char* flowUnitWord()
{
    constexpr uint8_t knownUnits = 6;
    if (settings.units >= knownUnits)
        return "";
    return unitsAreGallons() ? "G/hr" : "L/hr";
}

const char* distanceUnitWord() { return distanceKindWord({"sm", "nm", "km"}); }
const char* speedUnitWord() { return distanceKindWord({"mph", "kts", "km/h"}); }

void formatPressure(char* buffer, int16_t value)
{
    if (settings.pressure.unit == pressureUnitPsi)
        std::snprintf(buffer, pressureTextSize, "%d", value);
    else
        std::snprintf(buffer, pressureTextSize, "%.1f", value * 0.1);
}

const char* pressureUnitWord()
{
    static const char* const words[] = {"bar", "psi", "psi"};
    const uint8_t unit = settings.pressure.unit;
    return unit < std::size(words) ? words[unit] : "";
}

void drawFlow(int32_t tenths, TextPlace place)
{
    char text[tenthsTextSize];
    formatTenths(text, tenths);
    drawText(place.x, place.y, text, 0, place.fontSize, place.align, colourWhite);
}
