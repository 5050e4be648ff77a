// "Export Set-up": the settings that differ from the factory ones as the
// runner's `set` lines, in record order. Run after On, they give the same
// settings: the fields the fuel configuration is derived from come before
// the ones deriving it may change (the K-factors before the tank modes, the
// litre resolution after them), so each `set` that derives it again finds
// what the instrument found.
#include <cstring>
#include <string>

#include "core/settings.h"
#include "sim/settings_fields.h"
#include "sim/simulator.h"

namespace {

std::string exportedSetup()
{
    const Settings factory = factoryDefaults(0);
    std::string lines;
    for (const SettingsField& field : settingsFields()) {
        const int32_t value = readField(settings, field);
        if (value != readField(factory, field))
            lines += "set " + fieldName(field) + " " + std::to_string(value) + "\n";
    }
    return lines;
}

} // namespace

extern "C" int qs9ExportSetup(char* text, uint32_t capacity, uint32_t* length)
{
    const std::string lines = exportedSetup();
    if (length != nullptr)
        *length = static_cast<uint32_t>(lines.size());
    if (text == nullptr || lines.size() >= capacity)
        return QS9_ERROR_NO_ROOM;
    std::memcpy(text, lines.c_str(), lines.size() + 1);
    return QS9_OK;
}
