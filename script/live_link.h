// A live flight in the runner: a socket that listens for a flight
// simulator's packets and the feed that reads them. The desktop runner
// listens with a UDP socket (live_link_udp.cpp); a host without sockets
// (the browser edition) links a version that refuses.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "script/flight/live_feed.h"

// Time for a run at the real pace: seconds of a steady clock, and a wait
// until such a moment. Tests give their own.
class WallClock {
public:
    virtual ~WallClock() = default;
    virtual double now() = 0;
    virtual void sleepUntil(double seconds) = 0;
};
// The system's steady clock.
WallClock& systemClock();

class LiveLink {
public:
    virtual ~LiveLink() = default;
    // Takes the datagrams that have arrived into the feed, and sends
    // X-Plane's subscriptions when they are due.
    virtual void receive(double now) = 0;
    virtual const LiveFeed& feed() const = 0;
};

// Listens on port at address (numeric; "127.0.0.1" unless named). Throws
// ScriptError when it cannot, or when this host has no sockets.
std::unique_ptr<LiveLink> openLiveLink(FlightSimulator simulator, uint16_t port, const std::string& address);
