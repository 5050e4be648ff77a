#include "script/instrument_pace.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr Pace paceTable[] = {{"Instrument loop", 0}, {"Real time", 1}, {"x10", 10}, {"x60", 60}, {"x240", 240}};

} // namespace

std::span<const Pace> paces() { return paceTable; }

const char* const pacedModeSentence =
    "Paced: flows, totals, range and endurance change once per 4-second measurement period; "
    "levels, pressure and menus at once.";

// A new pace starts a period where instrument time stands, and its first
// frame lets no time pass.
void PaceClock::setPace(size_t index)
{
    if (index >= std::size(paceTable) || index == pace_)
        return;
    pace_ = index;
    haveWall_ = false;
    periodStart_ = seconds_;
}

// Periods that fall due faster than the frames come are carried, not
// dropped, so fuel used keeps to instrument time; a frame makes at most
// mostFullPassesPerFrame of them, so that no frame stalls the host.
unsigned PaceClock::frame(double wallMs)
{
    if (!paced()) {
        fullPassDue_ = false;
        fullPassMade();
        return 1;
    }
    if (haveWall_)
        seconds_ += std::max(0.0, wallMs - lastWallMs_) * paceTable[pace_].factor / 1000;
    lastWallMs_ = wallMs;
    haveWall_ = true;
    if (fullPassDue_) {
        fullPassDue_ = false;
        periodStart_ = seconds_;
        return 1;
    }
    unsigned due = 0;
    while (due < mostFullPassesPerFrame && seconds_ - periodStart_ >= periodSeconds) {
        periodStart_ += periodSeconds;
        ++due;
    }
    return due;
}

void PaceClock::fullPassMade()
{
    seconds_ += periodSeconds;
    periodStart_ = seconds_;
}
