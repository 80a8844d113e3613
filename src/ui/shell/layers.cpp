// SPDX-License-Identifier: MIT
// The next-layer keys: one cycle through the five layers.

#include "ui/shell/calc_form.h"
#include "ui/toolkit/image_key.h"
#include "ui/toolkit/radio_group.h"
#include "ui/toolkit/sub_panel.h"

namespace zc {

void TCalcForm::LBtnNextLayerClick() {
    textRaise = 0;
    LBtnAcClick();
    const int next = (currentLayer + 1) % 5;
    switch (next) {
    case 0:
        L5SubPanel->hide();
        LBtnNextLayer->show();
        L1AnglesGroup->show();
        L1SubPanel->show();
        break;
    case 1:
        L1SubPanel->hide();
        L1AnglesGroup->hide();
        L2NumberSysGroup->show();
        L2SubPanel->show();
        break;
    case 2:
        unitCategory = 3;
        LLabelDistClick();
        LBtnNextLayer->hide();
        L2NumberSysGroup->hide();
        L2SubPanel->hide();
        L3SubPanel->show();
        break;
    case 3:
        constGroup = 0;
        L4LabelUniversalClick();
        L3SubPanel->hide();
        L4SubPanel->show();
        break;
    case 4:
        tvmReset();
        LBtnNextLayer->show();
        L4SubPanel->hide();
        L5SubPanel->show();
        break;
    default:
        break;
    }
    currentLayer = next;
    loadLayerHelp();
}

void TCalcForm::L3BtnNextLayerClick() {
    LBtnNextLayerClick();
}

} // namespace zc
