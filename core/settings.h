// Everything the pilot can configure, the derived fuel-system configuration
// code, and the points where settings and totals would be saved.
#pragma once
#include <cstdint>

// One curve format for the built-in sender curves and the user curve.
// Points 0..count-1 are valid ({value, adc}); only the low byte of count is used.
struct CurvePoint {
    int16_t value;
    int16_t adc;
};
struct PressureCurve {
    uint16_t count;
    CurvePoint points[16];
};

struct PressureSettings {
    uint8_t senderType;    // 0 VDO, 1 UMA, 2 LINEAR
    uint8_t curveKind;     // 0 VDO model curve, 1 USER curve, 2 by senderType
    uint8_t unit;          // 0 "bar" (0.1 bar), 1 "psi", 2 "psi(0.1)"
    int16_t pressureAt4mA;
    int16_t pressureAt20mA;
    uint8_t spare;         // 0..4; nothing reads it, the defaults leave it alone
    int16_t displayMax;
    int16_t displayMin;
    int16_t lowAlarm;
    uint8_t lowAlarmOn;
    int16_t highAlarm;
    int16_t lowCaution;
    int16_t highCaution;
    uint8_t highAlarmOn;
    uint8_t umaModel;      // 0 "N1EU07", 1 "N1EU35", 2 "N1EU100"
    uint8_t vdoModel;      // 0 "2 bar", 1 "5 bar", 2 "10 bar"
    PressureCurve userCurve;
};

struct Settings {
    uint8_t backlightMode;        // 0 MANUAL, 1 AUTO
    uint8_t backlightLevel;       // percent, 10..100
    uint16_t backlightThreshold;  // ADC counts, 100..4000
    uint8_t backlightDim;         // percent, 10..100
    uint8_t backlightBright;      // percent, 10..100
    uint8_t securityEnabled;
    uint16_t securityCode;        // 0..9999
    uint8_t flowSenderType;       // 0 FF SENDER, 1 INJECTOR
    uint8_t nmeaBaud;             // index into 1200 .. 115200
    uint16_t cruiseSpeed;         // 0..999 in the speed unit of units
    uint8_t units;                // odd: gallons; units / 2: 0 sm, 1 nm, 2 km
    uint8_t flow1Enabled;
    uint16_t kFactor1;            // pulses per litre, 10..60000
    uint8_t flow2Enabled;
    uint16_t kFactor2;
    uint8_t flowMode;             // 0 DUAL, 1 DIFF, 2 SUM
    uint8_t tank1Mode;            // 0 SENDER, 1 CALCULATED, 2 OFF
    uint8_t tank2Mode;
    uint8_t injectorPolarity;     // 0 LOW, 1 HIGH
    int16_t tank1Size;            // volume units, 0..999
    uint8_t tank1Filter;          // 0 NONE, 1 LOW, 2 MED, 3 HIGH
    uint8_t tank1LowAlarmOn;
    int16_t tank1LowAlarm;
    int16_t tank1LowCaution;
    int16_t tank1Cal[6];          // sender ADC at 0, 20, ... 100 % of tank1Size
    int16_t tank2Size;
    uint8_t tank2Filter;
    uint8_t tank2LowAlarmOn;
    int16_t tank2LowAlarm;
    int16_t tank2LowCaution;
    int16_t tank2Cal[6];
    uint8_t tank1AddToRange;
    uint8_t tank2AddToRange;
    uint8_t litreResolution;      // 0 "1L", 1 "0.1L"
    uint8_t dataSource;           // 0 INTERNAL, 1 VRAX
    uint8_t vraxAddress;          // 0..3, shown as 1..4
    uint8_t pressureDisplay;
    PressureSettings pressure;
};

// Option indexes of the fields that the measurements branch on.
constexpr uint8_t flowSenderPulse = 0;    // "FF SENDER"
constexpr uint8_t flowSenderInjector = 1; // "INJECTOR"
constexpr uint8_t flowModeDual = 0;
constexpr uint8_t flowModeDiff = 1;
constexpr uint8_t flowModeSum = 2;
constexpr uint8_t tankModeSender = 0;
constexpr uint8_t tankModeCalculated = 1;
constexpr uint8_t tankModeOff = 2;
constexpr uint8_t dataSourceInternal = 0;
constexpr uint8_t dataSourceVrax = 1;
constexpr uint8_t injectorActiveHigh = 1;
constexpr uint8_t pressureCurveVdoModel = 0; // PressureSettings::curveKind
constexpr uint8_t pressureCurveUser = 1;
constexpr uint8_t pressureCurveBySender = 2;
constexpr uint8_t pressureSenderVdo = 0;     // PressureSettings::senderType
constexpr uint8_t pressureSenderUma = 1;
constexpr uint8_t pressureSenderLinear = 2;
constexpr uint8_t pressureUnitBar = 0;       // PressureSettings::unit: counts of 0.1 bar
constexpr uint8_t pressureUnitPsi = 1;       // counts of 1 psi
constexpr uint8_t pressureUnitTenthPsi = 2;  // counts of 0.1 psi

// The largest pressure count the set-up allows in a unit: 10.0 bar, 150 psi,
// 99.9 psi; an unknown unit counts as tenths of a psi.
constexpr int16_t largestPressure(uint8_t unit)
{
    return unit == pressureUnitBar ? 100 : unit == pressureUnitPsi ? 150 : 999;
}

extern Settings settings;

// Odd unit settings count US gallons.
inline bool unitsAreGallons() { return (settings.units & 1) != 0; }
// Tank volumes in tenths (0.1 L or 0.1 gal) rather than whole litres.
inline bool volumeInTenths() { return unitsAreGallons() || settings.litreResolution != 0; }
// A tank is in use when it is SENDER or CALCULATED.
inline bool tankInUse(uint8_t mode) { return mode < tankModeOff; }

// Firmware version in hundredths: 100 is V1.00.
inline constexpr uint16_t firmwareVersion = 100;

// Configuration code 0..14, recomputed from the flow and tank settings.
extern uint8_t fuelConfig;

// The settings as the instrument leaves the factory, with the given
// pressure.spare (which the defaults leave as it is).
Settings factoryDefaults(uint8_t spare);
void loadFactoryDefaults();
void deriveFuelConfig();

// Storage hooks: where the instrument restores and saves its settings and
// totals. The platform under the firmware provides them.
void restoreSettings();
void storeSettings();
void storeTotals();
