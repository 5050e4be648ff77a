#include "core/keys_and_time.h"

uint8_t pendingKey;
uint8_t blinkTicks;
uint8_t blinkPhase;
uint8_t slowTicks;
uint8_t alarmHoldOff;
uint8_t headerCycle;

void postKey(uint8_t key)
{
    if (pendingKey == keyNone)
        pendingKey = key;
}

void timeBaseTick()
{
    const uint8_t oldBlink = blinkTicks++;
    if (oldBlink > 9) {
        blinkTicks = 0;
        blinkPhase = 1 - blinkPhase;
    }
    const uint8_t oldSlow = slowTicks++;
    if (oldSlow < 19)
        return;
    slowTicks = 0;
    if (alarmHoldOff > 0)
        --alarmHoldOff;
    headerCycle = headerCycle < 7 ? headerCycle + 1 : 0;
}
