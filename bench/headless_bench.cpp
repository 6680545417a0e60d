// The headless front end's speed: simulated seconds per wall-clock second with the timer ticking every
// 10 ms, on the two pages that repaint the LCD on every MSG_TIMECODE (every 30 ms): the slate page and
// the home screen with its twelve meters (simulation and full redraw on each step).
#include <benchmark/benchmark.h>

#include <chrono>
#include <sstream>

#include "fill_baseline.h"
#include "headless/runner.h"
#include "ui/uihome.h"
#include "ui/uipages.h"
#include "uicore/uimain.h"

namespace {

constexpr std::uint32_t SimulatedMsPerIteration = 1000;

void Realtime(benchmark::State& state, UIPage* page)
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
    UIGotoPage(page);
    const auto start = std::chrono::steady_clock::now();
    const double cpuStart = CpuNs();
    for (auto _ : state)
        runner.Wait(SimulatedMsPerIteration);
    const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;
    const double simulated = static_cast<double>(state.iterations()) * SimulatedMsPerIteration / 1000.0;
    state.counters["x_realtime"] = simulated / wall.count();
    // The same in processor time: what the program would reach with a core of its own.
    state.counters["x_realtime_cpu"] = simulated / ((CpuNs() - cpuStart) / 1e9);
    UIGotoPage(&UIHomePage);
}

void BM_HeadlessSlateRealtime(benchmark::State& state)
{
    Realtime(state, &SlatePage);
}

void BM_HeadlessHomeRealtime(benchmark::State& state)
{
    Realtime(state, &UIHomePage);
}

}  // namespace

BENCHMARK(BM_HeadlessSlateRealtime)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_HeadlessHomeRealtime)->Unit(benchmark::kMillisecond)->UseRealTime();
