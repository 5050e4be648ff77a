// The senders that a track or a flight simulator drives, and one value for
// each of them. A value that is not there is "not sent": that sender stays
// on its slider.
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// In the order of a track's columns after time_s.
enum class FlightInput : uint8_t { flow1, flow2, tank1, tank2, pressure, gpsSpeed };
constexpr size_t flightInputCount = 6;

// "flow1", "flow2", "tank1", "tank2", "pressure", "gps_speed": a track's
// column names, and the names messages give them.
const char* flightInputName(FlightInput input);
std::optional<FlightInput> flightInputNamed(std::string_view name);
std::vector<FlightInput> allFlightInputs();
// The inputs' names as a list, "flow1, tank1 and gps_speed" with lastJoin
// "and"; all of them when inputs is left out.
std::string flightInputList(std::string_view lastJoin, const std::vector<FlightInput>& inputs = allFlightInputs());

struct FlightValues {
    std::array<std::optional<double>, flightInputCount> values;

    std::optional<double>& operator[](FlightInput input) { return values[size_t(input)]; }
    const std::optional<double>& operator[](FlightInput input) const { return values[size_t(input)]; }
    bool operator==(const FlightValues&) const = default;
};

// One packet from a flight simulator, read: the values it carries, or why
// it was refused (then values holds nothing).
struct PacketReading {
    FlightValues values;
    std::string refusal;

    bool refused() const { return !refusal.empty(); }
};

inline PacketReading refusedPacket(std::string reason) { return {{}, std::move(reason)}; }
