#include "screens/screen.h"
#include "screens/setup_screens.h"
#include "tools/script/named_values.h"

std::span<const NamedValue> screenNames()
{
    static const NamedValue names[] = {
        named("currentScreen", currentScreen),
        named("showTotals", showTotals),
        named("digitEntry", digitEntry),
        named("setupReturnRow", setupReturnRow),
    };
    return names;
}
