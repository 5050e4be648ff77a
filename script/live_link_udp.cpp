// The desktop runner's live link: a UDP socket (POSIX).
#include <chrono>
#include <thread>

#include "script/flight/udp_receiver.h"
#include "script/flight/xplane_packets.h"
#include "script/live_link.h"
#include "script/script_session.h"

namespace {

class SteadyClock : public WallClock {
public:
    double now() override
    {
        return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
    }
    void sleepUntil(double seconds) override
    {
        const double wait = seconds - now();
        if (wait > 0)
            std::this_thread::sleep_for(std::chrono::duration<double>(wait));
    }
};

class UdpLiveLink : public LiveLink {
public:
    UdpLiveLink(FlightSimulator simulator, uint16_t port, const std::string& address)
        : receiver_(port, address), feed_(simulator, receiver_.listening())
    {
    }

    void receive(double now) override
    {
        for (const UdpReceiver::Datagram& datagram : receiver_.receive())
            feed_.datagram(datagram.bytes, datagram.sender, now);
        if (!feed_.subscriptionDue(now))
            return;
        try {
            for (const std::string& request : xPlaneSubscriptions(xPlaneRate))
                receiver_.send(UdpReceiver::loopback, xPlanePort, request);
        } catch (const UdpError&) {
            // Nothing listens there yet; the requests go again after a silence.
        }
    }

    const LiveFeed& feed() const override { return feed_; }

private:
    static constexpr int32_t xPlaneRate = 5; // values a second, as FlightGear is asked for

    UdpReceiver receiver_;
    LiveFeed feed_;
};

} // namespace

WallClock& systemClock()
{
    static SteadyClock clock;
    return clock;
}

std::unique_ptr<LiveLink> openLiveLink(FlightSimulator simulator, uint16_t port, const std::string& address)
{
    try {
        return std::make_unique<UdpLiveLink>(simulator, port, address);
    } catch (const UdpError& error) {
        throw ScriptError{error.message};
    }
}
