// A copy of the simulator built as a shared module (bench/baseline/) and
// loaded at run time, called through the same C interface as the linked one.
// Two modules side by side run the same passes with different drawing
// routines.
#pragma once
#include <string>

#include "sim/simulator.h"

struct SimModule {
    void* handle = nullptr;
    decltype(&qs9ProgramStart) programStart = nullptr;
    decltype(&qs9PowerOn) powerOn = nullptr;
    decltype(&qs9PowerOff) powerOff = nullptr;
    decltype(&qs9MainLoopRuns) mainLoopRuns = nullptr;
    decltype(&qs9Pass) pass = nullptr;
    decltype(&qs9Tick) tick = nullptr;
    decltype(&qs9PostKey) postKey = nullptr;
    decltype(&qs9FindInput) findInput = nullptr;
    decltype(&qs9SetInput) setInput = nullptr;
    decltype(&qs9SetValue) setValue = nullptr;
    decltype(&qs9ReadValue) readValue = nullptr;
    decltype(&qs9WriteValue) writeValue = nullptr;
    decltype(&qs9CurrentScreenName) currentScreenName = nullptr;
    decltype(&qs9FrameBuffer) frameBuffer = nullptr;
};

// Loads the module at path; on failure returns false with the loader's
// message in error.
bool loadSimModule(const char* path, SimModule& module, std::string& error);
