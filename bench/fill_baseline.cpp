#include "fill_baseline.h"

#include <algorithm>
#include <array>

#include "canvas/lcdcanvas.h"

double FillBaselineNs()
{
    static const double baseline = [] {
        static std::array<Colour, LCD_WIDTH * LCD_HEIGHT> store;
        constexpr int fills = 2000;
        double best = 1e18;
        for (int trial = 0; trial < 9; ++trial) {
            const auto start = std::chrono::steady_clock::now();
            for (int i = 0; i < fills; ++i) {
                std::fill(store.begin(), store.end(), static_cast<Colour>(i));
                benchmark::DoNotOptimize(store.data());
                benchmark::ClobberMemory();
            }
            const std::chrono::duration<double, std::nano> spent = std::chrono::steady_clock::now() - start;
            best = std::min(best, spent.count() / fills);
        }
        return best;
    }();
    return baseline;
}

void FigureTimer::Report(std::int64_t pixelsPerIteration)
{
    const std::chrono::duration<double, std::nano> spent = std::chrono::steady_clock::now() - start_;
    const double perIteration = spent.count() / static_cast<double>(state_.iterations());
    state_.counters["ns_per_pixel"] = perIteration / static_cast<double>(pixelsPerIteration);
    state_.counters["x_fill"] = perIteration / FillBaselineNs();
    state_.counters["fill_ns"] = FillBaselineNs();
    state_.SetItemsProcessed(state_.iterations() * pixelsPerIteration);
}
