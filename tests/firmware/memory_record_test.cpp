// The memory record's bytes and its loader: what it gives back is what was
// kept, and any bytes that are not such a record are refused with the reason.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <vector>

#include "sim/memory_record.h"
#include "sim/settings_ranges.h"

namespace {

// Settings a pilot could have entered, every group of fields away from the factory.
MemoryRecord changedRecord()
{
    MemoryRecord record = factoryMemoryRecord();
    Settings& s = record.settings;
    s.backlightThreshold = 4000;
    s.securityCode = 1234;
    s.units = 3;
    s.kFactor1 = 60000;
    s.kFactor2 = 10;
    s.tank1Mode = tankModeCalculated;
    s.tank1Size = 600;
    s.tank2Cal[5] = 4096;
    s.pressure.unit = pressureUnitPsi;
    s.pressure.highAlarm = 150;
    s.pressure.spare = 4;
    s.pressure.userCurve.count = 16;
    s.pressure.userCurve.points[15] = {-9, -999};
    record.totals = {70000, 4294967295u, 2147483647u, 5};
    return record;
}

std::vector<uint8_t> bytesOf(const MemoryRecord& record)
{
    std::vector<uint8_t> bytes(memoryRecordCapacity);
    bytes.resize(encodeMemoryRecord(record, bytes.data()));
    return bytes;
}

LoadedMemory load(const std::vector<uint8_t>& bytes) { return loadMemoryRecord(bytes.data(), bytes.size()); }

// The checksum made good again after a deliberate change.
void resign(std::vector<uint8_t>& bytes)
{
    const uint32_t crc = crc32Of(bytes.data(), bytes.size() - 4);
    for (int i = 0; i < 4; ++i)
        bytes[bytes.size() - 4 + i] = static_cast<uint8_t>(crc >> (8 * i));
}

} // namespace

TEST(MemoryRecord, RoundTripsEveryFieldAndTotal)
{
    const std::vector<uint8_t> bytes = bytesOf(changedRecord());
    ASSERT_EQ(bytes.size(), memoryRecordSize());
    EXPECT_LE(bytes.size(), memoryRecordCapacity);
    EXPECT_EQ(std::memcmp(bytes.data(), "QS9M\x01\x00", 6), 0);

    const LoadedMemory loaded = load(bytes);
    ASSERT_EQ(loaded.result, MemoryLoad::valid) << loaded.problem;
    EXPECT_EQ(loaded.record.settings.pressure.userCurve.points[15].adc, -999);
    EXPECT_EQ(loaded.record.settings.pressure.spare, 4);
    EXPECT_EQ(loaded.record.totals.used2Pulses, 4294967295u);
    EXPECT_EQ(bytesOf(loaded.record), bytes);
}

// A record's layout is what a stored memory means: any change to the fields
// or their order must come with a new layout version.
TEST(MemoryRecord, FactoryLayoutIsPinned)
{
    const std::vector<uint8_t> bytes = bytesOf(factoryMemoryRecord());
    EXPECT_EQ(bytes.size(), 188u);
    EXPECT_EQ(crc32Of(bytes.data(), bytes.size() - 4), 0xCA8B5390u);
    EXPECT_EQ(crc32Of(reinterpret_cast<const uint8_t*>("123456789"), 9), 0xCBF43926u);
}

TEST(MemoryRecord, AnyOneChangedByteIsRefused)
{
    const std::vector<uint8_t> good = bytesOf(changedRecord());
    for (size_t i = 0; i < good.size(); ++i)
        for (uint8_t flip : {0x01, 0x80}) {
            std::vector<uint8_t> bytes = good;
            bytes[i] ^= flip;
            const LoadedMemory loaded = load(bytes);
            EXPECT_EQ(loaded.result, i < 4 ? MemoryLoad::unreadable : MemoryLoad::damaged)
                << "byte " << i << " ^ " << int(flip);
        }
    std::vector<uint8_t> bytes = good;
    bytes.pop_back();
    EXPECT_EQ(load(bytes).problem, "it holds 187 bytes where its header gives 188");
    bytes = good;
    bytes[good.size() - 1] ^= 1;
    EXPECT_EQ(load(bytes).problem, "its checksum does not match");
}

TEST(MemoryRecord, NothingIsEmptyAndStrangeBytesAreUnreadable)
{
    EXPECT_EQ(loadMemoryRecord(nullptr, 0).result, MemoryLoad::empty);
    EXPECT_EQ(load({}).problem, "");
    const LoadedMemory text = load({'s', 'e', 't', ' ', 'x', '\n'});
    EXPECT_EQ(text.result, MemoryLoad::unreadable);
    EXPECT_EQ(text.problem, "it is not a memory of this instrument");
    EXPECT_EQ(load({'Q', 'S', '9', 'M'}).result, MemoryLoad::unreadable) << "too short for a header";
}

TEST(MemoryRecord, AnotherLayoutIsToldFromDamage)
{
    std::vector<uint8_t> bytes = bytesOf(factoryMemoryRecord());
    bytes[4] = 2;
    resign(bytes);
    LoadedMemory loaded = load(bytes);
    EXPECT_EQ(loaded.result, MemoryLoad::otherVersion);
    EXPECT_EQ(loaded.problem, "it has layout 2; this simulator reads layout 1");

    // A later layout with a longer payload, its header and checksum whole.
    bytes.insert(bytes.end() - 4, {1, 2, 3});
    bytes[6] = static_cast<uint8_t>(bytes[6] + 3);
    resign(bytes);
    EXPECT_EQ(load(bytes).result, MemoryLoad::otherVersion);

    // The same length in this layout's own version is damage.
    bytes[4] = 1;
    resign(bytes);
    loaded = load(bytes);
    EXPECT_EQ(loaded.result, MemoryLoad::damaged);
    EXPECT_EQ(loaded.problem, "it holds 191 bytes where layout 1 has 188");
}

TEST(MemoryRecord, AFieldOutsideItsRangeIsRefusedWhateverTheChecksum)
{
    struct Case {
        void (*spoil)(MemoryRecord&);
        const char* problem;
    };
    const Case cases[] = {
        {[](MemoryRecord& r) { r.settings.kFactor1 = 0; }, "settings.kFactor1 = 0 is outside 10..60000"},
        {[](MemoryRecord& r) { r.settings.tank1Cal[3] = -1; }, "settings.tank1Cal[3] = -1 is outside 0..4096"},
        {[](MemoryRecord& r) { r.settings.pressure.userCurve.points[2].adc = 5095; },
         "settings.pressure.userCurve.points[2].adc = 5095 is outside -999..5094"},
        // 150 fits psi, not the 10.0 bar scale.
        {[](MemoryRecord& r) { r.settings.pressure.unit = pressureUnitBar, r.settings.pressure.highAlarm = 150; },
         "settings.pressure.highAlarm = 150 is outside 1..100"},
        {[](MemoryRecord& r) { r.totals.tank2Pulses = 2147483648u; }, "tank2Pulses = 2147483648 is above 2147483647"},
    };
    for (const Case& c : cases) {
        MemoryRecord record = factoryMemoryRecord();
        c.spoil(record);
        const LoadedMemory loaded = load(bytesOf(record));
        EXPECT_EQ(loaded.result, MemoryLoad::damaged) << c.problem;
        EXPECT_EQ(loaded.problem, c.problem);
    }
}
