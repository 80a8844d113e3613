// SPDX-License-Identifier: MIT
// The conversion layer's controls: the category labels and the two unit lists.

#include "core/units/unit_catalogue.h"
#include "ui/shell/calc_form.h"
#include "ui/toolkit/list_box.h"
#include "ui/toolkit/skin_label.h"

namespace zc {

void TCalcForm::setActiveLabel(SkinLabel* label) {
    if (activeLabel != nullptr) activeLabel->setHighlighted(false);
    activeLabel = label;
    if (activeLabel != nullptr) activeLabel->setHighlighted(true);
}

void TCalcForm::fillUnitList(ListBox* list, int category) {
    QStringList items;
    const int count = unitCount(category);
    for (int i = 0; i < count; ++i) {
        const std::string_view t = unitListText(category, i);
        items << QString::fromUtf8(t.data(), static_cast<int>(t.size()));
    }
    list->fill(items);
}

void TCalcForm::selectCategory(int category) {
    m_calc->selectCategory(category);
    enterConversionLayer();
}

void TCalcForm::enterConversionLayer() {
    const int category = state().unitCategory;
    setActiveLabel(categoryLabels.at(static_cast<std::size_t>(category)));
    fillUnitList(LListFrom, category);
    fillUnitList(LListTo, category);
}

void TCalcForm::LLabelAngleClick() {
    selectCategory(0);
}
void TCalcForm::LLabelTimeClick() {
    selectCategory(1);
}
void TCalcForm::LLabelDataClick() {
    selectCategory(2);
}
void TCalcForm::LLabelDistClick() {
    selectCategory(3);
}
void TCalcForm::LLabelMassClick() {
    selectCategory(4);
}
void TCalcForm::LLabelTempClick() {
    selectCategory(5);
}
void TCalcForm::LLabelAreaClick() {
    selectCategory(6);
}
void TCalcForm::LLabelVolClick() {
    selectCategory(7);
}
void TCalcForm::LLabelSpeedClick() {
    selectCategory(8);
}
void TCalcForm::LLabelPressClick() {
    selectCategory(9);
}
void TCalcForm::LLabelEnergyClick() {
    selectCategory(10);
}
void TCalcForm::LLabelPowerClick() {
    selectCategory(11);
}
void TCalcForm::LLabelForceClick() {
    selectCategory(12);
}

} // namespace zc
