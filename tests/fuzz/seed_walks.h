// The fuzzer's committed seed walks (tests/fuzz/corpus), for the tests that
// replay them.
#pragma once
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

struct SeedWalk {
    std::string name; // "screenName--what"
    std::vector<uint8_t> events;
};

// Every walk in the directory, in name order.
inline std::vector<SeedWalk> readSeedWalks(const char* directory)
{
    std::vector<SeedWalk> walks;
    for (const std::filesystem::directory_entry& entry : std::filesystem::directory_iterator(directory)) {
        std::ifstream in(entry.path(), std::ios::binary);
        walks.push_back({entry.path().filename().string(),
                         {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()}});
    }
    std::sort(walks.begin(), walks.end(), [](const SeedWalk& a, const SeedWalk& b) { return a.name < b.name; });
    return walks;
}
