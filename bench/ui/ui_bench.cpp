// SPDX-License-Identifier: MIT
// Costs of the window's keys: a key must cost the same late in a long session
// as at its start, and the window must start fast.

#include "ui/shell/calc_form.h"

#include <QApplication>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {

void evaluateOnce(zc::TCalcForm& form) {
    form.LBtn1Click();
    form.LBtnPlusClick();
    form.LBtn2Click();
    form.LBtnEqualClick();
}

// One problem typed and evaluated after `range(0)` earlier evaluations.
void BM_KeyAfterLongHistory(benchmark::State& state) {
    zc::TCalcForm form;
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) state.SkipWithError("window not exposed");
    for (int i = 0; i < state.range(0); ++i)
        evaluateOnce(form);
    QCoreApplication::processEvents();
    for (auto _ : state) {
        evaluateOnce(form);
        QCoreApplication::processEvents();
    }
    state.SetItemsProcessed(state.iterations() * 4);
}
BENCHMARK(BM_KeyAfterLongHistory)
    ->Arg(10)
    ->Arg(10000)
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(2000);

// DEL and AC also work from the end of a long history.
void BM_EditAfterLongHistory(benchmark::State& state) {
    zc::TCalcForm form;
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) state.SkipWithError("window not exposed");
    for (int i = 0; i < state.range(0); ++i)
        evaluateOnce(form);
    for (auto _ : state) {
        form.LBtn1Click();
        form.LBtnPlusClick();
        form.LBtnDelClick();
        form.LBtnAcClick();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_EditAfterLongHistory)
    ->Arg(10)
    ->Arg(10000)
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(2000);

// Constructing and showing the window.
void BM_WindowStart(benchmark::State& state) {
    for (auto _ : state) {
        zc::TCalcForm form;
        form.show();
        if (!QTest::qWaitForWindowExposed(&form)) state.SkipWithError("window not exposed");
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_WindowStart)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
