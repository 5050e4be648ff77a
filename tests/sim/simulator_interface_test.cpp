// The simulation boundary as a host sees it: only the C calls of
// sim/simulator.h, checked against what they promise.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "sim/simulator.h"

extern "C" const char* cHostOpensMainMenu(void);
extern "C" void cHostWordsOnTheWay(const char** knobHelp, const char** acknowledged);
extern "C" const char* cHostKeepsASettingAcrossOn(void);

namespace {

int64_t valueOf(const char* name)
{
    int64_t value = -1;
    EXPECT_EQ(qs9ReadValue(name, &value), QS9_OK) << name << ": " << qs9LastError();
    return value;
}

class SimulatorInterface : public ::testing::Test {
protected:
    void SetUp() override
    {
        qs9ProgramStart();
        qs9PowerOn();
    }
};

TEST_F(SimulatorInterface, KeySlotHoldsOneKeyUntilAPassTakesIt)
{
    EXPECT_EQ(qs9PostKey(QS9_KEY_PRESS), QS9_OK);
    EXPECT_EQ(qs9PostKey(QS9_KEY_LEFT), QS9_KEY_DROPPED);
    EXPECT_EQ(qs9PostKey(6), QS9_ERROR_RANGE);
    EXPECT_EQ(qs9PostKey(QS9_KEY_NONE), QS9_ERROR_RANGE);
    EXPECT_EQ(valueOf("pendingKey"), QS9_KEY_PRESS);
    qs9Pass();
    EXPECT_EQ(valueOf("pendingKey"), 0);
    EXPECT_EQ(qs9PostKey(QS9_KEY_LEFT), QS9_OK);
}

TEST_F(SimulatorInterface, InputsTakeTheirRangeAndRefuseBeyondIt)
{
    EXPECT_EQ(qs9SetInput("level1", 4096), QS9_OK);
    EXPECT_EQ(qs9SetInput("level1", 4097), QS9_ERROR_RANGE);
    EXPECT_EQ(valueOf("level1Input"), 4096);
    EXPECT_EQ(qs9SetInput("flow1", 1234), QS9_OK);
    EXPECT_EQ(valueOf("flow1Input"), 1234);
    EXPECT_EQ(valueOf("vrax.flow1"), 1234);
    EXPECT_EQ(qs9SetInput("fuel", 1), QS9_ERROR_UNKNOWN);
    EXPECT_EQ(qs9SetInput(nullptr, 1), QS9_ERROR_UNKNOWN);

    // The VRAX box, checked from the start, is sampled by the next pass.
    qs9Pass();
    EXPECT_EQ(qs9SetInput("vrax", 2), QS9_ERROR_RANGE);
    EXPECT_EQ(qs9SetInput("vrax", 0), QS9_OK);
    EXPECT_EQ(valueOf("vraxEnabled"), 1);
    qs9Pass();
    EXPECT_EQ(valueOf("vraxEnabled"), 0);
}

TEST_F(SimulatorInterface, NamedValuesWriteReadBackAndExplainRefusals)
{
    EXPECT_EQ(qs9WriteValue("settings.tank1Cal[2]", -300), QS9_OK);
    EXPECT_EQ(valueOf("settings.tank1Cal[2]"), -300);
    EXPECT_EQ(qs9WriteValue("tank1Pulses", 4294967295), QS9_OK);
    EXPECT_EQ(valueOf("tank1Pulses"), 4294967295);

    EXPECT_EQ(qs9WriteValue("settings.units", 256), QS9_ERROR_RANGE);
    EXPECT_STREQ(qs9LastError(), "value 256 out of range 0..255 for \"settings.units\"");
    EXPECT_EQ(qs9WriteValue("firmwareVersion", 1), QS9_ERROR_READ_ONLY);
    EXPECT_EQ(qs9WriteValue("currentScreen", 0), QS9_ERROR_NOT_NUMBER);
    EXPECT_EQ(qs9WriteValue("settings.tank1Cal[6]", 0), QS9_ERROR_RANGE);
    EXPECT_STREQ(qs9LastError(), "index 6 out of range 0..5 in \"settings.tank1Cal[6]\"");
    int64_t unused = 0;
    EXPECT_EQ(qs9ReadValue("fuelConfiguration", &unused), QS9_ERROR_UNKNOWN);
    EXPECT_STREQ(qs9LastError(), "unknown name \"fuelConfiguration\"");

    char text[16];
    EXPECT_EQ(qs9FormatValue("currentScreen", text, sizeof text), QS9_OK);
    EXPECT_STREQ(text, "homeScreen");
    EXPECT_EQ(qs9FormatValue("currentScreen", text, 10), QS9_ERROR_NO_ROOM);
}

// Tank 1 switched off leaves flow 1 alone: configuration 5. Writing a
// setting the code is derived from derives it again, even unchanged; other
// settings leave the code as it was.
TEST_F(SimulatorInterface, WritingATankModeDerivesTheFuelConfiguration)
{
    EXPECT_EQ(valueOf("fuelConfig"), 0);
    EXPECT_EQ(qs9WriteValue("settings.tank1Mode", 2), QS9_OK);
    EXPECT_EQ(valueOf("fuelConfig"), 5);
    EXPECT_EQ(qs9WriteValue("fuelConfig", 3), QS9_OK);
    EXPECT_EQ(qs9WriteValue("settings.units", 1), QS9_OK);
    EXPECT_EQ(valueOf("fuelConfig"), 3);
    EXPECT_EQ(qs9WriteValue("settings.tank1Mode", 2), QS9_OK);
    EXPECT_EQ(valueOf("fuelConfig"), 5);
}

// Flow 1 feeding tank 1 and a calculated tank 2: the tanks count flow 1's
// pulses, so a new K-factor 1 reaches channel 2 as leaving the set-up does.
TEST_F(SimulatorInterface, SetReachesSettingsAndTheInputsNoControlDrives)
{
    EXPECT_EQ(qs9SetValue("settings.tank2Mode", 1), QS9_OK);
    EXPECT_EQ(qs9SetValue("settings.kFactor1", 5000), QS9_OK);
    EXPECT_EQ(valueOf("settings.kFactor2"), 5000);
    EXPECT_EQ(qs9SetValue("settings.pressure.userCurve.points[15].value", -32768), QS9_OK);
    EXPECT_EQ(qs9SetValue("gpsSpeed", 65535), QS9_OK);
    EXPECT_EQ(qs9SetValue("canDeviceA", 256), QS9_ERROR_RANGE);
    EXPECT_EQ(qs9SetValue("flow1Input", 1), QS9_ERROR_NOT_SETTABLE);
    EXPECT_EQ(qs9SetValue("fuelConfig", 1), QS9_ERROR_NOT_SETTABLE);
    EXPECT_STREQ(qs9LastError(), "\"fuelConfig\" cannot be set: only settings fields and canDeviceC, "
                                 "canDeviceA, vrax.level1, vrax.level2, vrax.pressure, pressureLoopInput, "
                                 "lightSensorInput, gpsSpeedValid, gpsSpeed can");

    // The same inputs by index, as the list names them; each one set takes.
    std::string listed;
    for (int i = 0; const char* name = qs9HostInputName(i); ++i) {
        listed += std::string(i ? ", " : "") + name;
        EXPECT_EQ(qs9SetValue(name, 1), QS9_OK) << name;
    }
    EXPECT_EQ(listed, "canDeviceC, canDeviceA, vrax.level1, vrax.level2, vrax.pressure, pressureLoopInput, "
                      "lightSensorInput, gpsSpeedValid, gpsSpeed");
    EXPECT_EQ(qs9HostInputName(-1), nullptr);
}

TEST_F(SimulatorInterface, CurrentScreenIsOneOfTheNamedScreens)
{
    std::vector<std::string> names;
    for (int i = 0; i < qs9ScreenCount(); ++i)
        names.push_back(qs9ScreenName(i));
    EXPECT_EQ(qs9ScreenName(qs9ScreenCount()), nullptr);
    EXPECT_EQ(qs9ScreenName(-1), nullptr);
    EXPECT_EQ(qs9CurrentScreenName(), std::string("homeScreen"));
    EXPECT_NE(std::find(names.begin(), names.end(), qs9CurrentScreenName()), names.end());
}

TEST_F(SimulatorInterface, TextObserverSeesEachDrawnTextAndTheDisplayTextNeedsNone)
{
    std::vector<std::string> texts;
    qs9ObserveTexts([](void* context, uint16_t, int16_t, uint8_t, uint8_t, const char* text) {
        static_cast<std::vector<std::string>*>(context)->push_back(text);
    }, &texts);
    qs9Pass();
    const size_t seen = texts.size();
    EXPECT_GT(seen, 0u);
    qs9ObserveTexts(nullptr, nullptr);
    qs9Pass();
    EXPECT_EQ(texts.size(), seen);

    // sim/ reads the display as text without an observer of the host's.
    const std::string text = qs9DisplayText();
    EXPECT_NE(text.find("FL 45 L"), std::string::npos) << text;
    char value[8];
    EXPECT_EQ(qs9FormatValue("displayText", value, sizeof value), QS9_ERROR_NO_ROOM);
    int64_t number = 0;
    EXPECT_EQ(qs9ReadValue("keyHelp", &number), QS9_ERROR_NOT_NUMBER);
    EXPECT_STREQ(qs9LastError(), "\"keyHelp\" holds a text, not a number");
}

TEST_F(SimulatorInterface, TheLastPassesTextsAreKeptAsTheObserverSawThem)
{
    std::vector<std::string> observed;
    qs9ObserveTexts([](void* context, uint16_t x, int16_t y, uint8_t font, uint8_t colour, const char* text) {
        static_cast<std::vector<std::string>*>(context)->push_back(std::to_string(x) + " " + std::to_string(y) + " " +
                                                                   std::to_string(font) + " " +
                                                                   std::to_string(colour) + " " + text);
    }, &observed);
    qs9Pass();
    qs9ObserveTexts(nullptr, nullptr);
    std::vector<std::string> kept;
    Qs9PassText text{};
    for (int i = 0; i < qs9PassTextCount(); ++i) {
        ASSERT_EQ(qs9PassTextAt(i, &text), QS9_OK);
        kept.push_back(std::to_string(text.startX) + " " + std::to_string(text.y) + " " +
                       std::to_string(text.fontSize) + " " + std::to_string(text.colour) + " " + text.text);
    }
    EXPECT_EQ(kept, observed);
    EXPECT_EQ(qs9PassTextAt(qs9PassTextCount(), &text), QS9_ERROR_RANGE);
    EXPECT_EQ(qs9PassTextAt(-1, &text), QS9_ERROR_RANGE);
    qs9ProgramStart();
    EXPECT_EQ(qs9PassTextCount(), 0);
}

TEST_F(SimulatorInterface, EachSettingIsListedByElementAndField)
{
    std::vector<std::string> names, fields;
    for (int i = 0; i < qs9SettingCount(); ++i) {
        names.push_back(qs9SettingName(i));
        fields.push_back(qs9SettingField(i));
        int64_t value = 0;
        EXPECT_EQ(qs9ReadValue(names.back().c_str(), &value), QS9_OK) << names.back();
    }
    EXPECT_EQ(names.front(), "settings.backlightMode");
    const auto at = std::find(names.begin(), names.end(), "settings.tank1Cal[5]") - names.begin();
    ASSERT_LT(size_t(at), names.size());
    EXPECT_EQ(fields[size_t(at)], "settings.tank1Cal");
    EXPECT_EQ(names.back(), "settings.pressure.userCurve.points[15].adc");
    EXPECT_EQ(fields.back(), "settings.pressure.userCurve.points[].adc");
    EXPECT_EQ(qs9SettingName(qs9SettingCount()), nullptr);
    EXPECT_EQ(qs9SettingField(-1), nullptr);
}

TEST_F(SimulatorInterface, EachInputReadsBackWhereItsControlPutIt)
{
    for (int i = 0; i < qs9InputCount(); ++i) {
        const Qs9Input* input = qs9InputAt(i);
        uint32_t position = 99;
        ASSERT_EQ(qs9InputPosition(input->name, &position), QS9_OK);
        EXPECT_EQ(position, input->start) << input->name;
        ASSERT_EQ(qs9SetInput(input->name, input->maximum), QS9_OK);
        ASSERT_EQ(qs9InputPosition(input->name, &position), QS9_OK);
        EXPECT_EQ(position, input->maximum) << input->name;
        char text[16];
        ASSERT_EQ(qs9FormatValue(("input." + std::string(input->name)).c_str(), text, sizeof text), QS9_OK);
        EXPECT_EQ(text, std::to_string(input->maximum));
    }
    uint32_t position = 0;
    EXPECT_EQ(qs9InputPosition("rudder", &position), QS9_ERROR_UNKNOWN);
}

TEST_F(SimulatorInterface, PowerOffEndsTheLoopAndACHostDrivesTheInstrument)
{
    EXPECT_EQ(qs9MainLoopRuns(), 1);
    qs9PowerOff();
    EXPECT_EQ(qs9MainLoopRuns(), 0);
    EXPECT_STREQ(cHostOpensMainMenu(), "mainMenuScreen");
    EXPECT_EQ(qs9MainLoopRuns(), 1);
}

TEST_F(SimulatorInterface, ACHostKeepsTheInstrumentMemory)
{
    EXPECT_STREQ(cHostKeepsASettingAcrossOn(), "Settings restored from the instrument memory");
    qs9ProgramStart();
    EXPECT_EQ(qs9MemoryIsOn(), 0) << "program start switches the memory off";
}

} // namespace

TEST(SimulatorInterfaceInC, AHostInCReadsTheHelpAndTheAlarmWords)
{
    const char* knobHelp = nullptr;
    const char* acknowledged = nullptr;
    cHostWordsOnTheWay(&knobHelp, &acknowledged);
    EXPECT_STREQ(knobHelp, "Knob: acknowledge the alarm, then main menu");
    EXPECT_STREQ(acknowledged, "Alarm acknowledged: fuel pressure");
}
