// The lines a recording opens with, so that its replay from program start
// reaches the state the host was in when recording began: the timer's ticks
// so far keep its blinking in step, and the inputs that moved since stand
// where they are now. Started while on, the replay can only start the
// instrument afresh.
#pragma once
#include <cstdint>
#include <functional>

#include "sim/simulator.h"

class InputRecording;

struct HostState {
    uint64_t ticksRun;
    bool poweredOn;
    std::function<uint32_t(const Qs9Input&)> position; // where each input stands
};

void writeRecordingOpening(InputRecording& recording, const HostState& host);
