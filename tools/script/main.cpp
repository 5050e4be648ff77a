// qs9-script: runs a script of runner commands from a file or standard
// input, or checks many scripts at once (script/README.md).
#include <unistd.h>

#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "script/check_mode.h"
#include "script/lesson_draft.h"
#include "script/script_files.h"
#include "script/script_runner.h"
#include "sim/user_text.h"

namespace {

constexpr const char* usageText =
    "usage: qs9-script [--update] [SCRIPT | -]\n"
    "       qs9-script --check [--update] PATH...\n"
    "       qs9-script --lesson-draft RECORDING\n"
    "       qs9-script --help | --version\n"
    "Runs the instrument's firmware from a script of commands read from the file\n"
    "SCRIPT, or from standard input without it or with \"-\". With --check, runs\n"
    "every script named and every *.qs9 under a folder named as checks, and\n"
    "reports those that failed. With --update, \"compare\" (re)writes its picture.\n"
    "With --lesson-draft, writes a lesson draft made from the recording RECORDING.\n"
    "Exit status: 0 every expectation held, 1 one failed, 2 a bad script or usage.\n"
    "The commands: script/README.md.\n";

struct Invocation {
    bool check = false;
    bool lessonDraft = false;
    bool update = false;
    bool help = false;
    bool version = false;
    std::vector<std::string> paths;
    std::string fault; // wrong usage
};

Invocation readArguments(int argc, char** argv)
{
    Invocation invocation;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--check")
            invocation.check = true;
        else if (argument == "--lesson-draft")
            invocation.lessonDraft = true;
        else if (argument == "--update")
            invocation.update = true;
        else if (argument == "--help" || argument == "-h")
            invocation.help = true;
        else if (argument == "--version")
            invocation.version = true;
        else if (argument.starts_with("-") && argument != "-")
            invocation.fault = "unknown option " + quotedText(argument);
        else
            invocation.paths.push_back(argument);
    }
    if (invocation.fault.empty() && invocation.check && invocation.paths.empty())
        invocation.fault = "--check needs a script or a folder";
    if (invocation.fault.empty() && invocation.lessonDraft && (invocation.check || invocation.update))
        invocation.fault = "--lesson-draft takes neither --check nor --update";
    if (invocation.fault.empty() && invocation.lessonDraft && invocation.paths.size() != 1)
        invocation.fault = "--lesson-draft takes one recording";
    if (invocation.fault.empty() && !invocation.check && invocation.paths.size() > 1)
        invocation.fault = "one script at a time; --check runs many";
    return invocation;
}

int finished(int status)
{
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "qs9-script: cannot write the output\n";
        return scriptFailed;
    }
    return status;
}

int runOne(const std::string& path, bool update)
{
    const bool standardInput = path == "-";
    const std::string name = standardInput ? "from standard input" : quotedText(path);
    std::string why;
    const int descriptor = standardInput ? STDIN_FILENO : openToRead(path, why);
    if (descriptor < 0) {
        std::cerr << "qs9-script: cannot read the script " << name << ": " << why << '\n';
        return scriptFailed;
    }
    ScriptOptions options;
    options.update = update;
    ScriptRunner runner(std::cout, std::cerr, options);
    why = feedScript(descriptor, runner);
    if (!why.empty())
        runner.readFailed("qs9-script: cannot read the script " + name + ": " + why);
    if (!standardInput)
        close(descriptor);
    return finished(runner.finish());
}

// The draft goes to standard output; a recording that cannot be read or
// drafted is named with its line and the fault.
int draftLesson(const std::string& path)
{
    std::string recording, why;
    if (!readScriptFile(path, recording, why)) {
        std::cerr << "qs9-script: cannot read the recording " << quotedText(path) << ": " << why << '\n';
        return scriptFailed;
    }
    try {
        const std::string name = path == "-" ? "standard input" : std::filesystem::path(path).stem().string();
        std::cout << lessonDraft(recording, name);
    } catch (const ScriptError& error) {
        std::cerr << "qs9-script: " << quotedText(path) << ": line " << error.line << ": " << error.message << '\n';
        return scriptFailed;
    }
    return finished(scriptSucceeded);
}

} // namespace

int main(int argc, char** argv)
{
    const Invocation invocation = readArguments(argc, argv);
    if (!invocation.fault.empty()) {
        std::cerr << "qs9-script: " << invocation.fault << "\n" << usageText;
        return scriptFailed;
    }
    if (invocation.help) {
        std::cout << usageText;
        return finished(scriptSucceeded);
    }
    if (invocation.version) {
        std::cout << "qs9-script " QS9_VERSION "\n";
        return finished(scriptSucceeded);
    }
    if (invocation.check)
        return finished(runChecks(invocation.paths, invocation.update, std::cout));
    if (invocation.lessonDraft)
        return draftLesson(invocation.paths[0]);
    return runOne(invocation.paths.empty() ? "-" : invocation.paths[0], invocation.update);
}
