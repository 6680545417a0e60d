#include "common/rand.h"

#include <gtest/gtest.h>

TEST(Rand15, UsesTheFifteenBitsAndRepeatsTheCLibrarySequenceForASeed)
{
    Rand15Seed(1);
    EXPECT_EQ(Rand15(), 41);
    EXPECT_EQ(Rand15(), 18467);
    std::int32_t lowest = RAND_15_MAX, highest = 0;
    for (int i = 0; i < 10000; ++i) {
        const std::int32_t value = Rand15();
        lowest = std::min(lowest, value);
        highest = std::max(highest, value);
    }
    EXPECT_GE(lowest, 0);
    EXPECT_LE(highest, RAND_15_MAX);
    EXPECT_GT(highest, 32000);  // the whole range is used, not a narrow part of it
    Rand15Seed(2);
    EXPECT_NE(Rand15(), 41);
}
