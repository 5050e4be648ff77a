// The screens whose passes the benchmarks time, each reached from the home
// screen by the keys a pilot would press. A walk that ends anywhere else
// says so, so a changed menu shows up instead of timing the wrong screen.
// Shared by the pass benchmark and the pass timing that runs both natively
// and as WebAssembly.
#pragma once
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "powered_instrument.h"
#include "sim/simulator.h"

namespace screen_walks {

// Flow and tank settings that give one fuel configuration code.
struct FuelSystem {
    uint8_t flow1, flow2;
    uint8_t tank1, tank2;
    uint8_t flowMode;
};

// Tank modes and flow modes as the settings hold them.
constexpr uint8_t S = 0; // sender
constexpr uint8_t C = 1; // calculated
constexpr uint8_t X = 2; // off
constexpr uint8_t flowModeDual = 0;
constexpr uint8_t flowModeDiff = 1;

// Index = the configuration code the settings give. Code 9 is an invalid
// combination (a calculated tank without flow): the "SELECT FUEL" box.
inline constexpr FuelSystem fuelSystems[15] = {
    {1, 0, S, X, flowModeDual}, {0, 1, X, S, flowModeDual}, {0, 0, S, X, flowModeDual},
    {0, 0, X, S, flowModeDual}, {0, 0, S, S, flowModeDual}, {1, 0, X, X, flowModeDual},
    {0, 1, X, X, flowModeDual}, {1, 1, X, X, flowModeDual}, {1, 1, X, X, flowModeDiff},
    {0, 0, C, X, flowModeDual}, {1, 1, S, S, flowModeDual}, {1, 1, S, S, flowModeDiff},
    {1, 1, S, X, flowModeDiff}, {1, 1, X, S, flowModeDiff}, {1, 0, C, S, flowModeDual},
};

// Each write derives the configuration code again, as leaving the fuel
// set-up does.
inline void useFuelSystem(const FuelSystem& f)
{
    qs9WriteValue("settings.flow1Enabled", f.flow1);
    qs9WriteValue("settings.flow2Enabled", f.flow2);
    qs9WriteValue("settings.tank1Mode", f.tank1);
    qs9WriteValue("settings.tank2Mode", f.tank2);
    qs9WriteValue("settings.flowMode", f.flowMode);
}

inline int64_t valueOf(const char* name)
{
    int64_t value = 0;
    qs9ReadValue(name, &value);
    return value;
}

// Where a benchmark starts: settings changed after power-on, then the keys
// pressed from the home screen ('L' left, 'R' right, 'P' knob press, '+',
// '-'), ending on the named screen.
struct Walk {
    std::string name;
    FuelSystem fuel;
    bool locked; // set-up lock on
    const char* keys;
    const char* screen;
    int fuelConfig; // the code the home screen must show, -1 for any
    bool totals;    // the fuel totals page
};

inline uint8_t keyFor(char c)
{
    switch (c) {
    case 'L': return QS9_KEY_LEFT;
    case 'R': return QS9_KEY_RIGHT;
    case 'P': return QS9_KEY_PRESS;
    case '+': return QS9_KEY_PLUS;
    case '-': return QS9_KEY_MINUS;
    default: return QS9_KEY_NONE;
    }
}

inline void pass(uint8_t key = QS9_KEY_NONE)
{
    if (key != QS9_KEY_NONE)
        qs9PostKey(key);
    qs9Pass();
}

// Unacknowledged alarms (an empty calculated tank) take the first keys on the
// home screen; the pilot spends "-" on them before anything else.
inline void acknowledgeAlarms()
{
    const int64_t alarms = 0x10 | 0x20 | 0x40; // tank 1 low, tank 2 low, pressure
    for (int i = 0; i < 3 && (valueOf("alarmFlags") & alarms & ~valueOf("alarmAcked")) != 0; ++i)
        pass(QS9_KEY_MINUS);
}

// Empty when the walk arrived; otherwise what went wrong.
inline std::string arrive(const Walk& w)
{
    powerOnWithSenders();
    useFuelSystem(w.fuel);
    qs9WriteValue("settings.securityEnabled", w.locked ? 1 : 0);
    pass();
    acknowledgeAlarms();
    for (const char* k = w.keys; *k != '\0'; ++k)
        if (keyFor(*k) != QS9_KEY_NONE)
            pass(keyFor(*k));
    pass();
    std::string problem;
    const int64_t fuelConfig = valueOf("fuelConfig");
    if (std::strcmp(qs9CurrentScreenName(), w.screen) != 0)
        problem = std::string("keys ended on ") + qs9CurrentScreenName() + ", not " + w.screen;
    else if (w.fuelConfig >= 0 && fuelConfig != w.fuelConfig)
        problem = "fuel configuration " + std::to_string(fuelConfig) + ", not " + std::to_string(w.fuelConfig);
    else if (valueOf("showTotals") != (w.totals ? 1 : 0))
        problem = "totals page not as expected";
    return problem;
}

inline std::vector<Walk> walks()
{
    const FuelSystem factory = fuelSystems[0];
    std::vector<Walk> all;
    for (int code = 0; code < 15; ++code)
        all.push_back({"home/config" + std::to_string(code), fuelSystems[code], false, "", "homeScreen", code, false});
    // Neither flow nor tank, pressure display on: the fuel pressure page.
    all.push_back({"home/pressurePage", {0, 0, X, X, flowModeDual}, false, "", "homeScreen", 9, false});
    all.push_back({"home/totals", factory, false, "+", "homeScreen", 0, true});

    const char* misc = "P+P";
    const std::vector<Walk> screens = {
        {"menus/main", factory, false, "P", "mainMenuScreen", -1, false},
        {"menus/misc", factory, false, misc, "miscSetupScreen", -1, false},
        {"setup/fuel", factory, false, "PP", "fuelSetupScreen", -1, false},
        {"setup/tank", factory, false, "PP+++++P", "tank1SetupScreen", -1, false},
        {"setup/tankCalibration", factory, false, "PP+++++P++++++P", "tank1CalibrationScreen", -1, false},
        {"setup/pressure", factory, false, "PP+++++++P", "pressureSetupScreen", -1, false},
        // SENDER row to USER, then CALIBRATE SENDER.
        {"setup/senderCalibration", factory, false, "PP+++++++P+P+P+P", "senderCalibrationScreen", -1, false},
        {"setup/backlight", factory, false, "P+PP", "backlightScreen", -1, false},
        {"setup/security", factory, false, "P+P+P", "securitySetupScreen", -1, false},
        {"setup/information", factory, false, "P+P++P", "infoScreen", -1, false},
        {"setup/values", factory, false, "P++P", "valuesScreen", -1, false},
        {"entries/cruiseSpeed", factory, false, "L", "cruiseSpeedScreen", -1, false},
        {"entries/fuelLevel", {1, 0, C, X, flowModeDual}, false, "R", "fuelLevel1Screen", -1, false},
        {"entries/securityCode", factory, true, "P", "securityCodeScreen", -1, false},
        // Lock switched on in SECURITY SETUP, then CHANGE CODE.
        {"entries/currentCode", factory, false, "P+P+PP+P+P", "currentCodeScreen", -1, false},
        {"messages/defaultSettings", factory, false, "P+P+++P", "defaultSettingsScreen", -1, false},
        {"messages/done", factory, false, "P+P+++PR", "messageScreen", -1, false},
        {"messages/codeError", factory, true, "PPPPP", "codeMessageScreen", -1, false},
        // Two points captured at the same reading do not run one way.
        {"messages/slopeError", factory, false, "PP+++++P++++++P+P+PL", "slopeErrorScreen", -1, false},
    };
    all.insert(all.end(), screens.begin(), screens.end());
    return all;
}

} // namespace screen_walks
