// The host's work for every finished redraw: LcdRefresh converts the LCD into its 24-bit picture and
// draws it three times (twice as large below the panel, shrunk into the panel's LCD area, four times
// as large with a grid for the LCD window). The parts are timed apart to show where a frame goes.
#include <benchmark/benchmark.h>

#include "fill_baseline.h"
#include "host/hostapp.h"
#include "host/hostdebug.h"
#include "host/lcddib.h"

namespace {

// A window system that shows nothing: only the host's own work is timed.
class NoWindows : public HostUi {
public:
    bool MessageBox(const std::string&, const std::string&, HostBox) override { return true; }
    void SetMainTitle(const std::string&) override { }
    void SetLcdWindowTitle(const std::string&) override { }
    int ClientHeight() const override { return CLIENT_HEIGHT; }
    void SetClientHeight(int) override { }
    bool LcdWindowVisible() const override { return false; }
    void ShowLcdWindow(bool) override { }
    void CheckModel(int) override { }
    void Repaint() override { }
};

RgbPicture Panel(std::uint8_t grey)
{
    RgbPicture picture {.Width = PANEL_WIDTH, .Height = PANEL_HEIGHT, .Pixels = {}};
    picture.Pixels.assign(static_cast<std::size_t>(PANEL_WIDTH * PANEL_HEIGHT * 3), grey);
    return picture;
}

// The recorder started behind no windows, showing its home page.
class StartedHost {
public:
    StartedHost()
    {
        HostDebugQuiet(true);
        const char* argv[] = {"orvel-bench"};
        HostStart(ui_, Panel(0x30), Panel(0xE0), 1, argv, "orvel-bench");
    }
    ~StartedHost() { HostShutdown(); }

private:
    NoWindows ui_;
};

template <typename Step> void TimeFrames(benchmark::State& state, Step step)
{
    const StartedHost host;
    FigureTimer timer(state);
    for (auto _ : state) {
        step();
        benchmark::ClobberMemory();
    }
    timer.Report(LCD_WIDTH * LCD_HEIGHT);
}

void BM_LcdRefresh(benchmark::State& state)
{
    TimeFrames(state, LcdRefresh);
}

void BM_LcdToDib(benchmark::State& state)
{
    TimeFrames(state, LcdToDib);
}

void BM_DrawLcdBelowPanel(benchmark::State& state)
{
    TimeFrames(state, [] { DrawScaled(Host.Client, 450, 210, 2.0, false); });
}

void BM_DrawLcdIntoPanel(benchmark::State& state)
{
    TimeFrames(state, [] { DrawScaled(Host.Client, 648, 45, 134.0 / 220.0, false); });
}

void BM_DrawLcdWindow(benchmark::State& state)
{
    TimeFrames(state, [] { DrawScaled(Host.LcdWindow, 0, 0, 4.0, true); });
}

}  // namespace

BENCHMARK(BM_LcdRefresh)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LcdToDib)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawLcdBelowPanel)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawLcdIntoPanel)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawLcdWindow)->Unit(benchmark::kMicrosecond);
