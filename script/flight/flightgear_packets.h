// FlightGear's side of a live flight: the generic protocol qs9-fuel
// (qs9-fuel.xml beside this file, for FlightGear's Protocol folder) sends one
// text line per UDP packet:
//     qs9-fuel,FLOW1,FLOW2,TANK1,TANK2,PRESSURE,SPEED
// the engines' fuel flows in US gallons an hour, the first two tanks'
// contents in US gallons, the first engine's fuel pressure in psi and the
// ground speed in knots. FlightGear sends 0 for a property the aircraft does
// not have (a second engine, a fuel pressure sender).
#pragma once
#include <string_view>

#include "script/flight/flight_values.h"
#include "script/flight/unit_conversions.h"

// The first field of every line, which tells it from other traffic.
constexpr std::string_view flightGearLineTag = "qs9-fuel";

// The property each input's field is read from, and its unit.
extern const SentQuantities flightGearQuantities;

// One packet's values, in FlightGear's units; or why it is not such a line.
PacketReading readFlightGearPacket(std::string_view bytes);
