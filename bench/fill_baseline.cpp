#include "fill_baseline.h"

#include <algorithm>
#include <array>
#include <ctime>

#include "canvas/lcdcanvas.h"

double CpuNs()
{
    return static_cast<double>(std::clock()) * (1e9 / CLOCKS_PER_SEC);
}

double FillBaselineNs()
{
    static const double baseline = [] {
        static std::array<Colour, LCD_WIDTH * LCD_HEIGHT> store;
        constexpr int fills = 2000;
        double best = 1e18;
        for (int trial = 0; trial < 9; ++trial) {
            const double start = CpuNs();
            for (int i = 0; i < fills; ++i) {
                std::fill(store.begin(), store.end(), static_cast<Colour>(i));
                benchmark::DoNotOptimize(store.data());
                benchmark::ClobberMemory();
            }
            best = std::min(best, (CpuNs() - start) / fills);
        }
        return best;
    }();
    return baseline;
}

void FigureTimer::Report(std::int64_t pixelsPerIteration)
{
    const double perIteration = (CpuNs() - start_) / static_cast<double>(state_.iterations());
    state_.counters["ns_per_pixel"] = perIteration / static_cast<double>(pixelsPerIteration);
    state_.counters["x_fill"] = perIteration / FillBaselineNs();
    state_.counters["fill_ns"] = FillBaselineNs();
    state_.SetItemsProcessed(state_.iterations() * pixelsPerIteration);
}
