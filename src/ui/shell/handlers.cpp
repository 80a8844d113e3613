// SPDX-License-Identifier: MIT
// The keys' handlers: each forwards to the calculator, which writes the panes.

#include "ui/shell/calc_form.h"
#include "ui/toolkit/radio_group.h"
#include "ui/toolkit/rich_pane.h"

#include <QLocale>

namespace zc {

// --- number entry ------------------------------------------------------------

void TCalcForm::LBtn0Click() {
    m_calc->digit('0');
}
void TCalcForm::LBtn1Click() {
    m_calc->digit('1');
}
void TCalcForm::LBtn2Click() {
    m_calc->digit('2');
}
void TCalcForm::LBtn3Click() {
    m_calc->digit('3');
}
void TCalcForm::LBtn4Click() {
    m_calc->digit('4');
}
void TCalcForm::LBtn5Click() {
    m_calc->digit('5');
}
void TCalcForm::LBtn6Click() {
    m_calc->digit('6');
}
void TCalcForm::LBtn7Click() {
    m_calc->digit('7');
}
void TCalcForm::LBtn8Click() {
    m_calc->digit('8');
}
void TCalcForm::LBtn9Click() {
    m_calc->digit('9');
}
void TCalcForm::LBtnDotClick() {
    m_calc->point();
}
void TCalcForm::LBtn10toXClick() {
    m_calc->tenToX();
}
void TCalcForm::LBtnAnsClick() {
    m_calc->answer();
}
void TCalcForm::L1BtnPlusMinusClick() {
    m_calc->plusMinus();
}

// --- operators and functions -----------------------------------------------------

void TCalcForm::LBtnPlusClick() {
    m_calc->plus();
}
void TCalcForm::LBtnMinusClick() {
    m_calc->minus();
}
void TCalcForm::LBtnMulClick() {
    m_calc->multiply();
}
void TCalcForm::LBtnDivClick() {
    m_calc->divide();
}
void TCalcForm::L1BtnXtoYClick() {
    m_calc->power();
}
void TCalcForm::L1BtnInverseClick() {
    m_calc->inverse();
}
void TCalcForm::L1BtnSqrClick() {
    m_calc->square();
}
void TCalcForm::L1BtnSqrtClick() {
    m_calc->squareRoot();
}
void TCalcForm::L1BtnPercentClick() {
    m_calc->percent();
}
void TCalcForm::L1BtnLogClick() {
    m_calc->log10();
}
void TCalcForm::L1BtnLnClick() {
    m_calc->naturalLog();
}
void TCalcForm::L1BtnSinClick() {
    m_calc->sine();
}
void TCalcForm::L1BtnCosClick() {
    m_calc->cosine();
}
void TCalcForm::L1BtnTanClick() {
    m_calc->tangent();
}
void TCalcForm::L1BtnAsinClick() {
    m_calc->arcSine();
}
void TCalcForm::L1BtnAcosClick() {
    m_calc->arcCosine();
}
void TCalcForm::L1BtnAtanClick() {
    m_calc->arcTangent();
}
void TCalcForm::L1BtnBrStartClick() {
    m_calc->openBracket();
}
void TCalcForm::L1BtnBrEndClick() {
    m_calc->closeBracket();
}
void TCalcForm::L1BtnDownClick() {
    m_calc->exponentDown();
}
void TCalcForm::L1BtnHypClick() {
    m_calc->hyp();
}

void TCalcForm::L1AnglesGroupChange() {
    m_calc->setAngleMode(static_cast<AngleMode>(L1AnglesGroup->currentIndex()));
    LOutputREdit->setFocus();
}

// --- editing and evaluation ------------------------------------------------------

void TCalcForm::LBtnDelClick() {
    m_calc->del();
}
void TCalcForm::LBtnAcClick() {
    m_calc->allClear();
}
void TCalcForm::LBtnEqualClick() {
    m_calc->equal();
}

// --- degrees, minutes, seconds ------------------------------------------------------

void TCalcForm::L1BtnToGmsClick() {
    m_calc->toDms();
}

void TCalcForm::L1BtnFromGmsClick() {
    // The value goes back in the user's own decimal separator.
    const QString point = QLocale().decimalPoint();
    m_calc->setDecimalSeparator(
        point.size() == 1 && point.at(0).unicode() < 128 ? point.at(0).toLatin1() : '.');
    m_calc->fromDms();
}

// --- programmer layer ---------------------------------------------------------------

void TCalcForm::L2BtnHexAClick() {
    m_calc->hexDigit('A');
}
void TCalcForm::L2BtnHexBClick() {
    m_calc->hexDigit('B');
}
void TCalcForm::L2BtnHexCClick() {
    m_calc->hexDigit('C');
}
void TCalcForm::L2BtnHexDClick() {
    m_calc->hexDigit('D');
}
void TCalcForm::L2BtnHexEClick() {
    m_calc->hexDigit('E');
}
void TCalcForm::L2BtnHexFClick() {
    m_calc->hexDigit('F');
}
void TCalcForm::L2BtnBrStartClick() {
    m_calc->openBracket();
}
void TCalcForm::L2BtnBrEndClick() {
    m_calc->closeBracket();
}
void TCalcForm::L2BtnAndClick() {
    m_calc->bitAnd();
}
void TCalcForm::L2BtnXorClick() {
    m_calc->bitXor();
}
void TCalcForm::L2BtnModClick() {
    m_calc->modulo();
}
void TCalcForm::L2BtnOrClick() {
    m_calc->bitOr();
}
void TCalcForm::L2BtnNotClick() {
    m_calc->bitNot();
}
void TCalcForm::L2BtnLshClick() {
    m_calc->shiftLeft();
}

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
