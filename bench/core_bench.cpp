// Speed of the Calculate road's largest experiment (100 balls, add 10,
// 10,000 trials), in trial lines per second.
#include "core/Random.h"
#include "core/UrnExperiment.h"

#include <benchmark/benchmark.h>

#include <functional>

namespace {

void LargestExperiment(benchmark::State& state) {
    core::Random random(12345);
    const core::UrnInputs largest{100, 50, 50, 10, 10'000};
    for (auto _ : state) {
        benchmark::DoNotOptimize(core::RunExperiment(largest, random));
    }
    state.counters["lines/s"] =
        benchmark::Counter(static_cast<double>(state.iterations() * largest.reps), benchmark::Counter::kIsRate);
}
BENCHMARK(LargestExperiment)->Unit(benchmark::kMicrosecond);

void LargestExperimentWithYield(benchmark::State& state) {
    core::Random random(12345);
    const core::UrnInputs largest{100, 50, 50, 10, 10'000};
    long yields = 0;
    const std::function<void()> yield = [&yields] { ++yields; };
    for (auto _ : state) {
        benchmark::DoNotOptimize(core::RunExperiment(largest, random, yield));
    }
    benchmark::DoNotOptimize(yields);
    state.counters["lines/s"] =
        benchmark::Counter(static_cast<double>(state.iterations() * largest.reps), benchmark::Counter::kIsRate);
}
BENCHMARK(LargestExperimentWithYield)->Unit(benchmark::kMicrosecond);

} // namespace
