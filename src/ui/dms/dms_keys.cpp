// SPDX-License-Identifier: MIT
// Showing the problem's value as degrees, minutes and seconds, and turning it back.

#include "core/dms/dms.h"
#include "core/engine/evaluate.h"
#include "ui/display/rich_text.h"
#include "ui/shell/calc_form.h"
#include "ui/toolkit/rich_pane.h"

#include <QLocale>

namespace zc {

void TCalcForm::L1BtnToGmsClick() {
    if (helpVisible) return;
    if (exprLen == 0) {
        undoStack.clear();
        return;
    }
    if (paneLength(LOutputREdit) == 0) return;
    const std::string code = codeText();
    const int raise = static_cast<int>(textRaise);
    DmsParts parts;
    double value = 0.0;
    try {
        value = evaluateCode(code, angleMode());
        parts = splitDms(angleInDegrees(value, angleMode()));
    } catch (...) {
        reportFailure(QStringLiteral("Syntax Error"), QStringLiteral("=\n"), raise);
        return;
    }
    dmsValue = value;
    const QString shown = QString::fromStdString(formatDms(parts));
    LResultREdit->clear();
    setSolutionText(shown);
    if (solved) appendRichText(QString::fromStdString(code), LHistoryREdit, kHistoryColour, raise);
    appendRichText(QStringLiteral("= "), LHistoryREdit, kHistoryColour, raise);
    appendRichText(shown, LHistoryREdit, kHistoryColour, raise);
    appendRichText(QString::fromLatin1(kHistorySeparator), LHistoryREdit, kHistoryColour, raise);
    scrollToBottom(LHistoryREdit);
    solved = true;
    dmsShown = true;
    undoStack.clear();
}

void TCalcForm::L1BtnFromGmsClick() {
    if (!dmsShown || dmsValue == 0.0 || exprLen == 0) return;
    const QString point = QLocale().decimalPoint();
    const char sep =
        point.size() == 1 && point.at(0).unicode() < 128 ? point.at(0).toLatin1() : '.';
    setSolutionText(QString::fromStdString(formatGeneral(dmsValue, sep)));
    dmsShown = false;
}

} // namespace zc
