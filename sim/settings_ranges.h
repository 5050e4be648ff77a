// The range of every settings field that the set-up screens can produce from
// the factory defaults: one row per field, so that the memory's loader, the
// fuzzers and the tests can tell a setting that no pilot could have entered.
#pragma once
#include <cstdint>

#include "core/settings.h"

struct SettingRange {
    const char* name; // the field as written in code, "pressure.lowAlarm"
    int32_t (*read)(const Settings& record, uint8_t index); // index 0..count-1 for arrays
    uint8_t count;    // 1 for a plain field
    int32_t min, max;
    bool withinPressureUnit; // max is also the largest count of the record's pressure unit
};

// Every field of settings, in record order.
extern const SettingRange settingRanges[];
extern const uint8_t settingRangeCount;

// The largest of min..max that the field allows with the record's other settings.
int32_t settingMax(const SettingRange& range, const Settings& record = settings);

// The first field of the record outside its range, or nullptr when all are
// within; *index tells which element of an array field.
const SettingRange* firstSettingOutOfRange(const Settings& record, uint8_t* index);
inline const SettingRange* firstSettingOutOfRange(uint8_t* index)
{
    return firstSettingOutOfRange(settings, index);
}
inline bool settingsWithinRanges()
{
    uint8_t index;
    return firstSettingOutOfRange(&index) == nullptr;
}
