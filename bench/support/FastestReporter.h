// A console reporter for benchmarks judged against a reference in the same run: it shows the
// usual table (coloured on a terminal) and keeps the fastest run of every benchmark, by function
// name, in wall-clock and in CPU time, so the program can print ratios and an exit status.
#pragma once

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <limits>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace bench_support {

struct Timing {
    double real = std::numeric_limits<double>::infinity();
    double cpu = std::numeric_limits<double>::infinity();
};

class FastestReporter : public benchmark::ConsoleReporter {
public:
    FastestReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration)
                continue;
            if (run.error_occurred) {
                failed_ = true;
                continue;
            }
            Timing& fastest = fastest_[run.run_name.function_name];
            fastest.real = std::min(fastest.real, run.GetAdjustedRealTime());
            fastest.cpu = std::min(fastest.cpu, run.GetAdjustedCPUTime());
        }
    }

    const std::map<std::string, Timing>& Fastest() const { return fastest_; }
    // The fastest wall-clock time of `name` over that of `reference`, or none when either did not run.
    std::optional<double> Ratio(const std::string& name, const std::string& reference) const {
        const auto ours = fastest_.find(name);
        const auto theirs = fastest_.find(reference);
        if (ours == fastest_.end() || theirs == fastest_.end())
            return std::nullopt;
        return ours->second.real / theirs->second.real;
    }
    // True when a benchmark stopped with an error.
    bool Failed() const { return failed_; }

private:
    std::map<std::string, Timing> fastest_;
    bool failed_ = false;
};

} // namespace bench_support
