#pragma once

namespace benchmark::internal {
class Benchmark;
}

// How every benchmark here is timed: in microseconds, with the CPU time of
// the whole process, every thread counted (the GL driver draws on threads
// of its own), and only the repetitions' aggregates reported when there are
// several. `BENCHMARK(BM_Something)->Apply(TimeFrames);`
void TimeFrames(benchmark::internal::Benchmark* benchmark);

// benchmark::Initialize, with five repetitions unless the command line asks
// for another count with --benchmark_repetitions. False when an argument is
// not understood (the program should stop).
bool InitializeBenchmarks(int argc, char** argv);
