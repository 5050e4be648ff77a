#include "sim/named_values.h"
#include "sim/power_cycle.h"
#include "sim/storage_hooks.h"

std::span<const NamedValue> simulatorNames()
{
    static const NamedValue names[] = {
        named("powerOff", powerOff),
        named("storeSettingsCalls", storeSettingsCalls),
        named("storeTotalsCalls", storeTotalsCalls),
    };
    return names;
}
