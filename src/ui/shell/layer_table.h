// SPDX-License-Identifier: MIT
#pragma once
// What makes each layer: one row per layer, read by layer switching, the help
// pages and the key table.

#include "core/calculator/layer.h"

namespace zc {

class TCalcForm;

struct LayerRow {
    Layer layer;
    const char* subPanel;       // the middle band shown in this layer
    int x, y, w, h;             // the band's place in the window
    const char* helpFile;       // its help page, by bare file name
    const char* group;          // the radio group shown above the band, or nullptr
    const char* nextLayerKey;   // the next-layer key in use
    const char* helpKey;        // the help key in use
    void (TCalcForm::*enter)(); // shows what the calculator selected on entering, or nullptr
};

/// The row of a layer.
const LayerRow& layerRow(Layer layer);

/// Whether the layer's band carries its own help and next-layer keys, over the main panel's.
bool carriesOwnKeys(const LayerRow& row);

} // namespace zc
