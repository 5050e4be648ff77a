#include "sim/key_help.h"
#include "sim/named_values.h"
#include "sim/power_cycle.h"
#include "sim/simulator.h"
#include "sim/storage_hooks.h"

std::span<const NamedValue> simulatorNames()
{
    static const NamedValue names[] = {
        named("powerOff", powerOff),
        named("switchedOn", switchedOn),
        named("storeSettingsCalls", storeSettingsCalls),
        named("storeTotalsCalls", storeTotalsCalls),
        namedText("keyHelp", nullptr, [](const void*) { return std::string(keyHelpText()); }),
        namedText("displayText", nullptr, [](const void*) { return std::string(qs9DisplayText()); }),
    };
    return names;
}
