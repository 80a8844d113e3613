// SPDX-License-Identifier: MIT
#include "core/finance/tvm.h"

#include <benchmark/benchmark.h>

// The worst case of the rate solve: every candidate fails the Fourier test and the scan
// sweeps both rate sequences without finding a rate.
static void BM_TvmScanHopeless(benchmark::State& state) {
    for (auto _ : state) {
        zc::TvmRandom rng; // the same candidates in every iteration
        benchmark::DoNotOptimize(zc::tvmSolveRate(10, 0, -5000, 0, 1, rng));
    }
}
BENCHMARK(BM_TvmScanHopeless)->Unit(benchmark::kMillisecond);

// The usual case: the first candidate passes and Newton's method needs a few steps.
static void BM_TvmSolveRateNewton(benchmark::State& state) {
    for (auto _ : state) {
        zc::TvmRandom rng;
        benchmark::DoNotOptimize(zc::tvmSolveRate(10, 2000, -1000, 0, 1, rng));
    }
}
BENCHMARK(BM_TvmSolveRateNewton);
