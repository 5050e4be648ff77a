// A live flight from a flight simulator, host-neutral: each datagram the
// host's socket received goes in, the values to drive the senders with and
// the message line come out. A value that has read 0 in every packet so far
// is not sent: an aircraft without such a sender (FlightGear's C172 has no
// fuel pressure sender) sends a constant 0, and the instrument's sender
// stays on its slider instead of raising an alarm. Once it has read anything
// else, 0 is a reading like any other (an engine that stopped). A new sender
// (the flight simulator started again) starts that afresh.
#pragma once
#include <bitset>
#include <string>
#include <string_view>

#include "script/flight/flight_values.h"
#include "script/flight/link_watch.h"
#include "script/flight/unit_conversions.h"

enum class FlightSimulator : uint8_t { flightGear, xPlane };

// "FlightGear", "X-Plane".
const char* flightSimulatorName(FlightSimulator simulator);

class LiveFeed {
public:
    LiveFeed(FlightSimulator simulator, std::string listening,
             double silenceSeconds = LinkWatch::defaultSilenceSeconds);

    // One datagram from sender, as the socket gave it. Packets from a second
    // sender, and packets that do not parse, change nothing.
    void datagram(std::string_view bytes, const std::string& sender, double now);

    // The latest value of each input that is sent, in units.
    FlightValues values(const FlightUnits& units) const;
    // The inputs sent so far.
    std::vector<FlightInput> sentInputs() const;
    // The link: waiting for a first packet, receiving or silent; and from whom.
    LinkWatch::State state(double now) const { return watch_.state(now); }
    const std::string& sender() const { return watch_.sender(); }
    // The message line: "FlightGear: receiving from 127.0.0.1:55089; sends
    // flow1, tank1, tank2 and gps_speed".
    std::string status(double now) const;

    // X-Plane sends only what it was asked for: true when the subscriptions
    // (xPlaneSubscriptions) are to be sent, at the start and again after each
    // silence's length without a packet. Never for FlightGear.
    bool subscriptionDue(double now);

private:
    FlightSimulator simulator_;
    double silenceSeconds_;
    LinkWatch watch_;
    FlightValues latest_;   // in the flight simulator's units
    std::bitset<flightInputCount> sent_;
    bool subscribed_ = false;
    double lastSubscription_ = 0;
};
