// Fuel flow rates, fuel-used totals and the contents of calculated tanks.
#pragma once
#include <cstdint>

extern uint16_t flow1Sample, flow2Sample; // pulses of one period, or injector duty per mille
extern uint16_t flowRate1, flowRate2;     // 0.1 L/h, or 0.1 gal/h in gallon units
extern uint32_t used1Pulses, used2Pulses; // since the last reset; a gallon setting counts 10 per pulse
extern uint32_t fuelUsed1, fuelUsed2;     // whole litres, or 0.1 gal
extern uint32_t tank1Pulses, tank2Pulses; // calculated contents in channel pulses, never above INT32_MAX
extern uint16_t tank1Level, tank2Level;   // tank contents in the volume unit

// One measurement period: rates, totals, calculated tanks, then range and endurance.
void measureFuelFlow();

// The K-factor as pulses per litre, or per US gallon in gallon units;
// an INJECTOR K-factor counts ten times.
uint32_t kFactorInUnits(uint32_t kFactor);

// A flow input counts the sender pulses of one 4-second period: pulses x
// 9000 / K is the flow in tenths of the volume unit per hour.
constexpr uint32_t ratePerPeriodPulse = 9000;

// The factor that turns one pass's flow sample into tenths per hour times
// the K-factor: 9000 for the instrument's own 4-second period, the VRAX
// unit's own for its counting period, 0 when the VRAX unit gives no usable
// period (its flows then read as none).
uint32_t flowPeriodFactor();

// The flow rate in tenths per hour of a sample (pulses, or injector duty)
// for that factor and a K-factor in units; saturates at 0xFFFF.
uint16_t flowRateFromSample(uint32_t periodFactor, uint16_t sample, uint32_t kInUnits);

// Division by ten, rounded half away from zero.
int32_t roundDiv10(int32_t value);

// Clears the fuel-used totals of both channels (not the tank contents).
void resetFuelUsed();

// The pulse count at which a calculated tank of the given K-factor reads
// `level` (in the volume unit); the manual fuel-level entry stores it.
uint32_t tankPulsesForLevel(uint32_t level, uint16_t kFactor);
