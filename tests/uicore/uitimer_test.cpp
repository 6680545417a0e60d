#include "uicore/uitimer.h"

#include <gtest/gtest.h>

#include "support/assert_capture.h"

TEST(UITimer, ExpiresOnceStrictlyAfterTheDeadlineAcrossTheClockWrapUnlessStoppedOrRestarted)
{
    struct Case {
        std::uint32_t Start, Period, Restart;  // Restart: ms after the start, 0: none
        bool Stop;
    };
    const Case cases[] = {{1000, 500, 0, false}, {0xFFFFFFFFU - 9, 500, 0, false}, {0xFFFF0000U, 65535, 0, false},
                          {1000, 100, 90, false}, {1000, 100, 0, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Start << " + " << c.Period);
        UITimer timer{};
        VirtualClockSet(c.Start);
        UITimerStart(&timer, c.Period);
        VirtualClockAdvance(c.Restart);
        if (c.Restart)
            UITimerStart(&timer, c.Period);
        if (c.Stop)
            UITimerStop(&timer);
        VirtualClockAdvance(c.Period);
        EXPECT_FALSE(UITimerExpired(&timer));
        EXPECT_EQ(UITimerIsRunning(&timer), !c.Stop);
        VirtualClockAdvance(1);
        EXPECT_EQ(UITimerExpired(&timer), !c.Stop);
        EXPECT_FALSE(UITimerExpired(&timer));
        EXPECT_FALSE(UITimerIsRunning(&timer));
    }
}

TEST(UITimer, ClockReachedAndElapsedAcrossTheWrapAndNullTimer)
{
    VirtualClockSet(5);
    EXPECT_TRUE(TimeReached(0xFFFFFFF0U));
    EXPECT_FALSE(TimeReached(6));
    EXPECT_EQ(TimeElapsed(0xFFFFFFF0U, 5), 21U);
    AssertCapture capture;
    UITimerStart(nullptr, 10);
    EXPECT_FALSE(UITimerExpired(nullptr));
    EXPECT_EQ(capture.Expressions(), (std::vector<std::string>{"timer", "timer"}));
}
