// Where a script's inputs land. The runner's go straight to the firmware; a
// window that plays a script moves its own controls, so that they show what
// the script did and a recording made meanwhile writes it down.
#pragma once
#include <cstdint>

#include "sim/simulator.h"

class InputSink {
public:
    virtual ~InputSink() = default;
    // "On" and "Off"; poweredOn says whether passes may run.
    virtual void powerOn() = 0;
    virtual void powerOff() = 0;
    virtual bool poweredOn() const = 0;
    // qs9PostKey's status.
    virtual int postKey(uint8_t key) = 0;
    // A slider or check box of the input table, to a position within its maximum.
    virtual void moveInput(const Qs9Input& input, uint32_t position) = 0;
    // qs9SetValue's status.
    virtual int setValue(const char* name, int64_t value) = 0;
};

class MemoryKeeper;

// The firmware itself, as the runner drives it; with a memory (a script's
// "memory FILE"), On reads it and Off writes it.
class FirmwareInputs : public InputSink {
public:
    void keepMemory(MemoryKeeper* keeper) { memory_ = keeper; }
    void powerOn() override;
    void powerOff() override;
    bool poweredOn() const override { return on_; }
    int postKey(uint8_t key) override { return qs9PostKey(key); }
    void moveInput(const Qs9Input& input, uint32_t position) override { qs9SetInput(input.name, position); }
    int setValue(const char* name, int64_t value) override { return qs9SetValue(name, value); }

private:
    bool on_ = false;
    MemoryKeeper* memory_ = nullptr;
};
