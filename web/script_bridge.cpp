// The runner's language for the page: a script's text in; its standard
// output, standard error and exit status out, byte for byte as qs9-script
// gives them for the same script.
#include <emscripten/emscripten.h>

#include <cstdint>
#include <map>
#include <memory>
#include <sstream>
#include <string>

#include "script/memory_store.h"
#include "script/script_runner.h"

namespace {

// The memory files that a script's "memory FILE" names: kept for the run
// in one folder, as its pictures are, and gone when it ends.
std::map<std::string, std::string> memoryFiles;

class RunMemoryFile : public MemoryStore {
public:
    explicit RunMemoryFile(std::string name) : name_(std::move(name)) {}

    StoredMemory read(size_t limit) override
    {
        const auto file = memoryFiles.find(name_);
        if (file == memoryFiles.end())
            return {};
        return {StoredMemory::Found::bytes, file->second.substr(0, limit), {}};
    }

    std::string write(std::string_view bytes) override
    {
        memoryFiles[name_] = std::string(bytes);
        return "";
    }

    std::string keepAside(std::string& fault) override
    {
        return keepAsideUnder(
            name_,
            [this](const std::string& aside, std::string&) {
                if (memoryFiles.count(aside) != 0)
                    return AsideMove::taken;
                memoryFiles[aside] = std::move(memoryFiles[name_]);
                memoryFiles.erase(name_);
                return AsideMove::moved;
            },
            fault);
    }

private:
    std::string name_;
};

std::unique_ptr<MemoryStore> runMemoryFile(const std::filesystem::path& file)
{
    if (file.string().find('/') != std::string::npos)
        throw ScriptError{"the browser edition keeps memory files in one folder: name one without \"/\""};
    return std::make_unique<RunMemoryFile>(file.string());
}

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
    ScriptOptions options;
    options.memoryStore = runMemoryFile;
    memoryFiles.clear();
    const int status = runScript(script, out, err, options);
    scriptOutput = out.str();
    scriptErrors = err.str();
    return status;
}

// The last run's standard output (1) or standard error (2), and its size.
EMSCRIPTEN_KEEPALIVE const char* qs9WebScriptStream(int which) { return stream(which).data(); }
EMSCRIPTEN_KEEPALIVE uint32_t qs9WebScriptStreamSize(int which) { return stream(which).size(); }

} // extern "C"
