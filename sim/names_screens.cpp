#include "screens/entry_screens.h"
#include "screens/screen.h"
#include "screens/pressure_setup.h"
#include "screens/setup_screens.h"
#include "screens/tank_setup.h"
#include "sim/named_values.h"

std::span<const NamedValue> screenNames()
{
    static const NamedValue names[] = {
        named("currentScreen", currentScreen),
        named("showTotals", showTotals),
        named("digitEntry", digitEntry),
        named("manualLevel1", manualLevel1),
        named("manualLevel2", manualLevel2),
        named("setupReturnRow", setupReturnRow),
        named("calibrationMode", calibrationMode),
        named("slopeErrorReturnScreen", slopeErrorReturnScreen),
        named("pressureEdit", pressureEdit),
        named("calCurve.count", calCurve.count),
        namedField("calCurve.points[].value", calCurve.points, &CurvePoint::value),
        namedField("calCurve.points[].adc", calCurve.points, &CurvePoint::adc),
    };
    return names;
}
