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

HostInputs::HostInputs(HostControls& controls) : controls_(controls)
{
    for (int i = 0; i < qs9InputCount(); ++i)
        positions_.push_back(qs9InputAt(i)->start);
}

HostInputs::~HostInputs()
{
    if (recording_)
        recording_->flush();
}

void HostInputs::pass()
{
    qs9Pass();
    ++passes_;
    if (recording_)
        recording_->passRan();
    if (player_)
        player_->passed();
    afterPlayerStep();
}

void HostInputs::tick()
{
    qs9Tick();
    ++ticks_;
    if (memory_)
        memory_->poll();
    if (recording_)
        recording_->ticked();
    if (player_)
        player_->ticked();
    afterPlayerStep();
}

void HostInputs::powerOn()
{
    memory_ ? memory_->powerOn(playing()) : qs9PowerOn();
    switchedOn_ = true;
    happened(powerLine(true));
    recordRestoredSettings();
    controls_.powerChanged(true);
}

void HostInputs::powerOff()
{
    memory_ ? memory_->powerOff() : qs9PowerOff();
    switchedOn_ = false;
    happened(powerLine(false));
    controls_.powerChanged(false);
}

bool HostInputs::poweredOn() const { return switchedOn_ && qs9MainLoopRuns(); }

int HostInputs::postKey(uint8_t key)
{
    const int status = qs9PostKey(key);
    if (status == QS9_OK)
        happened(keyLine(key));
    return status;
}

void HostInputs::moveInput(const Qs9Input& input, uint32_t position) { moveInput(input.name, position); }

int HostInputs::moveInput(const char* name, uint32_t position)
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

int HostInputs::setValue(const char* name, int64_t value)
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

void HostInputs::startRecording(LineWriter write, std::function<void()> failed)
{
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
    player_ = std::make_unique<ScriptPlayer>(script, *this);
    playEnded_ = std::move(ended);
    player_->start();
    afterPlayerStep();
}

// Once the played script has ended, lets it go and says how it ended.
void HostInputs::afterPlayerStep()
{
    checkRecording();
    if (!player_ || !player_->ended())
        return;
    const std::string fault = player_->fault();
    player_.reset();
    if (const PlayEnded ended = std::exchange(playEnded_, nullptr))
        ended(fault);
}
