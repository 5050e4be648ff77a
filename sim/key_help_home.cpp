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

void left(TextOut& out, const void*)
{
    if (onTotalsPage())
        out << "reset the totals";
    else if (pushButtonEntriesOpen())
        out << "cruising speed";
}

// The entry of the calculated tank, tank 1 first.
void right(TextOut& out, const void*)
{
    if (onTotalsPage() || !pushButtonEntriesOpen())
        return;
    if (settings.tank1Mode == tankModeCalculated)
        out << "fuel level of tank 1";
    else if (settings.tank2Mode == tankModeCalculated)
        out << "fuel level of tank 2";
}

void press(TextOut& out, const void*) { out << (settings.securityEnabled == 1 ? "enter the set-up code" : "main menu"); }

void plus(TextOut& out, const void*)
{
    if (!onTotalsPage() && fuelTotalsToShow())
        out << "fuel totals";
}

void minus(TextOut& out, const void*)
{
    if (onTotalsPage())
        out << "leave the fuel totals";
}

const ScreenKeyHelp help[] = {
    {homeScreen, {worded(left), worded(right), worded(press), worded(plus), worded(minus)}, nullptr,
     alarmUnacknowledged},
};

} // namespace

std::span<const ScreenKeyHelp> homeKeyHelp() { return help; }
