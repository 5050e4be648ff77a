#include "script/flight/unit_conversions.h"

namespace {

constexpr double metresPerSecondPerKnot = 1852.0 / 3600.0;
constexpr double metresPerSecondPerMph = 0.44704;
constexpr double metresPerSecondPerKmh = 1 / 3.6;
constexpr double barPerPsi = 0.0689475729316836; // 6894.757293168 Pa
constexpr double secondsPerHour = 3600;

// Fuel by volume or by weight, or its flow, in US gallons (per hour).
double usGallonsOf(double value, SentUnit unit)
{
    switch (unit) {
    case SentUnit::pounds:
    case SentUnit::poundsPerHour:
        return value / avgasPoundsPerUsGallon;
    case SentUnit::kilograms:
        return value / kilogramsPerPound / avgasPoundsPerUsGallon;
    case SentUnit::kilogramsPerSecond:
        return value * secondsPerHour / kilogramsPerPound / avgasPoundsPerUsGallon;
    default:
        return value;
    }
}

double speedIn(double metresPerSecond, SpeedUnit unit)
{
    switch (unit) {
    case SpeedUnit::mph:
        return metresPerSecond / metresPerSecondPerMph;
    case SpeedUnit::knots:
        return metresPerSecond / metresPerSecondPerKnot;
    default:
        return metresPerSecond / metresPerSecondPerKmh;
    }
}

} // namespace

std::optional<FlightUnits> unitsOfSettings(unsigned units, unsigned pressureUnit)
{
    constexpr unsigned knownUnits = 6;
    if (units >= knownUnits)
        return std::nullopt;
    constexpr SpeedUnit speeds[] = {SpeedUnit::mph, SpeedUnit::knots, SpeedUnit::kmh};
    return FlightUnits{units % 2 == 1 ? VolumeUnit::usGallons : VolumeUnit::litres,
                       pressureUnit == 0 ? PressureUnit::bar : PressureUnit::psi, speeds[units / 2]};
}

double convertSent(double value, SentUnit unit, const FlightUnits& units)
{
    switch (unit) {
    case SentUnit::psi:
        return units.pressure == PressureUnit::bar ? value * barPerPsi : value;
    case SentUnit::knots:
        return speedIn(value * metresPerSecondPerKnot, units.speed);
    case SentUnit::metresPerSecond:
        return speedIn(value, units.speed);
    default: {
        const double gallons = usGallonsOf(value, unit);
        return units.volume == VolumeUnit::usGallons ? gallons : gallons * litresPerUsGallon;
    }
    }
}

FlightValues convertSent(const FlightValues& sent, const SentQuantities& quantities, const FlightUnits& units)
{
    FlightValues converted;
    for (size_t i = 0; i < flightInputCount; ++i)
        if (sent.values[i])
            converted.values[i] = convertSent(*sent.values[i], quantities[i].unit, units);
    return converted;
}
