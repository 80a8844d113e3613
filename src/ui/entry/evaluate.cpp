// SPDX-License-Identifier: MIT
// The "=" key: close what is open, evaluate with the layer's engine, show the
// result and keep it for Ans and for a following operator.

#include "core/engine/evaluate.h"

#include "core/text/number_text.h"
#include "ui/display/rich_text.h"
#include "ui/shell/calc_form.h"
#include "ui/toolkit/rich_pane.h"

#include <cmath>

namespace zc {

namespace {

/// The "(" of the code text that have no matching ")".
int unclosedBrackets(std::string_view code) {
    int open = 0;
    for (const char c : code) {
        if (c == '(')
            ++open;
        else if (c == ')' && open > 0)
            --open;
    }
    return open;
}

} // namespace

void TCalcForm::balanceBrackets(std::string_view code) {
    const int open = unclosedBrackets(code);
    for (int i = 0; i < open; ++i) {
        appendRichText(QStringLiteral(")"), LHistoryREdit, kHistoryColour, 0);
        appendRichText(QStringLiteral(")"), LOutputREdit, kProblemColour, 0);
    }
}

void TCalcForm::LBtnEqualClick() {
    textRaise = 0;
    if (exprLen == 0 || helpVisible) return;
    const bool conversion = currentLayer == Layer::Conversion;
    if (solved && !conversion) {
        undoStack.clear();
        return;
    }
    if (exponentOpen) {
        // Close the exponent only if its bracket is still there: DEL may have
        // taken the "p(" back, and a ")" without its "(" would fail the problem.
        // A full code text is evaluated as it stands: the engine closes an
        // open bracket at the end, and the text never grows past its bound.
        if (expr[static_cast<std::size_t>(exprLen - 1)] != ')' &&
            unclosedBrackets(codeText()) > 0 && exprLen < kMaxCodeChars)
            appendCode(")");
    } else if (!(conversion && solved)) {
        // A problem converted again was closed on screen by its first "=".
        balanceBrackets(codeText());
    }
    const std::string code = codeText();
    if (!conversion) exprLen = 0;
    if (conversion) sourceUnitStep();
    if (!conversion) appendRichText(QStringLiteral("="), LOutputREdit, kProblemColour, 0);
    appendRichText(QStringLiteral("="), LHistoryREdit, kHistoryColour, 0);
    solved = true;
    exponentOpen = false;

    std::string output;
    bool evaluated = false;
    try {
        if (currentLayer == Layer::Programmer) {
            output = evaluateIntegerProblem(code);
        } else {
            double value = evaluateCode(code, angleMode());
            resultText = formatResult(value);
            evaluated = true;
            if (conversion) {
                value = conversionStep(value);
                // A converted value beyond the double range is a failure, not an infinity.
                if (!std::isfinite(value)) throw EvaluationError("conversion out of range");
            }
            output = formatResult(value);
        }
    } catch (...) {
        // A problem that has no value leaves none for a repeated conversion to show.
        if (conversion && !evaluated) resultText.clear();
        reportSyntaxError();
        return;
    }

    appendRichText(QStringLiteral(" "), LHistoryREdit, kHistoryColour, 0);
    LResultREdit->clear();
    const auto grouped = groupThousands(output);
    const QString shown = QString::fromStdString(grouped ? *grouped : output);
    setSolutionText(shown);
    appendRichText(shown, LHistoryREdit, kHistoryColour, 0);
    ansText = output;
    if (conversion) targetUnitStep();
    appendRichText(QString::fromLatin1(kHistorySeparator), LHistoryREdit, kHistoryColour, 0);
    scrollToBottom(LHistoryREdit);
    undoStack.clear();
}

} // namespace zc
