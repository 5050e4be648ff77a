// qs9-script [SCRIPT]: runs a script of runner commands from the named file,
// or from standard input without an argument.
#include <filesystem>
#include <fstream>
#include <iostream>

#include "tools/script/script_runner.h"

namespace {

int usage()
{
    std::cerr << "usage: qs9-script [SCRIPT]\n"
                 "Runs the instrument's firmware from a script of commands read from the\n"
                 "file SCRIPT, or from standard input (see tools/script/README.md).\n";
    return scriptFailed;
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

} // namespace

int main(int argc, char** argv)
{
    if (argc > 2)
        return usage();
    if (argc == 1)
        return finished(runScript(std::cin, std::cout, std::cerr));
    const char* path = argv[1];
    std::error_code fault;
    std::ifstream script;
    if (!std::filesystem::is_directory(path, fault))
        script.open(path);
    if (!script.is_open()) {
        std::cerr << "qs9-script: cannot read the script \"" << path << "\"\n";
        return scriptFailed;
    }
    return finished(runScript(script, std::cout, std::cerr));
}
