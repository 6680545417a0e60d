#include "uicore/uitimer.h"

#include <gtest/gtest.h>

#include "support/assert_capture.h"

namespace {

class UITimerTest : public testing::Test {
protected:
    void SetUp() override { VirtualClockSet(1000); }
    UITimer timer{};
};

std::uint32_t FixedClock()
{
    return 0xCAFE;
}

}  // namespace

TEST_F(UITimerTest, ExpiresStrictlyAfterTheDeadlineAndReportsOnce)
{
    UITimerStart(&timer, 500);
    VirtualClockAdvance(500);
    EXPECT_FALSE(UITimerExpired(&timer));
    EXPECT_TRUE(UITimerIsRunning(&timer));
    VirtualClockAdvance(1);
    EXPECT_TRUE(UITimerExpired(&timer));
    EXPECT_FALSE(UITimerExpired(&timer));
    EXPECT_FALSE(UITimerIsRunning(&timer));
}

TEST_F(UITimerTest, StoppedTimerNeverExpires)
{
    UITimerStart(&timer, 100);
    UITimerStop(&timer);
    VirtualClockAdvance(5000);
    EXPECT_FALSE(UITimerExpired(&timer));
}

TEST_F(UITimerTest, RestartMovesTheDeadline)
{
    UITimerStart(&timer, 100);
    VirtualClockAdvance(90);
    UITimerStart(&timer, 100);
    VirtualClockAdvance(20);
    EXPECT_FALSE(UITimerExpired(&timer));
    VirtualClockAdvance(81);
    EXPECT_TRUE(UITimerExpired(&timer));
}

TEST_F(UITimerTest, DeadlineAcrossTheClockWrap)
{
    VirtualClockSet(0xFFFFFFFFU - 9);  // 10 ms before the wrap to 0
    UITimerStart(&timer, 500);
    EXPECT_EQ(timer.Deadline, 490U);  // 490 ms after the wrap
    VirtualClockSet(0xFFFFFFFFU);
    EXPECT_FALSE(UITimerExpired(&timer));
    VirtualClockSet(490);
    EXPECT_FALSE(UITimerExpired(&timer));
    VirtualClockSet(491);
    EXPECT_TRUE(UITimerExpired(&timer));
}

TEST_F(UITimerTest, LongestPeriodStaysInTheFuture)
{
    VirtualClockSet(0xFFFF0000U);
    UITimerStart(&timer, 65535);
    VirtualClockAdvance(65535);
    EXPECT_FALSE(UITimerExpired(&timer));
    VirtualClockAdvance(1);
    EXPECT_TRUE(UITimerExpired(&timer));
}

TEST(TimeTest, ReachedAndElapsedAcrossTheWrap)
{
    VirtualClockSet(5);
    EXPECT_TRUE(TimeReached(0xFFFFFFF0U));
    EXPECT_FALSE(TimeReached(5));
    EXPECT_FALSE(TimeReached(6));
    EXPECT_EQ(TimeElapsed(0xFFFFFFF0U, 5), 21U);
}

TEST(TimeTest, InstalledSourceReplacesTheVirtualClock)
{
    VirtualClockSet(7);
    const TimeSource previous = TimeSetSource(FixedClock);
    EXPECT_EQ(TimeNow(), 0xCAFEU);
    TimeSetSource(nullptr);
    EXPECT_EQ(TimeNow(), 7U);
    TimeSetSource(previous);
}

TEST(TimeTest, NullTimerIsReported)
{
    AssertCapture capture;
    UITimerStart(nullptr, 10);
    EXPECT_FALSE(UITimerExpired(nullptr));
    EXPECT_EQ(capture.Expressions(), (std::vector<std::string>{"timer", "timer"}));
    EXPECT_EQ(capture.Reports()[0].Module, "uicore/uitimer");
}
