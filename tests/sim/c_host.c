/* A host written in C: the interface header compiles as C and drives the
 * instrument from power-on to the main menu. */
#include <stddef.h>
#include <string.h>

#include "sim/simulator.h"

/* Two knob presses from power-on, each followed by a pass: the first
 * acknowledges the factory low-pressure alarm, the second opens the main
 * menu. Returns the screen reached, or NULL when a call fails. */
const char* cHostOpensMainMenu(void)
{
    int press;
    qs9ProgramStart();
    qs9PowerOn();
    if (qs9SetInput("level1", 600) != QS9_OK)
        return NULL;
    for (press = 0; press < 2; ++press) {
        if (qs9PostKey(QS9_KEY_PRESS) != QS9_OK)
            return NULL;
        qs9Pass();
    }
    qs9Pass();
    return qs9CurrentScreenName();
}

/* A flow slider's reading after a full pass (a pass without the flow step
 * first, which leaves the rate alone), then the position asked back for the
 * value read. Returns that position, or -1 when a call fails or the
 * reading is not the one expected. */
int cHostReadsTheFlowBackAndForth(void)
{
    char text[16];
    uint16_t position = 0;
    qs9ProgramStart();
    qs9PowerOn();
    if (qs9SetInput("flow1", 7000) != QS9_OK)
        return -1;
    qs9PassWithoutFlow();
    if (qs9SenderReading("flow1", text, sizeof text) != QS9_OK || strcmp(text, "0.0 L/hr") != 0)
        return -1;
    qs9Pass();
    if (qs9SenderReading("flow1", text, sizeof text) != QS9_OK || strcmp(text, "900.0 L/hr") != 0)
        return -1;
    if (qs9SenderPosition("flow1", 900.0, &position) != QS9_OK)
        return -1;
    return position;
}
