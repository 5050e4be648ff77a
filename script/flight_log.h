// The flight log: what the instrument showed over a track or a live flight,
// as CSV to lay beside the track. Its header is time_s (seconds of
// instrument time) and the names asked for; a host adds one row per
// measurement period, after the pass that counted it.
//
// Names in the pilot's units, as the display shows them:
//   flow1, flow2           flows in the flow unit (30.0 for "30.0 L/hr")
//   tank1, tank2           contents in the volume unit
//   pressure               fuel pressure in its unit (bar or psi)
//   gps_speed              the GPS ground speed; empty while it is not valid
//   fuel_used1, fuel_used2 fuel used in the volume unit
//   range                  in the distance unit; empty with fuel but no flow
//   endurance              in minutes; empty with fuel but no flow
// and any whole-number firmware value by its design name (alarmFlags,
// alarmAcked, flowRate1, tank1Pulses, ...), in the firmware's own counts.
#pragma once
#include <string>
#include <vector>

// A name the log cannot take, and why.
struct FlightLogError {
    std::string message;
};

class FlightLog {
public:
    // Throws FlightLogError for no names, or for one that is neither of the
    // pilot's names nor a whole-number firmware value.
    explicit FlightLog(std::vector<std::string> names);

    // "time_s,flow1,tank1"
    std::string header() const;
    // The values shown now, after time_s: "3600,30.0,14"
    std::string row(double seconds) const;

private:
    std::vector<std::string> names_;
};

// The pilot's names, "flow1, flow2, ... and endurance".
std::string flightLogNames();
