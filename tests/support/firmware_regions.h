// Every writable global of the firmware and of sim/ that a test can reach:
// through the named values, or the short list of globals without a name.
// The program-start check reads them all; a snapshot of them puts the
// instrument back exactly where it was.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Bytes of one global, or of one element of a global.
struct Region {
    std::string global; // "settings" for settings.tank1Cal[2]
    uint8_t* bytes;
    size_t size;
};

std::vector<Region> writableRegions();

// Every byte of the regions, and those bytes put back.
using FirmwareSnapshot = std::vector<uint8_t>;
FirmwareSnapshot takeSnapshot(const std::vector<Region>& regions);
void restoreSnapshot(const std::vector<Region>& regions, const FirmwareSnapshot& snapshot);
