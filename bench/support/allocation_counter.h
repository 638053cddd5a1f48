#pragma once
#include <cstdint>

// Counts heap allocations while counting is on: every call to malloc,
// calloc, realloc and the aligned allocators from any part of the process
// (our code, the C++ library, SDL, the GL driver and its threads), and among
// them those made through C++ new and through SDL's allocator. The benchmark
// programs replace those functions with counting ones that hand on to the C
// library (and SDL's own).
namespace allocation_counter {
struct Counts {
    uint64_t all = 0, cppNew = 0, sdl = 0;
};
void Start();
// Counts since Start; counting stops.
Counts Stop();
}  // namespace allocation_counter
