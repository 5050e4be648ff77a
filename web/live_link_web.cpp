// The browser edition's live link: a page cannot listen for UDP packets, so
// "live" is refused in plain words, as movies are.
#include <chrono>

#include "script/live_link.h"
#include "script/script_session.h"

namespace {

// Only a live run waits on it, and none starts here.
class PageClock : public WallClock {
public:
    double now() override
    {
        return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
    }
    void sleepUntil(double) override {}
};

} // namespace

WallClock& systemClock()
{
    static PageClock clock;
    return clock;
}

std::unique_ptr<LiveLink> openLiveLink(FlightSimulator, uint16_t, const std::string&)
{
    throw ScriptError{"the browser edition cannot listen for a flight simulator's packets; qs9-script and "
                      "the window take a live flight"};
}
