#include "host/hosttimer.h"

#include "host/hostdebug.h"
#include "message/message.h"
#include "uicore/uitimer.h"
#include "uicore/uiutils.h"

HostTimerState HostTimerData;

namespace {

// Accumulators are reset to 0, not reduced by their period, so periods round up to whole ticks.
bool Due(std::uint32_t& accumulator, std::uint32_t period)
{
    if (accumulator < period)
        return false;
    accumulator = 0;
    return true;
}

void Every100ms(HostTimerState& t)
{
    if (HostObserved())
        HostTrace(HostTraceKind::Tick, "MSG_TIMER_100MS");
    MsgBroadcast(MSG_TIMER_100MS);
    MsgBroadcast(MSG_TIMER_100MS_2);
    if (++t.Blink == 15) {
        t.Blink = 0;
        MsgBroadcast(MSG_BLINK_ON);
    }
    if (t.Blink == 3)
        MsgBroadcast(MSG_BLINK_OFF);
}

void TimingBroadcasts(HostTimerState& t, std::uint32_t now, std::uint32_t elapsed)
{
    if (HostObserved())
        HostTrace(HostTraceKind::Tick, "MSG_TIMER_10MS %u", static_cast<unsigned>(now));
    MsgBroadcast(MSG_TIMER_10MS);
    t.Since30ms += elapsed;
    t.Since100ms += elapsed;
    t.Since1s += elapsed;
    t.Since10s += elapsed;
    if (Due(t.Since30ms, 30)) {
        MsgBroadcastQuery(MSG_TIMECODE, t.Timecode);
        t.Timecode = UITimecodeIncrement(t.Timecode, 30);
    }
    if (Due(t.Since100ms, 100))
        Every100ms(t);
    if (Due(t.Since1s, 1000)) {
        HostDebugAs(HostTraceKind::Timer, "MSG_TIMER_1S %d\n", static_cast<int>(now));
        MsgBroadcast(MSG_TIMER_1S);
    }
    if (Due(t.Since10s, 10000)) {
        HostDebugAs(HostTraceKind::Timer, "MSG_TIMER_10S\n");
        MsgBroadcast(MSG_TIMER_10S);
    }
}

}  // namespace

void HostTimer()
{
    HostTimerState& t = HostTimerData;
    if (t.Busy)
        return;
    const std::uint32_t now = TimeNow();
    if (!t.Started) {
        t.Started = true;
        t.Previous = now;
    }
    t.Busy = true;
    const std::uint32_t elapsed = TimeElapsed(t.Previous, now);
    t.Previous = now;
    MsgBroadcast(MSG_TICK);
    if (elapsed >= 10)
        TimingBroadcasts(t, now, elapsed);
    t.Busy = false;
}

void HostTimerReset()
{
    HostTimerData = {};
}
