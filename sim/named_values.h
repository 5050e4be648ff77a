// Firmware globals and settings fields by their design names, for the
// runner's "print" and the named-value calls of sim/simulator.h. Each
// subsystem lists its own in names_*.cpp.
#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <type_traits>

struct PressureSettings;

// screen: a screen handler, printed by name; pressureRecord: a pointer to a
// PressureSettings record, printed as the record it points at; text: a text
// that sim/ works out from the firmware when it is read (a sender reading).
enum class ValueKind : uint8_t { u8, u16, u32, i8, i16, i32, f32, screen, pressureRecord, text };

struct NamedValue {
    const char* name;      // "flowRate1", "settings.tank1Cal" (arrays: index with [i])
    const void* address;   // the value, or an array's first element
    ValueKind kind;
    uint16_t count;        // 1 for a scalar, else the array length
    uint16_t stride = 0;   // bytes from one array element to the next; 0 for a scalar
    bool readOnly = false; // a constant of the firmware
    bool decidesFuelConfig = false; // the fuel configuration code is derived from it
    bool hostInput = false;         // an input that a host may set (no window control drives it)
    const void* negativeHalf = nullptr; // a table that also takes negative indices: element -i
    std::string (*text)(const void* address) = nullptr; // works out a text value from its address
};

// A text worked out from `source` each time it is read; never written.
inline NamedValue namedText(const char* name, const void* source, std::string (*text)(const void*))
{
    NamedValue value{name, source, ValueKind::text, 1};
    value.readOnly = true;
    value.text = text;
    return value;
}

template <typename T>
constexpr ValueKind kindOf()
{
    using U = std::remove_cv_t<T>;
    if constexpr (std::is_same_v<U, uint8_t>) return ValueKind::u8;
    else if constexpr (std::is_same_v<U, uint16_t>) return ValueKind::u16;
    else if constexpr (std::is_same_v<U, uint32_t>) return ValueKind::u32;
    else if constexpr (std::is_same_v<U, int8_t>) return ValueKind::i8;
    else if constexpr (std::is_same_v<U, int16_t>) return ValueKind::i16;
    else if constexpr (std::is_same_v<U, int32_t>) return ValueKind::i32;
    else if constexpr (std::is_same_v<U, float>) return ValueKind::f32;
    else if constexpr (std::is_same_v<U, PressureSettings*>) return ValueKind::pressureRecord;
    else if constexpr (std::is_same_v<U, void (*)()>) return ValueKind::screen;
    else static_assert(sizeof(U) == 0, "add this type to ValueKind");
}

template <typename T>
NamedValue named(const char* name, T& value)
{
    constexpr bool constant = std::is_const_v<std::remove_all_extents_t<T>>;
    if constexpr (std::is_array_v<T>)
        return {name, &value, kindOf<std::remove_extent_t<T>>(), std::extent_v<T>,
                sizeof(value[0]), constant};
    else
        return {name, &value, kindOf<T>(), 1, 0, constant};
}

// One field of an array of records; the name marks the index with "[]":
// namedField("settings.pressure.userCurve.points[].adc", points, &CurvePoint::adc)
// prints as settings.pressure.userCurve.points[3].adc.
template <typename Record, std::size_t N, typename Field>
NamedValue namedField(const char* name, Record (&records)[N], Field Record::*field)
{
    return {name, &(records[0].*field), kindOf<Field>(), N, sizeof(Record)};
}

// A setting that deriving the fuel configuration code reads: the flow
// channels, the flow mode, the tank modes, and the K-factors it copies from
// one channel to the other when one flow feeds two tanks.
inline NamedValue decidingFuelConfig(NamedValue value)
{
    value.decidesFuelConfig = true;
    return value;
}

// An input that no window control drives, which a host sets by name.
inline NamedValue settableInput(NamedValue value)
{
    value.hostInput = true;
    return value;
}

// A table of angles -N..N kept as two halves: name[i] is positive[i],
// name[-i] is negative[i].
template <std::size_t N>
NamedValue signedTable(const char* name, float (&positive)[N], float (&negative)[N])
{
    NamedValue value = named(name, positive);
    value.negativeHalf = negative;
    return value;
}

std::span<const NamedValue> displayNames();
std::span<const NamedValue> coreNames();
std::span<const NamedValue> screenNames();
std::span<const NamedValue> simulatorNames();
std::span<const NamedValue> settingsNames();
std::span<const NamedValue> readingNames();
std::span<const NamedValue> inputNames();
