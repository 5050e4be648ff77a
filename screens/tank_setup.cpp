// The tank set-up lists: how the tank is measured, its size, the low caution
// and low alarm levels, whether it counts for range, the calibration entry,
// the level filter and the litre resolution. Rows keep their places: hiding
// the rows of a tank that is not in use only cuts the list short, so the
// cursor row acts once the whole list is drawn.
#include <iterator>

#include "core/settings.h"
#include "display/furniture.h"
#include "screens/setup_list.h"
#include "screens/setup_screens.h"
#include "screens/tank_setup.h"

namespace {

const char* const tankModeNames[] = {"SENDER", "CALCULATED", "OFF"};
const char* const offOn[] = {"OFF", "ON"};
const char* const noYes[] = {"NO", "YES"};
const char* const filterNames[] = {"NONE", "LOW", "MED", "HIGH"};
const char* const litreResolutionNames[] = {"1L", "0.1L"};

constexpr int32_t largestTankSize = 999;

// A volume in the unit the tank is set up in: whole litres, tenths of a
// litre or tenths of a gallon.
const char* volumeText(const TankFields& tank, int16_t volume)
{
    if (unitsAreGallons())
        return formatValue(tank.gallonFormat, volume * 0.1);
    if (settings.litreResolution != 0)
        return formatValue("%.1fL", volume * 0.1);
    return formatValue("%dL", volume);
}

const StepLegend* volumeSteps() { return volumeInTenths() ? &tenthStepLegend : &wholeStepLegend; }

template <const TankFields& tank>
bool inUse()
{
    return tankInUse(settings.*tank.mode);
}

template <const TankFields& tank>
bool bySender()
{
    return settings.*tank.mode == tankModeSender;
}

template <const TankFields& tank>
bool litreResolutionShown()
{
    return inUse<tank>() && !unitsAreGallons();
}

// A level stepped by editStep within 0 .. the tank's size, wrapping.
template <const TankFields& tank, int16_t Settings::*level>
constexpr SetupRow levelRow(const char* label)
{
    return {.label = label,
            .value = [] { return volumeText(tank, settings.*level); },
            .change =
                [](int8_t d) {
                    settings.*level = static_cast<int16_t>(stepWrapped(settings.*level, d, 0, settings.*tank.size));
                },
            .shown = inUse<tank>,
            .legend = volumeSteps};
}

template <const TankFields& tank>
bool openCalibration()
{
    calibrationMode = calibrationBySender;
    menuTop = 0;
    menuCursor = 0;
    currentScreen = tank.calibrationScreen;
    return true;
}

void leaveTankSetup()
{
    menuCursor = setupReturnRow;
    menuEditing = 0;
    currentScreen = fuelSetupScreen;
}

template <const TankFields& tank>
const SetupRow tankRows[] = {
    optionRow<tank.mode, tankModeNames>("TANK: "),
    {.label = "TANK SIZE: ",
     .value = [] { return volumeText(tank, settings.*tank.size); },
     .change =
         [](int8_t d) {
             settings.*tank.size = static_cast<int16_t>(stepWrapped(settings.*tank.size, d, 0, largestTankSize));
         },
     .shown = inUse<tank>,
     .legend = volumeSteps},
    levelRow<tank, tank.lowCaution>("LOW CAUTION: "),
    switchRow<tank.lowAlarmOn, offOn>("LOW ALARM: ", inUse<tank>),
    levelRow<tank, tank.lowAlarm>("LOW ALARM: "),
    switchRow<tank.addToRange, noYes>("ADD TO RANGE: ", inUse<tank>),
    {.label = "CALIBRATE TANK", .press = openCalibration<tank>, .shown = bySender<tank>},
    optionRow<tank.filter, filterNames>(tank.filterLabel, bySender<tank>),
    switchRow<&Settings::litreResolution, litreResolutionNames>("LITRE RES: ", litreResolutionShown<tank>),
};

template <const TankFields& tank>
const SetupList tankList = {tank.title,           "SETUP",
                            tankRows<tank>,       std::size(tankRows<tank>),
                            RowKeys::afterDrawing, StepKey::legendRowsOnly,
                            100,                  leaveTankSetup};

} // namespace

void tank1SetupScreen() { runSetupList(tankList<tank1Fields>); }
void tank2SetupScreen() { runSetupList(tankList<tank2Fields>); }
