#include "desktop/timecontrol.h"

#include <cstdio>

#include "common/rand.h"
#include "host/hosttimer.h"
#include "uicore/uitimer.h"

namespace {

constexpr qint64 SHOW_EVERY_MS = 100;
// Fastest gives the event loop a turn at least this often, for input and painting.
constexpr qint64 FASTEST_SLICE_MS = 8;

}  // namespace

TimeControl::TimeControl(std::function<void()> changed) : changed_(std::move(changed))
{
    timer_.setTimerType(Qt::PreciseTimer);
    // Restarted after every timeout rather than repeating, so that a tick and what it shows (a message
    // box, say) never overlap the next one.
    timer_.setSingleShot(true);
    QObject::connect(&timer_, &QTimer::timeout, [this] { OnTimeout(); });
}

void TimeControl::Install(std::uint32_t seed)
{
    seed_ = seed;
    Rand15Seed(seed);
    TimeSetSource(VirtualClockNow);
    VirtualClockSet(0);
    now_ = 0;
    nextTick_ = TICK_MS;
    ticks_ = 0;
}

void TimeControl::Start()
{
    HostTimer();
    running_ = true;
    real_.start();
    due_ = 0;
    Schedule();
    changed_();
}

void TimeControl::Stop()
{
    running_ = false;
    CancelWait();
    timer_.stop();
}

void TimeControl::SetPaused(bool paused)
{
    paused_ = paused;
    due_ = real_.elapsed();
    Schedule();
    changed_();
}

bool TimeControl::Step()
{
    if (!paused_ || !running_ || held_)
        return false;
    Tick();
    changed_();
    return true;
}

void TimeControl::SetSpeed(TimeSpeed speed)
{
    speed_ = speed;
    due_ = real_.elapsed();
    Schedule();
    changed_();
}

void TimeControl::Hold(bool held)
{
    held_ = held;
    due_ = real_.elapsed();
    Schedule();
}

void TimeControl::Wait(std::uint32_t ms, std::function<void()> resume)
{
    waiting_ = true;
    waitEnd_ = now_ + ms;
    resume_ = std::move(resume);
}

void TimeControl::CancelWait()
{
    waiting_ = false;
    resume_ = nullptr;
}

void TimeControl::OnTimeout()
{
    if (speed_ != TimeSpeed::Fastest) {
        Tick();
    } else {
        const qint64 sliceEnd = real_.elapsed() + FASTEST_SLICE_MS;
        do
            Tick();
        while (!paused_ && !held_ && running_ && real_.elapsed() < sliceEnd);
    }
    if (real_.elapsed() - shown_ >= SHOW_EVERY_MS) {
        shown_ = real_.elapsed();
        changed_();
    }
    Schedule();
}

void TimeControl::Tick()
{
    EndWaits(nextTick_);
    AdvanceTo(nextTick_);
    nextTick_ += TICK_MS;
    ++ticks_;
    HostTimer();
    EndWaits(now_ + 1);
}

void TimeControl::AdvanceTo(std::uint64_t t)
{
    VirtualClockAdvance(static_cast<std::uint32_t>(t - now_));
    now_ = t;
}

void TimeControl::EndWaits(std::uint64_t before)
{
    // what a wait resumes may wait again, for a time that has also come
    while (waiting_ && waitEnd_ < before) {
        AdvanceTo(waitEnd_);
        waiting_ = false;
        std::exchange(resume_, nullptr)();
    }
}

int TimeControl::Period() const
{
    switch (speed_) {
    case TimeSpeed::Normal:
        return TICK_MS;
    case TimeSpeed::Four:
        return TICK_MS / 4;
    case TimeSpeed::Fastest:
        break;
    }
    return 0;
}

// Ticks keep to real time: a late one shortens the wait for the next, but a tick far behind is dropped
// rather than made up in a burst.
void TimeControl::Schedule()
{
    if (!running_ || paused_ || held_) {
        timer_.stop();
        return;
    }
    const int period = Period();
    const qint64 realNow = real_.elapsed();
    due_ += period;
    if (due_ < realNow - period || due_ > realNow + period)
        due_ = realNow + period;
    timer_.start(static_cast<int>(std::max<qint64>(0, due_ - realNow)));
}

std::string SimTimeText(std::uint64_t ms)
{
    const auto seconds = ms / 1000;
    char text[40];
    std::snprintf(text, sizeof(text), "%02llu:%02llu:%02llu.%03llu", static_cast<unsigned long long>(seconds / 3600),
                  static_cast<unsigned long long>(seconds / 60 % 60), static_cast<unsigned long long>(seconds % 60),
                  static_cast<unsigned long long>(ms % 1000));
    return text;
}
