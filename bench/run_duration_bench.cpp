// The runner's "run 10h" (9,000 full passes and 360,000 timer ticks) against
// the same ten hours written as the plain lines the runner had before it,
// "tick 40" and "pass" for each 4-second period, and the same with a track
// driving flow and contents. Each script runs whole, from program start.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "script/script_runner.h"

namespace {

constexpr int periods = 9000; // 10 h of 4 s
const std::string powered = "on\nslider flow1 234\nslider level1 600\nslider pressure 2000\n";

std::string plainLines()
{
    std::string script = powered;
    for (int i = 0; i < periods; ++i)
        script += "tick 40\npass\n";
    return script;
}

// A ten-hour track beside the benchmark's files, in the temporary folder.
std::string trackScript()
{
    const std::filesystem::path track = std::filesystem::temp_directory_path() / "qs9-run-bench-track.csv";
    std::ofstream(track) << "time_s,flow1,tank1,pressure\n0,30,45,4.0\n36000,20,5,2.0\n";
    return powered + "track " + track.string() + "\nrun 10h\n";
}

// Runs the script and checks it ended as ten hours at 233 pulses a period do.
void runWhole(benchmark::State& state, const std::string& script, bool checkFuel)
{
    std::ostream ignored(nullptr);
    for (auto _ : state) {
        std::istringstream text(script + "print used1Pulses\n");
        std::ostringstream out;
        if (runScript(text, out, ignored) != scriptSucceeded ||
            (checkFuel && out.str() != "used1Pulses = " + std::to_string(233 * periods) + "\n")) {
            state.SkipWithError(("the script did not run ten hours: " + out.str()).c_str());
            return;
        }
    }
}

void plainPassAndTickLines(benchmark::State& state) { runWhole(state, plainLines(), true); }
void run10h(benchmark::State& state) { runWhole(state, powered + "run 10h\n", true); }
void run10hWithATrack(benchmark::State& state) { runWhole(state, trackScript(), false); }

BENCHMARK(plainPassAndTickLines)->Unit(benchmark::kMillisecond);
BENCHMARK(run10h)->Unit(benchmark::kMillisecond);
BENCHMARK(run10hWithATrack)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
