#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <limits>

#include "platform/number_text.h"

TEST(NumberText, ThirtyTwoBitLimitsAndUnsignedAmounts) {
    char text[kNumberTextSize];
    EXPECT_EQ(FormatNumber(text, std::numeric_limits<int32_t>::max()), 10u);
    EXPECT_STREQ(text, "2147483647");
    EXPECT_EQ(FormatNumber(text, std::numeric_limits<int32_t>::min()), 11u);
    EXPECT_STREQ(text, "-2147483648");
    // An unsigned 32-bit amount past the signed limit stays positive.
    FormatNumber(text, std::numeric_limits<uint32_t>::max());
    EXPECT_STREQ(text, "4294967295");
    FormatNumber(text, uint32_t{2147483648u});
    EXPECT_STREQ(text, "2147483648");
    FormatNumber(text, 0);
    EXPECT_STREQ(text, "0");
    FormatNumber(text, -7);
    EXPECT_STREQ(text, "-7");
}

TEST(NumberText, SixtyFourBitLimitsFitTheStandardBuffer) {
    char text[kNumberTextSize];
    EXPECT_EQ(FormatNumber(text, std::numeric_limits<int64_t>::min()), 20u);
    EXPECT_STREQ(text, "-9223372036854775808");
    FormatNumber(text, std::numeric_limits<int64_t>::max());
    EXPECT_STREQ(text, "9223372036854775807");
}

TEST(NumberText, ShortBufferIsCutAndTerminatedWithoutOverrun) {
    char buffer[8];
    std::memset(buffer, 'x', sizeof buffer);
    // Only the first 5 bytes are offered; the rest must stay untouched.
    EXPECT_EQ(FormatNumber(buffer, 5, 4294967295LL), 10u);
    EXPECT_STREQ(buffer, "4294");
    EXPECT_EQ(buffer[5], 'x');
    EXPECT_EQ(FormatNumber(buffer, 0, 12), 2u);
    EXPECT_EQ(buffer[0], '4');
    EXPECT_EQ(FormatNumber(nullptr, 0, -12), 3u);
}
