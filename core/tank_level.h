// Tank contents from the level senders, sender-failure detection and the
// low-fuel alarms. Only SENDER tanks are measured here; a CALCULATED tank's
// contents come from the fuel flow measurement, and an OFF tank keeps its last.
#pragma once
#include <cstdint>

extern uint16_t level1Raw, level2Raw;             // sender ADC of this pass, after source selection
extern uint8_t level1Fail, level2Fail;            // 1 while a SENDER tank's reading is above 3900
extern uint32_t level1FilterAcc, level2FilterAcc; // filtered reading times 2, 8 or 32

// Measures tank 1 or tank 2; any other number does nothing.
void measureTankLevel(uint8_t tank);

// Contents in the volume unit for a (filtered) sender reading through a
// tank's six-point calibration, readings at 0, 20, ... 100 % of `size`.
int32_t contentsFromCalibration(const int16_t (&calibration)[6], int32_t size, int32_t reading);
