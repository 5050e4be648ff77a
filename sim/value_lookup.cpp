// Firmware globals and settings fields looked up by their names: read,
// printed and written through the C calls of sim/simulator.h. Failures
// return a status and leave a message for the user.
#include <array>
#include <charconv>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

#include "core/settings.h"
#include "sim/float_text.h"
#include "sim/host_message.h"
#include "sim/named_values.h"
#include "sim/screen_names.h"
#include "sim/simulator.h"
#include "sim/user_text.h"

namespace {

std::string lastError;

int fail(int status, std::string message) { return leaveMessage(status, std::move(message)); }

std::string quoted(std::string_view text) { return quotedText(text); }

// One value found by name: its table row and where the value (or the named
// element) lies.
struct Found {
    const NamedValue* row = nullptr;
    const uint8_t* at = nullptr;
};

template <typename T>
T read(const uint8_t* at)
{
    T value;
    std::memcpy(&value, at, sizeof value);
    return value;
}

// The name a table row answers to: arrays with "[]" where the index goes.
std::string lookupKey(const NamedValue& value)
{
    std::string key = value.name;
    if (value.stride != 0 && key.find("[]") == std::string::npos)
        key += "[]";
    return key;
}

std::array<std::span<const NamedValue>, 7> nameTables()
{
    return {displayNames(), coreNames(), screenNames(), simulatorNames(), settingsNames(), readingNames(),
            inputNames()};
}

template <typename Match>
const NamedValue* findNamed(Match matches)
{
    for (auto table : nameTables())
        for (const NamedValue& value : table)
            if (matches(value))
                return &value;
    return nullptr;
}

int findScalar(std::string_view name, Found& found)
{
    found.row = findNamed([&](const NamedValue& v) { return v.stride == 0 && name == v.name; });
    if (found.row) {
        found.at = static_cast<const uint8_t*>(found.row->address);
        return QS9_OK;
    }
    const std::string asArray = std::string(name) + "[]";
    if (const NamedValue* array = findNamed(
            [&](const NamedValue& v) { return lookupKey(v).starts_with(asArray); })) {
        std::string element = lookupKey(*array);
        element.replace(element.find("[]"), 2, "[i]");
        return fail(QS9_ERROR_UNKNOWN,
                    quoted(name) + " is an array: name an element as " + element);
    }
    return fail(QS9_ERROR_UNKNOWN, "unknown name " + quoted(name));
}

// Decimal digits only, as the runner reads its numbers.
int parseIndex(std::string_view text, uint32_t& index)
{
    const char* end = text.data() + text.size();
    const auto [stop, fault] = std::from_chars(text.data(), end, index);
    if (fault == std::errc::result_out_of_range)
        return fail(QS9_ERROR_RANGE, "index " + quoted(text) + " is too large");
    if (text.empty() || fault != std::errc() || stop != end)
        return fail(QS9_ERROR_UNKNOWN, "bad index " + quoted(text) + ": expected decimal digits");
    return QS9_OK;
}

// "settings.tank1Cal[2]" -> the row "settings.tank1Cal" and element 2.
int findElement(std::string_view name, size_t open, Found& found)
{
    const size_t close = name.find(']', open);
    if (close == std::string_view::npos)
        return fail(QS9_ERROR_UNKNOWN, "missing \"]\" in " + quoted(name));
    const std::string key = std::string(name.substr(0, open + 1)) + std::string(name.substr(close));
    found.row = findNamed([&](const NamedValue& v) { return v.stride != 0 && lookupKey(v) == key; });
    if (!found.row)
        return fail(QS9_ERROR_UNKNOWN, "unknown name " + quoted(name));
    std::string_view indexText = name.substr(open + 1, close - open - 1);
    const bool negative = found.row->negativeHalf != nullptr && indexText.starts_with('-');
    if (negative)
        indexText.remove_prefix(1);
    uint32_t index = 0;
    if (const int status = parseIndex(indexText, index); status != QS9_OK)
        return status;
    if (index >= found.row->count) {
        const std::string low = found.row->negativeHalf ? "-" + std::to_string(found.row->count - 1) : "0";
        return fail(QS9_ERROR_RANGE, "index " + std::string(negative ? "-" : "") + std::to_string(index) +
                                         " out of range " + low + ".." +
                                         std::to_string(found.row->count - 1) + " in " + quoted(name));
    }
    const void* table = negative ? found.row->negativeHalf : found.row->address;
    found.at = static_cast<const uint8_t*>(table) + index * found.row->stride;
    return QS9_OK;
}

int findValue(const char* name, Found& found)
{
    const std::string_view text = name ? name : "";
    const size_t open = text.find('[');
    return open == std::string_view::npos ? findScalar(text, found) : findElement(text, open, found);
}

int64_t readNumber(ValueKind kind, const uint8_t* at)
{
    switch (kind) {
    case ValueKind::u8: return read<uint8_t>(at);
    case ValueKind::u16: return read<uint16_t>(at);
    case ValueKind::u32: return read<uint32_t>(at);
    case ValueKind::i8: return read<int8_t>(at);
    case ValueKind::i16: return read<int16_t>(at);
    case ValueKind::i32: return read<int32_t>(at);
    default: break;
    }
    return 0;
}

std::string formatRecord(const PressureSettings* record)
{
    if (record == nullptr)
        return "none";
    return record == &settings.pressure ? "settings.pressure" : "unknown";
}

std::string formatValue(const Found& found)
{
    switch (found.row->kind) {
    case ValueKind::screen: return screenName(read<ScreenHandler>(found.at));
    case ValueKind::pressureRecord: return formatRecord(read<PressureSettings*>(found.at));
    case ValueKind::f32: return floatText(read<float>(found.at));
    case ValueKind::text: return found.row->text(found.row->address);
    default: return std::to_string(readNumber(found.row->kind, found.at));
    }
}

bool isWholeNumber(ValueKind kind)
{
    return kind != ValueKind::screen && kind != ValueKind::pressureRecord && kind != ValueKind::f32 &&
           kind != ValueKind::text;
}

int notNumber(const char* name, ValueKind kind)
{
    const char* holds = kind == ValueKind::screen ? "a screen, not a number"
                        : kind == ValueKind::f32  ? "a fraction, not a whole number"
                        : kind == ValueKind::text ? "a text, not a number"
                                                  : "a record's address, not a number";
    return fail(QS9_ERROR_NOT_NUMBER, quoted(name) + " holds " + holds);
}

// The index-th input that a host sets by name, or nullptr.
const NamedValue* hostInput(int index)
{
    for (auto table : nameTables())
        for (const NamedValue& value : table)
            if (value.hostInput && index-- == 0)
                return &value;
    return nullptr;
}

// "gpsSpeed, gpsSpeedValid, ...": the inputs that a host sets by name.
std::string settableInputs()
{
    std::string names;
    for (int i = 0; const NamedValue* value = hostInput(i); ++i)
        names += std::string(i == 0 ? "" : ", ") + value->name;
    return names;
}

// A settings field, or an input that no window control drives.
bool settable(const NamedValue& row)
{
    const std::span<const NamedValue> fields = settingsNames();
    return row.hostInput || (&row >= fields.data() && &row < fields.data() + fields.size());
}

template <typename T>
bool storeWithin(uint8_t* at, int64_t value, int64_t& low, int64_t& high)
{
    low = std::numeric_limits<T>::min();
    high = std::numeric_limits<T>::max();
    if (value < low || value > high)
        return false;
    const T narrow = static_cast<T>(value);
    std::memcpy(at, &narrow, sizeof narrow);
    return true;
}

// Stores value when the kind can hold it; else low..high say what it can.
bool storeNumber(ValueKind kind, uint8_t* at, int64_t value, int64_t& low, int64_t& high)
{
    switch (kind) {
    case ValueKind::u8: return storeWithin<uint8_t>(at, value, low, high);
    case ValueKind::u16: return storeWithin<uint16_t>(at, value, low, high);
    case ValueKind::u32: return storeWithin<uint32_t>(at, value, low, high);
    case ValueKind::i8: return storeWithin<int8_t>(at, value, low, high);
    case ValueKind::i16: return storeWithin<int16_t>(at, value, low, high);
    case ValueKind::i32: return storeWithin<int32_t>(at, value, low, high);
    default: break;
    }
    return false;
}

// Writes the value found; a setting that the fuel configuration code is
// derived from derives it again, as leaving the fuel set-up does.
int writeFound(const char* name, const Found& found, int64_t value)
{
    if (!isWholeNumber(found.row->kind))
        return notNumber(name, found.row->kind);
    if (found.row->readOnly)
        return fail(QS9_ERROR_READ_ONLY, quoted(name) + " is fixed in the firmware");
    // The row names a firmware global that is not const, so it may be written.
    uint8_t* at = const_cast<uint8_t*>(found.at);
    int64_t low = 0, high = 0;
    if (!storeNumber(found.row->kind, at, value, low, high))
        return fail(QS9_ERROR_RANGE, "value " + std::to_string(value) + " out of range " +
                                         std::to_string(low) + ".." + std::to_string(high) +
                                         " for " + quoted(name));
    if (found.row->decidesFuelConfig)
        deriveFuelConfig();
    return QS9_OK;
}

} // namespace

int leaveMessage(int status, std::string message)
{
    lastError = std::move(message);
    return status;
}

extern "C" {

int qs9FormatValue(const char* name, char* text, uint32_t capacity)
{
    Found found;
    if (const int status = findValue(name, found); status != QS9_OK)
        return status;
    const std::string value = formatValue(found);
    if (text == nullptr || value.size() >= capacity)
        return fail(QS9_ERROR_NO_ROOM, "the value of " + quoted(name) + " needs " +
                                           std::to_string(value.size() + 1) + " bytes");
    std::memcpy(text, value.c_str(), value.size() + 1);
    return QS9_OK;
}

int qs9ReadValue(const char* name, int64_t* value)
{
    Found found;
    if (const int status = findValue(name, found); status != QS9_OK)
        return status;
    if (!isWholeNumber(found.row->kind))
        return notNumber(name, found.row->kind);
    if (value == nullptr)
        return fail(QS9_ERROR_NO_ROOM, "no place given for the value of " + quoted(name));
    *value = readNumber(found.row->kind, found.at);
    return QS9_OK;
}

int qs9WriteValue(const char* name, int64_t value)
{
    Found found;
    if (const int status = findValue(name, found); status != QS9_OK)
        return status;
    return writeFound(name, found, value);
}

int qs9SetValue(const char* name, int64_t value)
{
    Found found;
    if (const int status = findValue(name, found); status != QS9_OK)
        return status;
    if (!settable(*found.row))
        return fail(QS9_ERROR_NOT_SETTABLE,
                    quoted(name) + " cannot be set: only settings fields and " + settableInputs() + " can");
    return writeFound(name, found, value);
}

const char* qs9HostInputName(int index)
{
    const NamedValue* value = index >= 0 ? hostInput(index) : nullptr;
    return value ? value->name : nullptr;
}

const char* qs9LastError(void) { return lastError.c_str(); }

} // extern "C"
