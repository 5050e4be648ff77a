// Sine and cosine tables for whole degrees, and dotted arcs.
#pragma once
#include <cstdint>

constexpr int trigTableSize = 361; // entries for 0..360 degrees

// Filled once at power-on. The negative halves hold sin(-i) and cos(-i).
extern float sinTablePositive[trigTableSize];
extern float sinTableNegative[trigTableSize];
extern float cosTablePositive[trigTableSize];
extern float cosTableNegative[trigTableSize];

void buildTrigTables();
// Angles in degrees, -360..360; others are first brought into that range.
float sinDeg(int16_t angle);
float cosDeg(int16_t angle);

// One dot per whole degree from fromAngle up to toAngle - 1; 0 degrees points
// right, 90 down. An arc that does not run forwards is its first dot alone.
void drawArc(int16_t cx, int16_t cy, uint16_t radius, int16_t fromAngle, int16_t toAngle,
             uint8_t colour);
