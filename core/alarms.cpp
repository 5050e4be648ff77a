#include "core/alarms.h"

uint32_t alarmFlags;
uint32_t alarmAcked;
