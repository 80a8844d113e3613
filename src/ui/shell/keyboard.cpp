// SPDX-License-Identifier: MIT
// The window's key handler: Windows virtual-key codes with Shift and Ctrl,
// mapped onto the same handlers the on-screen keys run. It never consumes a
// key, so the focused pane still receives it (Ctrl+C copies a selection).

#include "ui/shell/calc_form.h"
#include "ui/toolkit/radio_group.h"
#include "ui/toolkit/rich_pane.h"

namespace zc {

namespace {

using F = TCalcForm;
using Handler = void (TCalcForm::*)();

// Layers in which an entry of the key table applies, one bit per layer.
constexpr unsigned kScientific = layerBit(Layer::Scientific);
constexpr unsigned kProgrammer = layerBit(Layer::Programmer);

struct KeyAction {
    Handler handler = nullptr; // nullptr: nothing happens
    unsigned layers = kEveryLayer;
};

struct KeyRow {
    int code;
    KeyAction plain;
    KeyAction shifted;
};

constexpr KeyRow same(int code, Handler handler, unsigned layers = kEveryLayer) {
    return {code, {handler, layers}, {handler, layers}};
}

// One row per key and layer set; a key whose meaning depends on the layer has a row for each.
// Whether a handler that applies in every layer enters anything is up to the handler: the
// hexadecimal digits act only while HEX is selected, the programmer operators only in layer 1.
constexpr KeyRow kKeyTable[] = {
    same(8, &F::LBtnDelClick),    // Backspace
    same(13, &F::LBtnEqualClick), // Enter
    same(46, &F::LBtnDelClick),   // Delete
    {48, {&F::LBtn0Click}, {&F::L1BtnBrEndClick}},
    same(49, &F::LBtn1Click),
    {50, {&F::LBtn2Click}, {&F::L1BtnSqrClick}},
    same(51, &F::LBtn3Click),
    same(52, &F::LBtn4Click),
    {53, {&F::LBtn5Click}, {&F::L1BtnPercentClick, kScientific}},
    {53, {}, {&F::L2BtnModClick, kProgrammer}},
    {54, {&F::LBtn6Click}, {&F::L2BtnXorClick}},
    same(55, &F::LBtn7Click),
    {56, {&F::LBtn8Click}, {&F::LBtnMulClick}},
    {57, {&F::LBtn9Click}, {&F::L1BtnBrStartClick}},
    same(65, &F::L2BtnHexAClick),
    same(66, &F::L2BtnHexBClick),
    {67, {&F::L1BtnCosClick, kScientific}, {&F::L1BtnAcosClick, kScientific}},
    same(67, &F::L2BtnHexCClick, kProgrammer),
    same(68, &F::L2BtnHexDClick),
    same(69, &F::L2BtnHexEClick),
    same(70, &F::L2BtnHexFClick),
    {71, {&F::L1BtnToGmsClick, kScientific}, {&F::L1BtnFromGmsClick, kScientific}},
    same(73, &F::L1BtnInverseClick, kScientific),
    same(76, &F::L1BtnLogClick, kScientific),
    same(77, &F::LBtnAnsClick, kScientific),
    same(78, &F::L1BtnLnClick, kScientific),
    same(82, &F::L1BtnSqrtClick, kScientific),
    {83, {&F::L1BtnSinClick, kScientific}, {&F::L1BtnAsinClick, kScientific}},
    {84, {&F::L1BtnTanClick, kScientific}, {&F::L1BtnAtanClick, kScientific}},
    {89, {&F::L1BtnXtoYClick, kScientific}, {&F::L1BtnDownClick, kScientific}},
    same(96, &F::LBtn0Click), // numeric keypad 0..9
    same(97, &F::LBtn1Click),
    same(98, &F::LBtn2Click),
    same(99, &F::LBtn3Click),
    same(100, &F::LBtn4Click),
    same(101, &F::LBtn5Click),
    same(102, &F::LBtn6Click),
    same(103, &F::LBtn7Click),
    same(104, &F::LBtn8Click),
    same(105, &F::LBtn9Click),
    same(106, &F::LBtnMulClick),              // numeric keypad *
    same(107, &F::LBtnPlusClick),             // numeric keypad +
    same(109, &F::LBtnMinusClick),            // numeric keypad -
    same(110, &F::LBtnDotClick),              // numeric keypad decimal key
    same(111, &F::LBtnDivClick),              // numeric keypad /
    same(187, &F::LBtnPlusClick),             // = and +: "=" itself is Enter
    same(188, &F::L2BtnLshClick),             // , and <
    same(189, &F::LBtnMinusClick),            // - and _
    same(190, &F::LBtnDotClick, kScientific), // . and >
    same(191, &F::LBtnDivClick),              // / and ?
    same(192, &F::L2BtnNotClick),             // ` and ~
    same(220, &F::L2BtnOrClick),              // \ and |
};

constexpr int kVkC = 67;
constexpr int kVkEscape = 27;
constexpr int kVkF2 = 113;
constexpr int kVkF4 = 115;
constexpr int kVkF5 = 116;
constexpr int kVkF8 = 119;

} // namespace

void TCalcForm::FormKeyDown(int key, bool shift, bool ctrl) {
    // Ctrl+C is left to the focused pane in every layer, so it copies a selection and enters
    // nothing. Ctrl changes no other key: Ctrl+5 types 5.
    if (ctrl && key == kVkC) return;
    if (key == kVkEscape) {
        // The placeholder alone means there is nothing to clear: a second Esc ends the program.
        if (LOutputREdit->toPlainText() == QLatin1String("Problem\n"))
            emit quitRequested(0);
        else
            LBtnAcClick();
        return;
    }
    if (key >= kVkF2 && key <= kVkF4) {
        if (currentLayer == Layer::Scientific) L1AnglesGroup->setCurrentIndex(key - kVkF2);
        return;
    }
    if (key >= kVkF5 && key <= kVkF8) {
        if (currentLayer == Layer::Programmer) {
            // Setting the selection from code runs no handler: the problem is converted once.
            L2NumberSysGroup->setCurrentIndex(key - kVkF5);
            L2NumberSysGroupChange(key - kVkF5);
        }
        return;
    }
    const unsigned layer = layerBit(currentLayer);
    for (const KeyRow& row : kKeyTable) {
        if (row.code != key) continue;
        const KeyAction& action = shift ? row.shifted : row.plain;
        if (action.handler != nullptr && (action.layers & layer) != 0) {
            (this->*action.handler)();
            return;
        }
    }
}

} // namespace zc
