#pragma once
#include <cstdint>

// Directions quantised to the ship's 64 headings (0 up, 16 right, 32 down,
// 48 left), and the step units and signs that move a shot along one.

struct HeadingSteps {
    int32_t unitX;  // 0-8
    int32_t unitY;
    uint8_t signX;  // 1 rightward
    uint8_t signY;  // 1 downward
};

// Step units walk the edge of a square: (0, 8) at 0, (8, 8) at 8, (8, 0) at 16.
HeadingSteps StepsForHeading(int heading);

// Steps 0-16 away from the vertical for a positive slope |dy| / |dx|.
int SlopeOffset(float slope);

// Heading from a shooter to a target; false when they coincide (nothing is
// chosen and the caller keeps its last direction).
bool AimHeading(int32_t fromX, int32_t fromY, int32_t toX, int32_t toY, uint8_t& heading);

inline uint8_t WrapHeading(int heading) { return static_cast<uint8_t>(((heading % 64) + 64) % 64); }
