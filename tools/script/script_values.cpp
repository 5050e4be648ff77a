// "print": firmware globals and settings fields looked up by their names.
#include <cstring>
#include <string>

#include "screens/screen_names.h"
#include "tools/script/named_values.h"
#include "tools/script/script_commands.h"

namespace {

template <typename T>
T read(const uint8_t* at)
{
    T value;
    std::memcpy(&value, at, sizeof value);
    return value;
}

std::string formatValue(ValueKind kind, const uint8_t* at)
{
    switch (kind) {
    case ValueKind::u8: return std::to_string(read<uint8_t>(at));
    case ValueKind::u16: return std::to_string(read<uint16_t>(at));
    case ValueKind::u32: return std::to_string(read<uint32_t>(at));
    case ValueKind::i8: return std::to_string(read<int8_t>(at));
    case ValueKind::i16: return std::to_string(read<int16_t>(at));
    case ValueKind::i32: return std::to_string(read<int32_t>(at));
    case ValueKind::screen: return screenName(read<ScreenHandler>(at));
    }
    return "?";
}

// The name a table row answers to: arrays with "[]" where the index goes.
std::string lookupKey(const NamedValue& value)
{
    std::string key = value.name;
    if (value.stride != 0 && key.find("[]") == std::string::npos)
        key += "[]";
    return key;
}

template <typename Match>
const NamedValue* findNamed(Match matches)
{
    for (auto table : {displayNames(), coreNames(), screenNames(), hostNames(), settingsNames()})
        for (const NamedValue& value : table)
            if (matches(value))
                return &value;
    return nullptr;
}

const NamedValue* findScalar(std::string_view name)
{
    const NamedValue* found =
        findNamed([&](const NamedValue& v) { return v.stride == 0 && name == v.name; });
    if (found)
        return found;
    const std::string asArray = std::string(name) + "[]";
    if (const NamedValue* array = findNamed(
            [&](const NamedValue& v) { return lookupKey(v).starts_with(asArray); })) {
        std::string element = lookupKey(*array);
        element.replace(element.find("[]"), 2, "[i]");
        throw ScriptError{"\"" + std::string(name) + "\" is an array: name an element as " +
                          element};
    }
    throw ScriptError{"unknown name \"" + std::string(name) + "\""};
}

// "settings.tank1Cal[2]" -> the row "settings.tank1Cal" and element 2.
const uint8_t* findElement(std::string_view name, size_t open, const NamedValue*& row)
{
    const size_t close = name.find(']', open);
    if (close == std::string_view::npos)
        throw ScriptError{"missing \"]\" in \"" + std::string(name) + "\""};
    const std::string key = std::string(name.substr(0, open + 1)) + std::string(name.substr(close));
    row = findNamed([&](const NamedValue& v) { return v.stride != 0 && lookupKey(v) == key; });
    if (!row)
        throw ScriptError{"unknown name \"" + std::string(name) + "\""};
    const uint32_t index = parseNumber(name.substr(open + 1, close - open - 1), "index");
    if (index >= row->count)
        throw ScriptError{"index " + std::to_string(index) + " out of range 0.." +
                          std::to_string(row->count - 1) + " in \"" + std::string(name) + "\""};
    return static_cast<const uint8_t*>(row->address) + index * row->stride;
}

} // namespace

std::string printedValue(std::string_view name)
{
    const size_t open = name.find('[');
    const NamedValue* row = nullptr;
    const uint8_t* at = nullptr;
    if (open == std::string_view::npos) {
        row = findScalar(name);
        at = static_cast<const uint8_t*>(row->address);
    } else {
        at = findElement(name, open, row);
    }
    return std::string(name) + " = " + formatValue(row->kind, at);
}
