// SPDX-License-Identifier: MIT
// The constants layer's controls: four group labels and the list whose entries enter
// their values.

#include "core/constants/constants_table.h"
#include "ui/shell/calc_form.h"
#include "ui/toolkit/list_box.h"

namespace zc {

void TCalcForm::selectConstGroup(int group) {
    m_calc->selectConstGroup(group);
    enterConstantsLayer();
}

void TCalcForm::enterConstantsLayer() {
    const int group = state().constGroup;
    setActiveLabel(groupLabels.at(static_cast<std::size_t>(group)));
    QStringList items;
    for (int i = 0; i < constantCount(group); ++i) {
        const std::string_view t = constantListText(group, i);
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
    m_calc->chooseConstant(L4List->currentRow());
}

} // namespace zc
