// One timecode step of the home screen with twelve track meters: the meter simulation and the full redraw
// of the page (background, timecode, status texts, battery and meters), as the recorder does every frame.
#include <benchmark/benchmark.h>

#include <array>

#include "canvas/lcdcanvas.h"
#include "common/rand.h"
#include "fill_baseline.h"
#include "message/message.h"
#include "orvel/orvel.h"
#include "ui/ui.h"
#include "ui/uihome.h"
#include "uicore/uimain.h"
#include "uicore/uimeter.h"
#include "uicore/uiutils.h"

namespace {

std::array<Colour, LCD_WIDTH * LCD_HEIGHT> Store;

void ShowTwelveTrackHome()
{
    LcdCanvasInit(&LcdCanvas, Store.data(), LCD_WIDTH, LCD_HEIGHT);
    const char* argv[] = {"orvel-bench"};
    OrvelPowerOn(1, argv, "orvel-bench");
    StartUserInterface();
    OrvelSetNTracks(12);
    Orvel.Settings.HomePage = 0;
    Orvel.Settings.HomePageVariant[0] = 2;
    HomeSelect(0, +1);  // the track meters, one per track
    Rand15Seed(1);
}

void BM_HomeTimecodeStep12(benchmark::State& state)
{
    ShowTwelveTrackHome();
    std::uint32_t tc = UITimecodeFromHMSF(10, 0, 0, 0);
    FigureTimer timer(state);
    for (auto _ : state) {
        tc = UITimecodeIncrement(tc, 30);
        MsgBroadcastParam(MSG_TIMECODE, tc);
        benchmark::ClobberMemory();
    }
    timer.Report(LCD_WIDTH * LCD_HEIGHT);
}

}  // namespace

BENCHMARK(BM_HomeTimecodeStep12)->Unit(benchmark::kMicrosecond);
