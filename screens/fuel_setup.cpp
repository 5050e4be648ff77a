// The fuel set-up list: units, flow channels and K-factors, flow sender,
// flow mode, the tank and pressure set-ups, NMEA baud rate and data source.
// Rows act as soon as they are drawn, so a change shows at once in the rows
// below it (turning a flow off removes its K-factor row in the same frame).
#include <iterator>

#include "core/settings.h"
#include "display/furniture.h"
#include "screens/screen.h"
#include "screens/setup_list.h"
#include "screens/setup_screens.h"

uint8_t setupReturnRow;
PressureSettings* pressureEdit;

namespace {

const char* const unitNames[] = {"LITRE/SM", "GAL/SM", "LITRE/NM", "GAL/NM", "LITRE/KM", "GAL/KM"};
const char* const offOn[] = {"OFF", "ON"};
const char* const senderNames[] = {"FF SENDER", "INJECTOR"};
const char* const polarityNames[] = {"LOW", "HIGH"};
const char* const flowModeNames[] = {"DUAL", "DIFF", "SUM"};
const char* const baudNames[] = {"1200", "2400", "4800", "9600", "14400",
                                 "19200", "28800", "38400", "57600", "115200"};
const char* const dataSourceNames[] = {"INTERNAL", "VRAX"};
constexpr uint8_t vraxAddresses = 4;

// Sender pulses per litre.
constexpr int32_t lowestKFactor = 10;
constexpr int32_t highestKFactor = 60000;

bool eitherFlow() { return settings.flow1Enabled != 0 || settings.flow2Enabled != 0; }
bool injectorSender() { return settings.flowSenderType == flowSenderInjector; }

uint16_t steppedKFactor(uint16_t kFactor, int8_t direction)
{
    return static_cast<uint16_t>(stepWrapped(kFactor, direction, lowestKFactor, highestKFactor));
}

const StepLegend* kFactorSteps() { return &wholeStepLegend; }

// Injector timing has no combined modes: a switch to injectors goes back to DUAL.
void changeSenderType(int8_t)
{
    settings.flowSenderType = toggled(settings.flowSenderType);
    if (injectorSender())
        settings.flowMode = flowModeDual;
}

// Opens a set-up screen from its row; it comes back to that row.
void openSetupScreen(ScreenHandler screen)
{
    setupReturnRow = menuCursor;
    menuCursor = 0;
    menuTop = 0;
    editStep = 1;
    menuEditing = 0;
    currentScreen = screen;
}

bool openTank1Setup()
{
    openSetupScreen(tank1SetupScreen);
    return true;
}

bool openTank2Setup()
{
    openSetupScreen(tank2SetupScreen);
    return true;
}

bool openPressureSetup()
{
    pressureEdit = &settings.pressure;
    openSetupScreen(pressureSetupScreen);
    return true;
}

// Back to the FUEL SETUP page; the new flow and tank settings take effect now.
void leaveFuelSetup()
{
    currentScreen = mainMenuScreen;
    enterMenu(0);
    deriveFuelConfig();
}

const SetupRow fuelRows[] = {
    {.label = "UNIT: ",
     .value = [] { return optionText(unitNames, settings.units); },
     .change = [](int8_t d) { settings.units = nextOption(settings.units, std::size(unitNames), d); }},
    {.label = "FLOW 1: ",
     .value = [] { return optionText(offOn, settings.flow1Enabled); },
     .change = [](int8_t) { settings.flow1Enabled = toggled(settings.flow1Enabled); }},
    {.label = "K-FACTOR 1: ",
     .value = [] { return formatValue("%u", settings.kFactor1); },
     .change = [](int8_t d) { settings.kFactor1 = steppedKFactor(settings.kFactor1, d); },
     .shown = [] { return settings.flow1Enabled != 0; },
     .legend = kFactorSteps},
    {.label = "FLOW 2: ",
     .value = [] { return optionText(offOn, settings.flow2Enabled); },
     .change = [](int8_t) { settings.flow2Enabled = toggled(settings.flow2Enabled); }},
    {.label = "K-FACTOR 2: ",
     .value = [] { return formatValue("%u", settings.kFactor2); },
     .change = [](int8_t d) { settings.kFactor2 = steppedKFactor(settings.kFactor2, d); },
     .shown = [] { return settings.flow2Enabled != 0; },
     .legend = kFactorSteps},
    {.label = "MODE: ",
     .value = [] { return optionText(senderNames, settings.flowSenderType); },
     .change = changeSenderType,
     .shown = eitherFlow},
    {.label = "INJECTOR: ",
     .value = [] { return optionText(polarityNames, settings.injectorPolarity); },
     .change = [](int8_t) { settings.injectorPolarity = toggled(settings.injectorPolarity); },
     .shown = [] { return eitherFlow() && injectorSender(); }},
    {.label = "FLOW MODE: ",
     .value = [] { return optionText(flowModeNames, settings.flowMode); },
     .change = [](int8_t d) { settings.flowMode = nextOption(settings.flowMode, std::size(flowModeNames), d); },
     .shown = [] { return settings.flow1Enabled != 0 && settings.flow2Enabled != 0 && !injectorSender(); }},
    {.label = "TANK 1 SETUP", .press = openTank1Setup},
    {.label = "TANK 2 SETUP", .press = openTank2Setup},
    {.label = "FUEL PRESS SETUP", .press = openPressureSetup},
    {.label = "NMEA BAUD: ",
     .value = [] { return optionText(baudNames, settings.nmeaBaud); },
     .change = [](int8_t d) { settings.nmeaBaud = nextOption(settings.nmeaBaud, std::size(baudNames), d); }},
    {.label = "DATA: ",
     .value = [] { return optionText(dataSourceNames, settings.dataSource); },
     .change = [](int8_t) { settings.dataSource = toggled(settings.dataSource); }},
    {.label = "VRAX ADDRESS: ",
     .value = [] { return formatValue("%d", settings.vraxAddress + 1); },
     .change = [](int8_t d) { settings.vraxAddress = nextOption(settings.vraxAddress, vraxAddresses, d); },
     .shown = [] { return settings.dataSource == dataSourceVrax; }},
};

const SetupList fuelList = {"FUEL",          "SETUP",    fuelRows,      std::size(fuelRows),
                            RowKeys::whileDrawing, StepKey::anyRow, 100, leaveFuelSetup};

} // namespace

void fuelSetupScreen() { runSetupList(fuelList); }
