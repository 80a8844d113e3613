// SPDX-License-Identifier: MIT
// The next-layer keys: one cycle through the five layers.

#include "ui/shell/calc_form.h"
#include "ui/toolkit/image_key.h"
#include "ui/toolkit/radio_group.h"
#include "ui/toolkit/sub_panel.h"

namespace zc {

void TCalcForm::LBtnNextLayerClick() {
    // A keyboard user cycling the layers keeps the focus on the next-layer key of each layer.
    const QWidget* focus = focusWidget();
    const bool nextKeyFocused = focus != nullptr && focus->hasFocus() &&
                                focus->objectName().endsWith(QLatin1String("NextLayer"));
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
    // The conversion and constants panels cover the main help key with their own.
    LBtnHelp->setCovered(next == 2 || next == 3);
    if (nextKeyFocused) {
        for (const char* name : {"LBtnNextLayer", "L3BtnNextLayer", "L4BtnNextLayer"}) {
            QWidget* key = control(QString::fromLatin1(name));
            if (key->isVisible()) key->setFocus(Qt::TabFocusReason);
        }
    }
}

void TCalcForm::L3BtnNextLayerClick() {
    LBtnNextLayerClick();
}

} // namespace zc
