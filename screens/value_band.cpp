#include "screens/value_band.h"

#include <algorithm>

#include "core/keys_and_time.h"
#include "display/colours.h"
#include "display/framebuffer.h"
#include "display/text.h"

ValueBand bandOf(int32_t value, int32_t lowAlarm, int32_t lowCaution, int32_t highCaution,
                 int32_t highAlarm)
{
    if (value <= lowAlarm || value >= highAlarm)
        return ValueBand::alarm;
    if (value <= lowCaution || value >= highCaution)
        return ValueBand::caution;
    return ValueBand::normal;
}

namespace {

void drawAt(TextPlace place, const char* text, uint8_t colour)
{
    drawText(place.x, place.y, text, 0, place.fontSize, place.align, colour);
}

// The box behind the text drawn last, then that text again in `textColour`.
// A wide value may start left of the display (its start x then reads as a
// large unsigned number): the box then starts at the display's left edge, so
// the black caution text never lands on the black background.
void boxBehind(TextPlace place, const char* text, TextBox box, uint8_t boxColour, uint8_t textColour)
{
    const int32_t left = std::max<int32_t>(0, static_cast<int16_t>(textStartX) - box.margin);
    const int32_t right = box.right == boxToTextEnd ? textEndX : box.right;
    fillRect(static_cast<int16_t>(left), box.top, static_cast<int16_t>(right), box.bottom, boxColour);
    drawAt(place, text, textColour);
}

} // namespace

void drawFailInBox(TextPlace place, TextBox box)
{
    if (blinkPhase != 1)
        return;
    drawAt(place, "FAIL", colourWhite);
    boxBehind(place, "FAIL", box, colourRed, colourWhite);
}

void drawValueInBand(const char* text, TextPlace place, TextBox box, ValueBand band)
{
    drawAt(place, text, colourWhite);
    if (band == ValueBand::alarm && blinkPhase == 1)
        boxBehind(place, text, box, colourRed, colourWhite);
    else if (band == ValueBand::caution)
        boxBehind(place, text, box, colourYellow, colourBlack);
}
