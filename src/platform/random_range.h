#pragma once
#include <cstdint>

// Random integers in a closed range. Every object draws from one shared
// linear congruential generator, so seeding one seeds them all.
class RandomRange {
public:
    RandomRange() = default;
    virtual ~RandomRange() = default;

    void SetRange(int32_t minValue, int32_t maxValue);
    static void Seed(uint32_t seed);
    // The generator's next raw value, 0..32767.
    static int32_t NextRaw();
    // min + r mod (max - min + 1); a range of width 0 yields min.
    int32_t Next();

    int32_t min = 0;
    int32_t max = 0;
};
