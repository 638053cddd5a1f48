#include "platform/motion_stepper.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Truncation toward zero that saturates instead of overflowing.
int32_t TruncateToInt(double value) {
    if (std::isnan(value)) return 0;
    if (value >= static_cast<double>(std::numeric_limits<int32_t>::max())) {
        return std::numeric_limits<int32_t>::max();
    }
    if (value <= static_cast<double>(std::numeric_limits<int32_t>::min())) {
        return std::numeric_limits<int32_t>::min();
    }
    return static_cast<int32_t>(value);
}

int32_t ClampExpected(int64_t value) {
    return static_cast<int32_t>(
        std::clamp<int64_t>(value, MotionStepper::kMinExpected, MotionStepper::kMaxExpected));
}

}  // namespace

void MotionStepper::Reset() {
    meanDelta = 0;
    expected = kNoEstimate;
    sampleCount = 0;
    warmUp = 0;
    base = 0.0f;
    sampleSum = 0.0f;
    carry = 0.0f;
    wholeSteps = 0;
    resetPending = 0;
}

void MotionStepper::ComputeDelta(int32_t speed, int32_t elapsedMs) {
    // A clock that went backwards or a long stall counts as a bounded frame.
    const int32_t ms = std::clamp(elapsedMs, 0, kMaxElapsedMs);
    lastDelta = static_cast<float>(speed) * static_cast<float>(ms) * 0.001f;
}

uint8_t MotionStepper::TakeSteps() {
    carry = std::clamp(carry + lastDelta, -kMaxCarry, kMaxCarry);
    if (std::isnan(carry)) carry = 0.0f;
    // Taking whole steps one by one is exact below 2^24, so doing it at once
    // gives the same carry.
    if (carry >= 1.0f) {
        const float whole = std::floor(carry);
        carry -= whole;
        wholeSteps += static_cast<uint32_t>(whole);
    }
    steps = static_cast<uint8_t>(wholeSteps & 0xFF);

    const int32_t target = std::clamp(expected, kMinExpected, kMaxExpected);
    while (steps > target + 1) {
        --steps;
        carry += 1.0f;
    }
    while (steps < target - 1) {
        ++steps;
        carry -= 1.0f;
    }
    wholeSteps = 0;
    return steps;
}

uint8_t MotionStepper::Step(int32_t speed, int32_t elapsedMs) {
    ComputeDelta(speed, elapsedMs);
    if (expected == kNoEstimate) {
        const int64_t perFifty = TruncateToInt(base) / 50;
        expected = ClampExpected(perFifty * speed / 500);
    }
    return TakeSteps();
}

uint8_t MotionStepper::StepAdaptive(int32_t speed, int32_t elapsedMs) {
    if (resetPending) {
        resetPending = 0;
        expected = kNoEstimate;
        sampleCount = 0;
        sampleSum = 0.0f;
        carry = 0.0f;
        wholeSteps = 0;
        lastDelta = 0.0f;
        steps = 0;
        warmUp = 0;
    }
    ComputeDelta(speed, elapsedMs);
    if (expected == kNoEstimate) {
        const int64_t scaled = TruncateToInt(static_cast<double>(base) * 0.02);
        expected = ClampExpected(scaled * speed / 500);
    }
    if (warmUp < 11) ++warmUp;
    if (warmUp > 10) {
        if (sampleCount < 10) {
            sampleSum += lastDelta;
            ++sampleCount;
        }
        if (sampleCount >= 10) {
            meanDelta = TruncateToInt(static_cast<double>(sampleSum) * 0.1);
            expected = ClampExpected(meanDelta);
            sampleCount = 0;
            sampleSum = 0.0f;
        }
    }
    return TakeSteps();
}
