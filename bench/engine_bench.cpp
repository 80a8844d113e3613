// SPDX-License-Identifier: MIT
#include "core/engine/evaluate.h"

#include <benchmark/benchmark.h>
#include <string>

// A full code buffer: 512 one-digit numbers joined by 511 operators (1023 characters).
static std::string longProblem() {
    const std::string ops = "+*-/";
    std::string code;
    for (std::size_t i = 0; i < 512; ++i) {
        if (i > 0) code += ops[i % ops.size()];
        code += static_cast<char>('1' + i % 9);
    }
    return code;
}

static void BM_EvaluateLongProblem(benchmark::State& state) {
    const std::string code = longProblem();
    std::string postfix;
    for (auto _ : state) {
        zc::toPostfix(code, postfix);
        benchmark::DoNotOptimize(zc::evaluatePostfix(postfix, zc::AngleMode::Degrees));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(code.size()));
}
BENCHMARK(BM_EvaluateLongProblem);
