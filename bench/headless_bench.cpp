// The headless front end's speed: simulated seconds per wall-clock second on the slate page, with the
// timer ticking every 10 ms. The slate page repaints the LCD on every MSG_TIMECODE (every 30 ms), and
// every repaint converts the LCD and draws the host's three views, so this is the busiest page there is.
#include <benchmark/benchmark.h>

#include <chrono>
#include <sstream>

#include "headless/runner.h"
#include "uicore/uimain.h"
#include "uicore/uiutils.h"

namespace {

// The page the TC key shows: untitled, no controls, the slate display's own handler.
UIPage SlatePage = {.Handler = UISlateHandler, .Flags = 0, .Parent = nullptr, .ControlIndex = -1, .NControls = 0,
                    .Controls = nullptr};

constexpr std::uint32_t SimulatedMsPerIteration = 1000;

void BM_HeadlessSlateRealtime(benchmark::State& state)
{
    HeadlessOptions options;
    options.Quiet = true;
    std::ostringstream out;
    std::ostringstream err;
    HeadlessRunner runner(options, out, err);
    if (!runner.Start()) {
        state.SkipWithError("the recorder did not start");
        return;
    }
    UIGotoPage(&SlatePage);
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state)
        runner.Wait(SimulatedMsPerIteration);
    const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;
    const double simulated = static_cast<double>(state.iterations()) * SimulatedMsPerIteration / 1000.0;
    state.counters["x_realtime"] = simulated / wall.count();
    UIGoBack();
}

}  // namespace

BENCHMARK(BM_HeadlessSlateRealtime)->Unit(benchmark::kMillisecond)->UseRealTime();
