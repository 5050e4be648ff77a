// Times one main-loop pass on every screen of screen_walks.h with a plain
// clock, so that the same source runs natively and as WebAssembly under
// Node.js (bench/run-web-bench.sh runs both side by side).
// Prints one line a screen: its name and the median microseconds per pass
// over the rounds, then their sum (sum-of-all-screens).
//   qs9_pass_timing [ROUNDS]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "screen_walks.h"

namespace {

using namespace screen_walks;
using Clock = std::chrono::steady_clock;

constexpr int passesPerRound = 2000;

double microsecondsPerPass()
{
    const Clock::time_point start = Clock::now();
    for (int n = 0; n < passesPerRound; ++n)
        qs9Pass();
    const std::chrono::duration<double, std::micro> spent = Clock::now() - start;
    return spent.count() / passesPerRound;
}

double medianOf(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    double sum = 0;
    for (const Walk& w : walks()) {
        const std::string problem = arrive(w);
        if (!problem.empty()) {
            std::fprintf(stderr, "%s: %s\n", w.name.c_str(), problem.c_str());
            return 1;
        }
        std::vector<double> times;
        for (int r = 0; r < rounds; ++r)
            times.push_back(microsecondsPerPass());
        const double median = medianOf(times);
        sum += median;
        std::printf("%-28s %8.2f us\n", w.name.c_str(), median);
    }
    std::printf("%-28s %8.2f us\n", "sum-of-all-screens", sum);
    return 0;
}
