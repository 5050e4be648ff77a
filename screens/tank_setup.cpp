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
const char* const noYes[] = {"NO", "YES"};
const char* const filterNames[] = {"NONE", "LOW", "MED", "HIGH"};
const char* const litreResolutionNames[] = {"1L", "0.1L"};

constexpr int32_t largestTankSize = 999;

// A volume in the unit the tank is set up in: whole litres, tenths of a
// litre or tenths of a gallon.
const char* volumeText(const TankSetup& setup, int16_t volume)
{
    if (unitsAreGallons())
        return formatValue(setup.gallonFormat, volume * 0.1);
    if (settings.litreResolution != 0)
        return formatValue("%.1fL", volume * 0.1);
    return formatValue("%dL", volume);
}

const StepLegend* volumeSteps() { return volumeInTenths() ? &tenthStepLegend : &wholeStepLegend; }

template <const TankSetup& setup>
bool inUse()
{
    return tankInUse(settings.*setup.tank.mode);
}

template <const TankSetup& setup>
bool bySender()
{
    return settings.*setup.tank.mode == tankModeSender;
}

template <const TankSetup& setup>
bool litreResolutionShown()
{
    return inUse<setup>() && !unitsAreGallons();
}

// A level stepped by editStep within 0 .. the tank's size, wrapping.
template <const TankSetup& setup, int16_t Settings::*level>
constexpr SetupRow levelRow(const char* label)
{
    return {.label = label,
            .value = [] { return volumeText(setup, settings.*level); },
            .change =
                [](int8_t d) {
                    int16_t& value = settings.*level;
                    value = static_cast<int16_t>(stepWrapped(value, d, 0, settings.*setup.tank.size));
                },
            .shown = inUse<setup>,
            .legend = volumeSteps};
}

template <const TankSetup& setup>
bool openCalibration()
{
    calibrationMode = calibrationBySender;
    menuTop = 0;
    menuCursor = 0;
    currentScreen = setup.calibrationScreen;
    return true;
}

void leaveTankSetup()
{
    menuCursor = setupReturnRow;
    menuEditing = 0;
    currentScreen = fuelSetupScreen;
}

template <const TankSetup& setup>
const SetupRow tankRows[] = {
    optionRow<setup.tank.mode, tankModeNames>("TANK: "),
    {.label = "TANK SIZE: ",
     .value = [] { return volumeText(setup, settings.*setup.tank.size); },
     .change =
         [](int8_t d) {
             int16_t& size = settings.*setup.tank.size;
             size = static_cast<int16_t>(stepWrapped(size, d, 0, largestTankSize));
         },
     .shown = inUse<setup>,
     .legend = volumeSteps},
    levelRow<setup, setup.tank.lowCaution>("LOW CAUTION: "),
    switchRow<setup.tank.lowAlarmOn, offOnNames>("LOW ALARM: ", inUse<setup>),
    levelRow<setup, setup.tank.lowAlarm>("LOW ALARM: "),
    switchRow<setup.tank.addToRange, noYes>("ADD TO RANGE: ", inUse<setup>),
    {.label = "CALIBRATE TANK", .press = openCalibration<setup>, .shown = bySender<setup>},
    optionRow<setup.tank.filter, filterNames>(setup.filterLabel, bySender<setup>),
    switchRow<&Settings::litreResolution, litreResolutionNames>("LITRE RES: ", litreResolutionShown<setup>),
};

template <const TankSetup& setup>
const SetupList tankList = {setup.title,           "SETUP",
                            tankRows<setup>,       std::size(tankRows<setup>),
                            RowKeys::afterDrawing, StepKey::legendRowsOnly,
                            100,                  leaveTankSetup};

} // namespace

const SetupList& tankSetupList(uint8_t tank) { return tank == 2 ? tankList<tank2Setup> : tankList<tank1Setup>; }

void tank1SetupScreen() { runSetupList(tankList<tank1Setup>); }
void tank2SetupScreen() { runSetupList(tankList<tank2Setup>); }
