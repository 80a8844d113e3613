// SPDX-License-Identifier: MIT
// DEL, AC and emptying the history. They work only through the undo records.

#include "ui/display/rich_text.h"
#include "ui/shell/calc_form.h"
#include "ui/toolkit/rich_pane.h"

#include <QTextBlock>
#include <QTextDocument>

namespace zc {

void TCalcForm::LBtnDelClick() {
    textRaise = 0;
    if (exprLen == 0) return;
    if (undoStack.empty() || solved || paneLength(LOutputREdit) == 0) {
        solved = true;
        exponentOpen = false;
    } else {
        const lastOperandLength top = undoStack.back();
        undoStack.pop_back();
        deleteLastChars(top.displayChars, LOutputREdit);
        deleteLastChars(top.displayChars, LHistoryREdit);
        exprLen = std::max(0, exprLen - top.codeChars);
    }
    if (paneLength(LOutputREdit) == 0) exponentOpen = false;
}

void TCalcForm::LBtnAcClick() {
    textRaise = 0;
    exponentOpen = false;
    const int d = displayCharsOf(undoStack.begin(), undoStack.end());
    undoStack.clear();
    if (!solved) {
        deleteLastChars(d, LHistoryREdit);
        deleteLastChars(d, LOutputREdit);
    }
    setPaneText(LOutputREdit, QStringLiteral("Problem\n"));
    setPaneText(LResultREdit, QStringLiteral("Solution\n"));
    solved = true;
    ansText.clear();
    exprLen = 0;
}

void TCalcForm::LHistoryREditMouseDown(Qt::MouseButton button, bool doubleClick) {
    if (!doubleClick || button != Qt::LeftButton) return;
    LHistoryREdit->clear();
    appendRichText(QStringLiteral("History:\n"), LHistoryREdit, kHistoryColour,
                   static_cast<int>(textRaise));
    if (solved) return;
    // The history keeps ending with the problem being built, so that DEL, AC
    // and +/- still find it there: copy it back with its raised parts.
    const QTextDocument* doc = LOutputREdit->document();
    bool firstBlock = true;
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
        if (!firstBlock) appendRichText(QStringLiteral("\n"), LHistoryREdit, kHistoryColour, 0);
        firstBlock = false;
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment frag = it.fragment();
            if (!frag.isValid()) continue;
            const int raise = frag.charFormat().property(kRaiseTwipsProperty).toInt();
            appendRichText(frag.text(), LHistoryREdit, kHistoryColour, raise);
        }
    }
}

} // namespace zc
