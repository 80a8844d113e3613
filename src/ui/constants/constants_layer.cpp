// SPDX-License-Identifier: MIT
// The constants layer: four group labels and the list whose entries enter their values.

#include "core/constants/constants_table.h"
#include "core/text/number_text.h"
#include "ui/display/rich_text.h"
#include "ui/shell/calc_form.h"
#include "ui/toolkit/list_box.h"
#include "ui/toolkit/rich_pane.h"

namespace zc {

void TCalcForm::selectConstGroup(unsigned group) {
    constGroup = group;
    setActiveLabel(groupLabels.at(group));
    QStringList items;
    for (int i = 0; i < constantCount(static_cast<int>(group)); ++i) {
        const std::string_view t = constantListText(static_cast<int>(group), i);
        items << QString::fromUtf8(t.data(), static_cast<int>(t.size()));
    }
    // Setting the selection from code inserts nothing.
    L4List->fill(items);
}

void TCalcForm::L4LabelUniversalClick() {
    selectConstGroup(0);
}
void TCalcForm::L4LabelElectromagneticClick() {
    selectConstGroup(1);
}
void TCalcForm::L4LabelAtomicNuclearClick() {
    selectConstGroup(2);
}
void TCalcForm::L4LabelPhysChemClick() {
    selectConstGroup(3);
}

void TCalcForm::L4ListClick() {
    const int row = L4List->currentRow();
    if (row < 0) return;
    const std::string text = formatResult(constantValue(static_cast<int>(constGroup), row));
    const int codeChars = static_cast<int>(numberTextToCode(text).code.size());
    const bool after = !solved && exprLen > 0 &&
                       ((expr[static_cast<std::size_t>(exprLen - 1)] >= '0' &&
                         expr[static_cast<std::size_t>(exprLen - 1)] <= '9') ||
                        expr[static_cast<std::size_t>(exprLen - 1)] == ')');
    if ((solved ? 0 : exprLen) + codeChars + (after ? 1 : 0) > kMaxCodeChars) return;
    if (solved) {
        clearProblemPane();
        exprLen = 0;
        undoStack.clear();
    }
    solved = false;
    // A constant right after a number or a closing bracket multiplies it.
    if (after) LBtnMulClick();
    appendNumberText(text);
    appendBoth(QString::fromStdString(text), textRaise);
}

} // namespace zc
