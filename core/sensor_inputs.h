// Raw inputs from the instrument's senders and its remote acquisition unit.
// In the simulator the sliders write the flow, level and pressure inputs;
// everything else no control drives and reads 0.
#pragma once
#include <cstdint>

// Readings from the remote data-acquisition unit VRAX.
struct VraxData {
    uint16_t flow1, flow2;   // sender pulses per measurement period
    uint16_t duty1, duty2;   // injector duty, per mille
    uint16_t level1, level2; // tank level sender ADC
    uint16_t pressure;       // pressure sender ADC
};

// A sender reading above this means the sender is open or disconnected.
constexpr uint16_t senderFailReading = 3900;
constexpr bool senderFailed(uint16_t reading) { return reading > senderFailReading; }

extern VraxData vrax;
extern uint8_t vraxEnabled;       // the "VRAX On/Off" box, sampled every pass
extern uint8_t canDeviceC, canDeviceA; // further CAN devices, 1 = present; none is fitted
extern uint8_t vraxFlowValid;
extern uint32_t vraxFlowPeriod;   // 0.1 ms units

extern uint16_t flow1Input, flow2Input;   // pulses per 4-second period
extern uint16_t level1Input, level2Input; // sender ADC 0..4096
extern uint16_t pressureInput;            // sender ADC 0..4096
extern uint16_t pressureLoopInput;        // 4-20 mA loop ADC, 80 counts per mA
extern uint16_t lightSensorInput;         // ambient light ADC
extern uint32_t injectorCounts[4];        // inj. 1 on, inj. 1 off, inj. 2 on, inj. 2 off
extern uint8_t gpsSpeedValid;
extern uint16_t gpsSpeed;
