#pragma once
// Every drawing figure is also given as a ratio to std::fill over the whole LCD store, measured in
// the same run, so that figures from different machines can be compared.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>

// Nanoseconds of one std::fill of the 77,440-byte LCD store (best of several trials).
double FillBaselineNs();

// Times the loop of a benchmark and reports ns per pixel and the ratio to the std::fill baseline.
class FigureTimer {
public:
    explicit FigureTimer(benchmark::State& state) : state_(state), start_(std::chrono::steady_clock::now()) {}
    void Report(std::int64_t pixelsPerIteration);

private:
    benchmark::State& state_;
    std::chrono::steady_clock::time_point start_;
};
