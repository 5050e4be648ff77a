// A host's inputs on their way to the firmware, recorded and played: the
// window and the page send every "On" and "Off", key, slider and check box
// through here, and with them the passing of time: the host is the clock,
// calling pass() for each pass of its main loop and tick() for each 100 ms
// tick of its timer. A recording writes all of it as the runner lines that
// replay it; a played script runs its input lines at the pace of those
// passes and ticks, and the host's controls show what it did.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "script/input_sink.h"

class InputRecording;
class MemoryKeeper;
class ScriptPlayer;

// What a host lends to its inputs: its own controls.
class HostControls {
public:
    virtual ~HostControls() = default;
    // The control of an input of the table shows this position (slider and
    // value label, or check box); the firmware has it already.
    virtual void showInput(const Qs9Input& input, uint32_t position) = 0;
    // "On" or "Off" reached the firmware; after "On" the host runs its main
    // loop, if it does not run already.
    virtual void powerChanged(bool on) = 0;
};

class HostInputs : public InputSink {
public:
    explicit HostInputs(HostControls& controls);
    ~HostInputs() override; // writes what the recording holds back

    // The clock: one main-loop pass (call it while qs9MainLoopRuns()), one
    // timer tick. Between them the recording counts and the player goes on.
    void pass();
    void tick();
    uint64_t passesRun() const { return passes_; }
    uint64_t ticksRun() const { return ticks_; }

    // The inputs, from the host's controls or a played script.
    void powerOn() override;
    void powerOff() override;
    // Switched on, and the firmware's main loop has not stopped itself.
    bool poweredOn() const override;
    // qs9PostKey's status; a key is recorded when the slot took it.
    int postKey(uint8_t key) override;
    // Stores the position (a control already there may hide a "set" of
    // the firmware's value behind it) and shows it on the host's control.
    void moveInput(const Qs9Input& input, uint32_t position) override;
    // The same by name: QS9_OK, QS9_ERROR_UNKNOWN (no such input, nothing
    // done) or QS9_ERROR_RANGE (above its maximum, nothing done).
    int moveInput(const char* name, uint32_t position);
    int setValue(const char* name, int64_t value) override;
    // Where the named input stands now: QS9_OK, or QS9_ERROR_UNKNOWN for a
    // name that is not in the input table.
    int inputPosition(const char* name, uint32_t& position) const;

    // Recording: each line goes to write as soon as it is complete; a
    // recording already running stops first. When a line cannot be written
    // the recording ends and failed is called.
    using LineWriter = std::function<bool(const std::string& line)>;
    void startRecording(LineWriter write, std::function<void()> failed);
    // Writes what is held back and ends the recording; false (after failed
    // was called) when a line could not be written, or when none ran.
    bool stopRecording();
    bool recording() const { return recording_ != nullptr; }

    // Plays the script from here on, in place of one playing (which ends
    // without a word). ended gets "" once every line ran, or "line N: ..."
    // naming the line that stopped it; it may be called before play returns.
    using PlayEnded = std::function<void(const std::string& fault)>;
    void play(std::string_view script, PlayEnded ended);
    bool playing() const { return player_ != nullptr; }

    // The host's instrument memory: On reads it (a played script's On rests
    // it), a tick and Off write what is due, a played script rests it. The
    // keeper outlives these inputs, or is taken away first (nullptr).
    void keepMemory(MemoryKeeper* keeper) { memory_ = keeper; }

private:
    size_t row(const Qs9Input& input) const;
    void happened(const std::string& line);
    void recordRestoredSettings();
    void checkRecording();
    void afterPlayerStep();

    HostControls& controls_;
    bool switchedOn_ = false;
    uint64_t passes_ = 0;
    uint64_t ticks_ = 0;
    std::vector<uint32_t> positions_; // by the input table's rows
    std::unique_ptr<InputRecording> recording_;
    std::function<void()> recordingFailed_;
    std::unique_ptr<ScriptPlayer> player_;
    PlayEnded playEnded_;
    MemoryKeeper* memory_ = nullptr;
};
