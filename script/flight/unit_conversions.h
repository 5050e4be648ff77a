// What a flight simulator sends, in its own units, turned into the units the
// instrument's set-up shows: the units a track is written in too.
#pragma once
#include <array>
#include <cstdint>
#include <optional>

#include "script/flight/flight_values.h"

enum class VolumeUnit : uint8_t { litres, usGallons };
enum class PressureUnit : uint8_t { bar, psi };
enum class SpeedUnit : uint8_t { mph, knots, kmh };

// Contents in litres or US gallons, flows in the same per hour, the
// pressure in bar or psi, the ground speed in mph, knots or km/h.
struct FlightUnits {
    VolumeUnit volume = VolumeUnit::litres;
    PressureUnit pressure = PressureUnit::bar;
    SpeedUnit speed = SpeedUnit::mph;
    bool operator==(const FlightUnits&) const = default;
};

// The units of the set-up, from the settings' own codes: units (odd values
// count gallons; units / 2 is the distance: statute miles, nautical miles,
// kilometres) and the pressure unit (0 bar; 1 psi and 2 tenths of a psi).
// Nothing for a units value beyond the six the set-up offers.
std::optional<FlightUnits> unitsOfSettings(unsigned units, unsigned pressureUnit);

// Fuel sent by weight becomes a volume at the standard weight of aviation
// gasoline, 6.0 lb per US gallon (0.719 kg per litre): the figure of weight
// and balance work (FAA Aviation Maintenance Technician Handbook - General,
// FAA-H-8083-30, "Weight and Balance"). Real avgas weighs 5.9 to 6.0 lb a
// gallon with its temperature.
constexpr double avgasPoundsPerUsGallon = 6.0;
constexpr double litresPerUsGallon = 3.785411784;
constexpr double kilogramsPerPound = 0.45359237;
constexpr double avgasKilogramsPerLitre = avgasPoundsPerUsGallon * kilogramsPerPound / litresPerUsGallon;

enum class SentUnit : uint8_t {
    usGallons,
    pounds,
    kilograms,
    usGallonsPerHour,
    poundsPerHour,
    kilogramsPerSecond,
    psi,
    knots,
    metresPerSecond,
};

// A value sent in unit, in the matching unit of units: a volume of fuel
// (by volume or by weight) as a volume, a flow as a volume per hour, a
// pressure, a speed.
double convertSent(double value, SentUnit unit, const FlightUnits& units);

// What one flight simulator sends for each input: the property or dataref
// it reads and the unit it comes in.
struct SentQuantity {
    const char* source;
    SentUnit unit;
};
using SentQuantities = std::array<SentQuantity, flightInputCount>; // by FlightInput

// Each value that was sent, converted; what was not sent stays so.
FlightValues convertSent(const FlightValues& sent, const SentQuantities& quantities, const FlightUnits& units);
