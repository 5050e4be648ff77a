#include "script/movie_frames.h"

#include <algorithm>

#include "sim/simulator.h"

namespace {

constexpr uint32_t hundredthsPerTick = 10;
constexpr size_t framePixels = QS9_DISPLAY_WIDTH * QS9_DISPLAY_HEIGHT;

} // namespace

void MovieRecording::addPass(const uint8_t* frame)
{
    // A frame that no tick saw was never on show: the new one replaces it.
    if (!frames_.empty() && frames_.back().ticks == 0)
        frames_.pop_back();
    const std::vector<uint8_t> drawn(frame, frame + framePixels);
    if (!frames_.empty() && frames_.back().frame == drawn)
        return; // the same picture goes on showing
    frames_.push_back({drawn, 0});
}

void MovieRecording::addTick()
{
    if (!frames_.empty())
        ++frames_.back().ticks;
}

std::vector<DisplayMovieFrame> MovieRecording::timedFrames() const
{
    std::vector<DisplayMovieFrame> timed;
    for (const Shown& shown : frames_)
        timed.push_back({shown.frame, uint32_t(std::min<uint64_t>(shown.ticks * hundredthsPerTick, UINT32_MAX))});
    if (!timed.empty() && timed.back().hundredths == 0)
        timed.back().hundredths = hundredthsPerTick;
    return timed;
}
