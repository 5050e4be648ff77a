#include "display/bar_graphs.h"

#include <cmath>
#include <cstdio>

#include "core/settings.h"
#include "display/colours.h"
#include "display/coordinates.h"
#include "display/framebuffer.h"

BarGraph barGraph;

namespace {

// Value units per pixel. Zero, negative or not finite when the pilot has set
// an empty or reversed scale (DISP MIN at or above DISP MAX, a tank size of 0)
// or the page gives no width.
float barScale()
{
    return static_cast<float>(static_cast<int64_t>(barGraph.max) - barGraph.min) /
           static_cast<float>(barGraph.width);
}

bool scaleIsSound(float scale) { return std::isfinite(scale) && scale > 0.0f; }

// Pixels, with their fraction, from the bar's left end to a value.
float offsetOf(int32_t value, float scale)
{
    return static_cast<float>(static_cast<int64_t>(value) - barGraph.min) / scale;
}

// A zone boundary's column. Limits outside min..max stop at the bar's ends,
// so no zone spills over the rest of the page.
int32_t boundaryColumn(int32_t limit, float scale)
{
    float offset = offsetOf(limit, scale);
    if (!(offset > 0.0f))
        offset = 0.0f;
    if (offset > barGraph.width)
        offset = barGraph.width;
    return barGraph.x + static_cast<int32_t>(offset);
}

void fillZone(int32_t left, int32_t right, uint8_t colour)
{
    fillRect(toCoordinate(left), toCoordinate(barGraph.y), toCoordinate(right),
             toCoordinate(barGraph.y + barGraph.height), colour);
}

// Zones left to right between the bar's ends and the given limits; each zone
// overdraws the boundary column it shares with the zone before it.
void drawZones(const int32_t* limits, const uint8_t* colours, int zoneCount, float scale)
{
    int32_t left = barGraph.x;
    for (int i = 0; i < zoneCount; ++i) {
        const bool last = i == zoneCount - 1;
        const int32_t right = last ? barGraph.x + barGraph.width : boundaryColumn(limits[i], scale);
        fillZone(left, right, colours[i]);
        left = right;
    }
}

// The marker's centre column: at the value, held at least 2 columns in from
// the left end and at most 2 columns past the right end. Without a sound
// scale it rests at the left end.
int32_t markerColumn(float scale)
{
    const float low = barGraph.x + 2.0f;
    const float high = barGraph.x + barGraph.width + 2.0f;
    if (!scaleIsSound(scale))
        return static_cast<int32_t>(low);
    float column = barGraph.x + offsetOf(barGraph.marker, scale);
    if (!(column >= low))
        column = low;
    if (column > high)
        column = high;
    return static_cast<int32_t>(column);
}

void drawMarker(float scale)
{
    const int32_t m = markerColumn(scale);
    fillRect(toCoordinate(m - 2), toCoordinate(barGraph.y - 3), toCoordinate(m + 2),
             toCoordinate(barGraph.y + barGraph.height + 3), colourWhite);
}

// An empty or reversed scale has no zones to show: only the marker, at the
// left end.
void drawZoneBar(const int32_t* limits, const uint8_t* colours, int zoneCount)
{
    const float scale = barScale();
    if (scaleIsSound(scale))
        drawZones(limits, colours, zoneCount, scale);
    drawMarker(scale);
}

} // namespace

void drawZoneBar3()
{
    const int32_t limits[] = {barGraph.limit1, barGraph.limit2};
    const uint8_t colours[] = {colourRed, colourYellow, colourGreen};
    drawZoneBar(limits, colours, 3);
}

void drawZoneBar5()
{
    if (barGraph.limit1 < barGraph.min)
        barGraph.limit1 = barGraph.min;
    if (barGraph.limit2 < barGraph.min)
        barGraph.limit2 = barGraph.min;
    const int32_t limits[] = {barGraph.limit1, barGraph.limit2, barGraph.limit3, barGraph.limit4};
    const uint8_t colours[] = {colourRed, colourYellow, colourGreen, colourYellow, colourRed};
    drawZoneBar(limits, colours, 5);
}

void formatFuelQuantity(char* buffer, int32_t value)
{
    const uint8_t units = settings.units;
    if (units > 5)
        return;
    const bool gallons = units % 2 == 1;
    if (gallons || settings.litreResolution != 0)
        std::snprintf(buffer, fuelQuantityTextSize, "%.1f", value * 0.1);
    else
        std::snprintf(buffer, fuelQuantityTextSize, "%d", static_cast<int>(value));
}
