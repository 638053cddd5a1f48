#include "platform/random_range.h"

namespace {
uint32_t g_state = 1;
}

void RandomRange::SetRange(int32_t minValue, int32_t maxValue) {
    min = minValue;
    max = maxValue;
}

void RandomRange::Seed(uint32_t seed) { g_state = seed; }

int32_t RandomRange::NextRaw() {
    g_state = g_state * 214013u + 2531011u;
    return static_cast<int32_t>((g_state >> 16) & 0x7FFF);
}

int32_t RandomRange::Next() {
    const int64_t r = NextRaw();
    // Widened so that a range spanning most of the integers cannot overflow.
    const int64_t width = static_cast<int64_t>(max) - min + 1;
    if (width == 0) return min;
    return static_cast<int32_t>(min + r % width);
}
