#include "script/flight_log.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <optional>

#include "sim/simulator.h"
#include "sim/user_text.h"

namespace {

constexpr int64_t noFlowFigure = 0xFFFF; // range and endurance with fuel but no flow

int64_t firmwareValue(const std::string& name)
{
    int64_t value = 0;
    qs9ReadValue(name.c_str(), &value);
    return value;
}

bool gallons() { return firmwareValue("settings.units") % 2 == 1; }

// Tenths as the display writes them: "30.0", "-0.5".
std::string tenthsText(int64_t tenths)
{
    const int64_t whole = std::llabs(tenths);
    return (tenths < 0 ? "-" : "") + std::to_string(whole / 10) + "." + std::to_string(whole % 10);
}

// A value in volume units: whole litres, or tenths (of a litre with the
// finer resolution, of a gallon always).
std::string volumeText(int64_t value, bool inTenths) { return inTenths ? tenthsText(value) : std::to_string(value); }

bool levelsInTenths() { return gallons() || firmwareValue("settings.litreResolution") == 1; }

// The pressure in its unit: 0.1 bar, whole psi or 0.1 psi.
std::string pressureText()
{
    const int64_t value = firmwareValue("pressureValue");
    return firmwareValue("settings.pressure.unit") == 1 ? std::to_string(value) : tenthsText(value);
}

std::string figureText(const char* name)
{
    const int64_t value = firmwareValue(name);
    return value == noFlowFigure ? "" : std::to_string(value);
}

struct PilotName {
    const char* name;
    std::string (*text)();
};

const PilotName pilotNames[] = {
    {"flow1", [] { return tenthsText(firmwareValue("flowRate1")); }},
    {"flow2", [] { return tenthsText(firmwareValue("flowRate2")); }},
    {"tank1", [] { return volumeText(firmwareValue("tank1Level"), levelsInTenths()); }},
    {"tank2", [] { return volumeText(firmwareValue("tank2Level"), levelsInTenths()); }},
    {"pressure", pressureText},
    {"gps_speed",
     [] { return firmwareValue("gpsSpeedValid") == 1 ? std::to_string(firmwareValue("gpsSpeed")) : std::string(); }},
    {"fuel_used1", [] { return volumeText(firmwareValue("fuelUsed1"), gallons()); }},
    {"fuel_used2", [] { return volumeText(firmwareValue("fuelUsed2"), gallons()); }},
    {"range", [] { return figureText("rangeValue"); }},
    {"endurance", [] { return figureText("enduranceMinutes"); }},
};

const PilotName* pilotName(const std::string& name)
{
    for (const PilotName& pilot : pilotNames)
        if (name == pilot.name)
            return &pilot;
    return nullptr;
}

std::string timeText(double seconds)
{
    const int64_t tenths = std::llround(seconds * 10);
    return tenths % 10 == 0 ? std::to_string(tenths / 10) : tenthsText(tenths);
}

} // namespace

FlightLog::FlightLog(std::vector<std::string> names) : names_(std::move(names))
{
    if (names_.empty())
        throw FlightLogError{"no values to log: name any of " + flightLogNames() + ", or a firmware value"};
    for (const std::string& name : names_) {
        int64_t value = 0;
        if (pilotName(name))
            continue;
        const bool nul = name.find('\0') != std::string::npos;
        if (nul || qs9ReadValue(name.c_str(), &value) != QS9_OK)
            throw FlightLogError{(nul ? "unknown name " + quotedText(name) : std::string(qs9LastError())) +
                                 "; the log takes " + flightLogNames() + ", or a whole-number firmware value"};
    }
}

std::string FlightLog::header() const
{
    std::string line = "time_s";
    for (const std::string& name : names_)
        line += "," + name;
    return line;
}

std::string FlightLog::row(double seconds) const
{
    std::string line = timeText(seconds);
    for (const std::string& name : names_) {
        const PilotName* pilot = pilotName(name);
        line += "," + (pilot ? pilot->text() : std::to_string(firmwareValue(name)));
    }
    return line;
}

std::string flightLogNames()
{
    std::string list;
    const size_t count = std::size(pilotNames);
    for (size_t i = 0; i < count; ++i)
        list += (i == 0 ? "" : i + 1 == count ? " and " : ", ") + std::string(pilotNames[i].name);
    return list;
}
