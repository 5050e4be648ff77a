// The firmware fuzzer's seeds from the committed walks: each WALKS/NAME.qs9
// as the event file OUT/NAME, made with this build's tables.
// Usage: qs9-fuzz-seeds WALKS OUT
#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>

#include "tests/fuzz/walk_events.h"

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: qs9-fuzz-seeds WALKS OUT\n";
        return 2;
    }
    try {
        const std::filesystem::path out = argv[2];
        std::filesystem::create_directories(out);
        for (const SeedWalk& walk : readSeedWalks(argv[1])) {
            std::ofstream file(out / walk.name, std::ios::binary | std::ios::trunc);
            file.write(reinterpret_cast<const char*>(walk.events.data()), std::streamsize(walk.events.size()));
            if (!file.flush())
                throw std::runtime_error("cannot write " + (out / walk.name).string());
        }
    } catch (const std::exception& fault) {
        std::cerr << "qs9-fuzz-seeds: " << fault.what() << '\n';
        return 1;
    }
    return 0;
}
