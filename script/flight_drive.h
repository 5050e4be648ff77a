// A flight driving the instrument's senders: a track over instrument time,
// or the latest values of a live link. Each value, in the pilot's units,
// becomes the position of the sender input that makes the instrument read
// it under the current settings (qs9SenderPosition: the firmware's own
// conversions searched, nothing measured), and goes through the host's
// inputs, so that its controls show it and a recording writes it down.
//
//   flow1, flow2    the flow sliders
//   tank1, tank2    the level sender the set-up reads (the instrument's own,
//                   or the VRAX unit's)
//   pressure        the pressure sender the set-up reads (the instrument's,
//                   the VRAX unit's, or the 4-20 mA loop)
//   gps_speed       the GPS speed, and "GPS valid" ticked
//
// A value the set-up cannot show is brought to the nearest it can, and a
// sender the set-up does not read (a calculated tank) is left alone: each
// is said once, through say. A value that is not sent leaves its sender
// where it is.
#pragma once
#include <bitset>
#include <functional>
#include <optional>
#include <string>

#include "script/flight/flight_values.h"
#include "script/flight/track_file.h"
#include "script/flight/unit_conversions.h"
#include "script/input_sink.h"

// The units the instrument's set-up shows now, as a track is written in and
// a live link's values are converted to.
FlightUnits instrumentUnits();

class FlightDrive {
public:
    using Say = std::function<void(const std::string& message)>;
    FlightDrive(InputSink& inputs, Say say);

    // Moves the sender of each value sent.
    void drive(const FlightValues& values);

private:
    void driveSender(FlightInput input, double value);
    void driveSpeed(double value);
    void sayOnce(FlightInput input, const std::string& message);

    InputSink& inputs_;
    Say say_;
    std::bitset<flightInputCount> said_;
};

// A track played over instrument time.
class TrackDrive {
public:
    TrackDrive(Track track, InputSink& inputs, FlightDrive::Say say);

    // The senders to the track's values at this many seconds of instrument
    // time (before its first row its first, after its last its last).
    void moveTo(double seconds);
    const Track& track() const { return track_; }

private:
    Track track_;
    FlightDrive drive_;
};
