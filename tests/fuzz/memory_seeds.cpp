// Writes the memory fuzzer's seeds into the folder named: records of the
// layout as it is now, so that they never go stale when the layout changes.
// Each starts with the fuzzer's own byte (odd: its checksum is made good).
// Usage: qs9-memory-seeds FOLDER
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

#include "sim/memory_record.h"

namespace {

std::vector<uint8_t> bytesOf(const MemoryRecord& record)
{
    std::vector<uint8_t> bytes(memoryRecordCapacity);
    bytes.resize(encodeMemoryRecord(record, bytes.data()));
    return bytes;
}

// Settings away from the factory in most groups, and totals.
MemoryRecord changedRecord()
{
    MemoryRecord record = factoryMemoryRecord();
    Settings& s = record.settings;
    s.units = 3;
    s.flow2Enabled = 1;
    s.flowMode = flowModeDiff;
    s.tank1Mode = tankModeCalculated;
    s.tank2Mode = tankModeCalculated;
    s.tank1Size = 600;
    s.kFactor2 = 12000;
    s.pressure.curveKind = pressureCurveUser;
    s.pressure.userCurve.count = 16;
    record.totals = {70000, 123456, 2147483647u, 99};
    return record;
}

bool write(const std::filesystem::path& file, uint8_t mode, std::vector<uint8_t> bytes)
{
    bytes.insert(bytes.begin(), mode);
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out.flush());
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: qs9-memory-seeds FOLDER\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code fault;
    std::filesystem::create_directories(folder, fault);
    const std::vector<uint8_t> factory = bytesOf(factoryMemoryRecord());
    const std::vector<uint8_t> changed = bytesOf(changedRecord());
    std::vector<uint8_t> otherLayout = changed;
    otherLayout[4] = 2;
    std::vector<uint8_t> cutShort(changed.begin(), changed.begin() + changed.size() / 2);
    const bool written = write(folder / "factory", 0, factory) && write(folder / "changed", 0, changed) &&
                         write(folder / "changed-resigned", 1, changed) &&
                         write(folder / "other-layout", 1, otherLayout) && write(folder / "cut-short", 0, cutShort) &&
                         write(folder / "empty", 0, {});
    if (!written) {
        std::fprintf(stderr, "qs9-memory-seeds: cannot write the seeds in %s\n", folder.c_str());
        return 1;
    }
    return 0;
}
