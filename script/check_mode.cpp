#include "script/check_mode.h"

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <ostream>
#include <sstream>

#include "script/lesson_coverage.h"
#include "script/script_files.h"
#include "script/script_runner.h"
#include "sim/user_text.h"

namespace fs = std::filesystem;

namespace {

struct Check {
    std::string script;
    std::string failure; // empty: passed
};

Check runCheck(const fs::path& script, bool update, LessonCoverage& coverage)
{
    std::string why;
    const int descriptor = openToRead(script.string(), why);
    if (descriptor < 0)
        return {script.string(), "cannot read the script: " + why};
    std::ostream ignored(nullptr);
    std::ostringstream errors;
    ScriptOptions options;
    options.folder = script.parent_path();
    options.update = update;
    options.checkingLessons = true;
    options.lessonRan = [&coverage](const Lesson& lesson) { coverage.add(lesson); };
    ScriptRunner runner(ignored, errors, options);
    if (const std::string fault = feedScript(descriptor, runner); !fault.empty())
        runner.readFailed("the script could not be read to its end: " + fault);
    close(descriptor);
    const bool passed = runner.finish() == scriptSucceeded;
    return {script.string(), passed ? "" : runner.firstFailure()};
}

// The scripts a path names: itself, or the *.qs9 files under a folder.
std::vector<fs::path> scriptsAt(const fs::path& path, std::vector<Check>& checks)
{
    std::error_code fault;
    if (!fs::is_directory(path, fault))
        return {path};
    std::vector<fs::path> scripts;
    for (auto entry = fs::recursive_directory_iterator(path, fault); !fault && entry != fs::end(entry);
         entry.increment(fault))
        if (entry->path().extension() == ".qs9" && !entry->is_directory())
            scripts.push_back(entry->path());
    if (fault)
        checks.push_back({path.string(), "cannot read the folder: " + fault.message()});
    else if (scripts.empty())
        checks.push_back({path.string(), "no *.qs9 scripts in this folder"});
    std::sort(scripts.begin(), scripts.end());
    return scripts;
}

} // namespace

int runChecks(const std::vector<std::string>& paths, bool update, std::ostream& report)
{
    std::vector<Check> checks;
    LessonCoverage coverage;
    for (const std::string& path : paths)
        for (const fs::path& script : scriptsAt(path, checks))
            checks.push_back(runCheck(script, update, coverage));
    size_t failed = 0;
    for (const Check& check : checks)
        if (!check.failure.empty()) {
            report << escapedText(check.script) << ": " << check.failure << '\n';
            ++failed;
        }
    report << checks.size() - failed << " passed, " << failed << " failed\n";
    if (coverage.lessons() > 0)
        report << coverage.report();
    return failed == 0 ? 0 : 1;
}
