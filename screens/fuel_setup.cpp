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
bool injectorRowShown() { return eitherFlow() && injectorSender(); }
// Combining two channels (DIFF, SUM) needs two pulse senders.
bool flowModeRowShown() { return settings.flow1Enabled != 0 && settings.flow2Enabled != 0 && !injectorSender(); }

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
    resetMenuState(0);
    currentScreen = screen;
}

template <ScreenHandler screen>
bool openFromRow()
{
    openSetupScreen(screen);
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

// A flow channel's K-factor, shown while the channel is on.
template <uint8_t Settings::*enabled, uint16_t Settings::*kFactor>
constexpr SetupRow kFactorRow(const char* label)
{
    return {.label = label,
            .value = [] { return formatValue("%u", settings.*kFactor); },
            .change = [](int8_t d) { settings.*kFactor = steppedKFactor(settings.*kFactor, d); },
            .shown = [] { return settings.*enabled != 0; },
            .legend = kFactorSteps};
}

const SetupRow fuelRows[] = {
    optionRow<&Settings::units, unitNames>("UNIT: "),
    switchRow<&Settings::flow1Enabled, offOnNames>("FLOW 1: "),
    kFactorRow<&Settings::flow1Enabled, &Settings::kFactor1>("K-FACTOR 1: "),
    switchRow<&Settings::flow2Enabled, offOnNames>("FLOW 2: "),
    kFactorRow<&Settings::flow2Enabled, &Settings::kFactor2>("K-FACTOR 2: "),
    {.label = "MODE: ",
     .value = [] { return optionText(senderNames, settings.flowSenderType); },
     .change = changeSenderType,
     .shown = eitherFlow},
    switchRow<&Settings::injectorPolarity, polarityNames>("INJECTOR: ", injectorRowShown),
    optionRow<&Settings::flowMode, flowModeNames>("FLOW MODE: ", flowModeRowShown),
    {.label = "TANK 1 SETUP", .press = openFromRow<tank1SetupScreen>},
    {.label = "TANK 2 SETUP", .press = openFromRow<tank2SetupScreen>},
    {.label = "FUEL PRESS SETUP", .press = openPressureSetup},
    optionRow<&Settings::nmeaBaud, baudNames>("NMEA BAUD: "),
    switchRow<&Settings::dataSource, dataSourceNames>("DATA: "),
    {.label = "VRAX ADDRESS: ",
     .value = [] { return formatValue("%d", settings.vraxAddress + 1); },
     .change = [](int8_t d) { settings.vraxAddress = nextOption(settings.vraxAddress, vraxAddresses, d); },
     .shown = [] { return settings.dataSource == dataSourceVrax; }},
};

const SetupList fuelList = {"FUEL", "SETUP", fuelRows, std::size(fuelRows),
                            RowKeys::whileDrawing, StepKey::anyRow, 100, leaveFuelSetup};

} // namespace

const SetupList& fuelSetupList() { return fuelList; }

void fuelSetupScreen() { runSetupList(fuelList); }
