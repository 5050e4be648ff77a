#include <gtest/gtest.h>

#include <iterator>

#include "display/furniture.h"
#include "screens/setup_list.h"
#include "tests/support/display_reader.h"
#include "tests/support/pilot.h"

namespace {

// A list of four rows: an option, a switch that shows or hides a number
// below it, and a text row that opens something. The fuel set-up tests walk
// cursor, scrolling and editing; these cover what that list does not use.
uint8_t option;
uint8_t showNumber;
int32_t number;
int opened;
bool openTakesKey;

const char* const optionNames[] = {"RED", "GREEN", "BLUE"};
const char* const offOn[] = {"OFF", "ON"};
const StepLegend* numberSteps() { return &wholeStepLegend; }

bool openSomething()
{
    ++opened;
    return openTakesKey;
}

const SetupRow rows[] = {
    {.label = "OPTION: ",
     .value = [] { return optionText(optionNames, option); },
     .change = [](int8_t d) { option = nextOption(option, std::size(optionNames), d); }},
    {.label = "NUMBER SHOWN: ",
     .value = [] { return optionText(offOn, showNumber); },
     .change = [](int8_t) { showNumber = toggled(showNumber); }},
    {.label = "NUMBER: ",
     .value = [] { return formatValue("%d", number); },
     .change = [](int8_t d) { number = stepWrapped(number, d, 0, 999); },
     .shown = [] { return showNumber != 0; },
     .legend = numberSteps},
    {.label = "OPEN", .press = openSomething},
};

SetupList list = {"TEST", "LIST", rows, std::size(rows), RowKeys::whileDrawing, StepKey::anyRow, 1000, nullptr};

void testListScreen() { runSetupList(list); }

class SetupListTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        powerOn();
        option = 0;
        showNumber = 1;
        number = 500;
        opened = 0;
        openTakesKey = true;
        list.rowKeys = RowKeys::whileDrawing;
        list.stepKey = StepKey::anyRow;
        openScreen(testListScreen);
    }
};

TEST_F(SetupListTest, WhileEditingOnlyTheValueIsRedAndTheKnobChangesItInsteadOfMoving)
{
    EXPECT_EQ(lastDrawing("OPTION: ").colour, 9);
    press(keyPress);
    EXPECT_EQ(lastDrawing("OPTION: ").colour, 15);
    EXPECT_EQ(lastDrawing("RED").colour, 9);
    press(keyMinus);
    EXPECT_EQ(menuRow(0), "OPTION: BLUE");
    EXPECT_EQ(menuCursor, 0);
}

TEST_F(SetupListTest, RowsThatActWhileDrawingShowTheirEffectOnLaterRowsInTheSameFrame)
{
    press(keyPlus);
    press(keyPress);
    keyThenPass(keyPlus);
    EXPECT_EQ(showNumber, 0);
    EXPECT_EQ(menuRow(1), "NUMBER SHOWN: ON") << "the edited row shows its change next frame";
    EXPECT_EQ(menuRow(2), "OPEN") << "the rows below already follow it";

    list.rowKeys = RowKeys::afterDrawing;
    keyThenPass(keyPlus);
    EXPECT_EQ(showNumber, 1);
    EXPECT_EQ(menuRow(2), "OPEN") << "drawn before the row acted";
    pass();
    EXPECT_EQ(menuRow(2), "NUMBER: 500");
}

TEST_F(SetupListTest, NumbersStepByTheChosenStepAndWrapToTheOtherEnd)
{
    press(keyPlus, 2);
    EXPECT_EQ(stepLegend(), "X1");
    press(keyRight);
    press(keyRight);
    EXPECT_EQ(editStep, 100);
    EXPECT_EQ(stepLegend(), "X100");
    press(keyPress);
    press(keyPlus, 5);
    EXPECT_EQ(number, 0) << "1000 is above 999";
    press(keyMinus);
    EXPECT_EQ(number, 999);
    press(keyRight);
    EXPECT_EQ(editStep, 1000);
    EXPECT_EQ(stepLegend(), "");
    press(keyRight);
    EXPECT_EQ(editStep, 1);
}

TEST_F(SetupListTest, StepKeyCanBeLimitedToRowsWithALegend)
{
    list.stepKey = StepKey::legendRowsOnly;
    press(keyRight);
    EXPECT_EQ(editStep, 1) << "OPTION has no legend";
    press(keyPlus, 2);
    press(keyRight);
    EXPECT_EQ(editStep, 10);
    EXPECT_EQ(stepLegend(), "X10");
    press(keyPlus);
    EXPECT_EQ(stepLegend(), "") << "the legend belongs to the NUMBER row";
}

TEST_F(SetupListTest, ARowThatTakesTheKnobPressDoesNotToggleEditing)
{
    press(keyPlus, 3);
    EXPECT_EQ(lastDrawing("OPEN").colour, 9);
    press(keyPress);
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(menuEditing, 0);

    openTakesKey = false;
    press(keyPress);
    EXPECT_EQ(opened, 2);
    EXPECT_EQ(menuEditing, 1) << "a row that declines the press leaves it to the list";
}

TEST(SetupListEdits, WrapRulesAndOptionsStayInRange)
{
    editStep = 10;
    EXPECT_EQ(stepWrapped(995, 1, 0, 999), 0);
    EXPECT_EQ(stepWrapped(989, 1, 0, 999), 999);
    EXPECT_EQ(stepWrapped(5, -1, 0, 999), 999);
    EXPECT_EQ(stepWrapped(10, -1, 0, 999), 0);
    EXPECT_EQ(stepWrapped(15, -1, 10, 60000), 60000);

    EXPECT_EQ(nextOption(5, 6, 1), 0);
    EXPECT_EQ(nextOption(0, 6, -1), 5);
    EXPECT_EQ(nextOption(9, 3, 1), 0) << "a stray value goes to the first option";
    EXPECT_EQ(nextOption(9, 3, -1), 2) << "or the last";
    const char* const two[] = {"A", "B"};
    EXPECT_STREQ(optionText(two, 2), "");
}

} // namespace
