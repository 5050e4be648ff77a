#include "script/host_inputs.h"

#include <cstring>
#include <utility>

#include "script/input_lines.h"
#include "script/input_recording.h"
#include "script/memory_keeper.h"
#include "script/recording_opening.h"
#include "script/script_player.h"
#include "script/setup_script.h"

namespace {

constexpr size_t noRow = size_t(-1);

// The input table's row of that name, or noRow.
size_t rowNamed(const char* name)
{
    for (int i = 0; name != nullptr && i < qs9InputCount(); ++i)
        if (std::strcmp(qs9InputAt(i)->name, name) == 0)
            return size_t(i);
    return noRow;
}

} // namespace

std::string progressText(size_t line, size_t lineCount)
{
    return "line " + std::to_string(line) + " of " + std::to_string(lineCount);
}

// A played script's inputs reach the firmware as the user's do, without
// being refused, and its passes and ticks are the host's own.
class HostInputs::Played : public InputSink, public PlayerClock {
public:
    explicit Played(HostInputs& host) : host_(host) {}
    void powerOn() override { host_.switchPower(true, true); }
    void powerOff() override { host_.switchPower(false, true); }
    bool poweredOn() const override { return host_.poweredOn(); }
    int postKey(uint8_t key) override { return host_.sendKey(key); }
    void moveInput(const Qs9Input& input, uint32_t position) override { host_.storeInput(input.name, position); }
    int setValue(const char* name, int64_t value) override { return host_.storeValue(name, value); }
    void runPass() override { host_.runPass(); }
    void runFrame() override { host_.runPassWithoutFlow(); }
    void runTick() override { host_.runTick(); }

private:
    HostInputs& host_;
};

// A flight's senders reach the firmware as the user's sliders do, but only
// when they move: a sender held still writes no line into a recording.
class HostInputs::FlightInputs : public InputSink {
public:
    explicit FlightInputs(HostInputs& host) : host_(host) {}
    void powerOn() override {}
    void powerOff() override {}
    bool poweredOn() const override { return host_.poweredOn(); }
    int postKey(uint8_t) override { return HostInputs::refused; }
    void moveInput(const Qs9Input& input, uint32_t position) override
    {
        uint32_t now = 0;
        if (host_.inputPosition(input.name, now) != QS9_OK || now != position)
            host_.storeInput(input.name, position);
    }
    int setValue(const char*, int64_t) override { return HostInputs::refused; }

private:
    HostInputs& host_;
};

HostInputs::HostInputs(HostControls& controls)
    : controls_(controls), played_(std::make_unique<Played>(*this)), speed_(normalPlaySpeed),
      flightInputs_(std::make_unique<FlightInputs>(*this)),
      flight_(std::make_unique<HostFlight>(*flightInputs_, [this](const std::string& message) {
          controls_.flightMessage(message);
      }))
{
    for (int i = 0; i < qs9InputCount(); ++i)
        positions_.push_back(qs9InputAt(i)->start);
}

HostInputs::~HostInputs()
{
    if (recording_)
        recording_->flush();
}

// While a script plays, its own passes and ticks run in place of the host's,
// and the host's flight waits.
void HostInputs::frame(double wallMs)
{
    if (player_) {
        player_->hostPassed();
        return afterPlayerStep();
    }
    wallSeconds_ = wallMs / 1000;
    const double before = pace_.instrumentSeconds();
    const unsigned full = pace_.frame(wallMs);
    const double passed = pace_.instrumentSeconds() - before;
    if (full > 0)
        return fullPasses(full, passed);
    flight_->beforeFrame(passed, wallSeconds_);
    runPassWithoutFlow();
}

void HostInputs::pass()
{
    if (player_) {
        player_->hostPassed();
        return afterPlayerStep();
    }
    pace_.fullPassMade();
    fullPasses(1, periodSeconds);
}

// The log's row of each pass at the end of its own period.
void HostInputs::fullPasses(unsigned count, double instrumentSecondsPassed)
{
    flight_->beforeFrame(instrumentSecondsPassed, wallSeconds_);
    for (unsigned n = 1; n <= count; ++n) {
        runPass();
        flight_->afterFullPass(pace_.periodEnd() - (count - n) * periodSeconds);
    }
}

void HostInputs::setPace(size_t index) { pace_.setPace(index); }

void HostInputs::tick()
{
    if (!player_)
        return runTick();
    player_->hostTicked();
    afterPlayerStep();
}

void HostInputs::runPass()
{
    qs9Pass();
    ++passes_;
    if (recording_)
        recording_->passRan();
    if (const char* acknowledged = qs9AlarmsAcknowledgedText(); *acknowledged != '\0')
        controls_.alarmAcknowledged(acknowledged);
}

void HostInputs::runPassWithoutFlow()
{
    qs9PassWithoutFlow();
    ++passesWithoutFlow_;
    if (recording_)
        recording_->frameRan();
    if (const char* acknowledged = qs9AlarmsAcknowledgedText(); *acknowledged != '\0')
        controls_.alarmAcknowledged(acknowledged);
}

void HostInputs::runTick()
{
    qs9Tick();
    ++ticks_;
    if (memory_)
        memory_->poll();
    if (recording_)
        recording_->ticked();
}

void HostInputs::restMemory()
{
    if (memory_)
        memory_->rest();
}

InputSink& HostInputs::scriptedInputs() { return *played_; }

// ---- the user's inputs ----

bool HostInputs::refusing()
{
    if (!player_)
        return false;
    controls_.inputRefused(refusedWhy);
    return true;
}

void HostInputs::powerOn()
{
    if (!refusing())
        switchPower(true, false);
}

void HostInputs::powerOff()
{
    if (!refusing())
        switchPower(false, false);
}

bool HostInputs::poweredOn() const { return switchedOn_ && qs9MainLoopRuns(); }

int HostInputs::postKey(uint8_t key) { return refusing() ? refused : sendKey(key); }

void HostInputs::moveInput(const Qs9Input& input, uint32_t position) { moveInput(input.name, position); }

// A refused move puts the control back where its input stands.
int HostInputs::moveInput(const char* name, uint32_t position)
{
    const size_t row = rowNamed(name);
    if (row == noRow || !player_)
        return storeInput(name, position);
    controls_.showInput(*qs9InputAt(int(row)), positions_[row]);
    refusing();
    return refused;
}

int HostInputs::setValue(const char* name, int64_t value) { return refusing() ? refused : storeValue(name, value); }

// ---- what reaches the firmware ----

// A played script's On rests the instrument memory; the user's reads it.
void HostInputs::switchPower(bool on, bool played)
{
    if (on)
        memory_ ? memory_->powerOn(played) : qs9PowerOn();
    else
        memory_ ? memory_->powerOff() : qs9PowerOff();
    switchedOn_ = on;
    if (on)
        pace_.switchedOn();
    happened(powerLine(on));
    if (on)
        recordRestoredSettings();
    controls_.powerChanged(on);
}

int HostInputs::sendKey(uint8_t key)
{
    const int status = qs9PostKey(key);
    if (status == QS9_OK)
        happened(keyLine(key));
    if (status == QS9_OK || status == QS9_KEY_DROPPED)
        controls_.keyPosted(key, status);
    return status;
}

int HostInputs::storeInput(const char* name, uint32_t position)
{
    const int status = qs9SetInput(name, position);
    const size_t row = rowNamed(name);
    if (status != QS9_OK || row == noRow)
        return status == QS9_OK ? QS9_ERROR_UNKNOWN : status;
    positions_[row] = position;
    const Qs9Input& input = *qs9InputAt(int(row));
    if (recording_) {
        recording_->moved(input.name, position);
        checkRecording();
    }
    controls_.showInput(input, position);
    return QS9_OK;
}

int HostInputs::storeValue(const char* name, int64_t value)
{
    const int status = qs9SetValue(name, value);
    if (status == QS9_OK)
        happened(setLine(name, value));
    return status;
}

int HostInputs::inputPosition(const char* name, uint32_t& position) const
{
    const size_t row = rowNamed(name);
    if (row == noRow)
        return QS9_ERROR_UNKNOWN;
    position = positions_[row];
    return QS9_OK;
}

// ---- recording ----

bool HostInputs::startRecording(LineWriter write, std::function<void()> failed)
{
    if (player_)
        return false;
    if (recording_)
        stopRecording();
    recording_ = std::make_unique<InputRecording>(std::move(write));
    recordingFailed_ = std::move(failed);
    writeRecordingOpening(*recording_, {ticks_, poweredOn(), [this](const Qs9Input& input) {
                                            return positions_[rowNamed(input.name)];
                                        }});
    if (poweredOn())
        recordRestoredSettings();
    checkRecording();
    return recording_ != nullptr;
}

bool HostInputs::stopRecording()
{
    if (!recording_)
        return false;
    if (!recording_->flush()) {
        checkRecording();
        return false;
    }
    recording_.reset();
    return true;
}

void HostInputs::happened(const std::string& line)
{
    if (!recording_)
        return;
    recording_->happened(line);
    checkRecording();
}

// A replay's "on" starts from the factory settings: after an On that the
// instrument memory restored, the settings follow it as "set" lines (the
// totals it restored have none).
void HostInputs::recordRestoredSettings()
{
    if (!recording_ || qs9MemoryRestoreStatus() != QS9_MEMORY_RESTORED)
        return;
    happened("# the settings from the instrument memory");
    for (const std::string& line : setupLines())
        happened(line);
}

// A line that could not be written ends the recording, and the host hears.
void HostInputs::checkRecording()
{
    if (!recording_ || !recording_->failed())
        return;
    recording_.reset();
    if (const auto failed = std::exchange(recordingFailed_, nullptr))
        failed();
}

// ---- playing ----

void HostInputs::play(std::string_view script, PlayEnded ended)
{
    if (memory_)
        memory_->rest();
    player_ = std::make_unique<ScriptPlayer>(script, *played_, *played_);
    player_->setSpeed(speed_);
    playEnded_ = std::move(ended);
    player_->start();
    afterPlayerStep();
}

void HostInputs::pausePlaying() { drivePlayer(&ScriptPlayer::pause); }

void HostInputs::resumePlaying() { drivePlayer(&ScriptPlayer::resume); }

void HostInputs::stepPlaying() { drivePlayer(&ScriptPlayer::step); }

void HostInputs::stopPlaying() { drivePlayer(&ScriptPlayer::stop); }

void HostInputs::drivePlayer(void (ScriptPlayer::*control)())
{
    if (player_)
        (player_.get()->*control)();
    afterPlayerStep();
}

void HostInputs::setPlaySpeed(size_t index)
{
    if (index >= playSpeeds().size())
        return;
    speed_ = index;
    if (player_)
        player_->setSpeed(index);
    afterPlayerStep();
}

PlayProgress HostInputs::playProgress() const
{
    if (!player_)
        return {0, 0, false, speed_};
    return {player_->line(), player_->lineCount(), player_->paused(), speed_};
}

// Tells the host where the played script stands, and once it has ended,
// lets it go and says how it ended.
void HostInputs::afterPlayerStep()
{
    checkRecording();
    if (!player_)
        return;
    const PlayProgress now = playProgress();
    if (!player_->ended()) {
        if (now.line != shownProgress_.line || now.paused != shownProgress_.paused || now.speed != shownProgress_.speed) {
            shownProgress_ = now;
            controls_.playbackChanged();
        }
        return;
    }
    const PlayEnd end{player_->fault(), player_->stopped(), now.line, now.lineCount};
    player_.reset();
    shownProgress_ = {};
    if (const PlayEnded ended = std::exchange(playEnded_, nullptr))
        ended(end);
    controls_.playbackChanged();
}
