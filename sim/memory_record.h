// The instrument's memory as bytes: the settings record and the totals, with
// a layout version and a checksum, and the loader that takes any bytes and
// gives either a record whose every field is within its range or the reason
// why not. Host-free: the hosts keep the bytes (a file, the browser's
// storage) and hand them back.
//
// Layout, every number little-endian:
//   0   "QS9M"
//   4   u16 layout version (memoryLayoutVersion)
//   6   u16 payload size
//   8   payload: each settings field in record order at its own width
//       (settingsFields()), then used1Pulses, used2Pulses, tank1Pulses,
//       tank2Pulses (u32 each)
//   end u32 CRC-32 of every byte before it
// Magic, version, size and checksum keep their places in every layout, so
// that a record of another layout is told apart from a damaged one.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/settings.h"

inline constexpr uint16_t memoryLayoutVersion = 1;

// The fuel counters the totals are made from; the fuel used and the
// calculated contents follow from them on the next pass.
struct MemoryTotals {
    uint32_t used1Pulses, used2Pulses;
    uint32_t tank1Pulses, tank2Pulses; // calculated contents, never above INT32_MAX
};

struct MemoryRecord {
    Settings settings;
    MemoryTotals totals;
};

// No record of this layout is longer.
inline constexpr size_t memoryRecordCapacity = 512;

// The bytes of a record of this layout.
size_t memoryRecordSize();

// Writes the record into bytes (memoryRecordSize() of them); returns the size.
size_t encodeMemoryRecord(const MemoryRecord& record, uint8_t* bytes);

enum class MemoryLoad : uint8_t {
    empty,        // no bytes: nothing stored yet
    valid,        // a record of this layout, every field within its range
    unreadable,   // not a memory record at all
    damaged,      // a record of this layout that its checksum, size or a field refutes
    otherVersion, // a whole record of another layout
};

struct LoadedMemory {
    MemoryLoad result = MemoryLoad::empty;
    MemoryRecord record{};  // when valid
    std::string problem;    // otherwise, in plain words: "its checksum does not match"
};

LoadedMemory loadMemoryRecord(const uint8_t* bytes, size_t size);

// The instrument as it leaves the factory: factory settings, totals zero.
MemoryRecord factoryMemoryRecord();

// CRC-32 (the one of zip and PNG) of the bytes.
uint32_t crc32Of(const uint8_t* bytes, size_t size);
