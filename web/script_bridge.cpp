// The runner's language for the page: a script's text in; its standard
// output, standard error and exit status out, byte for byte as qs9-script
// gives them for the same script.
#include <emscripten/emscripten.h>

#include <cstdint>
#include <sstream>
#include <string>

#include "script/script_runner.h"

namespace {

std::string scriptOutput;
std::string scriptErrors;

const std::string& stream(int which) { return which == 2 ? scriptErrors : scriptOutput; }

} // namespace

extern "C" {

// Runs the whole script (length bytes, NUL bytes included) from program
// start; returns its exit status. What it wrote stays readable until the
// next run.
EMSCRIPTEN_KEEPALIVE int qs9WebRunScript(const char* text, uint32_t length)
{
    std::istringstream script(std::string(text, length));
    std::ostringstream out, err;
    const int status = runScript(script, out, err);
    scriptOutput = out.str();
    scriptErrors = err.str();
    return status;
}

// The last run's standard output (1) or standard error (2), and its size.
EMSCRIPTEN_KEEPALIVE const char* qs9WebScriptStream(int which) { return stream(which).data(); }
EMSCRIPTEN_KEEPALIVE uint32_t qs9WebScriptStreamSize(int which) { return stream(which).size(); }

} // extern "C"
