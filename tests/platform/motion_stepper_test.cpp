#include <gtest/gtest.h>

#include <cstdint>

#include "platform/motion_stepper.h"
#include "platform/point_in_rect.h"
#include "platform/random_range.h"

namespace {

MotionStepper FreshStepper() {
    MotionStepper stepper;
    stepper.Reset();
    return stepper;
}

}  // namespace

TEST(MotionStepper, StepsStayNearTheExpectedOnesThroughTheCarry) {
    // 104 px/s for 100 ms is a delta of 10.4: four steps (expected 3 + 1) now,
    // 6.4 carried and paid out at expected + 1 a call. A delta of 1.5 at
    // expected 5 is raised to 4 by borrowing three.
    const struct {
        int expected;
        int32_t speed, ms;
        int steps[3];
        float carry;
    } rows[] = {{3, 104, 100, {4, 4, 2}, 0.4f}, {5, 150, 10, {4, -1, -1}, -2.5f}};
    for (const auto& r : rows) {
        MotionStepper stepper = FreshStepper();
        stepper.expected = r.expected;
        EXPECT_EQ(stepper.Step(r.speed, r.ms), r.steps[0]);
        for (int k = 1; k < 3 && r.steps[k] >= 0; ++k) EXPECT_EQ(stepper.Step(0, 16), r.steps[k]) << k;
        EXPECT_NEAR(stepper.carry, r.carry, 1e-5);
    }
}

TEST(MotionStepper, ZeroBaseGivesAtMostOneStepForStep) {
    MotionStepper stepper = FreshStepper();
    int total = 0;
    for (int i = 0; i < 50; ++i) {
        const uint8_t s = stepper.Step(560, 16);
        EXPECT_LE(s, 1);
        total += s;
    }
    EXPECT_EQ(stepper.expected, 0);
    EXPECT_EQ(total, 50);
    EXPECT_GT(stepper.carry, 50.0f);  // the surplus waits in the carry
}

TEST(MotionStepper, StepUsesBaseForItsEstimate) {
    MotionStepper stepper = FreshStepper();
    stepper.base = 1000.0f;
    stepper.Step(250, 16);
    EXPECT_EQ(stepper.expected, (1000 / 50 * 250) / 500);  // 10
}

TEST(MotionStepper, AdaptiveReestimatesAfterTwentyCalls) {
    MotionStepper stepper = FreshStepper();
    // 300 px/s at 20 ms is 6 px per frame.
    for (int call = 1; call <= 19; ++call) {
        EXPECT_LE(stepper.StepAdaptive(300, 20), 1) << "call " << call;
        EXPECT_EQ(stepper.expected, 0);
    }
    stepper.StepAdaptive(300, 20);
    EXPECT_EQ(stepper.expected, 6);
    EXPECT_EQ(stepper.meanDelta, 6);
    EXPECT_EQ(stepper.sampleCount, 0);
    // From then on each call is 5..7 steps, paying the early surplus out.
    const uint8_t s = stepper.StepAdaptive(300, 20);
    EXPECT_GE(s, 5);
    EXPECT_LE(s, 7);
    // A pending reset starts the estimate afresh.
    stepper.resetPending = 1;
    stepper.StepAdaptive(300, 20);
    EXPECT_EQ(stepper.resetPending, 0);
    EXPECT_EQ(stepper.warmUp, 1);
    EXPECT_EQ(stepper.expected, 0);
}

TEST(MotionStepper, LongStallsStayInRange) {
    MotionStepper adaptive = FreshStepper();
    MotionStepper plain = FreshStepper();
    // Ten-second frames, enough of them to make the estimate from them.
    for (int i = 0; i < 40; ++i) {
        adaptive.StepAdaptive(560, 10000);
        plain.Step(560, 10000);
    }
    // Then a normal frame after the stall.
    adaptive.StepAdaptive(560, 16);
    EXPECT_LE(adaptive.expected, MotionStepper::kMaxExpected);
    EXPECT_LE(adaptive.carry, MotionStepper::kMaxCarry);
    EXPECT_LE(plain.carry, MotionStepper::kMaxCarry);
}

TEST(MotionStepper, AbsurdInputsCannotHang) {
    MotionStepper stepper = FreshStepper();
    stepper.base = 1e30f;
    stepper.Step(2147483647, 2147483647);
    EXPECT_LE(stepper.expected, MotionStepper::kMaxExpected);
    MotionStepper negative = FreshStepper();
    for (int i = 0; i < 30; ++i) negative.StepAdaptive(-2000000000, 1000);
    EXPECT_GE(negative.expected, MotionStepper::kMinExpected);
    EXPECT_EQ(negative.StepAdaptive(-5, 16), 0);
    MotionStepper backwards = FreshStepper();
    EXPECT_EQ(backwards.Step(100, -5000), 0);  // a clock running backwards moves nothing
    EXPECT_EQ(backwards.lastDelta, 0.0f);
}

TEST(RandomRange, OneSharedLinearCongruentialSequenceCutToEachRange) {
    RandomRange::Seed(1);
    RandomRange full, a, b;
    full.SetRange(0, 32767);
    const int32_t expected[4] = {41, 18467, 6334, 26500};
    for (int32_t value : expected) EXPECT_EQ(full.Next(), value);
    RandomRange::Seed(1);
    a.SetRange(10, 19);
    b.SetRange(-5, 5);
    EXPECT_EQ(a.Next(), 10 + 41 % 10);
    EXPECT_EQ(b.Next(), -5 + 18467 % 11);  // b continues a's sequence
    RandomRange empty;
    empty.SetRange(8, 7);  // width 0: no division by zero
    EXPECT_EQ(empty.Next(), 8);  // draws 6334 all the same
    // The whole 32-bit range is 2^32 wide: no overflow, the draw is kept.
    RandomRange huge;
    huge.SetRange(INT32_MIN, INT32_MAX);
    EXPECT_EQ(huge.Next(), INT32_MIN + 26500);
}

TEST(PointInRect, RightAndBottomEdgesAreOutside) {
    const struct {
        int32_t left, top, w, h, x, y, inside;
    } rows[] = {{10, 10, 5, 5, 15, 12, 0}, {10, 10, 5, 5, 14, 14, 1}, {10, 10, 5, 5, 10, 10, 1},
                {10, 10, 5, 5, 9, 12, 0},  {10, 10, 5, 5, 12, 15, 0}, {10, 10, 0, 5, 10, 12, 0},
                {-20, -20, 10, 10, -15, -11, 1}, {2147483640, 0, 100, 10, 2147483647, 5, 1}};  // no overflow
    for (const auto& r : rows) EXPECT_EQ(PointInRect(r.left, r.top, r.w, r.h, r.x, r.y), r.inside) << r.x << "," << r.y;
}
