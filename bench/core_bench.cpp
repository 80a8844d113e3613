// SPDX-License-Identifier: MIT
#include "core/text/number_text.h"

#include <benchmark/benchmark.h>

static void BM_GroupThousands(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(zc::groupThousands("1234567890.125"));
}
BENCHMARK(BM_GroupThousands);
