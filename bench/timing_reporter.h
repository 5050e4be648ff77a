// Google Benchmark's console table, keeping each benchmark's times (the
// median when repeated) so that a program can print ratios after the run.
#pragma once
#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <unistd.h>
#include <vector>

struct BenchmarkTimes {
    double real = 0; // in the benchmark's time unit; 0 when it did not run
    double cpu = 0;
};

class TimingReporter : public benchmark::ConsoleReporter {
public:
    TimingReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_Defaults : OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        // With repetitions the median comes after the runs and replaces them.
        for (const Run& run : runs)
            if (!run.error_occurred && (run.run_type == Run::RT_Iteration || run.aggregate_name == "median"))
                kept[run.run_name.function_name] = {run.GetAdjustedRealTime(), run.GetAdjustedCPUTime()};
    }

    BenchmarkTimes timesOf(const std::string& name) const
    {
        const auto found = kept.find(name);
        return found == kept.end() ? BenchmarkTimes{} : found->second;
    }

private:
    std::map<std::string, BenchmarkTimes> kept;
};
