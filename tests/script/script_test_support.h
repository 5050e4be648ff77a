// Runs runner scripts from strings and keeps what they wrote.
#pragma once
#include <sstream>
#include <string>

#include "script/script_runner.h"

struct ScriptResult {
    int status;
    std::string out;
    std::string err;
};

// A whole script from program start.
inline ScriptResult runText(const std::string& text, ScriptOptions options = {})
{
    std::istringstream script(text);
    std::ostringstream out, err;
    const int status = runScript(script, out, err, std::move(options));
    return {status, out.str(), err.str()};
}

// One script fed in pieces, so that a test can change the firmware between
// them (install its own screen, for instance).
class ScriptInPieces {
public:
    ScriptInPieces() : runner_(out_, err_) {}

    ScriptResult run(const std::string& text)
    {
        out_.str("");
        err_.str("");
        std::istringstream script(text);
        const int status = runner_.run(script);
        return {status, out_.str(), err_.str()};
    }

private:
    std::ostringstream out_, err_;
    ScriptRunner runner_;
};
