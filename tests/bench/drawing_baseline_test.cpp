// The pass benchmark's two copies of the simulator, the drawing routines as
// they are and the earlier ones kept as its baseline, draw every frame of the
// fuzzer's seed walks pixel for pixel alike.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "sim_module.h"
#include "tests/fuzz/firmware_events.h"
#include "tests/fuzz/walk_events.h"

namespace {

constexpr int framePixels = QS9_DISPLAY_WIDTH * QS9_DISPLAY_HEIGHT;
using Frame = std::vector<uint8_t>;

EventTarget eventTarget(const SimModule& m)
{
    return {m.programStart, m.powerOn, m.powerOff, m.mainLoopRuns, m.pass,
            m.tick,         m.postKey, m.findInput, m.setInput, m.setValue};
}

struct Recording {
    const SimModule* sim;
    std::vector<Frame> frames;
};

const char* recordFrame(void* context)
{
    Recording& recording = *static_cast<Recording*>(context);
    const uint8_t* pixels = recording.sim->frameBuffer();
    recording.frames.emplace_back(pixels, pixels + framePixels);
    return nullptr;
}

struct Comparison {
    const SimModule* sim;
    const std::vector<Frame>* baseline;
    size_t compared = 0;
    char message[96] = "";
};

// The first pixel where this pass's frame differs from the baseline's.
const char* compareFrame(void* context)
{
    Comparison& c = *static_cast<Comparison*>(context);
    if (c.compared == c.baseline->size())
        return "more passes than in the baseline";
    const Frame& expected = (*c.baseline)[c.compared++];
    const uint8_t* pixels = c.sim->frameBuffer();
    for (int i = 0; i < framePixels; ++i)
        if (pixels[i] != expected[i]) {
            std::snprintf(c.message, sizeof c.message, "pixel (%d, %d) is %u, the baseline drew %u",
                          i % QS9_DISPLAY_WIDTH, i / QS9_DISPLAY_WIDTH, pixels[i], expected[i]);
            return c.message;
        }
    return nullptr;
}

} // namespace

TEST(DrawingBaseline, SeedWalksDrawEveryFrameAsTheBaselineDid)
{
    SimModule baseline, current;
    std::string error;
    ASSERT_TRUE(loadSimModule(QS9_SIM_BASELINE_MODULE, baseline, error)) << error;
    ASSERT_TRUE(loadSimModule(QS9_SIM_MODULE, current, error)) << error;
    size_t frames = 0;
    for (const SeedWalk& walk : readSeedWalks(QS9_FUZZ_WALKS_DIR)) {
        Recording recording{&baseline, {}};
        driveEvents(eventTarget(baseline), walk.events.data(), walk.events.size(), recordFrame, &recording);
        Comparison comparison{&current, &recording.frames};
        const char* failure =
            driveEvents(eventTarget(current), walk.events.data(), walk.events.size(), compareFrame, &comparison);
        EXPECT_EQ(failure, nullptr) << walk.name << ": " << (failure ? failure : "");
        if (failure == nullptr) {
            EXPECT_EQ(comparison.compared, recording.frames.size()) << walk.name;
        }
        frames += comparison.compared;
    }
    EXPECT_GT(frames, 1000u);
}
