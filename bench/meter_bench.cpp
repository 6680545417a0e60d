// The home screen's twelve track meters: one simulation step and a full redraw of the page, the
// background picture included, as the home screen does on every timecode message.
#include <benchmark/benchmark.h>

#include <array>

#include "canvas/lcdcanvas.h"
#include "common/rand.h"
#include "fill_baseline.h"
#include "orvel/orvel.h"
#include "orvel/orvelmeters.h"
#include "uicore/uimain.h"
#include "uicore/uimeter.h"

namespace {

std::array<Colour, LCD_WIDTH * LCD_HEIGHT> Store;

UIMeter Meters = {.Control = {.Handler = UIMeterHandler, .Flags = 0, .X = 10, .Y = 33}};
UIControl* const MeterControls[] = {&Meters.Control};
UIPage MeterPage = {.Handler = MeterPageHandler, .Flags = UI_PAGE_FLAG_BACKGROUND, .Parent = nullptr,
                    .ControlIndex = -1, .NControls = std::size(MeterControls), .Controls = MeterControls};

void ShowTwelveTrackMeters()
{
    LcdCanvasInit(&LcdCanvas, Store.data(), LCD_WIDTH, LCD_HEIGHT);
    const char* argv[] = {"orvel-bench"};
    OrvelPowerOn(1, argv, "orvel-bench");
    MsgUnregisterAll();
    UIReset();
    MsgRegister(UIMainHandler, 0);
    MeterLayout(3);
    UIGotoPage(&MeterPage);
    Rand15Seed(1);
}

void BM_MeterSimulateAndRedraw12(benchmark::State& state)
{
    ShowTwelveTrackMeters();
    FigureTimer timer(state);
    for (auto _ : state) {
        MeterSimulate(&OrvelMeters);
        UIRedraw();
        benchmark::ClobberMemory();
    }
    timer.Report(LCD_WIDTH * LCD_HEIGHT);
}

}  // namespace

BENCHMARK(BM_MeterSimulateAndRedraw12)->Unit(benchmark::kMicrosecond);
