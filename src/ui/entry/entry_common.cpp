// SPDX-License-Identifier: MIT
// What every entry key shares: the new-problem rule, the code buffer bound,
// appending to both panes and pushing the undo record.

#include "core/text/number_text.h"
#include "ui/display/rich_text.h"
#include "ui/shell/calc_form.h"
#include "ui/toolkit/rich_pane.h"

namespace zc {

void TCalcForm::appendCode(std::string_view code) {
    expr.resize(static_cast<std::size_t>(exprLen));
    expr.append(code);
    exprLen = static_cast<int>(expr.size());
}

void TCalcForm::pushRecord(int codeChars, int displayChars) {
    undoStack.push_back({codeChars, displayChars});
}

void TCalcForm::appendBoth(const QString& text, double raise) {
    appendRichText(text, LOutputREdit, kProblemColour, static_cast<int>(raise));
    appendRichText(text, LHistoryREdit, kHistoryColour, static_cast<int>(raise));
}

void TCalcForm::appendBothChar(char16_t ch, double raise) {
    appendRichChar(ch, LOutputREdit, kProblemColour, static_cast<int>(raise));
    appendRichChar(ch, LHistoryREdit, kHistoryColour, static_cast<int>(raise));
}

void TCalcForm::clearProblemPane() {
    LOutputREdit->clear();
}

void TCalcForm::setSolutionText(const QString& text) {
    setPaneText(LResultREdit, text);
}

void TCalcForm::startValueRule() {
    if (!solved) return;
    clearProblemPane();
    exprLen = 0;
    // A new problem starts with no records: those of an earlier problem would
    // make DEL and AC cut into the history's earlier entries.
    undoStack.clear();
}

void TCalcForm::operatorRule() {
    if (!solved) return;
    clearProblemPane();
    exprLen = 0;
    undoStack.clear();
    appendBoth(QString::fromStdString(ansText), textRaise);
    appendNumberText(ansText);
    solved = false;
}

bool TCalcForm::fitsAfterRule(int codeChars, EntryRule rule) const {
    int base = exprLen;
    if (solved) {
        if (rule == EntryRule::StartValue || rule == EntryRule::EnterAnswer) base = 0;
        if (rule == EntryRule::ContinueFromResult)
            base = static_cast<int>(numberTextToCode(ansText).code.size());
    }
    return base + codeChars <= kMaxCodeChars;
}

void TCalcForm::appendNumberText(std::string_view text) {
    const NumberCode nc = numberTextToCode(text);
    appendCode(nc.code);
    undoStack.push_back(nc.record);
}

bool TCalcForm::enterStep(EntryRule rule, const QString& display, std::string_view code) {
    if (rule == EntryRule::NeedOperand && solved) return false;
    if (!fitsAfterRule(static_cast<int>(code.size()), rule)) return false;
    if (rule == EntryRule::StartValue) startValueRule();
    if (rule == EntryRule::ContinueFromResult) operatorRule();
    solved = false;
    appendBoth(display, textRaise);
    appendCode(code);
    pushRecord(static_cast<int>(code.size()), static_cast<int>(display.size()));
    return true;
}

void TCalcForm::reportFailure(const QString& message, const QString& lead, int raise) {
    setSolutionText(message);
    appendRichText(lead, LHistoryREdit, kHistoryColour, raise);
    appendRichText(message, LHistoryREdit, kHistoryColour, raise);
    appendRichText(QString::fromLatin1(kHistorySeparator), LHistoryREdit, kHistoryColour, raise);
    scrollToBottom(LHistoryREdit);
    undoStack.clear();
    solved = true;
}

void TCalcForm::reportSyntaxError() {
    reportFailure(QStringLiteral("Syntax Error"), QStringLiteral("\n"), 0);
}

} // namespace zc
