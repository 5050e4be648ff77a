// The instrument memory's file, as the runner and the window keep it: a
// write replaces it whole or not at all (a full device, another program
// writing at the same time), a memory without a good record is moved aside
// without replacing one moved before, and the runner's "memory FILE" keeps
// what the firmware stores across Off and On, and across runs.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>

#include "core/settings.h"
#include "script/memory_file.h"
#include "sim/simulator.h"
#include "tests/script/script_test_support.h"

namespace fs = std::filesystem;

namespace {

struct ScratchFolder {
    fs::path path;
    ScratchFolder()
    {
        char name[] = "/tmp/qs9-memory-test-XXXXXX";
        path = mkdtemp(name);
    }
    ~ScratchFolder() { fs::remove_all(path); }
    std::string file(const char* name) const { return (path / name).string(); }
};

std::string contents(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void writeBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

// A memory record as the runner writes it: tank 1 of `size` litres.
std::string recordWithTank1(int size)
{
    qs9ProgramStart();
    qs9MemorySwitch(1);
    qs9PowerOn();
    qs9SetValue("settings.tank1Size", size);
    storeSettings();
    uint8_t bytes[QS9_MEMORY_RECORD_CAPACITY];
    uint32_t length = 0;
    EXPECT_EQ(qs9MemoryWriteDue(1, bytes, sizeof bytes, &length), 1);
    qs9MemoryWritten(1);
    return std::string(reinterpret_cast<char*>(bytes), length);
}

// From home with quiet senders: TANK 1 SETUP's TANK SIZE raised by `turns`
// litres in the menus, and back home, each key a pass apart.
std::string tank1SizeRaisedInTheMenus(int turns)
{
    std::string lines;
    const auto key = [&lines](const char* name, int times = 1) {
        for (int i = 0; i < times; ++i)
            lines += std::string("key ") + name + "\npass 2\n";
    };
    key("press");    // the main menu
    key("press");    // FUEL SETUP
    key("plus", 5);  // TANK 1 SETUP
    key("press");
    key("plus");     // TANK SIZE
    key("press");
    key("plus", turns);
    key("press");
    key("left", 3);  // BACK, EXIT, EXIT: the settings stored
    return lines;
}

const std::string quietOn = "on\nslider pressure 2000\nslider level1 600\npass 2\n";

// A store in memory, which may refuse to write, and counts the writes.
struct CountedStore : MemoryStore {
    std::string held;
    int writes = 0;
    bool full = false;
    StoredMemory read(size_t) override
    {
        return held.empty() ? StoredMemory{} : StoredMemory{StoredMemory::Found::bytes, held, {}};
    }
    std::string write(std::string_view bytes) override
    {
        if (full)
            return "No space left on device";
        held = std::string(bytes);
        ++writes;
        return "";
    }
    std::string keepAside(std::string&) override { return "aside"; }
};

ScriptOptions storedIn(CountedStore& store)
{
    ScriptOptions options;
    options.memoryStore = [&store](const fs::path&) {
        struct Lent : MemoryStore {
            CountedStore& to;
            explicit Lent(CountedStore& store) : to(store) {}
            StoredMemory read(size_t limit) override { return to.read(limit); }
            std::string write(std::string_view bytes) override { return to.write(bytes); }
            std::string keepAside(std::string& fault) override { return to.keepAside(fault); }
        };
        return std::make_unique<Lent>(store);
    };
    return options;
}

} // namespace

TEST(MemoryFile, ReadsNothingItsBytesOrWhyNot)
{
    ScratchFolder folder;
    MemoryFile file(folder.file("memory"));
    EXPECT_EQ(file.read(10).found, StoredMemory::Found::nothing);
    ASSERT_EQ(file.write("record"), "");
    const StoredMemory stored = file.read(4);
    EXPECT_EQ(stored.found, StoredMemory::Found::bytes);
    EXPECT_EQ(stored.bytes, "reco") << "read up to the limit";

    const StoredMemory folderRead = MemoryFile(folder.path.string()).read(10);
    EXPECT_EQ(folderRead.found, StoredMemory::Found::unreadable);
    EXPECT_EQ(folderRead.why, "a directory");
}

TEST(MemoryFile, AFullDeviceLeavesThePreviousMemoryWhole)
{
    ScratchFolder folder;
    MemoryFile file(folder.file("memory"));
    const std::string before(300, 'a');
    ASSERT_EQ(file.write(before), "");

    // A device with room for 16 bytes more: the file-size limit stands in.
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit small{16, limit.rlim_max};
    const auto oldHandler = signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    const std::string fault = file.write(std::string(300, 'b'));
    setrlimit(RLIMIT_FSIZE, &limit);
    signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(fault, "File too large");
    EXPECT_EQ(contents(file.path()), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path), fs::directory_iterator()), 1)
        << "the half-written file is removed";
    EXPECT_EQ(MemoryFile("/dev/full").write(before), "No space left on device");
}

TEST(MemoryFile, KeepsAsideUnderAFreeNameWithoutReplacingOne)
{
    ScratchFolder folder;
    MemoryFile file(folder.file("memory"));
    std::string fault;
    ASSERT_EQ(file.write("first"), "");
    EXPECT_EQ(file.keepAside(fault), folder.file("memory.damaged"));
    EXPECT_FALSE(fs::exists(file.path()));
    ASSERT_EQ(file.write("second"), "");
    EXPECT_EQ(file.keepAside(fault), folder.file("memory.damaged-2"));
    EXPECT_EQ(contents(folder.file("memory.damaged")), "first");
    EXPECT_EQ(contents(folder.file("memory.damaged-2")), "second");
    EXPECT_EQ(file.keepAside(fault), "");
    EXPECT_EQ(fault, "it is no longer there");
}

// Two programs writing one memory at once, as two windows do: every
// reading finds a whole record, and the last complete write is the one kept.
TEST(MemoryFile, TwoWritersAtOnceLeaveAWholeRecord)
{
    ScratchFolder folder;
    const std::string records[] = {recordWithTank1(60), recordWithTank1(70)};
    MemoryFile file(folder.file("memory"));
    ASSERT_EQ(file.write(records[0]), "");
    pid_t writers[2];
    for (int w = 0; w < 2; ++w)
        if ((writers[w] = fork()) == 0) {
            for (int i = 0; i < 100; ++i)
                if (!file.write(records[w]).empty())
                    _exit(1);
            _exit(0);
        }
    int readings = 0;
    for (bool writing = true; writing; ++readings) {
        const StoredMemory stored = file.read(QS9_MEMORY_RECORD_CAPACITY + 1);
        ASSERT_EQ(stored.found, StoredMemory::Found::bytes);
        ASSERT_TRUE(stored.bytes == records[0] || stored.bytes == records[1]) << "reading " << readings;
        writing = waitpid(writers[0], nullptr, WNOHANG) == 0 || waitpid(writers[1], nullptr, WNOHANG) == 0;
    }
    for (pid_t writer : writers)
        waitpid(writer, nullptr, 0);
    EXPECT_GT(readings, 1);
    const std::string last = contents(file.path());
    EXPECT_TRUE(last == records[0] || last == records[1]);
}

TEST(RunnerMemory, ATankSetInTheMenusAndTheTotalsSurviveOffOnAndTheNextRun)
{
    ScratchFolder folder;
    ScriptOptions options;
    options.folder = folder.path;
    const ScriptResult first = runText("memory kept.mem\n" + quietOn + tank1SizeRaisedInTheMenus(15) +
                                           "slider flow1 7000\npass 12\nslider flow1 0\ntick 10\n"
                                           "print fuelUsed1\noff\non\npass\n"
                                           "expect settings.tank1Size 60\nexpect fuelUsed1 12\n",
                                       options);
    EXPECT_EQ(first.status, 0) << first.err;
    EXPECT_EQ(first.out, "fuelUsed1 = 12\nmemory: Settings restored from the instrument memory\n");

    const ScriptResult next = runText("memory kept.mem\non\npass\nexpect settings.tank1Size 60\n"
                                      "expect fuelUsed1 12\n",
                                      options);
    EXPECT_EQ(next.status, 0) << next.err;

    // Without a memory, the same steps start from the factory settings, and
    // say nothing of it: scripts give what they gave before.
    const ScriptResult without = runText(quietOn + tank1SizeRaisedInTheMenus(15) +
                                         "off\non\npass\nexpect settings.tank1Size 45\n");
    EXPECT_EQ(without.status, 0) << without.err;
    EXPECT_EQ(without.out, "");
}

TEST(RunnerMemory, OnAloneLeavesTheFileAsItWas)
{
    ScratchFolder folder;
    ScriptOptions options;
    options.folder = folder.path;
    ASSERT_EQ(runText("memory kept.mem\n" + quietOn + tank1SizeRaisedInTheMenus(5) + "off\n", options).status, 0);
    struct stat before {}, after {};
    ASSERT_EQ(stat(folder.file("kept.mem").c_str(), &before), 0);
    const std::string bytes = contents(folder.file("kept.mem"));

    ASSERT_EQ(runText("memory kept.mem\n" + quietOn + "pass 20\ntick 30\noff\non\npass 2\noff\n", options).status, 0);
    ASSERT_EQ(stat(folder.file("kept.mem").c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino) << "a write would have put a new file in its place";
    EXPECT_EQ(contents(folder.file("kept.mem")), bytes);
}

TEST(RunnerMemory, AMinuteOfSteadyFlowWritesOncePerSecond)
{
    CountedStore store;
    std::string minute;
    for (int tick = 0; tick < 600; ++tick)
        minute += "pass 3\ntick\n";
    const ScriptResult run =
        runText("memory kept.mem\n" + quietOn + "slider flow1 7000\n" + minute + "expect fuelUsed1 1800\n",
                storedIn(store));
    EXPECT_EQ(run.status, 0) << run.err;
    // One a second of the timer's 60, and the last at the script's end.
    EXPECT_EQ(store.writes, 61);
}

TEST(RunnerMemory, ADamagedMemoryGivesTheFactorySettingsSaysWhyAndIsKeptAside)
{
    ScratchFolder folder;
    std::string damaged = recordWithTank1(60);
    damaged[20] ^= 0x04;
    writeBytes(folder.file("kept.mem"), damaged);
    ScriptOptions options;
    options.folder = folder.path;
    const ScriptResult run =
        runText("memory kept.mem\non\npass 3\nexpect settings.tank1Size 45\ntick 20\noff\n", options);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "memory: The instrument memory is damaged (its checksum does not match); the factory "
                       "settings are in use; it is kept as " + folder.file("kept.mem.damaged") + "\n");
    EXPECT_EQ(contents(folder.file("kept.mem.damaged")), damaged);
    EXPECT_FALSE(fs::exists(folder.file("kept.mem"))) << "nothing written before a setting changes";
}

TEST(RunnerMemory, AFailedWriteIsAFailedExpectationAndTheMemoryKeepsWhatItHeld)
{
    CountedStore store;
    ASSERT_EQ(runText("memory kept.mem\n" + quietOn + tank1SizeRaisedInTheMenus(15) + "off\n", storedIn(store)).status, 0);
    const std::string before = store.held;
    store.full = true;
    const ScriptResult run = runText("memory kept.mem\n" + quietOn + tank1SizeRaisedInTheMenus(1) + "tick 30\noff\n",
                                     storedIn(store));
    EXPECT_EQ(run.status, 1);
    // Said once, at the tick after the menus were left, not at every try.
    EXPECT_TRUE(std::regex_match(run.err, std::regex("line [0-9]+: The instrument memory could not be written "
                                                     "\\(No space left on device\\); it keeps what it held\n")))
        << run.err;
    EXPECT_EQ(store.held, before);
}

TEST(RunnerMemory, OneMemoryAScript)
{
    CountedStore store;
    const ScriptResult run = runText("memory a.mem\nmemory b.mem\n", storedIn(store));
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "line 2: the memory is kept in \"a.mem\" already: one memory a script\n");
}
