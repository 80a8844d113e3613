// SPDX-License-Identifier: MIT
// The conversion layer: category labels, the two unit lists and the unit steps of "=".

#include "core/units/unit_catalogue.h"
#include "ui/display/rich_text.h"
#include "ui/shell/calc_form.h"
#include "ui/toolkit/list_box.h"
#include "ui/toolkit/rich_pane.h"
#include "ui/toolkit/skin_label.h"

namespace zc {

void TCalcForm::setActiveLabel(SkinLabel* label) {
    if (activeLabel != nullptr) activeLabel->setHighlighted(false);
    activeLabel = label;
    if (activeLabel != nullptr) activeLabel->setHighlighted(true);
}

void TCalcForm::fillUnitList(ListBox* list, unsigned category) {
    QStringList items;
    const int count = unitCount(static_cast<int>(category));
    for (int i = 0; i < count; ++i) {
        const std::string_view t = unitListText(static_cast<int>(category), i);
        items << QString::fromUtf8(t.data(), static_cast<int>(t.size()));
    }
    list->fill(items);
}

void TCalcForm::selectCategory(unsigned category) {
    unitCategory = category;
    setActiveLabel(categoryLabels.at(category));
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

namespace {

int selection(const ListBox* list) {
    return list->currentRow() < 0 ? 0 : list->currentRow();
}

QString suffixText(unsigned category, int unit) {
    return QString::fromStdString(unitSuffix(static_cast<int>(category), unit));
}

} // namespace

void TCalcForm::sourceUnitStep() {
    const int from = selection(LListFrom);
    if (!solved) lastFromUnit = static_cast<unsigned>(from);
    if (static_cast<unsigned>(from) != lastFromUnit || !solved) {
        appendRichText(suffixText(unitCategory, from), LOutputREdit, kProblemColour, 0);
        appendRichText(QStringLiteral("="), LOutputREdit, kProblemColour, 0);
        lastFromUnit = static_cast<unsigned>(from);
    }
    if (solved)
        appendRichText(QString::fromStdString(resultText), LHistoryREdit, kHistoryColour, 0);
    appendRichText(suffixText(unitCategory, from), LHistoryREdit, kHistoryColour, 0);
}

double TCalcForm::conversionStep(double value) const {
    return convertUnits(static_cast<int>(unitCategory), value, selection(LListFrom),
                        selection(LListTo));
}

void TCalcForm::targetUnitStep() {
    const QString suffix = suffixText(unitCategory, selection(LListTo));
    setSolutionText(LResultREdit->toPlainText() + suffix);
    appendPlainRichText(suffix, LHistoryREdit);
}

} // namespace zc
