#include "common/rand.h"

#include <gtest/gtest.h>

TEST(Rand15, UsesTheFifteenBitsAndRepeatsTheCLibrarySequenceForASeed)
{
    Rand15Seed(1);
    EXPECT_EQ(Rand15(), 41);
    EXPECT_EQ(Rand15(), 18467);
    std::int32_t highest = 0;
    for (int i = 0; i < 10000; ++i) {
        const std::int32_t value = Rand15();
        ASSERT_TRUE(value >= 0 && value <= RAND_15_MAX) << value;
        highest = std::max(highest, value);
    }
    EXPECT_GT(highest, 32000);  // the whole range is used, not a narrow part of it
    Rand15Seed(2);
    EXPECT_NE(Rand15(), 41);
}
