#pragma once
// Every drawing figure is also given as a ratio to std::fill over the whole LCD store, measured in
// the same run, so that figures from different machines can be compared. Both are timed in processor
// time, so that the ratios hold on a machine shared with other work.
#include <benchmark/benchmark.h>

#include <cstdint>

// Nanoseconds of processor time the program has used so far.
double CpuNs();

// Nanoseconds of one std::fill of the 77,440-byte LCD store (best of several trials).
double FillBaselineNs();

// Times the loop of a benchmark and reports ns per pixel and the ratio to the std::fill baseline (x_fill).
class FigureTimer {
public:
    explicit FigureTimer(benchmark::State& state) : state_(state), start_(CpuNs()) {}
    void Report(std::int64_t pixelsPerIteration);

private:
    benchmark::State& state_;
    double start_;
};
