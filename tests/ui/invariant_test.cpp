// SPDX-License-Identifier: MIT
// Long random key sequences over every layer: no crash, and while a problem is
// being built its records add up to the code text and to the problem pane, and
// the history ends with the problem.

#include "scenario.h"
#include "ui/display/rich_text.h"
#include "ui/toolkit/list_box.h"
#include "ui/toolkit/radio_group.h"
#include "ui/toolkit/rich_pane.h"

#include <numeric>
#include <random>

namespace zc::test {
namespace {

using Action = void (*)(TCalcForm&, std::mt19937&);

template <void (TCalcForm::*H)()> void call(TCalcForm& f, std::mt19937&) {
    (f.*H)();
}

void changeNumberSystem(TCalcForm& f, std::mt19937& rng) {
    const int ns = static_cast<int>(rng() % 4);
    f.L2NumberSysGroup->setCurrentIndex(ns);
    f.L2NumberSysGroupChange(ns);
}

void changeAngle(TCalcForm& f, std::mt19937& rng) {
    f.L1AnglesGroup->setCurrentIndex(static_cast<int>(rng() % 3));
}

void pickConstant(TCalcForm& f, std::mt19937& rng) {
    if (f.state().currentLayer != Layer::Constants || f.L4List->count() == 0) return;
    f.L4List->setCurrentRow(static_cast<int>(rng() % static_cast<unsigned>(f.L4List->count())));
    f.L4ListClick();
}

void pickUnits(TCalcForm& f, std::mt19937& rng) {
    if (f.state().currentLayer != Layer::Conversion || f.LListFrom->count() == 0) return;
    f.LListFrom->setCurrentRow(
        static_cast<int>(rng() % static_cast<unsigned>(f.LListFrom->count())));
    f.LListTo->setCurrentRow(static_cast<int>(rng() % static_cast<unsigned>(f.LListTo->count())));
}

/// The quantity keys exist only on the financial layer's panel.
template <void (TCalcForm::*H)()> void financial(TCalcForm& f, std::mt19937&) {
    if (f.state().currentLayer == Layer::Financial) (f.*H)();
}

void clearHistory(TCalcForm& f, std::mt19937&) {
    f.LHistoryREditMouseDown(Qt::LeftButton, true);
}

// clang-format off
const Action kActions[] = {
    call<&TCalcForm::LBtn0Click>, call<&TCalcForm::LBtn1Click>, call<&TCalcForm::LBtn2Click>,
    call<&TCalcForm::LBtn3Click>, call<&TCalcForm::LBtn5Click>, call<&TCalcForm::LBtn8Click>,
    call<&TCalcForm::LBtn9Click>, call<&TCalcForm::LBtnDotClick>, call<&TCalcForm::LBtn10toXClick>,
    call<&TCalcForm::LBtnAnsClick>, call<&TCalcForm::L1BtnPlusMinusClick>, call<&TCalcForm::L1BtnPlusMinusClick>,
    call<&TCalcForm::LBtnPlusClick>, call<&TCalcForm::LBtnMinusClick>, call<&TCalcForm::LBtnMulClick>,
    call<&TCalcForm::LBtnDivClick>, call<&TCalcForm::L1BtnXtoYClick>, call<&TCalcForm::L1BtnInverseClick>,
    call<&TCalcForm::L1BtnSqrClick>, call<&TCalcForm::L1BtnSqrtClick>, call<&TCalcForm::L1BtnPercentClick>,
    call<&TCalcForm::L1BtnLogClick>, call<&TCalcForm::L1BtnSinClick>, call<&TCalcForm::L1BtnAcosClick>,
    call<&TCalcForm::L1BtnBrStartClick>, call<&TCalcForm::L1BtnBrEndClick>, call<&TCalcForm::L1BtnDownClick>,
    call<&TCalcForm::L1BtnHypClick>, call<&TCalcForm::LBtnDelClick>, call<&TCalcForm::LBtnDelClick>,
    call<&TCalcForm::LBtnAcClick>, call<&TCalcForm::LBtnEqualClick>, call<&TCalcForm::LBtnEqualClick>,
    call<&TCalcForm::L1BtnToGmsClick>, call<&TCalcForm::L1BtnFromGmsClick>, call<&TCalcForm::L2BtnHexAClick>,
    call<&TCalcForm::L2BtnHexFClick>, call<&TCalcForm::L2BtnAndClick>, call<&TCalcForm::L2BtnModClick>,
    call<&TCalcForm::L2BtnNotClick>, call<&TCalcForm::L2BtnLshClick>, call<&TCalcForm::L2BtnXorClick>,
    call<&TCalcForm::LBtnNextLayerClick>, call<&TCalcForm::L4BtnHelpClick>, financial<&TCalcForm::L5BtnPVClick>,
    financial<&TCalcForm::L5BtnNClick>, financial<&TCalcForm::L5BtnI_YRClick>, financial<&TCalcForm::L5BtnFVClick>,
    call<&TCalcForm::LLabelTempClick>, changeNumberSystem, changeAngle, pickConstant, pickUnits, clearHistory,
};
// clang-format on

int total(const std::vector<lastOperandLength>& records, int lastOperandLength::*field) {
    return std::accumulate(records.begin(), records.end(), 0,
                           [field](int s, const lastOperandLength& r) { return s + r.*field; });
}

TEST(EntryInvariant, HoldsOverRandomSessions) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
        Window w;
        TCalcForm& f = *w.form;
        std::mt19937 rng(seed);
        std::vector<std::size_t> trail;
        for (int step = 0; step < 400; ++step) {
            const std::size_t a = rng() % std::size(kActions);
            trail.push_back(a);
            kActions[a](f, rng);
            ASSERT_LE(f.state().exprLen, kMaxCodeChars) << "seed " << seed << " step " << step;
            // The financial layer keeps its stored values' labels in the problem,
            // outside the code text; there the records cover more than the code.
            if (f.state().solved || f.state().currentLayer == Layer::Financial) continue;
            const QString problem = f.LOutputREdit->toPlainText();
            ASSERT_EQ(total(f.state().undoStack, &lastOperandLength::codeChars), f.state().exprLen)
                << "seed " << seed << " step " << step << " action " << a;
            ASSERT_EQ(total(f.state().undoStack, &lastOperandLength::displayChars),
                      paneLength(f.LOutputREdit))
                << "seed " << seed << " step " << step << " action " << a << " problem "
                << problem.toStdString();
            ASSERT_TRUE(f.LHistoryREdit->toPlainText().endsWith(problem))
                << "seed " << seed << " step " << step << " action " << a;
        }
    }
}

} // namespace
} // namespace zc::test
