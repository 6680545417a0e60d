#include "common/debug.h"

#include <gtest/gtest.h>

#include "support/assert_capture.h"

TEST(Assert, ReportsExpressionModuleAndLineAndContinuesAHoldingCheckOnlyEvaluates)
{
    AssertCapture outer;
    int evaluations = 0;
    EXPECT_TRUE(ASSERT(++evaluations == 1));
    EXPECT_EQ(evaluations, 1);
    {
        AssertCapture inner;  // takes the reports until it ends
        const int width = 0;
        const unsigned line = __LINE__ + 1;
        EXPECT_FALSE(ASSERT(width));
        ASSERT_EQ(inner.Reports().size(), 1U);
        EXPECT_EQ(inner.Reports()[0].Expression, "width");
        EXPECT_EQ(inner.Reports()[0].Module, "common/debug_test");
        EXPECT_EQ(inner.Reports()[0].Line, line);
    }
    ASSERT(1 > 2);
    EXPECT_EQ(outer.Expressions(), std::vector<std::string>{"1 > 2"});
}
