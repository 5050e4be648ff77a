// The shown instrument's inputs as the page makes them: every power change,
// pass, tick, key, slider and box goes through the page's HostInputs, which
// records them and plays scripts at the pace of the page's passes and
// ticks. The page lends it its controls (page/page_scripts.js), so that
// they show what a played script did.
#include <emscripten/emscripten.h>

#include <string>

#include "script/host_inputs.h"
#include "sim/simulator.h"
#include "web/page_memory.h"

namespace {

EM_JS(void, pageShowInput, (const char* name, uint32_t position), {
    Module.pageInputs.showInput(UTF8ToString(name), position);
});
EM_JS(void, pagePowerChanged, (int on), { Module.pageInputs.powerChanged(on !== 0); });
EM_JS(void, pagePlayed, (const char* fault), { Module.pageInputs.played(UTF8ToString(fault)); });
EM_JS(void, pageKeyPosted, (uint8_t key, int status), {
    if (Module.pageFrontPanel)
        Module.pageFrontPanel.keyPosted(key, status);
});

class PageControls : public HostControls {
public:
    void showInput(const Qs9Input& input, uint32_t position) override { pageShowInput(input.name, position); }
    void powerChanged(bool on) override { pagePowerChanged(on ? 1 : 0); }
};

// Every key on its way in, from the page's controls or a played script, so
// that the photograph shows it taken or lost.
class PageInputs : public HostInputs {
public:
    using HostInputs::HostInputs;
    int postKey(uint8_t key) override
    {
        const int status = HostInputs::postKey(key);
        pageKeyPosted(key, status);
        return status;
    }
};

HostInputs& inputs()
{
    static PageControls controls;
    static PageInputs page(controls);
    page.keepMemory(&pageMemory());
    return page;
}

std::string recorded;

} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void qs9WebPower(int on) { on ? inputs().powerOn() : inputs().powerOff(); }

EMSCRIPTEN_KEEPALIVE void qs9WebPass() { inputs().pass(); }

EMSCRIPTEN_KEEPALIVE void qs9WebTick() { inputs().tick(); }

// qs9PostKey's status; a key is recorded when the slot took it.
EMSCRIPTEN_KEEPALIVE int qs9WebPostKey(uint8_t key) { return inputs().postKey(key); }

// qs9SetInput's status: QS9_ERROR_UNKNOWN for a name the input table does
// not hold, and nothing is stored or recorded.
EMSCRIPTEN_KEEPALIVE int qs9WebSetInput(const char* name, uint32_t position)
{
    return inputs().moveInput(name, position);
}

// Starts a recording (afresh, if one runs) with the lines that bring a
// replay from program start to the page's state.
EMSCRIPTEN_KEEPALIVE void qs9WebRecordStart()
{
    recorded.clear();
    inputs().startRecording(
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

// Plays the script (length bytes) from here on, in place of one playing.
// Call between passes; the page hears the end through pageInputs.played.
EMSCRIPTEN_KEEPALIVE void qs9WebPlay(const char* text, uint32_t length)
{
    inputs().play(std::string_view(text, length), [](const std::string& fault) { pagePlayed(fault.c_str()); });
}

} // extern "C"
