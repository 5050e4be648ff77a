#include "host/power_cycle.h"
#include "tools/script/named_values.h"

std::span<const NamedValue> hostNames()
{
    static const NamedValue names[] = {
        named("powerOff", powerOff),
    };
    return names;
}
