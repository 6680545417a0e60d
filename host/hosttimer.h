#pragma once
// The host's timer: every tick broadcasts MSG_TICK; ticks at least 10 ms after the previous one
// drive the timing broadcasts from measured time (a shorter tick counts for nothing).
#include <cstdint>

struct HostTimerState {
    bool Started;  // false until the first tick
    std::uint32_t Previous;
    bool Busy;  // a tick arriving while one is handled does nothing
    std::uint32_t Since30ms;
    std::uint32_t Since100ms;
    std::uint32_t Since1s;
    std::uint32_t Since10s;
    std::uint32_t Blink;
    std::uint32_t Timecode;  // packed digits, advanced one frame at 30 fps with every MSG_TIMECODE
};

extern HostTimerState HostTimerData;

void HostTimer();
void HostTimerReset();
