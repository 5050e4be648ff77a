// The instrument memory as a host uses it: off, every On starts from the
// factory settings as before; on, what the firmware stores survives Off and
// On, is written only when it changed and at most once a second, and bytes
// that are not a good record give the factory settings and say why.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "core/fuel_flow.h"
#include "core/settings.h"
#include "screens/setup_screens.h"
#include "sim/simulator.h"
#include "sim/storage_hooks.h"
#include "tests/support/pilot.h"

namespace {

constexpr int tank1Row = 5; // of the factory fuel set-up list
constexpr int tankSizeRow = 1;

// The host's side: a file that keeps the last record written whole.
struct StoredMemory {
    std::vector<uint8_t> bytes;
    int writes = 0;
    bool failing = false;

    // The host's poll after a pass or a tick: writes what is due.
    bool poll(bool force = false)
    {
        uint8_t record[QS9_MEMORY_RECORD_CAPACITY];
        uint32_t size = 0;
        if (qs9MemoryWriteDue(force, record, sizeof record, &size) != 1)
            return false;
        if (!failing) {
            bytes.assign(record, record + size);
            ++writes;
        }
        qs9MemoryWritten(failing ? 0 : 1);
        return !failing;
    }
    int provide() const { return qs9MemoryProvide(bytes.data(), static_cast<uint32_t>(bytes.size())); }
};

class InstrumentMemoryTest : public ::testing::Test {
protected:
    // The window as it opens with the option on: program start, then the memory.
    void SetUp() override
    {
        programStart();
        qs9MemorySwitch(1);
    }
    // Off, the host's write at Off, the memory given back, On.
    void offAndOn()
    {
        qs9PowerOff();
        stored.poll(true);
        stored.provide();
        switchOn();
    }
    StoredMemory stored;
};

void leaveToHome()
{
    for (int presses = 0; currentScreen != homeScreen && presses < 5; ++presses)
        press(keyLeft);
    ASSERT_EQ(currentScreenName(), "homeScreen");
}

// TANK 1 SETUP's TANK SIZE edited up to `size`, the list left open.
void editTank1Size(int size)
{
    openFuelSetup();
    goToRow(tank1Row);
    press(keyPress);
    ASSERT_EQ(currentScreenName(), "tank1SetupScreen");
    goToRow(tankSizeRow);
    press(keyPress);
    press(keyPlus, size - settings.tank1Size);
    press(keyPress);
}

// The `set` lines run as the runner runs them.
void runSetLines(const std::string& lines)
{
    std::istringstream text(lines);
    for (std::string word, name; text >> word;) {
        int64_t value = 0;
        text >> name >> value;
        ASSERT_EQ(word, "set");
        ASSERT_EQ(qs9SetValue(name.c_str(), value), QS9_OK) << name << ": " << qs9LastError();
    }
}

std::string exported()
{
    uint32_t length = 0;
    std::vector<char> text(4096);
    EXPECT_EQ(qs9ExportSetup(text.data(), static_cast<uint32_t>(text.size()), &length), QS9_OK);
    return std::string(text.data(), length);
}

} // namespace

TEST(InstrumentMemoryOff, EveryOnStartsFromTheFactoryAndSaysSoAfterAChange)
{
    powerOn();
    EXPECT_EQ(qs9MemoryIsOn(), 0);
    EXPECT_EQ(storeSettingsCalls, 1u) << "the defaults' own store, counted as ever";
    editTank1Size(60);
    leaveToHome();
    EXPECT_EQ(storeSettingsCalls, 2u);
    uint8_t record[QS9_MEMORY_RECORD_CAPACITY];
    uint32_t size = 0;
    EXPECT_EQ(qs9MemoryWriteDue(1, record, sizeof record, &size), 0) << "nothing is written with the memory off";
    EXPECT_STREQ(qs9MemoryMessage(), "");

    qs9PowerOff();
    switchOn();
    EXPECT_EQ(settings.tank1Size, 45);
    EXPECT_EQ(qs9MemoryRestoreStatus(), QS9_MEMORY_SWITCHED_OFF);
    EXPECT_EQ(qs9SettingsChangedBeforeOn(), 1);
    EXPECT_STREQ(qs9MemoryMessage(),
                 "Every On starts from the factory settings; switch on the instrument memory to keep them");

    qs9PowerOff();
    switchOn();
    EXPECT_EQ(qs9SettingsChangedBeforeOn(), 0);
    EXPECT_STREQ(qs9MemoryMessage(), "");
}

TEST_F(InstrumentMemoryTest, ATankSizeSetInTheMenusSurvivesOffAndOn)
{
    switchOn();
    EXPECT_FALSE(stored.poll(true)) << "On alone writes nothing";
    EXPECT_EQ(qs9MemoryRestoreStatus(), QS9_MEMORY_EMPTY);
    EXPECT_STREQ(qs9MemoryMessage(), "") << "a missing memory is no error";

    editTank1Size(60);
    EXPECT_FALSE(stored.poll(true)) << "not stored while the menu is open";
    leaveToHome();
    EXPECT_TRUE(stored.poll());

    offAndOn();
    EXPECT_EQ(settings.tank1Size, 60);
    EXPECT_EQ(qs9MemoryRestoreStatus(), QS9_MEMORY_RESTORED);
    EXPECT_STREQ(qs9MemoryMessage(), "Settings restored from the instrument memory");
    pass(3);
    EXPECT_FALSE(stored.poll(true)) << "On alone leaves the memory as it was";
    EXPECT_EQ(stored.writes, 1);

    // Off in the middle of a menu loses the edit, as on the instrument.
    editTank1Size(70);
    offAndOn();
    EXPECT_EQ(settings.tank1Size, 60);
}

TEST_F(InstrumentMemoryTest, RestoresSettingsAndTotalsBeforeTheConfigurationIsDerived)
{
    switchOn();
    // One flow into two tanks, tank 1 calculated: configuration 14, whose
    // derivation gives flow 2 the K-factor of flow 1. Stored before it is derived.
    settings.tank1Mode = tankModeCalculated;
    settings.tank2Mode = tankModeSender;
    settings.kFactor1 = 5000;
    settings.kFactor2 = 9000;
    storeSettings();
    tank1Pulses = 5000 * 30;
    used1Pulses = 5000 * 12;
    storeTotals();
    ASSERT_TRUE(stored.poll());

    offAndOn();
    EXPECT_EQ(fuelConfig, 14);
    EXPECT_EQ(settings.kFactor2, 5000);
    EXPECT_EQ(tank1Pulses, 150000u);
    EXPECT_EQ(used1Pulses, 60000u);
    pass();
    EXPECT_EQ(tank1Level, 30);
    EXPECT_EQ(fuelUsed1, 12u);
    EXPECT_GE(storeSettingsCalls, 1u) << "the defaults still call their store";
}

TEST_F(InstrumentMemoryTest, ASteadyFlowWritesAtMostOnceASecond)
{
    switchOn();
    moveSlider("level1", 600);
    moveSlider("flow1", 7000); // one litre a pass
    for (int tick = 0; tick < 600; ++tick) { // a minute of the timer, three passes a tick
        for (int i = 0; i < 3; ++i) {
            pass();
            stored.poll();
        }
        ticks(1);
    }
    EXPECT_EQ(stored.writes, 60);

    // Stopped, the last total is written once and then nothing more.
    moveSlider("flow1", 0);
    pass(5);
    EXPECT_TRUE(stored.poll());
    ticks(20);
    pass(5);
    EXPECT_FALSE(stored.poll());
    qs9PowerOff();
    EXPECT_FALSE(stored.poll(true));
    stored.provide();
    switchOn();
    pass();
    EXPECT_EQ(fuelUsed1, 1800u);

    // A change within the second waits for the pace, or for Off.
    settings.cruiseSpeed = 90;
    storeSettings();
    ASSERT_TRUE(stored.poll());
    settings.cruiseSpeed = 95;
    storeSettings();
    EXPECT_FALSE(stored.poll());
    qs9PowerOff();
    EXPECT_TRUE(stored.poll(true));
}

TEST_F(InstrumentMemoryTest, AFailedWriteKeepsThePreviousMemoryAndIsOfferedAgain)
{
    switchOn();
    settings.cruiseSpeed = 120;
    storeSettings();
    ASSERT_TRUE(stored.poll());
    const std::vector<uint8_t> before = stored.bytes;

    ticks(10);
    settings.cruiseSpeed = 140;
    storeSettings();
    stored.failing = true;
    EXPECT_FALSE(stored.poll());
    stored.failing = false;
    EXPECT_FALSE(stored.poll()) << "not again within the second";
    EXPECT_EQ(stored.bytes, before);
    ticks(10);
    EXPECT_TRUE(stored.poll());
    offAndOn();
    EXPECT_EQ(settings.cruiseSpeed, 140);
}

TEST_F(InstrumentMemoryTest, DamagedOrForeignBytesGiveTheFactorySettingsAndSayWhy)
{
    switchOn();
    settings.tank1Size = 60;
    storeSettings();
    ASSERT_TRUE(stored.poll());

    stored.bytes[20] ^= 0x04;
    EXPECT_EQ(stored.provide(), QS9_MEMORY_DAMAGED);
    qs9PowerOff();
    switchOn();
    EXPECT_EQ(settings.tank1Size, 45);
    EXPECT_EQ(qs9MemoryRestoreStatus(), QS9_MEMORY_DAMAGED);
    EXPECT_STREQ(qs9MemoryMessage(),
                 "The instrument memory is damaged (its checksum does not match); the factory settings are in use");
    pass(2);
    EXPECT_FALSE(stored.poll(true)) << "kept as it is until a setting changes";

    const std::string text = "on\npass 10\n";
    EXPECT_EQ(qs9MemoryProvide(reinterpret_cast<const uint8_t*>(text.data()), text.size()),
              QS9_MEMORY_UNREADABLE);
    qs9PowerOff();
    switchOn();
    EXPECT_STREQ(qs9MemoryMessage(), "The instrument memory cannot be read (it is not a memory of this "
                                     "instrument); the factory settings are in use");
}

TEST_F(InstrumentMemoryTest, ForgettingAndTheFactoryDefaultsWriteTheDefaults)
{
    switchOn();
    settings.units = 3;
    storeSettings();
    ASSERT_TRUE(stored.poll());

    loadFactoryDefaults(); // DEFAULT SETTINGS, YES
    ticks(10);
    EXPECT_TRUE(stored.poll());
    offAndOn();
    EXPECT_EQ(settings.units, 0);

    settings.units = 5;
    storeSettings();
    ticks(10);
    ASSERT_TRUE(stored.poll());
    qs9MemoryForget();
    EXPECT_TRUE(stored.poll()) << "forgetting waits for no pace";
    EXPECT_FALSE(stored.poll(true));
    offAndOn();
    EXPECT_EQ(settings.units, 0);

    // Forgetting works with the memory off too.
    qs9MemorySwitch(0);
    stored.bytes.clear();
    qs9MemoryForget();
    EXPECT_TRUE(stored.poll());
}

TEST_F(InstrumentMemoryTest, SwitchedOnAfterAnOnItKeepsTheInstrumentAsItStands)
{
    qs9MemorySwitch(0);
    switchOn();
    settings.securityEnabled = 1;
    qs9MemorySwitch(1);
    EXPECT_TRUE(stored.poll());
    offAndOn();
    EXPECT_EQ(settings.securityEnabled, 1);
}

TEST(ExportSetup, SetLinesRunAfterOnGiveTheSameSettings)
{
    powerOn();
    EXPECT_EQ(exported(), "");

    // One flow into two tanks, derived as leaving the fuel set-up does.
    settings.kFactor1 = 5000;
    settings.tank1Mode = tankModeCalculated;
    settings.tank2Mode = tankModeSender;
    settings.litreResolution = 1;
    settings.pressure.userCurve.points[3].adc = 999;
    settings.pressure.spare = 2;
    deriveFuelConfig();
    const Settings wanted = settings;
    const std::string lines = exported();
    EXPECT_NE(lines.find("set settings.kFactor2 5000\n"), std::string::npos) << lines;
    EXPECT_NE(lines.find("set settings.pressure.userCurve.points[3].adc 999\n"), std::string::npos) << lines;

    powerOn();
    runSetLines(lines);
    EXPECT_EQ(exported(), lines);
    EXPECT_EQ(settings.kFactor2, wanted.kFactor2);
    EXPECT_EQ(fuelConfig, 14);

    char small[8];
    uint32_t length = 0;
    EXPECT_EQ(qs9ExportSetup(small, sizeof small, &length), QS9_ERROR_NO_ROOM);
    EXPECT_EQ(length, lines.size());
}
