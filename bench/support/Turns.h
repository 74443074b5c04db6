// Benchmarks that take turns with their reference (cp, ours, cp, ours, ...) so that both meet the
// same state of the machine: one registration per turn, timed by the benchmark itself.
#pragma once

#include <benchmark/benchmark.h>

namespace bench_support {

inline void AddTurn(const char* name, void (*function)(benchmark::State&), int turn, int iterations) {
    benchmark::RegisterBenchmark(name, function)
        ->Arg(turn)
        ->Iterations(iterations)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
}

} // namespace bench_support
