// The display as text: what the last pass drew, in reading order, with the
// selection named, the alarms in words, and a steady text that changes only
// when the screen's own text does.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "core/alarms.h"
#include "core/keys_and_time.h"
#include "core/settings.h"
#include "display/furniture.h"
#include "display/text.h"
#include "screens/screen.h"
#include "sim/simulator.h"
#include "tests/support/display_reader.h"
#include "tests/support/pilot.h"

namespace {

std::string displayText() { return qs9DisplayText(); }
std::string steadyText() { return qs9DisplayTextSteady(); }

bool holds(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

std::string lineHolding(const std::string& text, const std::string& part)
{
    const size_t at = text.find(part);
    if (at == std::string::npos)
        return "(no line with " + part + ")";
    const size_t start = text.rfind('\n', at) == std::string::npos ? 0 : text.rfind('\n', at) + 1;
    return text.substr(start, text.find('\n', at) - start);
}

// On with the pressure in its green band and tank 1 failed: "FAIL" blinks
// and the status line cycles, nothing else moves.
void failedSenderAtHome()
{
    powerOn();
    moveSlider("pressure", 2000);
    moveSlider("level1", 4000);
    pass(10);
}

void drawManyTexts()
{
    for (int i = 0; i < 300; ++i)
        drawText(static_cast<int16_t>(i / 120 * 40), static_cast<int16_t>(i % 120), "X", 0, 8, alignLeft, 15);
    drawText(0, 100, "A TEXT FAR LONGER THAN ANY THE INSTRUMENT EVER DRAWS ON ITS DISPLAY", 0, 8, alignLeft, 15);
}

TEST(DisplayText, MenuRowsReadWithTheSelectionAndTheEditedValueNamed)
{
    powerOn();
    openFuelSetup();
    const std::string text = displayText();
    EXPECT_TRUE(holds(text.substr(0, text.find('\n')), "FUEL SETUP")) << "the title bar first: " << text;
    EXPECT_EQ(lineHolding(text, "UNIT:"), "UNIT: LITRE/SM (selected)");
    EXPECT_EQ(lineHolding(text, "FLOW 1:"), "FLOW 1: ON");
    press(keyPress);
    EXPECT_EQ(lineHolding(displayText(), "UNIT:"), "UNIT: LITRE/SM (editing)");
    press(keyPlus);
    EXPECT_EQ(lineHolding(displayText(), "UNIT:"), "UNIT: GAL/SM (editing)");
}

TEST(DisplayText, EntryDigitsReadAsOneNumberWithTheDigitUnderTheCursor)
{
    powerOn();
    moveSlider("pressure", 2000);
    pass();
    press(keyLeft);
    press(keyPress);
    EXPECT_EQ(lineHolding(displayText(), "mph"), "050 mph (digit 2 selected)");
}

TEST(DisplayText, ActiveAlarmsFollowTheScreenInWordsAcknowledgedOrNot)
{
    powerOn();
    pass();
    EXPECT_TRUE(holds(displayText(), "\nAlarm: Fuel pressure, not acknowledged")) << displayText();
    EXPECT_STREQ(qs9AlarmText(), "Alarm: Fuel pressure, not acknowledged");
    EXPECT_STREQ(qs9AlarmsStartedText(), "Alarm: Fuel pressure");
    EXPECT_STREQ(qs9AlarmsAcknowledgedText(), "");

    press(keyPlus);
    EXPECT_STREQ(qs9AlarmText(), "Alarm: Fuel pressure, acknowledged");
    keyThenPass(keyPlus);
    EXPECT_STREQ(qs9AlarmsAcknowledgedText(), "") << "the key opened the totals page";
    EXPECT_STREQ(qs9AlarmsStartedText(), "");

    // Tank 1 low as well: one key acknowledges one alarm, tank 1 first.
    moveSlider("pressure", 0);
    moveSlider("level1", 2400);
    settings.tank1Filter = 0;
    pass();
    EXPECT_STREQ(qs9AlarmsStartedText(), "Alarm: Low fuel, tank 1");
    keyThenPass(keyMinus);
    EXPECT_STREQ(qs9AlarmsAcknowledgedText(), "Alarm acknowledged: low fuel, tank 1");
    EXPECT_STREQ(qs9AlarmText(), "Alarm: Low fuel, tank 1, acknowledged\nAlarm: Fuel pressure, acknowledged");
}

TEST(DisplayText, TheSteadyTextIgnoresTheBlinkingFailAndTheStatusLineCycle)
{
    failedSenderAtHome();
    std::string steady = steadyText();
    std::set<std::string> shown;
    int changes = 0;
    for (int tick = 0; tick < 300; ++tick) { // 30 seconds
        ticks(1);
        pass();
        shown.insert(displayText());
        changes += steadyText() != steady;
        steady = steadyText();
    }
    EXPECT_EQ(changes, 0) << steady;
    EXPECT_GE(shown.size(), 3u) << "the blink and the cycle should show in the display text";
    EXPECT_FALSE(holds(steady, "FAIL"));
    EXPECT_FALSE(holds(steady, "R:"));
    EXPECT_TRUE(holds(steady, "FL")) << steady;

    alarmAcked = alarmFlags;
    press(keyPlus);
    EXPECT_TRUE(holds(steadyText(), "FUEL TOTALS")) << "the totals page is a new screen's text";
}

TEST(DisplayText, APassOfMoreTextsThanItKeepsIsReadAsFarAsItIsKept)
{
    powerOn();
    currentScreen = drawManyTexts;
    recordTexts();
    pass();
    EXPECT_EQ(drawnTexts().size(), 301u) << "the host's observer still sees every text";
    const std::string text = displayText();
    EXPECT_EQ(std::count(text.begin(), text.end(), 'X'), 128);
    EXPECT_FALSE(holds(text, "A TEXT"));

    currentScreen = [] { drawText(0, 100, "A TEXT FAR LONGER THAN ANY THE INSTRUMENT EVER DRAWS", 0, 8, 1, 15); };
    pass();
    EXPECT_EQ(lineHolding(displayText(), "A TEXT"), "A TEXT FAR LONGER THAN ANY THE INSTRUME");
}

TEST(DisplayText, ProgramStartForgetsTheLastPass)
{
    powerOn();
    pass();
    ASSERT_NE(displayText(), "");
    programStart();
    EXPECT_EQ(displayText(), "");
    EXPECT_EQ(steadyText(), "");
    EXPECT_EQ(textObserver, nullptr);
}

} // namespace
