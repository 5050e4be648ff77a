// Instrument time on the shown instrument: the pace the user chose for the
// page's frames, a track played over that time, and the flight log of what
// the instrument showed. All of it is the page's HostInputs
// (page_inputs.cpp); this hands it to the page's pace control and track
// player (page/pace_control.js, page/track_player.js) as plain calls and
// JSON.
#include <emscripten/emscripten.h>

#include <string>
#include <string_view>

#include "script/host_inputs.h"
#include "script/instrument_pace.h"
#include "web/json_text.h"
#include "web/page_inputs.h"

namespace {

std::string answer; // what the last call handed the page, valid until the next

const char* handOver(std::string text)
{
    answer = std::move(text);
    return answer.c_str();
}

const char* yes(bool b) { return b ? "true" : "false"; }

std::string jsonList(const std::vector<std::string>& names)
{
    std::string list = "[";
    for (const std::string& name : names)
        list += (list.size() > 1 ? "," : "") + jsonText(name);
    return list + "]";
}

} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void qs9WebSetPace(uint32_t index) { pageInputs().setPace(index); }


// {"pace":0,"paced":false,"paces":["Instrument loop","Real time",...],
//  "explanation":"...","seconds":12.5}
EMSCRIPTEN_KEEPALIVE const char* qs9WebPaceState()
{
    std::vector<std::string> labels;
    for (const Pace& pace : paces())
        labels.emplace_back(pace.label);
    const HostInputs& inputs = pageInputs();
    return handOver("{" + jsonField("pace", std::to_string(inputs.pace())) + "," +
                    jsonField("paced", yes(inputs.paced())) + "," + jsonField("paces", jsonList(labels)) + "," +
                    jsonField("explanation", jsonText(pacedModeSentence)) + "," +
                    jsonField("seconds", std::to_string(inputs.instrumentSeconds())) + "}");
}

// Opens the track (length bytes of CSV) in place of one open: "" when it
// opened, else why not ("line 3: ..."), and the open one stays.
EMSCRIPTEN_KEEPALIVE const char* qs9WebTrackOpen(const char* text, uint32_t length)
{
    std::string error;
    pageInputs().openTrack(std::string_view(text, length), error);
    return handOver(error);
}

// 0 play, 1 pause, 2 close.
EMSCRIPTEN_KEEPALIVE void qs9WebTrackControl(int control)
{
    switch (control) {
    case 0: return pageInputs().playTrack();
    case 1: return pageInputs().pauseTrack();
    case 2: return pageInputs().closeTrack();
    }
}

EMSCRIPTEN_KEEPALIVE void qs9WebTrackSeek(double seconds) { pageInputs().seekTrack(seconds); }

// {"open":true,"playing":false,"position":600,"length":7200,
//  "columns":"flow1 and tank1"}
EMSCRIPTEN_KEEPALIVE const char* qs9WebTrackState()
{
    const TrackState track = pageInputs().trackState();
    return handOver("{" + jsonField("open", yes(track.open)) + "," + jsonField("playing", yes(track.playing)) + "," +
                    jsonField("position", std::to_string(track.position)) + "," +
                    jsonField("length", std::to_string(track.length)) + "," +
                    jsonField("columns", jsonText(track.columns)) + "}");
}

// The flight log with the hosts' default names, afresh.
EMSCRIPTEN_KEEPALIVE void qs9WebFlightLogStart() { pageInputs().startFlightLog(defaultFlightLogNames()); }
// The log's CSV so far.
EMSCRIPTEN_KEEPALIVE const char* qs9WebFlightLogText() { return handOver(pageInputs().flightLogText()); }

} // extern "C"
