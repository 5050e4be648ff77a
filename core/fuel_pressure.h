// Fuel pressure from the pressure sender: conversion through the sender's
// curve into the chosen unit, sender-failure detection and the pressure alarm.
#pragma once
#include <cstdint>

extern uint16_t pressureRaw;  // sender ADC of this pass, after source selection
extern uint8_t pressureFail;  // 1 while pressureRaw is above 3900
extern int16_t pressureValue; // 0..999 in the pressure unit: 0.1 bar, psi or 0.1 psi

void measurePressure();

// True when the pressure comes from the 4-20 mA loop input (a LINEAR sender
// on the instrument's own inputs); the sender reading then serves only its
// FAIL test.
bool pressureFromLoop();

// The pressure, held within 0..999 in the chosen unit, that the sender
// set-up gives for `reading`: a LINEAR sender's line, or the selected curve
// converted into the chosen unit. False when the curve gives no line there.
bool pressureAtReading(int32_t reading, int32_t& value);

// Evaluates the curve that the settings select (USER, UMA model or VDO model)
// at pressureRaw, in the curve's own unit. Returns false, leaving value alone,
// when the curve gives no line there: fewer than two points, or the segment
// for the reading has both its points at one ADC reading.
bool interpolatePressureCurve(int32_t& value);

// The value at x of the line through (x1, y1) and (x2, y2), cut to tenths and
// rounded half away from zero. Gives y1 when x1 equals x2.
int32_t interpolateLine(int32_t x1, int32_t x2, int32_t y1, int32_t y2, int32_t x);
