#include "script/flight/flight_values.h"

namespace {

constexpr std::array<const char*, flightInputCount> names = {"flow1", "flow2", "tank1",
                                                             "tank2", "pressure", "gps_speed"};

} // namespace

const char* flightInputName(FlightInput input) { return names[size_t(input)]; }

std::optional<FlightInput> flightInputNamed(std::string_view name)
{
    for (size_t i = 0; i < names.size(); ++i)
        if (name == names[i])
            return FlightInput(i);
    return std::nullopt;
}

std::vector<FlightInput> allFlightInputs()
{
    std::vector<FlightInput> inputs;
    for (size_t i = 0; i < flightInputCount; ++i)
        inputs.push_back(FlightInput(i));
    return inputs;
}

std::string flightInputList(std::string_view lastJoin, const std::vector<FlightInput>& inputs)
{
    std::string list;
    for (size_t i = 0; i < inputs.size(); ++i) {
        if (i > 0)
            list += i + 1 == inputs.size() ? " " + std::string(lastJoin) + " " : ", ";
        list += flightInputName(inputs[i]);
    }
    return list;
}
