#include "script/setup_script.h"

#include <sstream>

#include "sim/simulator.h"

namespace {

std::string exportedSetup()
{
    uint32_t length = 0;
    std::string text(4096, '\0');
    while (qs9ExportSetup(text.data(), uint32_t(text.size()), &length) == QS9_ERROR_NO_ROOM)
        text.resize(length + 1);
    text.resize(length);
    return text;
}

} // namespace

std::vector<std::string> setupLines()
{
    std::vector<std::string> lines;
    std::istringstream text(exportedSetup());
    for (std::string line; std::getline(text, line);)
        lines.push_back(line);
    return lines;
}

std::string setupScript()
{
    const std::vector<std::string> lines = setupLines();
    std::string script = lines.empty() ? "# QS-9 set-up: the factory settings\non\n"
                                       : "# QS-9 set-up: the settings that differ from the factory ones\non\n";
    for (const std::string& line : lines)
        script += line + '\n';
    return script;
}
