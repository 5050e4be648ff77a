#include "core/sensor_inputs.h"

VraxData vrax;
uint8_t vraxEnabled;
uint8_t canDeviceC, canDeviceA;
uint8_t vraxFlowValid;
uint32_t vraxFlowPeriod;
uint16_t flow1Input, flow2Input;
uint16_t level1Input, level2Input;
uint16_t pressureInput;
uint16_t pressureLoopInput;
uint16_t lightSensorInput;
uint32_t injectorCounts[4];
uint8_t gpsSpeedValid;
uint16_t gpsSpeed;
