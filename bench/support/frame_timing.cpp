#include "support/frame_timing.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {
constexpr int kDefaultRepetitions = 5;
constexpr const char* kRepetitionsOption = "--benchmark_repetitions=";
}  // namespace

void TimeFrames(benchmark::internal::Benchmark* benchmark) {
    benchmark->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime()->ReportAggregatesOnly(true);
}

bool InitializeBenchmarks(int argc, char** argv) {
    static std::string repetitions = kRepetitionsOption + std::to_string(kDefaultRepetitions);
    static std::vector<char*> args;
    args.assign(argv, argv + argc);
    const bool asked = std::any_of(argv + 1, argv + argc, [](const char* arg) {
        return std::strncmp(arg, kRepetitionsOption, std::strlen(kRepetitionsOption)) == 0;
    });
    if (!asked) args.push_back(repetitions.data());
    int count = static_cast<int>(args.size());
    args.push_back(nullptr);
    benchmark::Initialize(&count, args.data());
    return !benchmark::ReportUnrecognizedArguments(count, args.data());
}
