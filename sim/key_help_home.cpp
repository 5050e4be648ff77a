// The home screen's keys: they depend on the fuel configuration (which
// pages, totals and entries it has), the totals page, the set-up lock and
// an alarm not yet acknowledged, which the next key is spent on.
#include "core/alarms.h"
#include "core/settings.h"
#include "screens/home_screen.h"
#include "sim/key_help.h"

namespace {

bool alarmUnacknowledged()
{
    return (alarmFlags & ~alarmAcked & (alarmTank1Low | alarmTank2Low | alarmPressure)) != 0;
}

bool onTotalsPage() { return showTotals != 0; }

std::string left()
{
    if (onTotalsPage())
        return "reset the totals";
    return pushButtonEntriesOpen() ? "cruising speed" : "";
}

// The entry of the calculated tank, tank 1 first.
std::string right()
{
    if (onTotalsPage() || !pushButtonEntriesOpen())
        return "";
    if (settings.tank1Mode == tankModeCalculated)
        return "fuel level of tank 1";
    return settings.tank2Mode == tankModeCalculated ? "fuel level of tank 2" : "";
}

std::string press() { return settings.securityEnabled == 1 ? "enter the set-up code" : "main menu"; }

std::string plus() { return !onTotalsPage() && fuelTotalsToShow() ? "fuel totals" : ""; }

std::string minus() { return onTotalsPage() ? "leave the fuel totals" : ""; }

const ScreenKeyHelp help[] = {
    {homeScreen, {left, right, press, plus, minus}, alarmUnacknowledged},
};

} // namespace

std::span<const ScreenKeyHelp> homeKeyHelp() { return help; }
