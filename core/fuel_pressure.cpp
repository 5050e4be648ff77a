#include "core/fuel_pressure.h"

#include <algorithm>

#include "core/alarms.h"
#include "core/fuel_flow.h"
#include "core/sender_curves.h"
#include "core/sensor_inputs.h"
#include "core/settings.h"

uint16_t pressureRaw;
uint8_t pressureFail;
int16_t pressureValue;

namespace {

constexpr uint8_t umaN1EU07 = 0;
constexpr int32_t loopAdcAt4mA = 320;
constexpr int32_t loopAdcAt20mA = 1601;
constexpr int16_t highestPressure = 999;

// Units a curve's values can be in; the user curve and the linear sender's
// pressures are already in the unit the pilot chose.
enum CurveUnit : uint8_t { inChosenUnit, inTenthPsi, inPsi, inTenthBar };

// value × mul / div, then divided by ten with rounding when roundTenth is set.
struct UnitConversion {
    int32_t mul, div;
    bool roundTenth;
};

// By curve unit, then by chosen unit: 0.1 bar, psi, 0.1 psi.
const UnitConversion unitConversions[4][3] = {
    {{1, 1, false}, {1, 1, false}, {1, 1, false}},
    {{100, 145, true}, {1, 1, true}, {1, 1, false}},
    {{1000, 145, true}, {1, 1, false}, {10, 1, false}},
    {{1, 1, false}, {145, 10, true}, {145, 1, true}},
};

int32_t convertToChosenUnit(int32_t value, CurveUnit from)
{
    const uint8_t unit = std::min<uint8_t>(settings.pressure.unit, 2);
    const UnitConversion& c = unitConversions[from][unit];
    const int32_t scaled = value * c.mul / c.div;
    return c.roundTenth ? roundDiv10(scaled) : scaled;
}

bool linearSender()
{
    return settings.pressure.curveKind == pressureCurveBySender && settings.pressure.senderType == pressureSenderLinear;
}

CurveUnit selectedCurveUnit()
{
    switch (settings.pressure.curveKind) {
    case pressureCurveUser:
        return inChosenUnit;
    case pressureCurveBySender:
        return settings.pressure.umaModel == umaN1EU07 ? inTenthPsi : inPsi;
    default:
        return inTenthBar;
    }
}

const PressureCurve& selectedCurve()
{
    switch (settings.pressure.curveKind) {
    case pressureCurveUser:
        return settings.pressure.userCurve;
    case pressureCurveBySender:
        return umaCurve(settings.pressure.umaModel);
    default:
        return vdoCurve(settings.pressure.vdoModel);
    }
}

// The line through points a and b of the curve at x; false when both points
// share one ADC reading, which gives no line.
bool lineThrough(const PressureCurve& curve, int a, int b, int32_t x, int32_t& value)
{
    const CurvePoint& p = curve.points[a];
    const CurvePoint& q = curve.points[b];
    if (p.adc == q.adc)
        return false;
    value = interpolateLine(p.adc, q.adc, p.value, q.value, x);
    return true;
}

// The curve's value at x: the line through the segment that brackets x, or
// through an end segment beyond the curve's ends; false when none gives one.
bool curveValueAt(const PressureCurve& curve, int32_t x, int32_t& value)
{
    // Only the low byte counts; a curve holds no more than 16 points.
    const int n = std::min(curve.count & 0xFF, 16);
    if (n < 2)
        return false;
    const CurvePoint* pt = curve.points;
    const bool rising = pt[0].adc < pt[1].adc;
    if (rising ? x < pt[0].adc : x >= pt[0].adc)
        return lineThrough(curve, 0, 1, x, value);
    if (rising ? x > pt[n - 1].adc : x <= pt[n - 1].adc)
        return lineThrough(curve, n - 2, n - 1, x, value);
    for (int k = 0; k + 1 < n; ++k) {
        const int32_t from = pt[k].adc, to = pt[k + 1].adc;
        if (rising ? from <= x && x <= to : from >= x && x >= to)
            return lineThrough(curve, k, k + 1, x, value);
    }
    return false;
}

// The 4-20 mA transducer: a straight line from its pressure at 4 mA to that at 20 mA.
int32_t linearSenderPressure(int32_t loop)
{
    return interpolateLine(loopAdcAt4mA, loopAdcAt20mA, settings.pressure.pressureAt4mA,
                           settings.pressure.pressureAt20mA, loop);
}

// The sender's pressure at a reading, held within 0..999. The measurement
// calls it directly, so that it is inlined there; pressureAtReading gives
// the same to every other caller.
bool senderPressure(int32_t reading, int32_t& value)
{
    int32_t pressure = 0;
    if (linearSender())
        pressure = linearSenderPressure(reading);
    else if (curveValueAt(selectedCurve(), reading, pressure))
        pressure = convertToChosenUnit(pressure, selectedCurveUnit());
    else
        return false;
    value = std::clamp<int32_t>(pressure, 0, highestPressure);
    return true;
}

} // namespace

int32_t interpolateLine(int32_t x1, int32_t x2, int32_t y1, int32_t y2, int32_t x)
{
    if (x1 == x2)
        return y1;
    const float slope = static_cast<float>((double(y2) - y1) / (double(x2) - x1));
    const float intercept = static_cast<float>(y2 - x2 * double(slope));
    // Held within 32 bits so that a steep user curve far off its ends
    // still truncates to a defined integer.
    const double tenths = std::clamp((x * double(slope) + intercept) * 10.0, -2147483647.0, 2147483647.0);
    const int32_t cut = static_cast<int32_t>(tenths);
    const int32_t magnitude = cut < 0 ? -cut : cut;
    const int32_t rounded = magnitude / 10 + (magnitude % 10 >= 5 ? 1 : 0);
    return cut < 0 ? -rounded : rounded;
}

bool interpolatePressureCurve(int32_t& value) { return curveValueAt(selectedCurve(), pressureRaw, value); }

bool pressureFromLoop() { return linearSender() && settings.dataSource != dataSourceVrax; }

bool pressureAtReading(int32_t reading, int32_t& value) { return senderPressure(reading, value); }

void measurePressure()
{
    pressureRaw = settings.dataSource == dataSourceVrax ? vrax.pressure : pressureInput;
    pressureFail = senderFailed(pressureRaw) ? 1 : 0;

    int32_t value = 0;
    if (senderPressure(pressureFromLoop() ? pressureLoopInput : pressureRaw, value))
        pressureValue = static_cast<int16_t>(value);

    const PressureSettings& p = settings.pressure;
    const bool low = pressureValue <= p.lowAlarm && p.lowAlarmOn == 1;
    const bool high = pressureValue >= p.highAlarm && p.highAlarmOn == 1;
    updateAlarm(alarmPressure, low || high);
}
