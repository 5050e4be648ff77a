#include "core/core_state.h"

#include "core/alarms.h"
#include "core/fuel_flow.h"
#include "core/fuel_pressure.h"
#include "core/keys_and_time.h"
#include "core/range_endurance.h"
#include "core/sensor_inputs.h"
#include "core/settings.h"
#include "core/tank_level.h"

void resetCoreState()
{
    settings = Settings{};
    fuelConfig = 0;

    vrax = VraxData{};
    vraxEnabled = vraxFlowValid = 0;
    canDeviceC = canDeviceA = 0;
    vraxFlowPeriod = 0;
    flow1Input = flow2Input = level1Input = level2Input = 0;
    pressureInput = pressureLoopInput = lightSensorInput = 0;
    for (auto& count : injectorCounts)
        count = 0;
    gpsSpeedValid = 0;
    gpsSpeed = 0;

    pendingKey = 0;
    blinkTicks = blinkPhase = slowTicks = alarmHoldOff = headerCycle = 0;

    used1Pulses = used2Pulses = tank1Pulses = tank2Pulses = 0;
    flow1Sample = flow2Sample = flowRate1 = flowRate2 = 0;
    fuelUsed1 = fuelUsed2 = 0;
    tank1Level = tank2Level = 0;
    rangeValue = enduranceMinutes = 0;
    alarmFlags = alarmAcked = 0;

    level1Raw = level2Raw = 0;
    level1Fail = level2Fail = 0;
    level1FilterAcc = level2FilterAcc = 0; // power-on leaves these alone
    pressureRaw = 0;
    pressureFail = 0;
    pressureValue = 0;
}
