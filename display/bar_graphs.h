// Zone bar graphs (a value against its limits) and fuel-quantity texts.
#pragma once
#include <cstddef>
#include <cstdint>

// Filled by a page just before it draws a bar. Values share one unit; the
// bar covers columns x .. x + width and rows y .. y + height.
struct BarGraph {
    uint16_t x;
    uint16_t y;
    uint16_t width;
    uint16_t height;
    int32_t marker;
    int32_t max;    // value at the right end
    int32_t min;    // value at the left end
    int32_t limit1; // zone boundaries, ascending within min..max
    int32_t limit2;
    int32_t limit3; // five-zone bar only
    int32_t limit4;
};

extern BarGraph barGraph;

// Red, yellow, green (tank contents), then the white marker.
void drawZoneBar3();
// Red, yellow, green, yellow, red (fuel pressure), then the marker. Raises
// limit1 and limit2 to min in barGraph first.
void drawZoneBar5();

// Room for the longest quantity text, "-214748364.8", and its terminator.
constexpr std::size_t fuelQuantityTextSize = 13;
// The quantity (litres, tenths of a litre or tenths of a gallon, by the volume
// unit and litre resolution settings) as text; buffer holds
// fuelQuantityTextSize characters. Left unchanged for an unknown unit.
void formatFuelQuantity(char* buffer, int32_t value);
