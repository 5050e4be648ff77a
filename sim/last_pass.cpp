#include "sim/last_pass.h"

#include <cstring>
#include <iterator>

#include "core/alarms.h"
#include "display/furniture.h"
#include "display/text.h"
#include "screens/home_screen.h"
#include "sim/simulator.h"

LastPass lastPass;

namespace {

// The observer that was in place when the screen began to draw: a host's,
// a test's, or none. Each text goes on to it.
TextObserver passedOn;

void recordText(uint16_t startX, int16_t y, uint8_t fontSize, uint8_t colour, const char* text)
{
    if (lastPass.textCount < std::size(lastPass.texts)) {
        PassText& kept = lastPass.texts[lastPass.textCount++];
        kept.startX = startX;
        kept.endX = textEndX;
        kept.y = y;
        kept.fontSize = fontSize;
        kept.colour = colour;
        // The firmware's texts are short: one pass over them copies them.
        size_t length = 0;
        while (length < sizeof kept.text - 1 && text[length] != '\0') {
            kept.text[length] = text[length];
            ++length;
        }
        kept.text[length] = '\0';
    }
    if (passedOn)
        passedOn(startX, y, fontSize, colour, text);
}

// The home page shows range or speed and endurance on its top row; the
// totals page does not.
bool statusLineDrawn() { return currentScreen == homeScreen && showTotals == 0 && selectedHomePage().statusLine; }

} // namespace

void resetLastPass()
{
    std::memset(&lastPass, 0, sizeof lastPass); // padding too: program start leaves no byte behind
    passedOn = nullptr;
}

void beginPassRecord()
{
    lastPass.alarmsBefore = alarmFlags;
    lastPass.ackedBefore = alarmAcked;
}

void drawScreenRecorded()
{
    lastPass.textCount = 0;
    lastPass.screen = currentScreen;
    lastPass.menuEditing = menuEditing;
    lastPass.statusLine = statusLineDrawn();
    passedOn = textObserver;
    textObserver = recordText;
    currentScreen();
    // An observer set during the pass stays; otherwise the one from before.
    if (textObserver == recordText)
        textObserver = passedOn;
    passedOn = nullptr;
    lastPass.alarmsAfter = alarmFlags;
    lastPass.ackedAfter = alarmAcked;
}

extern "C" {

int qs9PassTextCount(void) { return lastPass.textCount; }

int qs9PassTextAt(int index, Qs9PassText* text)
{
    if (index < 0 || index >= lastPass.textCount || text == nullptr)
        return QS9_ERROR_RANGE;
    const PassText& kept = lastPass.texts[index];
    *text = {kept.startX, kept.y, kept.fontSize, kept.colour, kept.text};
    return QS9_OK;
}

} // extern "C"
