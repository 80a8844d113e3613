// SPDX-License-Identifier: MIT
// Arithmetic operators, the scientific functions, brackets and exponents.

#include "ui/display/rich_text.h"
#include "ui/shell/calc_form.h"
#include "ui/toolkit/radio_group.h"
#include "ui/toolkit/rich_pane.h"

namespace zc {

void TCalcForm::operatorKey(char code, char16_t display) {
    if (!fitsAfterRule(1, EntryRule::ContinueFromResult)) return;
    operatorRule();
    // At the very start of a problem the minus key writes the negation code.
    if (code == '-' && exprLen == 0) code = 'm';
    solved = false;
    appendBothChar(display, textRaise);
    appendCode(std::string_view(&code, 1));
    pushRecord(1, 1);
}

void TCalcForm::LBtnPlusClick() {
    operatorKey('+', u'+');
}
void TCalcForm::LBtnMinusClick() {
    operatorKey('-', u'\u2212');
}
void TCalcForm::LBtnMulClick() {
    operatorKey('*', u'\u00D7');
}
void TCalcForm::LBtnDivClick() {
    operatorKey('/', u'\u00F7');
}

void TCalcForm::L1BtnXtoYClick() {
    // One more for the ")" that "=" may add to close the exponent.
    if (solved || !fitsAfterRule(3, EntryRule::NeedOperand)) return;
    textRaise += 60;
    exponentOpen = true;
    appendCode("p(");
    pushRecord(2, 0);
}

void TCalcForm::L1BtnInverseClick() {
    if (solved || !fitsAfterRule(1, EntryRule::NeedOperand)) return;
    appendBoth(QStringLiteral("-1"), textRaise + 60);
    appendCode("i");
    pushRecord(1, 2);
}

void TCalcForm::L1BtnSqrClick() {
    // The integer engine has no square: the key is ignored there like the point key.
    if (currentLayer == Layer::Programmer) return;
    if (solved || !fitsAfterRule(1, EntryRule::NeedOperand)) return;
    appendBoth(QStringLiteral("2"), textRaise + 60);
    appendCode("q");
    pushRecord(1, 1);
}

void TCalcForm::L1BtnSqrtClick() {
    if (!fitsAfterRule(2, EntryRule::StartValue)) return;
    startValueRule();
    solved = false;
    appendBothChar(u'\u221A', textRaise);
    appendBoth(QStringLiteral("("), textRaise);
    appendCode("k(");
    pushRecord(2, 2);
}

void TCalcForm::L1BtnPercentClick() {
    enterStep(EntryRule::StartValue, QStringLiteral("%"), "%");
}
void TCalcForm::L1BtnLogClick() {
    enterStep(EntryRule::StartValue, QStringLiteral("log("), "l(");
}
void TCalcForm::L1BtnLnClick() {
    enterStep(EntryRule::StartValue, QStringLiteral("ln("), "n(");
}

void TCalcForm::trigKey(const char* plainDisplay, char plainCode, const char* hypDisplay,
                        char hypCode) {
    const char* display = hypMode ? hypDisplay : plainDisplay;
    const char code[3] = {hypMode ? hypCode : plainCode, '(', '\0'};
    const QString text = QString::fromLatin1(display);
    if (enterStep(EntryRule::StartValue, text, std::string_view(code, 2))) hypMode = false;
}

void TCalcForm::L1BtnSinClick() {
    trigKey("sin(", 's', "sinh(", 'b');
}
void TCalcForm::L1BtnCosClick() {
    trigKey("cos(", 'c', "cosh(", 'o');
}
void TCalcForm::L1BtnTanClick() {
    trigKey("tan(", 't', "tanh(", 'r');
}
void TCalcForm::L1BtnAsinClick() {
    trigKey("asin(", 'x', "asinh(", 'u');
}
void TCalcForm::L1BtnAcosClick() {
    trigKey("acos(", 'y', "acosh(", 'v');
}
void TCalcForm::L1BtnAtanClick() {
    trigKey("atan(", 'z', "atanh(", 'w');
}

void TCalcForm::L1BtnBrStartClick() {
    enterStep(EntryRule::StartValue, QStringLiteral("("), "(");
}
void TCalcForm::L1BtnBrEndClick() {
    enterStep(EntryRule::StartValue, QStringLiteral(")"), ")");
}

void TCalcForm::L1BtnDownClick() {
    if (!exponentOpen || solved || !fitsAfterRule(1, EntryRule::NeedOperand)) return;
    if (textRaise > 0) textRaise -= 60;
    appendCode(")");
    if (textRaise == 0) exponentOpen = false;
    pushRecord(1, 0);
}

void TCalcForm::L1BtnHypClick() {
    hypMode = true;
}

void TCalcForm::L1AnglesGroupChange() {
    LOutputREdit->setFocus();
}

} // namespace zc
