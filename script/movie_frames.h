// The frames of a movie and their timing: each distinct frame lasts the timer
// ticks that passed while it showed, 100 ms each; a frame that no tick saw is
// left out unless it is the last, so a blinking alarm plays at its real rate.
#pragma once
#include <cstdint>
#include <vector>

#include "script/display_pictures.h"

class MovieRecording {
public:
    // The frame a pass drew (160 x 120 palette indices).
    void addPass(const uint8_t* frame);
    void addTick();
    bool empty() const { return frames_.empty(); }
    // The frames to show; the last shows for at least one tick.
    std::vector<DisplayMovieFrame> timedFrames() const;

private:
    struct Shown {
        std::vector<uint8_t> frame;
        uint64_t ticks;
    };
    std::vector<Shown> frames_;
};
