#include "sim/power_cycle.h"

#include "core/alarms.h"
#include "core/core_state.h"
#include "core/fuel_flow.h"
#include "core/fuel_pressure.h"
#include "core/keys_and_time.h"
#include "core/sensor_inputs.h"
#include "core/settings.h"
#include "core/tank_level.h"
#include "display/display_state.h"
#include "display/framebuffer.h"
#include "display/furniture.h"
#include "display/trig.h"
#include "screens/screen.h"
#include "screens/screen_state.h"
#include "sim/last_pass.h"
#include "sim/simulator.h"
#include "sim/storage_hooks.h"

uint8_t powerOff;
uint8_t switchedOn;
uint8_t vraxBoxChecked = 1;

void resetToProgramStart()
{
    resetDisplayState();
    resetCoreState();
    resetScreenState();
    resetStorageHookCounts();
    powerOff = 0;
    switchedOn = 0;
    vraxBoxChecked = 1;
    currentScreen = homeScreen;
    resetLastPass();
}

void powerOnSequence()
{
    powerOff = 0;
    switchedOn = 1;
    restoreSettings();
    loadFactoryDefaults();
    used1Pulses = used2Pulses = tank1Pulses = tank2Pulses = 0;
    currentScreen = homeScreen;
    buildTrigTables();
    editStep = 1;
    alarmHoldOff = 0;
    alarmFlags = alarmAcked = 0;
    pendingKey = 0;
    showTotals = 0;
    deriveFuelConfig();
}

void measurementSteps(bool vraxChecked, FlowStep flow)
{
    vraxEnabled = vraxChecked ? 1 : 0;
    measureTankLevel(1);
    measureTankLevel(2);
    if (flow == FlowStep::run)
        measureFuelFlow();
    measurePressure();
    if (settings.pressureDisplay == 0) {
        alarmFlags &= ~alarmPressure;
        alarmAcked &= ~alarmPressure;
    }
}

void firmwarePass(bool vraxChecked, FlowStep flow)
{
    beginPassRecord();
    measurementSteps(vraxChecked, flow);
    clearFrameBuffer();
    drawScreenRecorded();
}

extern "C" {

void qs9ProgramStart(void) { resetToProgramStart(); }
void qs9PowerOn(void) { powerOnSequence(); }
void qs9PowerOff(void)
{
    powerOff = 1;
    switchedOn = 0;
}
int qs9MainLoopRuns(void) { return powerOff == 0 ? 1 : 0; }
void qs9Pass(void) { firmwarePass(vraxBoxChecked != 0); }
void qs9PassWithoutFlow(void) { firmwarePass(vraxBoxChecked != 0, FlowStep::skip); }
void qs9Measure(void) { measurementSteps(vraxBoxChecked != 0); }
void qs9Tick(void) { timeBaseTick(); }

} // extern "C"
