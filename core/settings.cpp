#include "core/settings.h"

#include "core/fuel_configs.h"

Settings settings;
uint8_t fuelConfig;

namespace {

uint8_t configWithoutFlow(uint8_t t1, uint8_t t2)
{
    if (t1 == tankModeSender && t2 == tankModeSender) return configTwoTankSenders;
    if (t1 == tankModeSender && t2 == tankModeOff) return configTank1Sender;
    if (t2 == tankModeSender && t1 == tankModeOff) return configTank2Sender;
    return configInvalid;
}

// Flow only: tank volumes are not shown, so the litre resolution falls back to 1 L.
uint8_t configWithoutTank(bool f1, bool f2)
{
    settings.litreResolution = 0;
    if (f1 && f2) return settings.flowMode != flowModeDual ? configCombinedFlows : configDualFlows;
    return f1 ? configFlow1Only : configFlow2Only;
}

uint8_t configWithBothFlows(uint8_t t1, uint8_t t2)
{
    bool combined = settings.flowMode != flowModeDual;
    if (tankInUse(t1) && tankInUse(t2)) return combined ? configSharedFlowTwoTanks : configDualFlowsTwoTanks;
    if (tankInUse(t1)) return combined ? configCombinedFlowsTank1 : configInvalid;
    return combined ? configCombinedFlowsTank2 : configInvalid;
}

// One flow feeding two tanks: a calculated tank counts the enabled channel's
// pulses, so both channels take its K-factor.
uint8_t configWithOneFlow(bool f1, uint8_t t1, uint8_t t2)
{
    if (tankInUse(t1) && tankInUse(t2)) {
        if (t1 == tankModeSender && t2 == tankModeSender) return configSharedFlowTwoTanks;
        if (f1)
            settings.kFactor2 = settings.kFactor1;
        else
            settings.kFactor1 = settings.kFactor2;
        return configOneFlowTwoTanks;
    }
    if (f1 && tankInUse(t1)) return configFlow1Tank1;
    if (!f1 && tankInUse(t2)) return configFlow2Tank2;
    return configInvalid;
}

} // namespace

void deriveFuelConfig()
{
    bool f1 = settings.flow1Enabled != 0;
    bool f2 = settings.flow2Enabled != 0;
    uint8_t t1 = settings.tank1Mode;
    uint8_t t2 = settings.tank2Mode;
    if (!f1 && !f2)
        fuelConfig = configWithoutFlow(t1, t2);
    else if (t1 == tankModeOff && t2 == tankModeOff)
        fuelConfig = configWithoutTank(f1, f2);
    else if (f1 && f2)
        fuelConfig = configWithBothFlows(t1, t2);
    else
        fuelConfig = configWithOneFlow(f1, t1, t2);
}
