#pragma once
// The millisecond clock and polled one-shot deadlines. The clock wraps as an unsigned 32-bit count;
// every comparison goes through a signed difference so that it stays right across the wrap.
#include <cstdint>

// The front end installs the clock: a monotonic one on the desktop, the virtual clock when
// scripted or under test (the default).
using TimeSource = std::uint32_t (*)();

TimeSource TimeSetSource(TimeSource source);
std::uint32_t TimeNow();
// True when the clock is strictly past t.
bool TimeReached(std::uint32_t t);
std::uint32_t TimeElapsed(std::uint32_t from, std::uint32_t to);

// A clock that moves only when told to.
std::uint32_t VirtualClockNow();
void VirtualClockSet(std::uint32_t now);
void VirtualClockAdvance(std::uint32_t ms);

struct UITimer {
    std::uint8_t Running;
    std::uint32_t Deadline;
};

void UITimerStart(UITimer* timer, std::uint16_t ms);
void UITimerStop(UITimer* timer);
bool UITimerIsRunning(const UITimer* timer);
// True once, at the first poll strictly after the deadline; the timer then stops.
bool UITimerExpired(UITimer* timer);
