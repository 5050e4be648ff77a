#include "screens/screen.h"
#include "tools/script/named_values.h"

std::span<const NamedValue> screenNames()
{
    static const NamedValue names[] = {
        named("currentScreen", currentScreen),
        named("showTotals", showTotals),
        named("digitEntry", digitEntry),
    };
    return names;
}
