// The simulator linked into this program, called as a loaded copy is: for
// the code that drives any SimModule (screen_walks.h) without loading one.
#pragma once
#include "sim_module.h"

inline const SimModule linkedSimModule = {
    .programStart = qs9ProgramStart, .powerOn = qs9PowerOn, .powerOff = qs9PowerOff,
    .mainLoopRuns = qs9MainLoopRuns, .pass = qs9Pass, .tick = qs9Tick, .postKey = qs9PostKey,
    .findInput = qs9FindInput, .setInput = qs9SetInput, .readValue = qs9ReadValue,
    .writeValue = qs9WriteValue, .currentScreenName = qs9CurrentScreenName,
    .frameBuffer = qs9FrameBuffer,
};
