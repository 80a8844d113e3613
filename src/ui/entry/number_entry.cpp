// SPDX-License-Identifier: MIT
// Digits, the decimal point, 10^x, Ans and +/-.

#include "core/text/number_text.h"
#include "ui/display/rich_text.h"
#include "ui/shell/calc_form.h"
#include "ui/toolkit/rich_pane.h"

#include <array>

namespace zc {

void TCalcForm::digitKey(char digit) {
    if (currentLayer == Layer::Programmer) {
        const int ns = numberSystem();
        if (ns == 3 && digit >= '2') return;                   // BIN
        if (ns == 2 && (digit == '8' || digit == '9')) return; // OCT
    }
    enterStep(EntryRule::StartValue, QString(QLatin1Char(digit)), std::string_view(&digit, 1));
}

void TCalcForm::LBtn0Click() {
    digitKey('0');
}
void TCalcForm::LBtn1Click() {
    digitKey('1');
}
void TCalcForm::LBtn2Click() {
    digitKey('2');
}
void TCalcForm::LBtn3Click() {
    digitKey('3');
}
void TCalcForm::LBtn4Click() {
    digitKey('4');
}
void TCalcForm::LBtn5Click() {
    digitKey('5');
}
void TCalcForm::LBtn6Click() {
    digitKey('6');
}
void TCalcForm::LBtn7Click() {
    digitKey('7');
}
void TCalcForm::LBtn8Click() {
    digitKey('8');
}
void TCalcForm::LBtn9Click() {
    digitKey('9');
}

void TCalcForm::LBtnDotClick() {
    if (currentLayer == Layer::Programmer) return;
    // The engine reads ".5" only as "0.5": the hidden "0" lives in the code text alone.
    const int base = solved ? 0 : exprLen;
    const char last = base > 0 ? expr[static_cast<std::size_t>(base - 1)] : '\0';
    const bool hiddenZero = base == 0 || last < '0' || last > '9';
    if (!fitsAfterRule(hiddenZero ? 2 : 1, EntryRule::StartValue)) return;
    startValueRule();
    solved = false;
    appendBoth(QStringLiteral("."), textRaise);
    if (hiddenZero) {
        appendCode("0");
        pushRecord(1, 0);
    }
    appendCode(".");
    pushRecord(1, 1);
}

void TCalcForm::LBtn10toXClick() {
    if (currentLayer == Layer::Programmer) return;
    // One more for the ")" that "=" may add to close the exponent.
    if (!fitsAfterRule(5, EntryRule::StartValue)) return;
    startValueRule();
    solved = false;
    appendBoth(QStringLiteral("10"), textRaise);
    exponentOpen = true;
    textRaise += 60;
    appendCode("10p(");
    pushRecord(4, 2);
}

void TCalcForm::LBtnAnsClick() {
    if (!fitsAfterRule(static_cast<int>(numberTextToCode(ansText).code.size()),
                       EntryRule::EnterAnswer))
        return;
    if (solved) {
        clearProblemPane();
        exprLen = 0;
        undoStack.clear();
    }
    solved = false;
    appendBoth(QString::fromStdString(ansText), textRaise);
    appendNumberText(ansText);
}

void TCalcForm::L1BtnPlusMinusClick() {
    // Nothing to negate once the problem is solved, even if a DEL that found
    // nothing to delete left a hidden record behind.
    if (undoStack.empty() || solved) return;
    // In the financial layer the stored values stay as they are: only what was
    // typed since the last stored value (after its label record) is negated.
    const bool finance = currentLayer == Layer::Financial;
    std::size_t prefix = 0;
    if (finance) {
        for (std::size_t i = undoStack.size(); i-- > 0;) {
            if (undoStack[i].codeChars == 0 && undoStack[i].displayChars > 0) {
                prefix = i + 1;
                break;
            }
        }
        if (prefix == undoStack.size()) return;
    }
    const auto tailBegin = undoStack.begin() + static_cast<std::ptrdiff_t>(prefix);
    const std::string code = codeText();
    const std::size_t saved = negateSaved.size();
    const std::string wrapper = "m(" + negateSaved + ")";
    const std::size_t tail = undoStack.size() - prefix;
    // Un-negate only while the wrapper of the last negation is still in place,
    // so that no other problem is ever rebuilt from the saved text.
    const bool wrapped =
        !code.empty() && code.size() >= wrapper.size() &&
        code.compare(0, wrapper.size(), wrapper) == 0 && code.back() == ')' &&
        tail >= negateStack.size() + 2 && *tailBegin == lastOperandLength{2, 2} &&
        tailBegin[static_cast<std::ptrdiff_t>(negateStack.size() + 1)] == lastOperandLength{1, 1};
    const int n = displayCharsOf(tailBegin, undoStack.end());
    std::array<QTextEdit*, 2> panes{LOutputREdit, LHistoryREdit};
    if (!wrapped && exprLen + 3 > kMaxCodeChars) return;
    exponentOpen = false;
    if (!wrapped) {
        const int L = exprLen;
        negateSaved = code;
        expr = "m(" + code + ")";
        negatePos = L;
        exprLen = L + 3;
        negateStack.assign(tailBegin, undoStack.end());
        undoStack.erase(tailBegin, undoStack.end());
        if (finance) {
            insertBeforeEnd(QStringLiteral("-("), LOutputREdit, kProblemColour, n);
            insertBeforeEnd(QStringLiteral("-("), LHistoryREdit, kHistoryColour, n);
        } else {
            insertAtProblemStart(QStringLiteral("-("), LOutputREdit, kProblemColour, n);
            insertAtProblemStart(QStringLiteral("-("), LHistoryREdit, kHistoryColour, n);
        }
        // The wrapper's bracket closes whatever exponent was open.
        textRaise = 0;
        appendBoth(QStringLiteral(")"), 0);
        undoStack.push_back({2, 2});
        undoStack.insert(undoStack.end(), negateStack.begin(), negateStack.end());
        undoStack.push_back({1, 1});
        return;
    }
    const std::string after = code.size() > saved + 3 ? code.substr(saved + 3) : std::string();
    expr = negateSaved + after;
    exprLen = static_cast<int>(expr.size());
    const int ds = displayCharsOf(negateStack.begin(), negateStack.end());
    for (QTextEdit* pane : panes) {
        if (finance) {
            deleteRangeBeforeEnd(2 + ds, 3 + ds, pane, n);
            deleteRangeBeforeEnd(0, 2, pane, n - 1);
        } else {
            deleteProblemRange(2 + ds, 3 + ds, pane, n);
            deleteProblemRange(0, 2, pane, n - 1);
        }
    }
    std::vector<lastOperandLength> rebuilt(undoStack.begin(), tailBegin);
    rebuilt.insert(rebuilt.end(), negateStack.begin(), negateStack.end());
    rebuilt.insert(rebuilt.end(), tailBegin + static_cast<std::ptrdiff_t>(negateStack.size() + 2),
                   undoStack.end());
    undoStack = std::move(rebuilt);
    negateStack.clear();
}

} // namespace zc
