#include "battle/aim_rules.h"

#include <cstdlib>

namespace {

// Slopes past which a direction leaves the vertical by one more step. The
// steep ones are single precision, the rest double, as the game compared.
constexpr float kSteepThresholds[3] = {16.0f, 6.0f, 3.333f};
constexpr double kThresholds[13] = {2.333,  1.8,    1.466,  1.238,  1.071,  0.9375, 0.8125,
                                    0.6875, 0.5625, 0.4375, 0.3125, 0.1875, 0.0625};

int Min8(int v) { return v < 8 ? v : 8; }

}  // namespace

HeadingSteps StepsForHeading(int heading) {
    const int h = WrapHeading(heading);
    const int folded = h > 32 ? 64 - h : h;
    HeadingSteps steps{};
    if (folded <= 16) {
        steps.unitX = Min8(folded);
        steps.unitY = Min8(16 - folded);
    } else {
        steps.unitX = Min8(32 - folded);
        steps.unitY = Min8(folded - 16);
    }
    steps.signX = (h >= 1 && h <= 31) ? 1 : 0;
    steps.signY = (h >= 17 && h <= 47) ? 1 : 0;
    return steps;
}

int SlopeOffset(float slope) {
    for (int k = 0; k < 3; ++k) {
        if (slope > kSteepThresholds[k]) return k;
    }
    for (int k = 0; k < 13; ++k) {
        if (static_cast<double>(slope) > kThresholds[k]) return k + 3;
    }
    return 16;
}

bool AimHeading(int32_t fromX, int32_t fromY, int32_t toX, int32_t toY, uint8_t& heading) {
    const int64_t dx = static_cast<int64_t>(toX) - fromX;
    const int64_t dy = static_cast<int64_t>(toY) - fromY;
    if (dx == 0 && dy == 0) return false;
    if (dx == 0) {
        heading = dy < 0 ? 0 : 32;
        return true;
    }
    if (dy == 0) {
        heading = dx < 0 ? 48 : 16;
        return true;
    }
    const float slope = static_cast<float>(std::llabs(dy)) / static_cast<float>(std::llabs(dx));
    const int k = SlopeOffset(slope);
    if (dx > 0) {
        heading = static_cast<uint8_t>(dy < 0 ? k : 32 - k);
    } else {
        heading = WrapHeading(dy > 0 ? 32 + k : 64 - k);
    }
    return true;
}
