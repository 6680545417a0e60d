#include "common/rand.h"

#include <gtest/gtest.h>

TEST(Rand15, UsesTheFifteenBitsAndRepeatsTheCLibrarySequenceForASeed)
{
    Rand15Seed(1);
    EXPECT_EQ(Rand15(), 41);
    EXPECT_EQ(Rand15(), 18467);
    std::int32_t highest = 0;
    for (int i = 0; i < 10000; ++i)
        highest = std::max(highest, Rand15());
    EXPECT_TRUE(highest > 32000 && highest <= RAND_15_MAX) << highest;  // the whole range, and no more
    Rand15Seed(2);
    EXPECT_NE(Rand15(), 41);
}
