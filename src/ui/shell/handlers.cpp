// SPDX-License-Identifier: MIT
// The keys' handlers: each forwards to the calculator, which writes the panes.

#include "ui/shell/calc_form.h"
#include "ui/toolkit/radio_group.h"
#include "ui/toolkit/rich_pane.h"

#include <QLocale>

namespace zc {

// --- operators and functions -----------------------------------------------------

void TCalcForm::L1AnglesGroupChange() {
    m_calc->setAngleMode(static_cast<AngleMode>(L1AnglesGroup->currentIndex()));
    LOutputREdit->setFocus();
}

// --- degrees, minutes, seconds ------------------------------------------------------

void TCalcForm::L1BtnFromGmsClick() {
    // The value goes back in the user's own decimal separator.
    const QString point = QLocale().decimalPoint();
    m_calc->setDecimalSeparator(
        point.size() == 1 && point.at(0).unicode() < 128 ? point.at(0).toLatin1() : '.');
    m_calc->press(CalcKey::FromDms);
}

// --- programmer layer ---------------------------------------------------------------

void TCalcForm::L2NumberSysGroupChange(int index) {
    if (!state().helpVisible) LOutputREdit->setFocus();
    m_calc->changeNumberSystem(static_cast<NumberSystem>(index));
}

// --- financial layer -------------------------------------------------------------------

void TCalcForm::L5BtnPVClick() {
    m_calc->tvmKey(TvmQuantity::PresentValue);
}
void TCalcForm::L5BtnFVClick() {
    m_calc->tvmKey(TvmQuantity::FutureValue);
}
void TCalcForm::L5BtnPMTClick() {
    m_calc->tvmKey(TvmQuantity::Payment);
}
void TCalcForm::L5BtnNClick() {
    m_calc->tvmKey(TvmQuantity::Periods);
}
void TCalcForm::L5BtnI_YRClick() {
    m_calc->tvmKey(TvmQuantity::Rate);
}
void TCalcForm::L5BtnP_YRClick() {
    m_calc->tvmKey(TvmQuantity::PerYear);
}

} // namespace zc
