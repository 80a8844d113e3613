// SPDX-License-Identifier: MIT
// The programmer layer: hexadecimal digits, bit operators and the number systems.

#include "core/programmer/int_engine.h"
#include "core/text/number_text.h"
#include "ui/display/rich_text.h"
#include "ui/shell/calc_form.h"
#include "ui/toolkit/rich_pane.h"

namespace zc {

void TCalcForm::hexDigitKey(char letter) {
    if (numberSystem() != kHex) return;
    enterStep(EntryRule::StartValue, QString(QLatin1Char(letter)), std::string_view(&letter, 1));
}

void TCalcForm::L2BtnHexAClick() {
    hexDigitKey('A');
}
void TCalcForm::L2BtnHexBClick() {
    hexDigitKey('B');
}
void TCalcForm::L2BtnHexCClick() {
    hexDigitKey('C');
}
void TCalcForm::L2BtnHexDClick() {
    hexDigitKey('D');
}
void TCalcForm::L2BtnHexEClick() {
    hexDigitKey('E');
}
void TCalcForm::L2BtnHexFClick() {
    hexDigitKey('F');
}

void TCalcForm::L2BtnBrStartClick() {
    enterStep(EntryRule::StartValue, QStringLiteral("("), "(");
}
void TCalcForm::L2BtnBrEndClick() {
    enterStep(EntryRule::StartValue, QStringLiteral(")"), ")");
}

void TCalcForm::programmerOperatorKey(bool programmerOnly, const QString& display, char code) {
    if (!fitsAfterRule(1, EntryRule::ContinueFromResult)) return;
    operatorRule();
    // The keyboard reaches these keys in every layer; the previous result is
    // re-entered first, the operator itself only in the programmer layer.
    if (programmerOnly && currentLayer != Layer::Programmer) return;
    solved = false;
    appendBoth(display, textRaise);
    appendCode(std::string_view(&code, 1));
    pushRecord(1, static_cast<int>(display.size()));
}

void TCalcForm::L2BtnAndClick() {
    programmerOperatorKey(false, QStringLiteral("&"), '&');
}
void TCalcForm::L2BtnXorClick() {
    programmerOperatorKey(true, QStringLiteral("^"), '^');
}
void TCalcForm::L2BtnModClick() {
    programmerOperatorKey(false, QStringLiteral(" mod "), '%');
}
void TCalcForm::L2BtnOrClick() {
    programmerOperatorKey(true, QStringLiteral("|"), '|');
}
void TCalcForm::L2BtnNotClick() {
    programmerOperatorKey(true, QStringLiteral("~"), '~');
}
void TCalcForm::L2BtnLshClick() {
    programmerOperatorKey(true, QStringLiteral("<<"), '<');
}

std::string TCalcForm::evaluateIntegerProblem(const std::string& code) {
    return evaluateIntProblem(code, numberSystem());
}

void TCalcForm::L2NumberSysGroupChange(int index) {
    if (helpVisible) {
        previousNumberSystem = index;
        return;
    }
    LOutputREdit->setFocus();
    // Only a problem still being built is converted: one whose change failed is finished.
    if (exprLen > 0 && !solved) {
        std::string converted;
        try {
            const std::string value = evaluateIntProblem(codeText(), previousNumberSystem);
            converted = convertNumberText(value, previousNumberSystem, index);
        } catch (...) {
            // The problem and the number system its digits are written in stay as they were.
            reportSyntaxError();
            return;
        }
        expr = converted;
        const QString text = QString::fromStdString(converted);
        setPaneText(LOutputREdit, text);
        const auto grouped = groupThousands(converted);
        setSolutionText(grouped ? QString::fromStdString(*grouped) : text);
        const auto hist = [this](const QString& s) {
            appendRichText(s, LHistoryREdit, kHistoryColour, 0);
        };
        hist(QStringLiteral("["));
        hist(QString::fromLatin1(numberSystemName(previousNumberSystem).data(),
                                 static_cast<int>(numberSystemName(previousNumberSystem).size())));
        hist(QStringLiteral("]"));
        hist(QStringLiteral("= "));
        hist(text);
        hist(QStringLiteral("["));
        hist(QString::fromLatin1(numberSystemName(index).data(),
                                 static_cast<int>(numberSystemName(index).size())));
        hist(QStringLiteral("]"));
        hist(QString::fromLatin1(kHistorySeparator));
        scrollToBottom(LHistoryREdit);
        hist(text);
        exprLen = static_cast<int>(converted.size());
    }
    previousNumberSystem = index;
    undoStack.clear();
    undoStack.push_back({exprLen, exprLen});
}

} // namespace zc
