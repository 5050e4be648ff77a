#include "core/alarms.h"

#include "core/keys_and_time.h"

uint32_t alarmFlags;
uint32_t alarmAcked;

void updateAlarm(uint32_t bit, bool condition)
{
    if (alarmHoldOff != 0)
        return;
    if (condition) {
        alarmFlags |= bit;
    } else {
        alarmFlags &= ~bit;
        alarmAcked &= ~bit;
    }
}
