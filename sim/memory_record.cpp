#include "sim/memory_record.h"

#include <cstring>
#include <utility>

#include "sim/settings_fields.h"
#include "sim/settings_ranges.h"

namespace {

constexpr uint8_t magic[4] = {'Q', 'S', '9', 'M'};
constexpr size_t headerSize = 8;
constexpr size_t checksumSize = 4;
constexpr size_t totalsSize = 4 * sizeof(uint32_t);

size_t settingsSize()
{
    size_t size = 0;
    for (const SettingsField& field : settingsFields())
        size += widthOf(field.row->kind);
    return size;
}

size_t payloadSize() { return settingsSize() + totalsSize; }

void putLittle(uint8_t*& at, uint32_t value, uint8_t width)
{
    for (uint8_t i = 0; i < width; ++i)
        *at++ = static_cast<uint8_t>(value >> (8 * i));
}

uint32_t takeLittle(const uint8_t*& at, uint8_t width)
{
    uint32_t value = 0;
    for (uint8_t i = 0; i < width; ++i)
        value |= static_cast<uint32_t>(*at++) << (8 * i);
    return value;
}

uint32_t littleAt(const uint8_t* at, uint8_t width) { return takeLittle(at, width); }

// The field's bits as its type holds them: sign-extended for i8 and i16.
int32_t valueOfBits(ValueKind kind, uint32_t bits)
{
    switch (kind) {
    case ValueKind::i8: return static_cast<int8_t>(bits);
    case ValueKind::i16: return static_cast<int16_t>(bits);
    default: return static_cast<int32_t>(bits);
    }
}

void decodePayload(const uint8_t* at, MemoryRecord& record)
{
    for (const SettingsField& field : settingsFields())
        writeField(record.settings, field,
                   valueOfBits(field.row->kind, takeLittle(at, widthOf(field.row->kind))));
    MemoryTotals& totals = record.totals;
    for (uint32_t* counter : {&totals.used1Pulses, &totals.used2Pulses, &totals.tank1Pulses, &totals.tank2Pulses})
        *counter = takeLittle(at, 4);
}

// The first field of the record that no pilot could have entered, in words;
// empty when every one is within its range.
std::string firstFieldOutOfRange(const MemoryRecord& record)
{
    uint8_t index = 0;
    if (const SettingRange* range = firstSettingOutOfRange(record.settings, &index)) {
        std::string name = std::string("settings.") + range->name;
        if (range->count > 1)
            name = elementName(name, index);
        return name + " = " + std::to_string(range->read(record.settings, index)) + " is outside " +
               std::to_string(range->min) + ".." + std::to_string(settingMax(*range, record.settings));
    }
    const MemoryTotals& totals = record.totals;
    for (const auto& [name, pulses] : {std::pair{"tank1Pulses", totals.tank1Pulses},
                                       std::pair{"tank2Pulses", totals.tank2Pulses}})
        if (pulses > uint32_t{INT32_MAX})
            return name + (" = " + std::to_string(pulses)) + " is above " + std::to_string(INT32_MAX);
    return "";
}

LoadedMemory refused(MemoryLoad result, std::string problem)
{
    LoadedMemory loaded;
    loaded.result = result;
    loaded.problem = std::move(problem);
    return loaded;
}

} // namespace

uint32_t crc32Of(const uint8_t* bytes, size_t size)
{
    // Reflected CRC-32, polynomial 0xEDB88320, bit by bit: a record is a few
    // hundred bytes, written at most once a second.
    uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = 0; i < size; ++i) {
        crc ^= bytes[i];
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

size_t memoryRecordSize() { return headerSize + payloadSize() + checksumSize; }

size_t encodeMemoryRecord(const MemoryRecord& record, uint8_t* bytes)
{
    uint8_t* at = bytes;
    std::memcpy(at, magic, sizeof magic);
    at += sizeof magic;
    putLittle(at, memoryLayoutVersion, 2);
    putLittle(at, static_cast<uint32_t>(payloadSize()), 2);
    for (const SettingsField& field : settingsFields())
        putLittle(at, static_cast<uint32_t>(readField(record.settings, field)), widthOf(field.row->kind));
    const MemoryTotals& totals = record.totals;
    for (uint32_t counter : {totals.used1Pulses, totals.used2Pulses, totals.tank1Pulses, totals.tank2Pulses})
        putLittle(at, counter, 4);
    putLittle(at, crc32Of(bytes, static_cast<size_t>(at - bytes)), 4);
    return static_cast<size_t>(at - bytes);
}

LoadedMemory loadMemoryRecord(const uint8_t* bytes, size_t size)
{
    if (bytes == nullptr || size == 0)
        return {};
    if (size < headerSize + checksumSize || std::memcmp(bytes, magic, sizeof magic) != 0)
        return refused(MemoryLoad::unreadable, "it is not a memory of this instrument");
    const size_t wholeSize = headerSize + littleAt(bytes + 6, 2) + checksumSize;
    if (size != wholeSize)
        return refused(MemoryLoad::damaged, "it holds " + std::to_string(size) + " bytes where its header gives " +
                                                std::to_string(wholeSize));
    if (crc32Of(bytes, size - checksumSize) != littleAt(bytes + size - checksumSize, 4))
        return refused(MemoryLoad::damaged, "its checksum does not match");
    const uint32_t version = littleAt(bytes + 4, 2);
    if (version != memoryLayoutVersion)
        return refused(MemoryLoad::otherVersion, "it has layout " + std::to_string(version) +
                                                     "; this simulator reads layout " +
                                                     std::to_string(memoryLayoutVersion));
    if (size != memoryRecordSize())
        return refused(MemoryLoad::damaged, "it holds " + std::to_string(size) + " bytes where layout " +
                                                std::to_string(memoryLayoutVersion) + " has " +
                                                std::to_string(memoryRecordSize()));
    LoadedMemory loaded;
    decodePayload(bytes + headerSize, loaded.record);
    if (std::string outside = firstFieldOutOfRange(loaded.record); !outside.empty())
        return refused(MemoryLoad::damaged, outside);
    loaded.result = MemoryLoad::valid;
    return loaded;
}

MemoryRecord factoryMemoryRecord()
{
    MemoryRecord record{};
    record.settings = factoryDefaults(0);
    return record;
}
