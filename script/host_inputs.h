// A host's inputs on their way to the firmware, recorded and played: the
// window and the page send every "On" and "Off", key, slider and check box
// through here, and with them the passing of time: the host is the clock,
// calling frame() for each frame of its loop (at the chosen pace a full
// pass or a pass without the flow step) and tick() for each 100 ms tick of
// its timer, at wall time in every pace. A track or a live flight moves the
// senders before each frame, and a flight log takes a row after each full
// pass. A recording writes all of it as the runner lines that replay it; a played script runs its input lines at the pace of those
// passes and ticks, and the host's controls show what it did. While a script
// plays, it alone drives the instrument: the user's own inputs are refused
// with a word why, and no recording starts.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "script/host_flight.h"
#include "script/input_sink.h"
#include "script/instrument_pace.h"

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
    // A key went into the slot (QS9_OK), the user's or a played script's, or
    // was lost because the slot was full (QS9_KEY_DROPPED): the host shows
    // it pressed, or lost.
    virtual void keyPosted(uint8_t /*key*/, int /*status*/) {}
    // The last pass's key acknowledged alarms: qs9AlarmsAcknowledgedText().
    virtual void alarmAcknowledged(const char* /*text*/) {}
    // The user's input was refused (a script plays): why, in a sentence.
    virtual void inputRefused(const char* /*why*/) {}
    // A played script started, moved on to another line, was paused,
    // resumed, changed speed or ended (after PlayEnded heard how).
    virtual void playbackChanged() {}
    // A track or a live flight has something to say: a value clamped, a
    // sender the set-up does not read, what a flight simulator sends.
    virtual void flightMessage(const std::string& /*message*/) {}
};

// How a played script ended.
struct PlayEnd {
    std::string fault; // "line N: ..." naming the line that stopped it; "" otherwise
    bool stopped = false; // the host's Stop ended it, not as a fault
    size_t line = 0;      // the line it had reached, of lineCount
    size_t lineCount = 0;
};

// Where a played script stands, for a host's progress line.
struct PlayProgress {
    size_t line = 0; // the line last started, of lineCount; 0 before any
    size_t lineCount = 0;
    bool paused = false;
    size_t speed = 0; // into playSpeeds()
};
// "line 12 of 48"
std::string progressText(size_t line, size_t lineCount);

class HostInputs : public InputSink {
public:
    // What a refused input returns, for the user's input while a script
    // plays: nothing was done.
    static constexpr int refused = 3;
    static constexpr const char* refusedWhy = "A script is playing: press Stop to use the instrument yourself";

    explicit HostInputs(HostControls& controls);
    ~HostInputs() override; // writes what the recording holds back

    // The clock: one frame of the host's loop at a monotonic wall time in
    // ms (call it while qs9MainLoopRuns()), one timer tick. Between them
    // the recording counts and the player goes on; while a script plays,
    // it says what each frame makes. At the instrument loop pace a frame is
    // one full pass; paced, instrument time moves on by the wall time
    // passed times the pace's factor, and a frame makes a full pass for
    // each measurement period that ended (the first after On is one
    // too), a pass without the flow step otherwise.
    void frame(double wallMs);
    // One full pass, a measurement period of instrument time, at any pace.
    void pass();
    void tick();
    uint64_t passesRun() const { return passes_; } // full passes
    uint64_t framesRun() const { return passes_ + passesWithoutFlow_; }
    uint64_t ticksRun() const { return ticks_; }

    void setPace(size_t index); // into paces()
    size_t pace() const { return pace_.pace(); }
    bool paced() const { return pace_.paced(); }
    // The instrument time the frames have let pass: 4 s a full pass at the
    // instrument loop pace, as the pace makes it otherwise.
    double instrumentSeconds() const { return pace_.instrumentSeconds(); }

    // A track of the senders over instrument time (HostFlight says how it
    // plays); false, with why in error, for a file that is not a track.
    bool openTrack(std::string_view csv, std::string& error) { return flight_->openTrack(csv, error); }
    void playTrack() { flight_->playTrack(); }
    void pauseTrack() { flight_->pauseTrack(); }
    void seekTrack(double seconds) { flight_->seekTrack(seconds); }
    void closeTrack() { flight_->closeTrack(); }
    TrackState trackState() const { return flight_->trackState(); }

    // The flight log: a row after each full pass of the host's own frames.
    // Throws FlightLogError for a name it cannot take.
    void startFlightLog(std::vector<std::string> names) { flight_->startLog(std::move(names)); }
    bool flightLogging() const { return flight_->logging(); }
    std::string flightLogText() const { return flight_->logText(); }
    void stopFlightLog() { flight_->stopLog(); }

    // A flight simulator's packets on a UDP port of the loopback address
    // move the senders at the pace; LiveKind::off stops listening.
    bool goLive(LiveKind kind, uint16_t port, std::string& error) { return flight_->goLive(kind, port, error); }
    LiveKind liveKind() const { return flight_->liveKind(); }
    std::string liveLine() const { return flight_->liveLine(); }

    // The user's inputs, from the host's controls; each is refused while a
    // script plays (the host hears why through inputRefused, and a moved
    // control is shown back where its input stands).
    void powerOn() override;
    void powerOff() override;
    // Switched on, and the firmware's main loop has not stopped itself.
    bool poweredOn() const override;
    // qs9PostKey's status, or refused; a key is recorded when the slot took it.
    int postKey(uint8_t key) override;
    // Stores the position (a control already there may hide a "set" of
    // the firmware's value behind it) and shows it on the host's control.
    void moveInput(const Qs9Input& input, uint32_t position) override;
    // The same by name: QS9_OK, QS9_ERROR_UNKNOWN (no such input, nothing
    // done), QS9_ERROR_RANGE (above its maximum, nothing done) or refused.
    int moveInput(const char* name, uint32_t position);
    int setValue(const char* name, int64_t value) override;
    // Where the named input stands now: QS9_OK, or QS9_ERROR_UNKNOWN for a
    // name that is not in the input table.
    int inputPosition(const char* name, uint32_t& position) const;

    // Recording: each line goes to write as soon as it is complete; a
    // recording already running stops first. When a line cannot be written
    // the recording ends and failed is called. False, and nothing starts,
    // while a script plays.
    using LineWriter = std::function<bool(const std::string& line)>;
    bool startRecording(LineWriter write, std::function<void()> failed);
    // Writes what is held back and ends the recording; false (after failed
    // was called) when a line could not be written, or when none ran.
    bool stopRecording();
    bool recording() const { return recording_ != nullptr; }

    // Plays the script from here on, in place of one playing (which ends
    // without a word), at the speed chosen last. ended hears how it ended,
    // once; it may be called before play returns.
    using PlayEnded = std::function<void(const PlayEnd& end)>;
    void play(std::string_view script, PlayEnded ended);
    // Playing, paused or not.
    bool playing() const { return player_ != nullptr; }
    // The playback controls (ScriptPlayer says what each does); without a
    // script playing they do nothing, but the speed stays for the next.
    void pausePlaying();
    void resumePlaying();
    void stepPlaying();
    void stopPlaying();
    void setPlaySpeed(size_t index);
    PlayProgress playProgress() const;

    // The host's instrument memory: On reads it (a played script's On rests
    // it), a tick and Off write what is due, a played script rests it. The
    // keeper outlives these inputs, or is taken away first (nullptr).
    void keepMemory(MemoryKeeper* keeper) { memory_ = keeper; }
    // A lesson takes the instrument as a played script does: the memory
    // writes what is due, then rests until the user's own next On.
    void restMemory();
    // The inputs as a played script makes them, for a lesson's step set up
    // at once: never refused, and their On rests the memory.
    InputSink& scriptedInputs();

private:
    class Played;
    class FlightInputs;

    // What the user and a played script both do.
    void switchPower(bool on, bool played);
    int sendKey(uint8_t key);
    int storeInput(const char* name, uint32_t position);
    int storeValue(const char* name, int64_t value);
    void runPass();
    void runPassWithoutFlow();
    void runTick();
    void fullPasses(unsigned count, double instrumentSecondsPassed);
    bool refusing(); // the user's input, while a script plays
    void happened(const std::string& line);
    void recordRestoredSettings();
    void checkRecording();
    void drivePlayer(void (ScriptPlayer::*control)());
    void afterPlayerStep();

    HostControls& controls_;
    bool switchedOn_ = false;
    uint64_t passes_ = 0;
    uint64_t passesWithoutFlow_ = 0;
    PaceClock pace_;
    double wallSeconds_ = 0; // of the last frame
    uint64_t ticks_ = 0;
    std::vector<uint32_t> positions_; // by the input table's rows
    std::unique_ptr<InputRecording> recording_;
    std::function<void()> recordingFailed_;
    std::unique_ptr<Played> played_; // the inputs and clock a played script drives
    std::unique_ptr<ScriptPlayer> player_;
    PlayEnded playEnded_;
    size_t speed_;
    PlayProgress shownProgress_; // as the host last heard it
    MemoryKeeper* memory_ = nullptr;
    std::unique_ptr<FlightInputs> flightInputs_; // what moves the senders of a flight
    std::unique_ptr<HostFlight> flight_;
};
