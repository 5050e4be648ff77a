// The fuel-pressure set-up list: pressure display on or off, the sender or a
// user curve, the unit, the display range and the alarm and caution limits.
// Rows act as soon as they are drawn, so a change of sender or display shows
// at once in the rows below it.
#include <iterator>

#include "core/settings.h"
#include "display/furniture.h"
#include "screens/pressure_setup.h"
#include "screens/setup_list.h"
#include "screens/setup_screens.h"

namespace {

const char* const senderTypeNames[] = {"VDO", "UMA", "LINEAR"};
const char* const vdoModelNames[] = {"2 bar", "5 bar", "10 bar"};
const char* const umaModelNames[] = {"N1EU07", "N1EU35", "N1EU100"};
const char* const unitNames[] = {"bar", "psi", "psi(0.1)"};

const StepLegend tenthPressureSteps = {{"X0.1", "X1.0", "X10.0", nullptr}};

uint8_t unit() { return editedPressure().unit; }

bool displayOn() { return settings.pressureDisplay != 0; }
bool curveIs(uint8_t kind) { return displayOn() && editedPressure().curveKind == kind; }
bool senderIs(uint8_t type) { return curveIs(pressureCurveBySender) && editedPressure().senderType == type; }
bool vdoModelShown() { return curveIs(pressureCurveVdoModel); }
bool userCurveShown() { return curveIs(pressureCurveUser); }
bool umaModelShown() { return senderIs(pressureSenderUma); }

// A VDO sender reads through a VDO model or the user curve; the other
// senders through their own curve or the user curve.
uint8_t familyCurve()
{
    return editedPressure().senderType == pressureSenderVdo ? pressureCurveVdoModel : pressureCurveBySender;
}

void keepCurveKindInSenderFamily()
{
    uint8_t& kind = editedPressure().curveKind;
    if (kind == pressureCurveVdoModel || kind == pressureCurveBySender)
        kind = familyCurve();
}

const char* senderText()
{
    const PressureSettings& pressure = editedPressure();
    if (pressure.curveKind == pressureCurveUser)
        return "USER";
    if (pressure.curveKind == pressureCurveVdoModel)
        return senderTypeNames[pressureSenderVdo];
    return optionText(senderTypeNames, pressure.senderType);
}

void changeSender(int8_t)
{
    uint8_t& kind = editedPressure().curveKind;
    kind = kind == pressureCurveUser ? familyCurve() : pressureCurveUser;
}

// A pressure in the unit's counts, with or without a space before the unit word.
const char* pressureText(int16_t count, bool spaced)
{
    const char* separator = spaced ? " " : "";
    if (unit() == pressureUnitPsi)
        return formatValue("%d%s%s", count, separator, pressureUnitWord(unit()));
    return formatValue("%.1f%s%s", count * 0.1, separator, pressureUnitWord(unit()));
}

const StepLegend* pressureSteps() { return unit() == pressureUnitPsi ? &wholeStepLegend : &tenthPressureSteps; }

bool openSenderCalibration()
{
    PressureSettings& pressure = editedPressure();
    if (pressure.curveKind == pressureCurveUser) {
        menuCursor = 0;
        calCurve = pressure.userCurve;
        messageReturnScreen = pressureSetupScreen;
        currentScreen = senderCalibrationScreen;
    }
    return true;
}

void leavePressureSetup()
{
    menuCursor = setupReturnRow;
    currentScreen = fuelSetupScreen;
    menuTop = 0;
    menuEditing = 0;
}

template <uint8_t PressureSettings::*field, const auto& options>
constexpr SetupRow pressureOptionRow(const char* label, bool (*shown)())
{
    return {.label = label,
            .value = [] { return optionText(options, editedPressure().*field); },
            .change =
                [](int8_t d) {
                    uint8_t& value = editedPressure().*field;
                    value = nextOption(value, std::size(options), d);
                },
            .shown = shown};
}

// A pressure stepped by editStep within lowest .. the unit's largest count,
// wrapping to the other end.
template <int16_t PressureSettings::*field, int16_t lowest, bool spaced>
constexpr SetupRow pressureRow(const char* label, bool (*shown)() = displayOn)
{
    return {.label = label,
            .value = [] { return pressureText(editedPressure().*field, spaced); },
            .change =
                [](int8_t d) {
                    int16_t& value = editedPressure().*field;
                    value = static_cast<int16_t>(stepWrapped(value, d, lowest, largestPressure(unit())));
                },
            .shown = shown,
            .legend = pressureSteps};
}

// The 4-20 mA pressures may be 0; the limits start at 1.
template <int16_t PressureSettings::*field>
constexpr SetupRow loopRow(const char* label)
{
    return pressureRow<field, 0, true>(label, [] { return senderIs(pressureSenderLinear); });
}
template <int16_t PressureSettings::*field, bool spaced = true>
constexpr SetupRow limitRow(const char* label)
{
    return pressureRow<field, 1, spaced>(label);
}

const SetupRow pressureRows[] = {
    switchRow<&Settings::pressureDisplay, offOnNames>("FP DISPLAY: "),
    {.label = "SENDER: ", .value = senderText, .change = changeSender, .shown = displayOn},
    pressureOptionRow<&PressureSettings::vdoModel, vdoModelNames>("MODEL: ", vdoModelShown),
    {.label = "CALIBRATE SENDER", .press = openSenderCalibration, .shown = userCurveShown},
    pressureOptionRow<&PressureSettings::umaModel, umaModelNames>("MODEL: ", umaModelShown),
    loopRow<&PressureSettings::pressureAt4mA>("PR@4mA: "),
    loopRow<&PressureSettings::pressureAt20mA>("PR@20mA: "),
    {.label = "PRESS UNIT: ",
     .value = [] { return optionText(unitNames, unit()); },
     .change =
         [](int8_t d) {
             editedPressure().unit = nextOption(unit(), std::size(unitNames), d);
             clampPressureLimits();
         },
     .shown = displayOn},
    limitRow<&PressureSettings::displayMax>("DISP MAX: "),
    limitRow<&PressureSettings::displayMin>("DISP MIN: "),
    pressureOptionRow<&PressureSettings::highAlarmOn, offOnNames>("HIGH ALARM: ", displayOn),
    limitRow<&PressureSettings::highAlarm>("HIGH ALM: "),
    limitRow<&PressureSettings::highCaution, false>("HIGH CAUTN: "),
    limitRow<&PressureSettings::lowCaution, false>("LOW CAUTN: "),
    pressureOptionRow<&PressureSettings::lowAlarmOn, offOnNames>("LOW ALARM: ", displayOn),
    limitRow<&PressureSettings::lowAlarm>("LOW ALM: "),
};

const SetupList pressureList = {"FUEL",        "PRESSURE",      pressureRows,
                                std::size(pressureRows), RowKeys::whileDrawing, StepKey::anyRow,
                                100,           leavePressureSetup};

} // namespace

PressureSettings& editedPressure()
{
    if (pressureEdit == nullptr)
        pressureEdit = &settings.pressure;
    return *pressureEdit;
}

const char* pressureUnitWord(uint8_t unit) { return unit == pressureUnitBar ? "bar" : "psi"; }

void clampPressureLimits()
{
    PressureSettings& pressure = editedPressure();
    const int16_t largest = largestPressure(pressure.unit);
    for (int16_t* limit : {&pressure.displayMax, &pressure.displayMin, &pressure.lowAlarm, &pressure.highAlarm,
                           &pressure.lowCaution, &pressure.highCaution}) {
        if (*limit > largest)
            *limit = largest;
        if (*limit < 1)
            *limit = 1;
    }
}

const SetupList& pressureSetupList() { return pressureList; }

void pressureSetupScreen()
{
    if (displayOn())
        keepCurveKindInSenderFamily();
    runSetupList(pressureList);
}
