// The fields of a settings record one element at a time, in record order,
// as the named-value table lists them ("settings.tank1Cal[2]"): what the
// memory record stores and the exported set-up writes as `set` lines.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/settings.h"
#include "sim/named_values.h"

struct SettingsField {
    const NamedValue* row; // its row in settingsNames()
    uint16_t index;        // the element of an array; 0 for a plain field
    size_t offset;         // bytes from the start of a Settings record
};

// Every element of every field of Settings.
const std::vector<SettingsField>& settingsFields();

// Bytes that a value of the kind takes in the firmware: 1, 2 or 4.
uint8_t widthOf(ValueKind kind);

int32_t readField(const Settings& record, const SettingsField& field);
// The value is taken modulo the field's width, as a cast to its type would.
void writeField(Settings& record, const SettingsField& field, int32_t value);

// The name the runner's `set` takes for it: "settings.units",
// "settings.pressure.userCurve.points[3].adc".
std::string fieldName(const SettingsField& field);
// An array's element by name: "settings.tank1Cal" or "points[].adc" with
// index 3 gives "settings.tank1Cal[3]", "points[3].adc".
std::string elementName(std::string arrayName, uint16_t index);
