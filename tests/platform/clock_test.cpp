#include <gtest/gtest.h>

#include "platform/clock.h"

TEST(Clock, ManualClockIsInstalledAndRemoved) {
    ManualClock manual(500);
    Clock::Install(&manual);
    EXPECT_EQ(NowMs(), 500u);
    manual.Advance(16);
    EXPECT_EQ(NowMs(), 516u);
    EXPECT_TRUE(Clock::Current().IsManual());
    Clock::Install(nullptr);
    EXPECT_FALSE(Clock::Current().IsManual());
}
