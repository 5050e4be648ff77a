#include "core/alarms.h"
#include "core/fuel_flow.h"
#include "core/fuel_pressure.h"
#include "core/keys_and_time.h"
#include "core/range_endurance.h"
#include "core/sensor_inputs.h"
#include "core/settings.h"
#include "core/tank_level.h"
#include "sim/named_values.h"

std::span<const NamedValue> coreNames()
{
    static const NamedValue names[] = {
        named("fuelConfig", fuelConfig),
        named("pendingKey", pendingKey),
        named("blinkTicks", blinkTicks),
        named("blinkPhase", blinkPhase),
        named("slowTicks", slowTicks),
        named("alarmHoldOff", alarmHoldOff),
        named("headerCycle", headerCycle),
        named("vraxEnabled", vraxEnabled),
        settableInput(named("canDeviceC", canDeviceC)),
        settableInput(named("canDeviceA", canDeviceA)),
        named("firmwareVersion", firmwareVersion),
        named("vraxFlowValid", vraxFlowValid),
        named("vraxFlowPeriod", vraxFlowPeriod),
        named("vrax.flow1", vrax.flow1),
        named("vrax.flow2", vrax.flow2),
        named("vrax.duty1", vrax.duty1),
        named("vrax.duty2", vrax.duty2),
        settableInput(named("vrax.level1", vrax.level1)),
        settableInput(named("vrax.level2", vrax.level2)),
        settableInput(named("vrax.pressure", vrax.pressure)),
        named("flow1Input", flow1Input),
        named("flow2Input", flow2Input),
        named("level1Input", level1Input),
        named("level2Input", level2Input),
        named("pressureInput", pressureInput),
        settableInput(named("pressureLoopInput", pressureLoopInput)),
        settableInput(named("lightSensorInput", lightSensorInput)),
        named("injectorCounts", injectorCounts),
        settableInput(named("gpsSpeedValid", gpsSpeedValid)),
        settableInput(named("gpsSpeed", gpsSpeed)),
        named("used1Pulses", used1Pulses),
        named("used2Pulses", used2Pulses),
        named("tank1Pulses", tank1Pulses),
        named("tank2Pulses", tank2Pulses),
        named("alarmFlags", alarmFlags),
        named("alarmAcked", alarmAcked),
        named("flow1Sample", flow1Sample),
        named("flow2Sample", flow2Sample),
        named("flowRate1", flowRate1),
        named("flowRate2", flowRate2),
        named("fuelUsed1", fuelUsed1),
        named("fuelUsed2", fuelUsed2),
        named("tank1Level", tank1Level),
        named("tank2Level", tank2Level),
        named("rangeValue", rangeValue),
        named("enduranceMinutes", enduranceMinutes),
        // fuel level and fuel pressure
        named("level1Raw", level1Raw),
        named("level2Raw", level2Raw),
        named("level1Fail", level1Fail),
        named("level2Fail", level2Fail),
        named("level1FilterAcc", level1FilterAcc),
        named("level2FilterAcc", level2FilterAcc),
        named("pressureRaw", pressureRaw),
        named("pressureFail", pressureFail),
        named("pressureValue", pressureValue),
        // settings fields are listed in names_settings.cpp
    };
    return names;
}
