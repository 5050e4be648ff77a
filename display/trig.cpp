#include "display/trig.h"

#include <cmath>

#include "display/coordinates.h"
#include "display/framebuffer.h"

float sinTablePositive[trigTableSize];
float sinTableNegative[trigTableSize];
float cosTablePositive[trigTableSize];
float cosTableNegative[trigTableSize];

namespace {

constexpr double radiansPerDegree = 0.017453292519943295;

// Whole turns beyond +-360 degrees change nothing, so they are dropped
// before the tables are indexed.
int16_t withinOneTurn(int16_t angle)
{
    return (angle < -360 || angle > 360) ? static_cast<int16_t>(angle % 360) : angle;
}

float lookUp(const float* positive, const float* negative, int16_t angle)
{
    angle = withinOneTurn(angle);
    return angle < 0 ? negative[-angle] : positive[angle];
}

} // namespace

void buildTrigTables()
{
    for (int i = 0; i <= 360; ++i) {
        sinTablePositive[i] = static_cast<float>(std::sin(i * radiansPerDegree));
        cosTablePositive[i] = static_cast<float>(std::cos(i * radiansPerDegree));
    }
    for (int n = 0; n >= -360; --n) {
        sinTableNegative[-n] = static_cast<float>(std::sin(n * radiansPerDegree));
        cosTableNegative[-n] = static_cast<float>(std::cos(n * radiansPerDegree));
    }
}

float sinDeg(int16_t angle) { return lookUp(sinTablePositive, sinTableNegative, angle); }

float cosDeg(int16_t angle) { return lookUp(cosTablePositive, cosTableNegative, angle); }

void drawArc(int16_t cx, int16_t cy, uint16_t radius, int16_t fromAngle, int16_t toAngle,
             uint8_t colour)
{
    int32_t angle = fromAngle;
    do {
        const auto a = static_cast<int16_t>(angle);
        const auto dx = static_cast<int32_t>(std::trunc(cosDeg(a) * radius));
        const auto dy = static_cast<int32_t>(std::trunc(sinDeg(a) * radius));
        setPixel(toCoordinate(cx + dx), toCoordinate(cy + dy), colour);
        ++angle;
    } while (angle < toAngle);
}
