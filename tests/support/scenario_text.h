// SPDX-License-Identifier: MIT
#pragma once
// Texts the scenario tables of the calculator and of the window share.

// The history separator as it stands inside a JSON string of an expectation.
#define SEP "\\n_______________________________\\n"

// Scripts that move from the scientific layer to layer 1, 2, 3 or 4.
#define TO_LAYER1 "click LBtnNextLayer\n"
#define TO_LAYER2 TO_LAYER1 "click LBtnNextLayer\n"
#define TO_LAYER3 TO_LAYER2 "click L3BtnNextLayer\n"
#define TO_LAYER4 TO_LAYER3 "click L4BtnNextLayer\n"

// From the conversion layer once round the cycle back to it.
#define ROUND                                                                                      \
    "click L3BtnNextLayer\nclick L4BtnNextLayer\n"                                                 \
    "click LBtnNextLayer\nclick LBtnNextLayer\nclick LBtnNextLayer\n"
