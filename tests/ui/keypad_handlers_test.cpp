// SPDX-License-Identifier: MIT
// Each key of the window is the calculator key its keypad row names: a click does on the
// window what pressing that key does on a calculator of its own, kept in step with it.

#include "../core/recording_panes.h"
#include "scenario.h"

#include <string>

namespace zc::test {
namespace {

// The fields a key changes, from the window's dump and from the calculator's state.
std::string fields(const QJsonObject& s) {
    return s.value(QLatin1String("expr")).toString().toStdString() + " solved " +
           std::to_string(s.value(QLatin1String("solved")).toBool()) + " exponent " +
           std::to_string(s.value(QLatin1String("exponentOpen")).toBool()) + " hyp " +
           std::to_string(s.value(QLatin1String("hypMode")).toBool()) + " ans " +
           s.value(QLatin1String("ansText")).toString().toStdString();
}

std::string fields(const CalcState& s) {
    return s.codeText() + " solved " + std::to_string(s.solved) + " exponent " +
           std::to_string(s.exponentOpen) + " hyp " + std::to_string(s.hypMode) + " ans " +
           s.ansText;
}

class KeypadHandlers : public ::testing::TestWithParam<int> {};

TEST_P(KeypadHandlers, EveryClickPressesTheRowsKey) {
    const int layer = GetParam();
    static const char* const kToLayer[] = {"", TO_LAYER1, TO_LAYER2, TO_LAYER3, TO_LAYER4};
    Window window;
    RecordingPanes panes;
    Calculator calc(panes);
    calc.start();
    window.run(kToLayer[layer]);
    for (int i = 0; i < layer; ++i)
        calc.nextLayer();
    // HEX in the programmer layer, so that the hexadecimal digits enter something.
    if (layer == 1) {
        window.run("press F5");
        calc.changeNumberSystem(NumberSystem::Hex);
    }
    int checked = 0;
    for (const KeypadKey& row : kKeypad) {
        if (row.key == CalcKey::None || (row.layers & layerBit(Layer(layer))) == 0) continue;
        SCOPED_TRACE(row.name);
        // The same problem under way on both sides.
        window.run(
            "click LBtnAc\nclick LBtnAc\nclick LBtn1\nclick LBtn2\nclick LBtnPlus\nclick LBtn3");
        for (const CalcKey k : {CalcKey::AllClear, CalcKey::AllClear, CalcKey::Digit1,
                                CalcKey::Digit2, CalcKey::Plus, CalcKey::Digit3})
            calc.press(k);
        ASSERT_EQ(fields(window.state()), fields(calc.state()));
        const QStringList out = window.run((std::string("click ") + row.name).c_str());
        EXPECT_TRUE(out.isEmpty()) << out.join(QLatin1Char(' ')).toStdString();
        calc.press(row.key);
        EXPECT_EQ(fields(window.state()), fields(calc.state()));
        ++checked;
    }
    EXPECT_GT(checked, 0);
}

INSTANTIATE_TEST_SUITE_P(Layers, KeypadHandlers, ::testing::Range(0, kLayerCount));

} // namespace
} // namespace zc::test
