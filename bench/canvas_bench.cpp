// Canvas primitives on the LCD canvas, which writes whole spans and image rows straight into its store.
#include <benchmark/benchmark.h>

#include <array>

#include "canvas/lcdcanvas.h"
#include "fill_baseline.h"

namespace {

std::array<Colour, LCD_WIDTH * LCD_HEIGHT> Store;

Canvas* Lcd()
{
    LcdCanvasInit(&LcdCanvas, Store.data(), LCD_WIDTH, LCD_HEIGHT);
    return &LcdCanvas;
}

// 24 x 24, format 4, with opaque, blended and transparent pixels as in the matrix cells.
const Image* CellImage()
{
    static std::array<std::uint8_t, 24 * 24 * 4> data = [] {
        std::array<std::uint8_t, 24 * 24 * 4> pixels{};
        for (std::size_t i = 0; i < 24 * 24; ++i) {
            pixels[i * 4 + 0] = static_cast<std::uint8_t>(i);
            pixels[i * 4 + 1] = static_cast<std::uint8_t>(i * 3);
            pixels[i * 4 + 2] = static_cast<std::uint8_t>(i * 7);
            pixels[i * 4 + 3] = static_cast<std::uint8_t>((i % 3) * 127);
        }
        return pixels;
    }();
    static const Image image{.Width = 24, .Height = 24, .Format = IMAGE_BGRA, .Data = data.data()};
    return &image;
}

void BM_Clear(benchmark::State& state)
{
    Canvas* c = Lcd();
    FigureTimer timer(state);
    for (auto _ : state) {
        c->Clear(c);
        benchmark::ClobberMemory();
    }
    timer.Report(LCD_WIDTH * LCD_HEIGHT);
}

void BM_FillRect100(benchmark::State& state)
{
    Canvas* c = Lcd();
    FigureTimer timer(state);
    for (auto _ : state) {
        c->FillRect(c, 60, 38, 159, 137, 0xDB86);
        benchmark::ClobberMemory();
    }
    timer.Report(100 * 100);
}

void BM_DrawImage24Format4(benchmark::State& state)
{
    Canvas* c = Lcd();
    c->Clear(c);
    const Image* image = CellImage();
    FigureTimer timer(state);
    for (auto _ : state) {
        c->DrawImage(c, 98, 76, image, 0);
        benchmark::ClobberMemory();
    }
    timer.Report(24 * 24);
}

void BM_DiagonalLine220(benchmark::State& state)
{
    Canvas* c = Lcd();
    FigureTimer timer(state);
    for (auto _ : state) {
        CanvasDrawLine(c, 0, 0, 219, 175, COLOUR_BLACK);
        benchmark::ClobberMemory();
    }
    timer.Report(220);
}

void BM_StdFillBaseline(benchmark::State& state)
{
    FigureTimer timer(state);
    for (auto _ : state) {
        std::fill(Store.begin(), Store.end(), static_cast<Colour>(state.iterations()));
        benchmark::DoNotOptimize(Store.data());
        benchmark::ClobberMemory();
    }
    timer.Report(LCD_WIDTH * LCD_HEIGHT);
}

}  // namespace

BENCHMARK(BM_StdFillBaseline);
BENCHMARK(BM_Clear);
BENCHMARK(BM_FillRect100);
BENCHMARK(BM_DrawImage24Format4);
BENCHMARK(BM_DiagonalLine220);
