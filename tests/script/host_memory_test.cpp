// The instrument memory as a host keeps it through its inputs: a played
// script starting from the factory settings and leaving the memory to the
// user, a recording that replays the restored settings, forgetting,
// switching the option on while running, the exported set-up, and a
// lesson, which rests the memory as a played script does.
#include <gtest/gtest.h>

#include "core/settings.h"
#include "script/host_inputs.h"
#include "script/lesson_player.h"
#include "script/memory_keeper.h"
#include "script/setup_script.h"
#include "tests/script/script_test_support.h"

namespace {

struct QuietControls : HostControls {
    void showInput(const Qs9Input&, uint32_t) override {}
    void powerChanged(bool) override {}
};

// A host with its memory: what it holds, and what the host was told.
struct HostWithMemory : MemoryStore {
    std::string held;
    int writes = 0;
    std::vector<std::string> told;
    QuietControls controls;
    HostInputs inputs{controls};
    MemoryKeeper keeper{*this, [this](const std::string& message, MemoryNews) { told.push_back(message); }};

    HostWithMemory()
    {
        qs9ProgramStart();
        inputs.keepMemory(&keeper);
    }
    ~HostWithMemory() override { inputs.keepMemory(nullptr); }

    StoredMemory read(size_t) override
    {
        return held.empty() ? StoredMemory{} : StoredMemory{StoredMemory::Found::bytes, held, {}};
    }
    std::string write(std::string_view bytes) override
    {
        held = std::string(bytes);
        ++writes;
        return "";
    }
    std::string keepAside(std::string&) override { return "aside"; }

    void ticks(int count)
    {
        for (int i = 0; i < count; ++i)
            inputs.tick();
    }
    // A setting changed and stored, as leaving a menu stores it.
    void store(const char* name, int64_t value)
    {
        ASSERT_EQ(qs9SetValue(name, value), QS9_OK);
        storeSettings();
        ticks(10);
    }
    void offAndOn()
    {
        inputs.powerOff();
        inputs.powerOn();
    }
    const std::string& lastTold() const
    {
        static const std::string none;
        return told.empty() ? none : told.back();
    }
};

int64_t value(const char* name)
{
    int64_t read = 0;
    EXPECT_EQ(qs9ReadValue(name, &read), QS9_OK) << name;
    return read;
}

} // namespace

TEST(HostMemory, APlayedScriptStartsFromTheFactoryAndLeavesTheMemoryToTheUser)
{
    HostWithMemory host;
    host.keeper.keepSettings(true);
    host.inputs.powerOn();
    host.store("settings.tank1Size", 60);
    const std::string held = host.held;

    bool ended = false;
    host.inputs.play("on\nset settings.units 1\noff\non\n", [&ended](const PlayEnd& end) {
        EXPECT_EQ(end.fault, "");
        ended = true;
    });
    ASSERT_TRUE(ended);
    EXPECT_EQ(value("settings.tank1Size"), 45);
    EXPECT_TRUE(host.keeper.resting());
    storeSettings();
    host.ticks(30);
    EXPECT_EQ(host.held, held) << "what the script did stays out of the memory";

    host.inputs.powerOn(); // the user's own
    EXPECT_FALSE(host.keeper.resting());
    EXPECT_EQ(value("settings.tank1Size"), 60);
    EXPECT_EQ(value("settings.units"), 0);
}

TEST(HostMemory, ARecordingReplaysTheSettingsTheMemoryRestored)
{
    HostWithMemory host;
    host.keeper.keepSettings(true);
    host.inputs.powerOn();
    host.store("settings.tank1Size", 60);
    host.store("settings.units", 2);
    host.inputs.powerOff();

    std::string recorded;
    host.inputs.startRecording([&recorded](const std::string& line) { return recorded += line + "\n", true; },
                               [] {});
    host.inputs.powerOn();
    host.inputs.pass();
    host.inputs.stopRecording();
    EXPECT_NE(recorded.find("on\n# the settings from the instrument memory\n"), std::string::npos) << recorded;
    const ScriptResult replay = runText(recorded + "expect settings.tank1Size 60\nexpect settings.units 2\n");
    EXPECT_EQ(replay.status, 0) << recorded << replay.err;
}

TEST(HostMemory, ForgettingWritesTheFactorySettingsAndSaysSo)
{
    HostWithMemory host;
    host.keeper.keepSettings(true);
    host.inputs.powerOn();
    host.store("settings.tank1Size", 60);
    host.keeper.forget();
    EXPECT_EQ(host.writes, 2);
    EXPECT_EQ(host.lastTold(), "The instrument memory holds the factory settings");
    host.offAndOn();
    EXPECT_EQ(value("settings.tank1Size"), 45);
}

TEST(HostMemory, SwitchedOnWhileRunningItKeepsTheInstrumentAsItStands)
{
    HostWithMemory host;
    host.inputs.powerOn();
    ASSERT_EQ(qs9SetValue("settings.cruiseSpeed", 140), QS9_OK);
    host.keeper.keepSettings(true);
    host.ticks(1);
    EXPECT_EQ(host.writes, 1);
    host.offAndOn();
    EXPECT_EQ(value("settings.cruiseSpeed"), 140);
}

TEST(SetupScript, MakesTheSameSettingsInAFreshRunner)
{
    qs9ProgramStart();
    qs9PowerOn();
    EXPECT_EQ(setupScript(), "# QS-9 set-up: the factory settings\non\n");
    for (const auto& [name, setting] :
         {std::pair{"settings.tank1Size", 60}, {"settings.units", 1}, {"settings.kFactor1", 5000}})
        ASSERT_EQ(qs9SetValue(name, setting), QS9_OK);
    const std::string script = setupScript();
    const ScriptResult replay = runText(script + "expect settings.tank1Size 60\nexpect settings.units 1\n"
                                                 "expect settings.kFactor1 5000\n");
    EXPECT_EQ(replay.status, 0) << script << replay.err;
    EXPECT_EQ(setupScript(), script) << "the replay's settings export as the same script";
}

TEST(HostMemory, ALessonStartsFromTheFactoryAndNeitherLosesNorOverwritesTheMemory)
{
    HostWithMemory host;
    host.keeper.keepSettings(true);
    host.inputs.powerOn();
    host.store("settings.tank1Size", 60);
    // Stored by the instrument, not yet written: the lesson must not lose it.
    ASSERT_EQ(qs9SetValue("settings.tank2Size", 70), QS9_OK);
    storeSettings();
    const int writes = host.writes;

    LessonPlayer lesson(host.inputs, readLesson(R"(lesson "Units"
introduction "UNIT in FUEL SETUP."
start
slider pressure 2000
on
pass 3
step "Open the main menu, then FUEL SETUP."
done currentScreen fuelSetupScreen
key press
pass 2
key press
pass 2
step "Edit UNIT and turn it to GAL/SM."
done settings.units 1
key press
pass
key plus
pass
closing "Done."
)"),
                        [] {});
    EXPECT_EQ(host.writes, writes + 1); // what was due, written before the lesson took over
    EXPECT_EQ(value("settings.tank1Size"), 45);
    EXPECT_EQ(value("settings.tank2Size"), 45);
    lesson.showMe();
    for (int n = 0; n < 40 && !lesson.finished(); ++n) {
        host.inputs.pass();
        host.ticks(1);
        lesson.check();
        if (lesson.step() == 1 && !lesson.showingMe())
            lesson.showMe();
    }
    ASSERT_TRUE(lesson.finished());
    EXPECT_EQ(value("settings.units"), 1);
    host.ticks(30);
    EXPECT_EQ(host.writes, writes + 1); // the lesson's settings are not the user's

    host.offAndOn(); // the user's own On takes the memory back
    EXPECT_EQ(value("settings.tank1Size"), 60);
    EXPECT_EQ(value("settings.tank2Size"), 70);
    EXPECT_EQ(value("settings.units"), 0);
}
