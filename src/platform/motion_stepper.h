#pragma once
#include <cstdint>

// Turns a speed in pixels per second and the last frame's milliseconds into
// whole one-pixel steps for this frame. The fraction not taken is carried to
// the next frame, and the count is held within one of an expected value so
// that a slow or uneven frame does not make sprites jump.
class MotionStepper {
public:
    // "No estimate made yet".
    static constexpr int32_t kNoEstimate = 5000;
    // Bounds that keep a stalled or absurd frame from hanging the game:
    // the step count is a byte, so the expected count must leave room for
    // expected + 1 within it.
    static constexpr int32_t kMinExpected = -1;
    static constexpr int32_t kMaxExpected = 254;
    static constexpr int32_t kMaxElapsedMs = 1000;
    static constexpr float kMaxCarry = 1000000.0f;

    void Reset();
    uint8_t Step(int32_t speed, int32_t elapsedMs);
    uint8_t StepAdaptive(int32_t speed, int32_t elapsedMs);

    uint8_t resetPending = 0;
    float carry = 0.0f;
    uint32_t wholeSteps = 0;
    uint8_t steps = 0;
    float lastDelta = 0.0f;
    int32_t meanDelta = 0;
    uint8_t sampleCount = 0;
    uint8_t warmUp = 0;
    float base = 0.0f;
    float sampleSum = 0.0f;
    int32_t expected = kNoEstimate;

private:
    void ComputeDelta(int32_t speed, int32_t elapsedMs);
    uint8_t TakeSteps();
};
