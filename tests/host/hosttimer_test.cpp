#include "host/hosttimer.h"

#include <gtest/gtest.h>

#include "host_fixture.h"
#include "uicore/uitimer.h"
#include "uicore/uiutils.h"

namespace {

class HostTiming : public HostTest {
protected:
    void SetUp() override
    {
        HostTest::SetUp();
        ShowProbe();
    }

    // Ticks every period ms for the given number of ticks, the first tick setting the time base;
    // returns the tick numbers (from 1) on which the message arrived.
    std::vector<int> TicksWith(std::uint32_t id, std::uint32_t period, int ticks)
    {
        HostTimerReset();
        HostTimer();
        std::vector<int> seen;
        for (int tick = 1; tick <= ticks; ++tick) {
            Log().clear();
            VirtualClockAdvance(period);
            HostTimer();
            if (!Log(id).empty())
                seen.push_back(tick);
        }
        return seen;
    }
};

}  // namespace

// Periods round up to whole ticks; with 100 ms ticks the blink goes off after three and on after fifteen.
TEST_F(HostTiming, EachPeriodicMessageArrivesOnItsTicks)
{
    const struct {
        std::uint32_t Id, Period;
        int Ticks;
        std::vector<int> Expected;
    } cases[] = {
        {MSG_TIMECODE, 16, 8, {2, 4, 6, 8}},   {MSG_TIMER_100MS, 16, 21, {7, 14, 21}},
        {MSG_TIMER_1S, 16, 126, {63, 126}},    {MSG_TIMER_10MS, 10, 3, {1, 2, 3}},
        {MSG_BLINK_OFF, 100, 33, {3, 18, 33}}, {MSG_BLINK_ON, 100, 30, {15, 30}},
        {MSG_TIMECODE, 10, 6, {3, 6}},  // only with every third 10 ms tick
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "message " << c.Id << " every " << c.Period << " ms");
        EXPECT_EQ(TicksWith(c.Id, c.Period, c.Ticks), c.Expected);
    }
    EXPECT_EQ(HostTimerData.Timecode, UITimecodeFromHMSF(0, 0, 0, 2));  // a frame for each of the last two
}
