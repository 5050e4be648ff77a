// What a host shows beside each sender slider, its inverse for tracks, and
// the pass without the flow step: through the C calls of sim/simulator.h.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "sim/simulator.h"

extern "C" int cHostReadsTheFlowBackAndForth(void);

namespace {

std::string reading(const char* input)
{
    char text[32] = "";
    EXPECT_EQ(qs9SenderReading(input, text, sizeof text), QS9_OK) << input << ": " << qs9LastError();
    return text;
}

std::string formatted(const char* name)
{
    char text[32] = "";
    EXPECT_EQ(qs9FormatValue(name, text, sizeof text), QS9_OK) << name << ": " << qs9LastError();
    return text;
}

int64_t valueOf(const char* name)
{
    int64_t value = -1;
    EXPECT_EQ(qs9ReadValue(name, &value), QS9_OK) << name << ": " << qs9LastError();
    return value;
}

void set(const char* name, int64_t value) { ASSERT_EQ(qs9SetValue(name, value), QS9_OK) << qs9LastError(); }

void slide(const char* input, uint32_t position, int passes = 1)
{
    ASSERT_EQ(qs9SetInput(input, position), QS9_OK) << input;
    for (int i = 0; i < passes; ++i)
        qs9Pass();
}

const char* const senderInputs[] = {"flow1", "flow2", "level1", "level2", "pressure",
                                    "loop", "vraxlevel1", "vraxlevel2", "vraxpressure"};

class SenderReadings : public ::testing::Test {
protected:
    void SetUp() override
    {
        qs9ProgramStart();
        qs9PowerOn();
        // Contents follow the slider at once, for stories of a single pass.
        set("settings.tank1Filter", 0);
        set("settings.tank2Filter", 0);
    }
};

TEST_F(SenderReadings, WordsFollowTheUnitsOfTheSettings)
{
    slide("flow1", 7000);
    slide("level1", 600);
    slide("pressure", 1184);
    EXPECT_EQ(reading("flow1"), "900.0 L/hr");
    EXPECT_EQ(reading("level1"), "13 L");
    EXPECT_EQ(reading("pressure"), "2.0 psi");

    set("settings.litreResolution", 1);
    set("settings.pressure.unit", 0);
    qs9Pass();
    EXPECT_EQ(reading("level1"), "1.3 L") << "the calibration gives 13 of the tank's 45 as tenths";
    EXPECT_EQ(reading("pressure"), "0.1 bar");

    set("settings.units", 1); // GAL/SM
    set("settings.pressure.unit", 1);
    qs9Pass();
    EXPECT_EQ(reading("flow1"), "237.7 G/hr");
    EXPECT_EQ(reading("level1"), "1.3 G");
    EXPECT_EQ(reading("pressure"), "2 psi");
}

// Each reading is the measurement the display shows, as `print` gives it,
// after the same slider move and pass; a level through its tank filter.
TEST_F(SenderReadings, ReadingsAreTheLastPassMeasurementsAndNamedValues)
{
    set("settings.tank1Filter", 3);
    slide("level1", 3000, 3); // the filter rises from 0, which reads as full
    const int64_t filtered = valueOf("tank1Level");
    EXPECT_GT(filtered, 0);
    EXPECT_LT(filtered, 45);
    EXPECT_EQ(reading("level1"), std::to_string(filtered) + " L");

    slide("flow1", 1234);
    EXPECT_EQ(valueOf("flowRate1"), 1586);
    EXPECT_EQ(reading("flow1"), "158.6 L/hr");
    EXPECT_EQ(qs9SetInput("flow1", 0), QS9_OK);
    EXPECT_EQ(reading("flow1"), "158.6 L/hr") << "until the next pass measures the move";

    for (const char* input : senderInputs)
        EXPECT_EQ(formatted(("reading." + std::string(input)).c_str()), reading(input)) << input;
    int64_t number = 0;
    EXPECT_EQ(qs9ReadValue("reading.flow1", &number), QS9_ERROR_NOT_NUMBER);
    EXPECT_STREQ(qs9LastError(), "\"reading.flow1\" holds a text, not a number");
    EXPECT_EQ(qs9WriteValue("reading.level1", 3), QS9_ERROR_NOT_NUMBER);
    EXPECT_EQ(qs9SetValue("reading.level1", 3), QS9_ERROR_NOT_SETTABLE);

    char text[8];
    EXPECT_EQ(qs9SenderReading("gps", text, sizeof text), QS9_ERROR_UNKNOWN);
    EXPECT_STREQ(qs9LastError(), "no sender reading for \"gps\"");
    EXPECT_EQ(qs9SenderReading(nullptr, text, sizeof text), QS9_ERROR_UNKNOWN);
    EXPECT_EQ(qs9SenderReading("flow1", text, 3), QS9_ERROR_NO_ROOM);
}

TEST_F(SenderReadings, FailAboveTheTopReadingOfALevelOrPressureSender)
{
    slide("level1", 3900);
    slide("pressure", 3900);
    EXPECT_EQ(reading("level1"), "0 L");
    EXPECT_EQ(reading("pressure"), "7.3 psi");
    slide("level1", 3901);
    slide("pressure", 4096);
    EXPECT_EQ(reading("level1"), "FAIL");
    EXPECT_EQ(reading("pressure"), "FAIL");
}

// The inputs each set-up reads, reads only for the FAIL test, or leaves.
TEST_F(SenderReadings, NotReadWhereTheSetUpDoesNotReadTheInput)
{
    struct Story {
        const char* setting;
        int64_t value;
        std::vector<std::pair<const char*, const char*>> readings;
    };
    slide("flow1", 7000);
    slide("level1", 600);
    slide("level2", 600);
    slide("pressure", 4000);
    slide("loop", 960);
    set("vrax.level1", 520);
    set("vrax.pressure", 1184);
    const Story stories[] = {
        {"settings.tank2Mode", 2, {{"level1", "13 L"}, {"level2", "not read"}, {"vraxlevel1", "not read"},
                                   {"pressure", "FAIL"}, {"vraxpressure", "not read"}, {"loop", "not read"}}},
        {"settings.tank1Mode", 1, {{"level1", "not read"}}},
        {"settings.tank2Mode", 0, {{"level2", "13 L"}}},
        {"settings.flowSenderType", 1, {{"flow1", "not read"}, {"flow2", "not read"}}},
        {"settings.flowSenderType", 0, {{"flow1", "900.0 L/hr"}, {"flow2", "0.0 L/hr"}}},
        // A 4-20 mA transducer: the loop gives the pressure, the sender only its FAIL.
        {"settings.pressure.senderType", 2, {{"pressure", "FAIL"}, {"loop", "5.0 psi"}}},
        {"settings.tank1Mode", 0, {{"level1", "13 L"}}},
        // The remote unit: no counting period, so no flow; its own level and pressure.
        {"settings.dataSource", 1, {{"flow1", "not read"}, {"level1", "not read"}, {"vraxlevel1", "18 L"},
                                    {"vraxlevel2", "45 L"}, {"pressure", "not read"}, {"loop", "not read"},
                                    {"vraxpressure", "6.7 psi"}}},
        {"settings.pressure.senderType", 1, {{"vraxpressure", "2.0 psi"}}},
        {"vraxFlowPeriod", 40000, {{"flow1", "not read"}}},
        {"vraxFlowValid", 1, {{"flow1", "900.0 L/hr"}}},
    };
    for (const Story& story : stories) {
        SCOPED_TRACE(testing::Message() << story.setting << " " << story.value);
        ASSERT_EQ(qs9WriteValue(story.setting, story.value), QS9_OK) << qs9LastError();
        qs9Pass();
        for (const auto& [input, expected] : story.readings)
            EXPECT_EQ(reading(input), expected) << input;
    }
}

// ---- the inverse ----

uint16_t positionFor(const char* input, double value, int expectedStatus = QS9_OK)
{
    uint16_t position = 0xFFFF;
    EXPECT_EQ(qs9SenderPosition(input, value, &position), expectedStatus)
        << input << " " << value << ": " << qs9LastError();
    return position;
}

// The number of a reading: "158.6 L/hr" gives 158.6.
double numberOf(const std::string& text) { return std::strtod(text.c_str(), nullptr); }

// Every value a slider position shows, asked back, gives a position that
// shows the same: over each sender, in set-ups with whole and tenth units.
TEST_F(SenderReadings, PositionsGiveBackTheReadingsTheyWereAskedFor)
{
    struct Sweep {
        const char* input;
        uint32_t last, step;
    };
    const Sweep sweeps[] = {{"flow1", 65535, 997}, {"level1", 3900, 7}, {"pressure", 3900, 13}};
    for (int setUp = 0; setUp < 3; ++setUp) {
        if (setUp == 1) {
            set("settings.units", 1);           // gallons: several pulses to a rate
            set("settings.pressure.unit", 1);   // whole psi
            set("settings.pressure.umaModel", 2);
        } else if (setUp == 2) {
            set("settings.units", 2);
            set("settings.litreResolution", 1);
            set("settings.kFactor1", 60000);
            set("settings.pressure.curveKind", 0); // VDO 10 bar
            set("settings.pressure.unit", 0);
        }
        for (const Sweep& sweep : sweeps)
            for (uint32_t p = 0; p <= sweep.last; p += sweep.step) {
                slide(sweep.input, p);
                const std::string shown = reading(sweep.input);
                const uint16_t back = positionFor(sweep.input, numberOf(shown));
                slide(sweep.input, back);
                ASSERT_EQ(reading(sweep.input), shown)
                    << sweep.input << " at " << p << ", set-up " << setUp << ", asked back at " << back;
            }
    }
}

TEST_F(SenderReadings, PositionsPreferFewestPulsesAndTheMiddleOfALevelOrPressure)
{
    EXPECT_EQ(positionFor("flow1", 900.0), 7000);
    EXPECT_EQ(positionFor("flow1", 0.0), 0);
    // 0.4 L/hr lies between 0.3 (3 pulses) and 0.5 (4): the nearer, first.
    EXPECT_EQ(positionFor("flow1", 0.4), 3);
    // Empty from 795 up, full from 251 down: one in from where each begins.
    EXPECT_EQ(positionFor("level1", 0), 796);
    EXPECT_EQ(positionFor("level1", 45), 250);
    const uint16_t thirteen = positionFor("level1", 13);
    EXPECT_GT(thirteen, 594);
    EXPECT_LT(thirteen, 604);
    const uint16_t twoPsi = positionFor("pressure", 2.0);
    EXPECT_GT(twoPsi, 1180);
    EXPECT_LT(twoPsi, 1188);
}

// The factory tank filter settles a steady reading one count short when it
// rises to it; the position asked for still reads the contents.
TEST_F(SenderReadings, FilteredLevelsSettleOnTheAskedContentsFromBothSides)
{
    set("settings.tank1Filter", 3);
    for (double contents : {13.0, 0.0, 45.0, 27.0}) {
        slide("level1", positionFor("level1", contents), 400);
        EXPECT_EQ(reading("level1"), std::to_string(int(contents)) + " L");
    }
}

TEST_F(SenderReadings, ValuesBeyondTheSetUpAreClampedAndSaid)
{
    EXPECT_EQ(positionFor("flow1", 7000.0, QS9_CLAMPED), 50972);
    EXPECT_STREQ(qs9LastError(), "flow1: 7000.0 L/hr is more than the set-up can show; clamped to 6553.5 L/hr");
    EXPECT_EQ(positionFor("flow1", -5, QS9_CLAMPED), 0);
    EXPECT_EQ(positionFor("level1", 60, QS9_CLAMPED), 250);
    EXPECT_STREQ(qs9LastError(), "level1: 60 L is more than the set-up can show; clamped to 45 L");
    positionFor("level1", -1e300, QS9_CLAMPED);
    EXPECT_STREQ(qs9LastError(), "level1: -1000000000 L is less than the set-up can show; clamped to 0 L");
    // The N1EU07 transducer reads 7.3 psi at 3900, the last reading before FAIL.
    slide("pressure", positionFor("pressure", 8.0, QS9_CLAMPED));
    EXPECT_STREQ(qs9LastError(), "pressure: 8.0 psi is more than the set-up can show; clamped to 7.3 psi");
    EXPECT_EQ(reading("pressure"), "7.3 psi");
    EXPECT_EQ(qs9SenderPosition("level1", 0.0 / 0.0, nullptr), QS9_ERROR_RANGE);
    uint16_t position = 0;
    EXPECT_EQ(qs9SenderPosition("flow1", 1.0 / 0.0, &position), QS9_ERROR_RANGE);
    EXPECT_EQ(qs9SenderPosition("level1", 5, nullptr), QS9_ERROR_NO_ROOM);
    EXPECT_EQ(qs9SenderPosition("light", 5, &position), QS9_ERROR_UNKNOWN);
}

TEST_F(SenderReadings, NoPositionForAnInputTheSetUpDoesNotRead)
{
    uint16_t position = 0;
    set("settings.tank1Mode", 1);
    EXPECT_EQ(qs9SenderPosition("level1", 13, &position), QS9_ERROR_NOT_READ);
    EXPECT_STREQ(qs9LastError(), "\"level1\" is not read: tank 1 is CALCULATED");
    set("settings.pressure.senderType", 2);
    EXPECT_EQ(qs9SenderPosition("pressure", 2, &position), QS9_ERROR_NOT_READ);
    EXPECT_STREQ(qs9LastError(), "\"pressure\" is not read: the pressure comes from the 4-20 mA loop");
    EXPECT_EQ(positionFor("loop", 5.0), 960);
    set("settings.dataSource", 1);
    EXPECT_EQ(qs9SenderPosition("flow1", 90, &position), QS9_ERROR_NOT_READ);
    EXPECT_STREQ(qs9LastError(), "\"flow1\" is not read: the VRAX unit gives no flow counting period");

    // A user curve of one point gives no pressure anywhere.
    set("settings.dataSource", 0);
    set("settings.pressure.curveKind", 1);
    set("settings.pressure.userCurve.count", 1);
    EXPECT_EQ(qs9SenderPosition("pressure", 2, &position), QS9_ERROR_NOT_READ);
}

TEST_F(SenderReadings, EverySenderInputIsAnInputOfTheWindow)
{
    for (const char* input : senderInputs) {
        const Qs9Input* control = qs9FindInput(input);
        ASSERT_NE(control, nullptr) << input;
        EXPECT_EQ(control->kind, QS9_INPUT_SLIDER) << input;
    }
}

// ---- the pass without the flow step ----

TEST_F(SenderReadings, PassWithoutFlowMeasuresAndDrawsButCountsNoPeriod)
{
    set("settings.tank2Mode", 1);
    ASSERT_EQ(qs9WriteValue("tank2Pulses", 315000), QS9_OK); // 45 L in flow 1's pulses
    slide("flow1", 7000);
    const int64_t used = valueOf("used1Pulses");
    const int64_t tank2 = valueOf("tank2Pulses");
    const int64_t range = valueOf("rangeValue");

    slide("flow1", 0, 0);
    slide("level1", 600, 0);
    slide("pressure", 300, 0); // 0.3 psi: below the low alarm
    set("settings.pressureDisplay", 0);
    ASSERT_EQ(qs9SetInput("vrax", 0), QS9_OK);
    qs9FrameBuffer()[0] = 99;
    ASSERT_EQ(qs9PostKey(QS9_KEY_PRESS), QS9_OK);
    qs9PassWithoutFlow();

    EXPECT_EQ(valueOf("flowRate1"), 9000);
    EXPECT_EQ(valueOf("used1Pulses"), used);
    EXPECT_EQ(valueOf("tank2Pulses"), tank2);
    EXPECT_EQ(valueOf("rangeValue"), range);
    EXPECT_EQ(valueOf("tank1Level"), 13);
    EXPECT_EQ(valueOf("pressureValue"), 3);
    EXPECT_EQ(valueOf("alarmFlags") & 0x40, 0) << "no pressure alarm without its display";
    EXPECT_EQ(valueOf("vraxEnabled"), 0);
    EXPECT_EQ(qs9FrameBuffer()[0], 0) << "the frame cleared before the screen drew";
    EXPECT_EQ(valueOf("pendingKey"), 0);
    EXPECT_STREQ(qs9CurrentScreenName(), "mainMenuScreen");

    qs9Pass();
    EXPECT_EQ(valueOf("flowRate1"), 0);
    EXPECT_EQ(valueOf("used1Pulses"), used);
    EXPECT_EQ(valueOf("tank2Pulses"), tank2);
}

TEST_F(SenderReadings, ACHostReadsAFlowAndAsksItsPositionBack)
{
    EXPECT_EQ(cHostReadsTheFlowBackAndForth(), 7000);
}

} // namespace
