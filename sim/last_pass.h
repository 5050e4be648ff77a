// What the last main-loop pass drew and what it did to the alarms, kept by
// sim/ for the display as text and the alarm words (sim/display_text.cpp,
// sim/alarm_words.cpp). Recording leaves the host's text observer as it is.
#pragma once
#include <cstdint>

#include "screens/screen.h"

// One drawText call of the pass: where it started and ended, its row, font,
// colour and text (cut short beyond the buffer; the firmware's texts fit).
struct PassText {
    uint16_t startX;
    uint16_t endX;
    int16_t y;
    uint8_t fontSize;
    uint8_t colour;
    char text[40];
};

struct LastPass {
    PassText texts[128]; // beyond the last, the pass's texts are not kept
    uint16_t textCount;
    ScreenHandler screen;   // the screen that drew the pass
    uint8_t menuEditing;    // as that screen drew its rows
    bool statusLine;        // the home screen's status line is on the top row
    uint32_t alarmsBefore;  // alarmFlags and alarmAcked as the pass began
    uint32_t ackedBefore;
    uint32_t alarmsAfter;   // and as it ended
    uint32_t ackedAfter;
};
extern LastPass lastPass;

// Program start: no pass yet, no text.
void resetLastPass();
// The pass begins: the alarm words before its measurements.
void beginPassRecord();
// The current screen run once, its texts recorded; then the alarm words
// as the pass leaves them.
void drawScreenRecorded();
