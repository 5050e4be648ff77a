#include "script/flight_drive.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// The sender inputs that may stand for a flight's value, in the order they
// are tried: the first the set-up reads is driven.
std::vector<const char*> senderCandidates(FlightInput input)
{
    switch (input) {
    case FlightInput::flow1:
        return {"flow1"};
    case FlightInput::flow2:
        return {"flow2"};
    case FlightInput::tank1:
        return {"level1", "vraxlevel1"};
    case FlightInput::tank2:
        return {"level2", "vraxlevel2"};
    case FlightInput::pressure:
        return {"pressure", "vraxpressure", "loop"};
    default:
        return {};
    }
}

int64_t readSetting(const char* name)
{
    int64_t value = 0;
    qs9ReadValue(name, &value);
    return value;
}

} // namespace

FlightUnits instrumentUnits()
{
    const auto units = unitsOfSettings(unsigned(readSetting("settings.units")),
                                       unsigned(readSetting("settings.pressure.unit")));
    return units.value_or(FlightUnits{});
}

FlightDrive::FlightDrive(InputSink& inputs, Say say) : inputs_(inputs), say_(std::move(say)) {}

void FlightDrive::drive(const FlightValues& values)
{
    for (size_t i = 0; i < flightInputCount; ++i) {
        const FlightInput input = FlightInput(i);
        if (!values[input])
            continue;
        if (input == FlightInput::gpsSpeed)
            driveSpeed(*values[input]);
        else
            driveSender(input, *values[input]);
    }
}

void FlightDrive::driveSender(FlightInput input, double value)
{
    std::string notRead;
    for (const char* name : senderCandidates(input)) {
        uint16_t position = 0;
        const int status = qs9SenderPosition(name, value, &position);
        if (status == QS9_ERROR_NOT_READ) {
            if (notRead.empty())
                notRead = qs9LastError();
            continue;
        }
        if (status == QS9_CLAMPED)
            sayOnce(input, qs9LastError());
        if (status == QS9_OK || status == QS9_CLAMPED)
            inputs_.moveInput(*qs9FindInput(name), position);
        else
            sayOnce(input, qs9LastError());
        return;
    }
    sayOnce(input, notRead + "; its values are left aside");
}

// The GPS speed slider holds whole units of the speed, 0..999.
void FlightDrive::driveSpeed(double value)
{
    const Qs9Input& speed = *qs9FindInput("gps");
    const double rounded = std::isfinite(value) ? std::round(value) : 0;
    const double held = std::clamp(rounded, 0.0, double(speed.maximum));
    if (held != rounded)
        sayOnce(FlightInput::gpsSpeed, std::to_string(int64_t(std::clamp(rounded, -1e9, 1e9))) +
                                           " is outside the GPS speed's 0.." + std::to_string(speed.maximum) +
                                           "; clamped to " + std::to_string(int(held)));
    inputs_.moveInput(speed, uint32_t(held));
    inputs_.moveInput(*qs9FindInput("gpsvalid"), 1);
}

void FlightDrive::sayOnce(FlightInput input, const std::string& message)
{
    if (said_.test(size_t(input)))
        return;
    said_.set(size_t(input));
    if (say_)
        say_(std::string(flightInputName(input)) + ": " + message);
}

TrackDrive::TrackDrive(Track track, InputSink& inputs, FlightDrive::Say say)
    : track_(std::move(track)), drive_(inputs, std::move(say))
{
}

void TrackDrive::moveTo(double seconds) { drive_.drive(track_.at(seconds).values); }
