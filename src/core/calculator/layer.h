// SPDX-License-Identifier: MIT
#pragma once
// The calculator's working modes, in the order the next-layer key cycles them.

namespace zc {

enum class Layer : int { Scientific, Programmer, Conversion, Constants, Financial };

/// How many layers there are.
inline constexpr int kLayerCount = static_cast<int>(Layer::Financial) + 1;

/// The layer the next-layer key moves to: the following one, after the last the first.
constexpr Layer nextLayer(Layer layer) {
    const int next = static_cast<int>(layer) + 1;
    return next == kLayerCount ? Layer::Scientific : static_cast<Layer>(next);
}

/// The layer's name as the keys' tool tips write it: "scientific".
constexpr const char* layerName(Layer layer) {
    constexpr const char* kNames[] = {"scientific", "programmer", "conversion", "constants",
                                      "financial"};
    static_assert(sizeof kNames / sizeof kNames[0] == kLayerCount, "one name per layer");
    return kNames[static_cast<int>(layer)];
}

/// One bit per layer, for sets of layers.
constexpr unsigned layerBit(Layer layer) {
    return 1u << static_cast<unsigned>(layer);
}

/// The set of every layer.
inline constexpr unsigned kEveryLayer = (1u << kLayerCount) - 1;

} // namespace zc
