// libFuzzer entry: each input is a memory as a host might hand it back, say
// a file that a full disk cut short, another program wrote over, or an older
// simulator left. The first byte is no part of it: when odd, the memory's
// last four bytes are first made its good checksum, so that mutations reach
// the layout and range checks behind it (tests/fuzz/memory_seeds.cpp writes
// the seeds). Whatever the bytes, On must give either the factory settings
// or the record itself, every setting within its range, and run on it; a
// record the memory then writes must load again. A broken rule aborts.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "sim/memory_record.h"
#include "sim/settings_ranges.h"
#include "sim/simulator.h"
#include "tests/fuzz/firmware_events.h"

namespace {

[[noreturn]] void broken(const char* rule)
{
    std::fprintf(stderr, "memory rule broken: %s\n", rule);
    std::abort();
}

std::vector<uint8_t> memoryOf(const uint8_t* data, size_t size)
{
    std::vector<uint8_t> bytes(data + (size > 0), data + size);
    if (size > 0 && (data[0] & 1) && bytes.size() >= 4) {
        const uint32_t crc = crc32Of(bytes.data(), bytes.size() - 4);
        for (int i = 0; i < 4; ++i)
            bytes[bytes.size() - 4 + i] = static_cast<uint8_t>(crc >> (8 * i));
    }
    return bytes;
}

void checkTheLoader(const std::vector<uint8_t>& bytes)
{
    const LoadedMemory loaded = loadMemoryRecord(bytes.data(), bytes.size());
    if (loaded.result != MemoryLoad::valid) {
        if (loaded.problem.empty() != (loaded.result == MemoryLoad::empty))
            broken("a refused memory needs its reason, an empty one none");
        return;
    }
    uint8_t again[memoryRecordCapacity];
    const size_t size = encodeMemoryRecord(loaded.record, again);
    if (size != bytes.size() || std::memcmp(again, bytes.data(), size) != 0)
        broken("a valid record does not encode to the bytes it came from");
    uint8_t index = 0;
    if (firstSettingOutOfRange(loaded.record.settings, &index) != nullptr)
        broken("a valid record holds a setting out of its range");
}

bool factorySettings()
{
    uint32_t length = 1;
    char none[1];
    return qs9ExportSetup(none, sizeof none, &length) == QS9_OK && length == 0;
}

void checkOnAndAfter(const std::vector<uint8_t>& bytes)
{
    qs9ProgramStart();
    qs9MemorySwitch(1);
    const int held = qs9MemoryProvide(bytes.data(), static_cast<uint32_t>(bytes.size()));
    qs9PowerOn();
    if (qs9MemoryRestoreStatus() != held)
        broken("On found another memory than the one provided");
    if (held != QS9_MEMORY_RESTORED && !factorySettings())
        broken("a memory not restored left settings other than the factory ones");
    if (held != QS9_MEMORY_EMPTY && held != QS9_MEMORY_RESTORED && qs9MemoryMessage()[0] == '\0')
        broken("a refused memory gave no message");
    // The measurements and the home screen on the restored values.
    qs9SetInput("flow1", 65535);
    qs9SetInput("flow2", 4000);
    qs9SetInput("level1", 500);
    for (int i = 0; i < 8; ++i) {
        qs9Pass();
        qs9Tick();
        if (const char* failure = brokenInvariant()) {
            std::fprintf(stderr, "after the restore: %s\n", failure);
            std::abort();
        }
    }
    uint8_t record[QS9_MEMORY_RECORD_CAPACITY];
    uint32_t size = 0;
    if (qs9MemoryWriteDue(1, record, sizeof record, &size) == 1 &&
        loadMemoryRecord(record, size).result != MemoryLoad::valid)
        broken("the memory wrote a record that does not load");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::vector<uint8_t> bytes = memoryOf(data, size);
    checkTheLoader(bytes);
    checkOnAndAfter(bytes);
    return 0;
}
