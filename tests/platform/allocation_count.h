#pragma once
#include <cstdint>

// Counts allocations made through C++ new and through SDL's allocator while
// a CountAllocations object lives (this test program replaces operator new).
class CountAllocations {
public:
    CountAllocations();
    ~CountAllocations();
    CountAllocations(const CountAllocations&) = delete;
    CountAllocations& operator=(const CountAllocations&) = delete;
    uint64_t Made() const;
};
