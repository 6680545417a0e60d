#include "common/debug.h"

#include <gtest/gtest.h>

#include "support/assert_capture.h"

TEST(Assert, ReportsExpressionModuleAndLineAndContinues)
{
    AssertCapture capture;
    int afterwards = 0;
    const int width = 0;
    const unsigned line = __LINE__ + 1;
    const bool held = ASSERT(width);
    afterwards = 1;

    EXPECT_FALSE(held);
    EXPECT_EQ(afterwards, 1);
    ASSERT_EQ(capture.Reports().size(), 1U);
    EXPECT_EQ(capture.Reports()[0].Expression, "width");
    EXPECT_EQ(capture.Reports()[0].Module, "common/debug_test");
    EXPECT_EQ(capture.Reports()[0].Line, line);
}

TEST(Assert, HoldingCheckReportsNothingAndEvaluatesOnce)
{
    AssertCapture capture;
    int evaluations = 0;
    EXPECT_TRUE(ASSERT(++evaluations == 1));
    EXPECT_EQ(evaluations, 1);
    EXPECT_TRUE(capture.Reports().empty());
}

TEST(Assert, NestedCaptureTakesReportsUntilItEnds)
{
    AssertCapture outer;
    {
        AssertCapture inner;
        ASSERT(false);
        EXPECT_EQ(inner.Reports().size(), 1U);
    }
    ASSERT(1 > 2);
    EXPECT_EQ(outer.Expressions(), std::vector<std::string>{"1 > 2"});
}
