// The shown instrument's inputs as the page makes them: every power change,
// pass, tick, key, slider and box goes through here, so that a recording
// writes them as runner lines (the same writer as the window's) and a
// played script runs at the pace of the page's passes and ticks. The
// player moves the page's own controls (page/page_scripts.js), as a user
// would, so that they show what it did.
#include <emscripten/emscripten.h>

#include <memory>
#include <string>
#include <vector>

#include "script/input_lines.h"
#include "script/input_recording.h"
#include "script/recording_opening.h"
#include "script/script_player.h"
#include "sim/simulator.h"

namespace {

EM_JS(void, pagePower, (int on), { Module.pageInputs.power(on !== 0); });
EM_JS(int, pagePostKey, (int key), { return Module.pageInputs.postKey(key); });
EM_JS(void, pageMoveInput, (const char* name, uint32_t position), {
    Module.pageInputs.moveInput(UTF8ToString(name), position);
});
EM_JS(void, pagePlayed, (const char* fault), { Module.pageInputs.played(UTF8ToString(fault)); });

// What the page's user did since program start, for a recording's opening.
struct PageState {
    bool poweredOn = false;
    uint64_t ticksRun = 0;
    std::vector<uint32_t> positions;

    uint32_t& position(const Qs9Input& input)
    {
        if (positions.empty())
            for (int i = 0; i < qs9InputCount(); ++i)
                positions.push_back(qs9InputAt(i)->start);
        size_t row = 0;
        while (row + 1 < positions.size() && qs9InputAt(int(row)) != &input)
            ++row;
        return positions[row];
    }
};

// The player's inputs go to the page's controls, which come back here.
class PageControls : public InputSink {
public:
    void powerOn() override { pagePower(1); }
    void powerOff() override { pagePower(0); }
    bool poweredOn() const override;
    int postKey(uint8_t key) override { return pagePostKey(key); }
    void moveInput(const Qs9Input& input, uint32_t position) override { pageMoveInput(input.name, position); }
    int setValue(const char* name, int64_t value) override;
};

PageState page;
PageControls controls;
std::string recorded;
std::unique_ptr<InputRecording> recording;
std::unique_ptr<ScriptPlayer> player;

// Switched on, and the firmware's main loop has not stopped itself.
bool PageControls::poweredOn() const { return page.poweredOn && qs9MainLoopRuns(); }

int PageControls::setValue(const char* name, int64_t value)
{
    const int status = qs9SetValue(name, value);
    if (status == QS9_OK && recording)
        recording->happened(setLine(name, value));
    return status;
}

void happened(const std::string& line)
{
    if (recording)
        recording->happened(line);
}

// Tells the page once the played script has ended, and lets it go.
void afterPlayerStep()
{
    if (!player || !player->ended())
        return;
    const std::string fault = player->fault();
    player.reset();
    pagePlayed(fault.c_str());
}

} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void qs9WebPower(int on)
{
    on ? qs9PowerOn() : qs9PowerOff();
    page.poweredOn = on != 0;
    happened(powerLine(on != 0));
}

EMSCRIPTEN_KEEPALIVE void qs9WebPass()
{
    qs9Pass();
    if (recording)
        recording->passRan();
    if (player)
        player->passed();
    afterPlayerStep();
}

EMSCRIPTEN_KEEPALIVE void qs9WebTick()
{
    qs9Tick();
    ++page.ticksRun;
    if (recording)
        recording->ticked();
    if (player)
        player->ticked();
    afterPlayerStep();
}

// qs9PostKey's status; a key is recorded when the slot took it (the replay
// reaches the same states either way, and the window writes the same).
EMSCRIPTEN_KEEPALIVE int qs9WebPostKey(uint8_t key)
{
    const int status = qs9PostKey(key);
    if (status == QS9_OK)
        happened(keyLine(key));
    return status;
}

// qs9SetInput's status.
EMSCRIPTEN_KEEPALIVE int qs9WebSetInput(const char* name, uint32_t position)
{
    const int status = qs9SetInput(name, position);
    const Qs9Input* input = qs9FindInput(name);
    if (status != QS9_OK || !input)
        return status;
    page.position(*input) = position;
    if (recording)
        recording->moved(input->name, position);
    return status;
}

// Starts a recording (afresh, if one runs) with the lines that bring a
// replay from program start to the page's state.
EMSCRIPTEN_KEEPALIVE void qs9WebRecordStart()
{
    recorded.clear();
    recording = std::make_unique<InputRecording>([](const std::string& line) {
        recorded += line + '\n';
        return true;
    });
    writeRecordingOpening(*recording, {page.ticksRun, controls.poweredOn(),
                                       [](const Qs9Input& input) { return page.position(input); }});
}

// Ends the recording; its text stays readable until the next one starts.
EMSCRIPTEN_KEEPALIVE const char* qs9WebRecordStop()
{
    if (recording)
        recording->flush();
    recording.reset();
    return recorded.c_str();
}

EMSCRIPTEN_KEEPALIVE int qs9WebRecording() { return recording != nullptr; }

// Plays the script (length bytes) from here on, in place of one playing.
// Call between passes; the page hears the end through pageInputs.played.
EMSCRIPTEN_KEEPALIVE void qs9WebPlay(const char* text, uint32_t length)
{
    player = std::make_unique<ScriptPlayer>(std::string_view(text, length), controls);
    player->start();
    afterPlayerStep();
}

} // extern "C"
