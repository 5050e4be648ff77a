// libFuzzer entry: each input is a runner script, arbitrary bytes as a user
// or another program might write them. The script's files are confined to a
// scratch folder; a crash, an exit status other than 0, 1 or 2, or a file
// written outside that folder aborts; a live flight is refused. A budget of
// passes and ticks keeps every input short; using it up is a bad line like
// any other.
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <ostream>

#include "script/script_runner.h"

namespace fs = std::filesystem;

namespace {

constexpr uint64_t stepBudget = 300;

// QS9_FUZZ_SCRATCH names the folder (tools/run-fuzzer.sh sets it and
// removes it after the run); else a new one under /tmp.
const fs::path& scratchFolder()
{
    static const fs::path folder = [] {
        char name[] = "/tmp/qs9-script-fuzzer-XXXXXX";
        const char* given = std::getenv("QS9_FUZZ_SCRATCH");
        std::error_code fault;
        if (given ? !fs::create_directories(given, fault) && fault : mkdtemp(name) == nullptr) {
            std::perror("qs9-script-fuzzer: scratch folder");
            std::abort();
        }
        return fs::canonical(given ? given : name);
    }();
    return folder;
}

void refuseOutsideScratch(const fs::path& file)
{
    std::error_code fault;
    fs::path written = fs::weakly_canonical(fs::absolute(file), fault);
    if (fault) // a name too long for the system, say: no link can lead it out
        written = fs::absolute(file).lexically_normal();
    const fs::path& folder = scratchFolder();
    const auto [left, right] = std::mismatch(folder.begin(), folder.end(), written.begin(), written.end());
    if (left != folder.end() || right == written.end()) {
        std::fprintf(stderr, "script wrote outside its scratch folder: %s\n", written.c_str());
        std::abort();
    }
}

void emptyScratch()
{
    for (const fs::directory_entry& entry : fs::directory_iterator(scratchFolder()))
        fs::remove_all(entry.path());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::ostream ignored(nullptr);
    ScriptOptions options;
    options.folder = scratchFolder();
    options.confineFiles = true;
    options.stepLimit = stepBudget;
    options.beforeWrite = refuseOutsideScratch;
    options.liveLinks = false; // no sockets, and no waiting at the real pace
    ScriptRunner runner(ignored, ignored, options);
    runner.feed(std::string_view(reinterpret_cast<const char*>(data), size));
    const int status = runner.finish();
    if (status != scriptSucceeded && status != scriptExpectationFailed && status != scriptFailed) {
        std::fprintf(stderr, "script ended with status %d\n", status);
        std::abort();
    }
    emptyScratch();
    return 0;
}
