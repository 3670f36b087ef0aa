#pragma once

#include <benchmark/benchmark.h>

#include <sys/resource.h>

// Adds the process's peak resident memory so far, in megabytes, to a benchmark's figures.
inline void reportPeakMemory(benchmark::State& state) {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_MB"] = double(usage.ru_maxrss) / 1024.0;
}
