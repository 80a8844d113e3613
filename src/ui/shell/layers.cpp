// SPDX-License-Identifier: MIT
// The layers and the next-layer keys: one cycle through the five layers.

#include "ui/shell/calc_form.h"
#include "ui/shell/layer_table.h"
#include "ui/toolkit/image_key.h"

#include <iterator>

namespace zc {

namespace {

using F = TCalcForm;

// clang-format off
constexpr LayerRow kLayers[] = {
    {Layer::Scientific, "L1SubPanel", -7, 275, 257, 137, "firstLayerHelp.rtf", "L1AnglesGroup", "LBtnNextLayer", "LBtnHelp", nullptr},
    {Layer::Programmer, "L2SubPanel", -7, 272, 265, 137, "secondLayerHelp.rtf", "L2NumberSysGroup", "LBtnNextLayer", "LBtnHelp", nullptr},
    {Layer::Conversion, "L3SubPanel", -12, 232, 265, 185, "thirdLayerHelp.rtf", nullptr, "L3BtnNextLayer", "L3BtnHelp", &F::enterConversionLayer},
    {Layer::Constants, "L4SubPanel", -4, 232, 265, 185, "fourthLayerHelp.rtf", nullptr, "L4BtnNextLayer", "L4BtnHelp", &F::enterConstantsLayer},
    {Layer::Financial, "L5SubPanel", -5, 252, 249, 161, "fifthLayerHelp.rtf", nullptr, "LBtnNextLayer", "LBtnHelp", nullptr},
};
// clang-format on

static_assert(std::size(kLayers) == static_cast<std::size_t>(kLayerCount));

constexpr bool rowsInLayerOrder() {
    for (int i = 0; i < kLayerCount; ++i)
        if (kLayers[i].layer != static_cast<Layer>(i)) return false;
    return true;
}
static_assert(rowsInLayerOrder(), "one row per layer, in layer order");

bool sameName(const char* a, const char* b) {
    return a != nullptr && b != nullptr && QLatin1String(a) == QLatin1String(b);
}

} // namespace

const LayerRow& layerRow(Layer layer) {
    return kLayers[static_cast<int>(layer)];
}

bool carriesOwnKeys(const LayerRow& row) {
    return !sameName(row.helpKey, "LBtnHelp");
}

void TCalcForm::LBtnNextLayerClick() {
    // A keyboard user cycling the layers keeps the focus on the next-layer key of each layer.
    const QWidget* focus = focusWidget();
    const bool nextKeyFocused = focus != nullptr && focus->hasFocus() &&
                                focus->objectName().endsWith(QLatin1String("NextLayer"));
    m_calc->nextLayer();
    const LayerRow& row = layerRow(state().currentLayer);
    if (row.enter != nullptr) (this->*row.enter)();
    // Only what the new layer uses stays on show: its band, its group and its
    // next-layer key (the bands of the conversion and constants layers carry their own).
    for (const LayerRow& other : kLayers) {
        if (other.layer != row.layer) control(QLatin1String(other.subPanel))->hide();
        if (other.group != nullptr && !sameName(other.group, row.group))
            control(QLatin1String(other.group))->hide();
    }
    LBtnNextLayer->setVisible(sameName(row.nextLayerKey, "LBtnNextLayer"));
    if (row.group != nullptr) control(QLatin1String(row.group))->show();
    control(QLatin1String(row.subPanel))->show();
    loadLayerHelp();
    // The conversion and constants bands cover the main help key with their own.
    LBtnHelp->setCovered(!sameName(row.helpKey, "LBtnHelp"));
    if (nextKeyFocused) control(QLatin1String(row.nextLayerKey))->setFocus(Qt::TabFocusReason);
}

void TCalcForm::L3BtnNextLayerClick() {
    LBtnNextLayerClick();
}

} // namespace zc
