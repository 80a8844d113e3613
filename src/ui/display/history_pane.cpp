// SPDX-License-Identifier: MIT
// Emptying the history with a double click.

#include "ui/display/rich_text.h"
#include "ui/shell/calc_form.h"
#include "ui/toolkit/rich_pane.h"

#include <QTextBlock>
#include <QTextDocument>

namespace zc {

void TCalcForm::LHistoryREditMouseDown(Qt::MouseButton button, bool doubleClick) {
    if (!doubleClick || button != Qt::LeftButton) return;
    LHistoryREdit->clear();
    appendRichText(QStringLiteral("History:\n"), LHistoryREdit, kHistoryColour,
                   static_cast<int>(state().textRaise));
    if (state().solved) return;
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
