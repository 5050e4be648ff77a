#include "sim/settings_fields.h"

#include <cstring>

#include "sim/simulator.h"

uint8_t widthOf(ValueKind kind)
{
    switch (kind) {
    case ValueKind::u8: case ValueKind::i8: return 1;
    case ValueKind::u16: case ValueKind::i16: return 2;
    default: return 4;
    }
}

const std::vector<SettingsField>& settingsFields()
{
    static const std::vector<SettingsField> fields = [] {
        std::vector<SettingsField> list;
        const auto* start = reinterpret_cast<const uint8_t*>(&settings);
        for (const NamedValue& row : settingsNames())
            for (uint16_t i = 0; i < row.count; ++i) {
                const auto* at = static_cast<const uint8_t*>(row.address) + i * row.stride;
                list.push_back({&row, i, static_cast<size_t>(at - start)});
            }
        return list;
    }();
    return fields;
}

int32_t readField(const Settings& record, const SettingsField& field)
{
    const auto* at = reinterpret_cast<const uint8_t*>(&record) + field.offset;
    switch (field.row->kind) {
    case ValueKind::u8: return *at;
    case ValueKind::i8: return static_cast<int8_t>(*at);
    case ValueKind::u16: { uint16_t v; std::memcpy(&v, at, 2); return v; }
    case ValueKind::i16: { int16_t v; std::memcpy(&v, at, 2); return v; }
    default: { int32_t v; std::memcpy(&v, at, 4); return v; }
    }
}

void writeField(Settings& record, const SettingsField& field, int32_t value)
{
    auto* at = reinterpret_cast<uint8_t*>(&record) + field.offset;
    const auto bits = static_cast<uint32_t>(value);
    switch (widthOf(field.row->kind)) {
    case 1: *at = static_cast<uint8_t>(bits); break;
    case 2: { const auto v = static_cast<uint16_t>(bits); std::memcpy(at, &v, 2); break; }
    default: std::memcpy(at, &bits, 4); break;
    }
}

std::string elementName(std::string arrayName, uint16_t index)
{
    const std::string element = "[" + std::to_string(index) + "]";
    const size_t mark = arrayName.find("[]");
    return mark == std::string::npos ? arrayName + element : arrayName.replace(mark, 2, element);
}

std::string fieldName(const SettingsField& field)
{
    return field.row->stride == 0 ? field.row->name : elementName(field.row->name, field.index);
}

extern "C" {

int qs9SettingCount(void) { return int(settingsFields().size()); }

const char* qs9SettingName(int index)
{
    static const std::vector<std::string> names = [] {
        std::vector<std::string> list;
        for (const SettingsField& field : settingsFields())
            list.push_back(fieldName(field));
        return list;
    }();
    return index >= 0 && index < qs9SettingCount() ? names[size_t(index)].c_str() : nullptr;
}

const char* qs9SettingField(int index)
{
    return index >= 0 && index < qs9SettingCount() ? settingsFields()[size_t(index)].row->name : nullptr;
}

} // extern "C"
