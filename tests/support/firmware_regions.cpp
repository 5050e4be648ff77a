#include "tests/support/firmware_regions.h"

#include <algorithm>

#include "display/framebuffer.h"
#include "display/text.h"
#include "display/trig.h"
#include "screens/setup_screens.h"
#include "sim/last_pass.h"
#include "sim/named_values.h"
#include "sim/power_cycle.h"

namespace {

template <typename T>
Region regionOf(const char* global, T& value)
{
    return {global, reinterpret_cast<uint8_t*>(&value), sizeof value};
}

// Writable globals without a name.
std::vector<Region> unnamedGlobals()
{
    return {regionOf("frameBuffer", frameBuffer),           regionOf("textObserver", textObserver),
            regionOf("sinTablePositive", sinTablePositive), regionOf("sinTableNegative", sinTableNegative),
            regionOf("cosTablePositive", cosTablePositive), regionOf("cosTableNegative", cosTableNegative),
            regionOf("pressureEdit", pressureEdit),         regionOf("vraxBoxChecked", vraxBoxChecked),
            regionOf("lastPass", lastPass)};
}

size_t sizeOf(ValueKind kind)
{
    switch (kind) {
    case ValueKind::u8: case ValueKind::i8: return 1;
    case ValueKind::u16: case ValueKind::i16: return 2;
    case ValueKind::u32: case ValueKind::i32: case ValueKind::f32: return 4;
    case ValueKind::screen: return sizeof(void (*)());
    case ValueKind::pressureRecord: return sizeof(void*);
    }
    return 0;
}

// "settings.tank1Cal" and "calCurve.points[].adc" belong to settings and calCurve.
std::string globalOf(const char* name)
{
    const std::string full = name;
    return full.substr(0, full.find_first_of(".["));
}

} // namespace

std::vector<Region> writableRegions()
{
    std::vector<Region> regions;
    for (auto table : {displayNames(), coreNames(), screenNames(), simulatorNames(), settingsNames()})
        for (const NamedValue& value : table) {
            if (value.readOnly)
                continue;
            auto* first = static_cast<uint8_t*>(const_cast<void*>(value.address));
            for (uint16_t i = 0; i < value.count; ++i)
                regions.push_back({globalOf(value.name), first + i * value.stride, sizeOf(value.kind)});
        }
    for (const Region& region : unnamedGlobals())
        regions.push_back(region);
    return regions;
}

FirmwareSnapshot takeSnapshot(const std::vector<Region>& regions)
{
    FirmwareSnapshot snapshot;
    for (const Region& region : regions)
        snapshot.insert(snapshot.end(), region.bytes, region.bytes + region.size);
    return snapshot;
}

void restoreSnapshot(const std::vector<Region>& regions, const FirmwareSnapshot& snapshot)
{
    auto byte = snapshot.begin();
    for (const Region& region : regions) {
        std::copy_n(byte, region.size, region.bytes);
        byte += static_cast<std::ptrdiff_t>(region.size);
    }
}
