// The shown instrument's inputs as the page makes them: every power change,
// frame, tick, key, slider and box goes through the page's HostInputs, which
// records them and plays scripts at the pace of the page's frames and
// ticks (page_flight.cpp hands the page its pace and tracks). The page lends it its controls (page/page_scripts.js), so that
// they show what a played script did, and takes the playback controls
// (pause, step, stop, speed) to the one player.
#include <emscripten/emscripten.h>

#include <string>

#include "script/host_inputs.h"
#include "script/script_player.h"
#include "sim/simulator.h"
#include "web/page_inputs.h"
#include "web/page_lessons.h"
#include "web/page_memory.h"

namespace {

EM_JS(void, pageShowInput, (const char* name, uint32_t position), {
    Module.pageInputs.showInput(UTF8ToString(name), position);
});
EM_JS(void, pagePowerChanged, (int on), { Module.pageInputs.powerChanged(on !== 0); });
EM_JS(void, pagePlayed, (const char* fault, int stopped, uint32_t line, uint32_t lineCount), {
    Module.pageInputs.played({ fault: UTF8ToString(fault), stopped: stopped !== 0, line, lineCount });
});
EM_JS(void, pagePlaybackChanged, (), { Module.pageInputs.playbackChanged(); });
EM_JS(void, pageInputRefused, (const char* why), { Module.pageInputs.refused(UTF8ToString(why)); });
// Each key taken or lost, from the page's controls or a played script, so
// that the photograph shows it; an acknowledged alarm for whoever listens.
// (The module's JavaScript is minified by a tool that predates "?.".)
EM_JS(void, pageKeyPosted, (int key, int status), {
    if (Module.pageFrontPanel)
        Module.pageFrontPanel.keyPosted(key, status);
});
// What a track has to say: a value clamped, a sender the set-up does not read.
EM_JS(void, pageFlightMessage, (const char* text), {
    if (Module.pageInputs.flightMessage)
        Module.pageInputs.flightMessage(UTF8ToString(text));
});
EM_JS(void, pageAlarmAcknowledged, (const char* text), {
    if (Module.pageInputs.alarmAcknowledged)
        Module.pageInputs.alarmAcknowledged(UTF8ToString(text));
});

class PageControls : public HostControls {
public:
    void showInput(const Qs9Input& input, uint32_t position) override { pageShowInput(input.name, position); }
    void powerChanged(bool on) override { pagePowerChanged(on ? 1 : 0); }
    void keyPosted(uint8_t key, int status) override { pageKeyPosted(key, status); }
    void alarmAcknowledged(const char* text) override { pageAlarmAcknowledged(text); }
    void inputRefused(const char* why) override { pageInputRefused(why); }
    void playbackChanged() override { pagePlaybackChanged(); }
    void flightMessage(const std::string& message) override { pageFlightMessage(message.c_str()); }
};

HostInputs& inputs()
{
    static PageControls controls;
    static HostInputs page(controls);
    page.keepMemory(&pageMemory());
    return page;
}

std::string recorded;
std::string playState;

} // namespace

HostInputs& pageInputs() { return inputs(); }

extern "C" {

EMSCRIPTEN_KEEPALIVE void qs9WebPower(int on) { on ? inputs().powerOn() : inputs().powerOff(); }

EMSCRIPTEN_KEEPALIVE void qs9WebPass()
{
    inputs().pass();
    checkLesson();
}

// One frame of the page's loop at wall time ms (performance.now()): a pass,
// or at a pace a pass without the flow step until a period is due.
EMSCRIPTEN_KEEPALIVE void qs9WebFrame(double wallMs)
{
    inputs().frame(wallMs);
    checkLesson();
}

EMSCRIPTEN_KEEPALIVE void qs9WebTick()
{
    inputs().tick();
    checkLesson();
}

// qs9PostKey's status, or 3 (refused while a script plays); a key is
// recorded when the slot took it.
EMSCRIPTEN_KEEPALIVE int qs9WebPostKey(uint8_t key) { return inputs().postKey(key); }

// qs9SetInput's status: QS9_ERROR_UNKNOWN for a name the input table does
// not hold, and nothing is stored or recorded.
EMSCRIPTEN_KEEPALIVE int qs9WebSetInput(const char* name, uint32_t position)
{
    return inputs().moveInput(name, position);
}

// Starts a recording (afresh, if one runs) with the lines that bring a
// replay from program start to the page's state: 1, or 0 while a script
// plays, when none starts.
EMSCRIPTEN_KEEPALIVE int qs9WebRecordStart()
{
    if (inputs().playing())
        return 0;
    recorded.clear();
    return inputs().startRecording(
        [](const std::string& line) {
            recorded += line + '\n';
            return true;
        },
        [] {});
}

// Ends the recording; its text stays readable until the next one starts.
EMSCRIPTEN_KEEPALIVE const char* qs9WebRecordStop()
{
    inputs().stopRecording();
    return recorded.c_str();
}

EMSCRIPTEN_KEEPALIVE int qs9WebRecording() { return inputs().recording(); }

// A script plays (its own passes in place of the pace's frames): 1, else 0.
EMSCRIPTEN_KEEPALIVE int qs9WebPlaying() { return inputs().playing(); }

// Plays the script (length bytes) from here on, in place of one playing.
// Call between passes; the page hears the end through pageInputs.played.
EMSCRIPTEN_KEEPALIVE void qs9WebPlay(const char* text, uint32_t length)
{
    inputs().play(std::string_view(text, length), [](const PlayEnd& end) {
        pagePlayed(end.fault.c_str(), end.stopped ? 1 : 0, uint32_t(end.line), uint32_t(end.lineCount));
    });
}

// The playback controls: 0 pause, 1 resume, 2 step, 3 stop; 4 + N the
// speed playSpeeds()[N].
EMSCRIPTEN_KEEPALIVE void qs9WebPlayControl(int control)
{
    switch (control) {
    case 0: return inputs().pausePlaying();
    case 1: return inputs().resumePlaying();
    case 2: return inputs().stepPlaying();
    case 3: return inputs().stopPlaying();
    default:
        if (control >= 4)
            inputs().setPlaySpeed(size_t(control - 4));
    }
}

// Where the played script stands, as JSON: {"playing":true,"paused":false,
// "line":12,"lineCount":48,"progress":"line 12 of 48","speed":1,
// "speeds":["½x","1x","2x","4x"]}; valid until the next call.
EMSCRIPTEN_KEEPALIVE const char* qs9WebPlayState()
{
    const PlayProgress now = inputs().playProgress();
    playState = std::string("{\"playing\":") + (inputs().playing() ? "true" : "false") +
                ",\"paused\":" + (now.paused ? "true" : "false") + ",\"line\":" + std::to_string(now.line) +
                ",\"lineCount\":" + std::to_string(now.lineCount) + ",\"progress\":\"" +
                progressText(now.line, now.lineCount) + "\",\"speed\":" + std::to_string(now.speed) +
                ",\"speeds\":[";
    for (const PlaySpeed& speed : playSpeeds())
        playState += std::string(&speed == playSpeeds().data() ? "\"" : ",\"") + speed.label + "\"";
    playState += "]}";
    return playState.c_str();
}

} // extern "C"
