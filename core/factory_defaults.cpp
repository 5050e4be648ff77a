#include "core/sender_curves.h"
#include "core/settings.h"

namespace {

// Every setting as the instrument leaves the factory, but the user curve
// (copied from the sender table) and pressure.spare (left as it is).
const Settings factorySettings = {
    .backlightMode = 0,
    .backlightLevel = 100,
    .backlightThreshold = 300,
    .backlightDim = 10,
    .backlightBright = 100,
    .securityEnabled = 0,
    .securityCode = 8052,
    .flowSenderType = flowSenderPulse,
    .nmeaBaud = 2,
    .cruiseSpeed = 50,
    .units = 0,
    .flow1Enabled = 1,
    .kFactor1 = 7000,
    .flow2Enabled = 0,
    .kFactor2 = 7000,
    .flowMode = flowModeDual,
    .tank1Mode = tankModeSender,
    .tank2Mode = tankModeOff,
    .injectorPolarity = 0,
    .tank1Size = 45,
    .tank1Filter = 3,
    .tank1LowAlarmOn = 1,
    .tank1LowAlarm = 10,
    .tank1LowCaution = 20,
    .tank1Cal = {809, 680, 520, 427, 356, 251},
    .tank2Size = 45,
    .tank2Filter = 3,
    .tank2LowAlarmOn = 1,
    .tank2LowAlarm = 10,
    .tank2LowCaution = 20,
    .tank2Cal = {809, 680, 520, 427, 356, 251},
    .tank1AddToRange = 1,
    .tank2AddToRange = 1,
    .litreResolution = 0,
    .dataSource = dataSourceInternal,
    .vraxAddress = 0,
    .pressureDisplay = 1,
    .pressure = {
        .senderType = 1,
        .curveKind = 2,
        .unit = 2,
        .pressureAt4mA = 0,
        .pressureAt20mA = 100,
        .spare = 0,
        .displayMax = 100,
        .displayMin = 0,
        .lowAlarm = 15,
        .lowAlarmOn = 1,
        .highAlarm = 80,
        .lowCaution = 25,
        .highCaution = 70,
        .highAlarmOn = 1,
        .umaModel = 0,
        .vdoModel = 2,
        .userCurve = {},
    },
};

} // namespace

Settings factoryDefaults(uint8_t spare)
{
    Settings defaults = factorySettings;
    defaults.pressure.spare = spare;
    defaults.pressure.userCurve = vdoCurve10Bar;
    return defaults;
}

// Measurements and totals are left alone: only the settings change.
void loadFactoryDefaults()
{
    settings = factoryDefaults(settings.pressure.spare);
    deriveFuelConfig();
    storeSettings();
}
