#include "uicore/uitimer.h"

#include "common/debug.h"

namespace {

std::uint32_t VirtualNow;
TimeSource Source = VirtualClockNow;

}  // namespace

TimeSource TimeSetSource(TimeSource source)
{
    const TimeSource previous = Source;
    Source = source ? source : VirtualClockNow;
    return previous;
}

std::uint32_t TimeNow()
{
    return Source();
}

bool TimeReached(std::uint32_t t)
{
    return static_cast<std::int32_t>(TimeNow() - t) > 0;
}

std::uint32_t TimeElapsed(std::uint32_t from, std::uint32_t to)
{
    return to - from;
}

std::uint32_t VirtualClockNow()
{
    return VirtualNow;
}

void VirtualClockSet(std::uint32_t now)
{
    VirtualNow = now;
}

void VirtualClockAdvance(std::uint32_t ms)
{
    VirtualNow += ms;
}

void UITimerStart(UITimer* timer, std::uint16_t ms)
{
    if (!ASSERT(timer))
        return;
    timer->Deadline = TimeNow() + ms;
    timer->Running = 1;
}

void UITimerStop(UITimer* timer)
{
    if (ASSERT(timer))
        timer->Running = 0;
}

bool UITimerIsRunning(const UITimer* timer)
{
    return ASSERT(timer) && timer->Running;
}

bool UITimerExpired(UITimer* timer)
{
    if (!ASSERT(timer) || !timer->Running || !TimeReached(timer->Deadline))
        return false;
    timer->Running = 0;
    return true;
}
