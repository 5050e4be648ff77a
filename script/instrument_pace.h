// The pace of a host's instrument: how much instrument time one second of
// the host's wall clock makes. "Instrument loop" is the instrument's own
// main loop, a full pass per host frame, as fast as the host goes; the
// other paces let instrument time pass at a fixed factor and count fuel in
// 4-second measurement periods of it: one full pass (the flow step with
// it) as each period ends, and a pass without the flow step for every other
// frame, so that menus, levels and pressure answer at once.
#pragma once
#include <cstddef>
#include <cstdint>
#include <span>

struct Pace {
    const char* label; // as the hosts offer it, "x60"
    uint16_t factor;   // instrument seconds per wall second; 0: the instrument loop
};
// "Instrument loop", "Real time", "x10", "x60", "x240".
std::span<const Pace> paces();
constexpr size_t instrumentLoopPace = 0; // the default, in paces()

// What the pace control says a paced mode does.
extern const char* const pacedModeSentence;

// The instrument seconds a full pass stands for: one measurement period.
constexpr double periodSeconds = 4;
// The most full passes one frame makes when periods fall due faster than
// frames come (a busy host at x240); the rest wait for the next frames.
constexpr unsigned mostFullPassesPerFrame = 4;

// Decides each host frame's kind at the chosen pace and keeps instrument
// time.
class PaceClock {
public:
    void setPace(size_t index); // into paces(); another index is ignored
    size_t pace() const { return pace_; }
    bool paced() const { return pace_ != instrumentLoopPace; }

    // The instrument was switched on: its next frame is a full pass.
    void switchedOn() { fullPassDue_ = true; }
    // One frame at a monotonic wall time in ms: how many full passes it
    // makes (none: a pass without the flow step). Instrument time moves on.
    unsigned frame(double wallMs);
    // A full pass made outside frame(): one period of instrument time.
    void fullPassMade();

    double instrumentSeconds() const { return seconds_; }
    // Where the period of the last full pass ended (frame() may carry
    // later ones).
    double periodEnd() const { return periodStart_; }

private:
    size_t pace_ = instrumentLoopPace;
    double seconds_ = 0;
    double periodStart_ = 0; // instrument time at the last full pass's period
    double lastWallMs_ = 0;
    bool haveWall_ = false; // lastWallMs_ holds a frame of this pace
    bool fullPassDue_ = true;
};
