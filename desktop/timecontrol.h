#pragma once
// The desktop's simulated time. The clock behind TimeNow counts milliseconds from the recorder's start
// and moves only with the timer's ticks, TICK_MS apart, as the headless clock moves with --tick 16: the
// first tick marks time 0, the next ones fall on every multiple of the period. How often a tick comes
// in real time is the speed; paused, ticks come only from single steps. A script's waits end on this
// clock, between ticks where they fall between ticks, so a script runs here as it runs headless.
#include <QElapsedTimer>
#include <QTimer>
#include <cstdint>
#include <functional>

// About the platform's own timer tick; a tick less than 10 ms after the previous one would count for nothing.
constexpr int TICK_MS = 16;

enum class TimeSpeed : std::uint8_t {
    Normal,   // a tick per TICK_MS of real time
    Four,     // four times as often, each tick still TICK_MS of simulated time
    Fastest,  // as often as the event loop allows, input and painting still served
};

class TimeControl {
public:
    // changed runs when the state changes and, while time runs, about ten times a second.
    explicit TimeControl(std::function<void()> changed);
    TimeControl(const TimeControl&) = delete;
    TimeControl& operator=(const TimeControl&) = delete;

    // Before the recorder starts: the clock to 0 behind TimeNow and the meters' random generator seeded.
    void Install(std::uint32_t seed);
    // After it started: the first tick, which only marks the time the timer counts from, then the ticks.
    void Start();
    void Stop();

    void SetPaused(bool paused);
    bool Paused() const { return paused_; }
    // Exactly one tick, while paused; false otherwise.
    bool Step();
    void SetSpeed(TimeSpeed speed);
    TimeSpeed Speed() const { return speed_; }
    // While held (a message box waits for its answer) no tick comes, whatever the state.
    void Hold(bool held);

    std::uint64_t Now() const { return now_; }  // ms since the start, never wrapping
    std::uint64_t Ticks() const { return ticks_; }
    std::uint32_t Seed() const { return seed_; }
    QTimer& Timer() { return timer_; }

    // resume runs once the clock has moved ms (more than 0) on, after every tick due on the way.
    void Wait(std::uint32_t ms, std::function<void()> resume);
    void CancelWait();

private:
    void OnTimeout();
    void Tick();
    void AdvanceTo(std::uint64_t t);
    // Ends waits whose time has come: strictly before the next tick, or at the tick just made.
    void EndWaits(std::uint64_t before);
    void Schedule();
    int Period() const;

    std::function<void()> changed_;
    QTimer timer_;
    QElapsedTimer real_;
    qint64 due_ = 0;  // real ms of the next tick
    qint64 shown_ = 0;  // real ms when changed_ last ran for the time alone
    std::uint64_t now_ = 0;
    std::uint64_t nextTick_ = TICK_MS;
    std::uint64_t ticks_ = 0;
    std::uint32_t seed_ = 0;
    bool running_ = false;
    bool paused_ = false;
    bool held_ = false;
    TimeSpeed speed_ = TimeSpeed::Normal;
    bool waiting_ = false;
    std::uint64_t waitEnd_ = 0;
    std::function<void()> resume_;
};

// "00:01:23.456"
std::string SimTimeText(std::uint64_t ms);
