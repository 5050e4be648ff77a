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

/* The words a C host shows on the way to the menu: the knob's help after
 * power-on, then what the first press acknowledged. */
void cHostWordsOnTheWay(const char** knobHelp, const char** acknowledged)
{
    qs9ProgramStart();
    qs9PowerOn();
    qs9Pass();
    *knobHelp = qs9KeyHelp(QS9_KEY_PRESS);
    qs9PostKey(QS9_KEY_PRESS);
    qs9Pass();
    *acknowledged = qs9AlarmsAcknowledgedText();
}

/* The sender calls from C: the flow read after a pass, and its position
 * asked back (7000), or -1 when a call fails or reads otherwise. */
int cHostReadsTheFlowBackAndForth(void)
{
    char text[16];
    uint16_t position = 0;
    qs9ProgramStart();
    qs9PowerOn();
    qs9SetInput("flow1", 7000);
    qs9PassWithoutFlow();
    qs9Pass();
    if (qs9SenderReading("flow1", text, sizeof text) != QS9_OK || strcmp(text, "900.0 L/hr") != 0 ||
        qs9SenderPosition("flow1", 900.0, &position) != QS9_OK)
        return -1;
    return position;
}
