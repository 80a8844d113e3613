// SPDX-License-Identifier: MIT
// The key table: Windows virtual-key codes with the Shift state, mapped onto the
// same steps the on-screen keys run.

#include "core/calculator/calculator.h"
#include "core/calculator/virtual_keys.h"

namespace zc {

namespace {

using Action = void (*)(Calculator&);

// Layers in which an entry of the key table applies, one bit per layer.
constexpr unsigned kScientific = layerBit(Layer::Scientific);
constexpr unsigned kProgrammer = layerBit(Layer::Programmer);

struct KeyAction {
    Action action = nullptr; // nullptr: nothing happens
    unsigned layers = kEveryLayer;
};

struct KeyRow {
    int code;
    KeyAction plain;
    KeyAction shifted;
};

constexpr KeyRow same(int code, Action action, unsigned layers = kEveryLayer) {
    return {code, {action, layers}, {action, layers}};
}

template <char D> void digitStep(Calculator& c) {
    c.digit(D);
}
template <char L> void hexStep(Calculator& c) {
    c.hexDigit(L);
}

// clang-format off
// One row per key and layer set; a key whose meaning depends on the layer has a row for each.
// Whether a step that applies in every layer enters anything is up to the step: the
// hexadecimal digits act only while HEX is selected, the programmer operators only in layer 1.
constexpr KeyRow kKeyTable[] = {
    same(vk::kBack, [](Calculator& c) { c.del(); }),
    same(vk::kReturn, [](Calculator& c) { c.equal(); }),
    same(vk::kDelete, [](Calculator& c) { c.del(); }),
    {vk::digitKey(0), {digitStep<'0'>}, {[](Calculator& c) { c.closeBracket(); }}},
    same(vk::digitKey(1), digitStep<'1'>),
    {vk::digitKey(2), {digitStep<'2'>}, {[](Calculator& c) { c.square(); }}},
    same(vk::digitKey(3), digitStep<'3'>),
    same(vk::digitKey(4), digitStep<'4'>),
    {vk::digitKey(5), {digitStep<'5'>}, {[](Calculator& c) { c.percent(); }, kScientific}},
    {vk::digitKey(5), {}, {[](Calculator& c) { c.modulo(); }, kProgrammer}},
    {vk::digitKey(6), {digitStep<'6'>}, {[](Calculator& c) { c.bitXor(); }}},
    same(vk::digitKey(7), digitStep<'7'>),
    {vk::digitKey(8), {digitStep<'8'>}, {[](Calculator& c) { c.multiply(); }}},
    {vk::digitKey(9), {digitStep<'9'>}, {[](Calculator& c) { c.openBracket(); }}},
    same(vk::letterKey('A'), hexStep<'A'>),
    same(vk::letterKey('B'), hexStep<'B'>),
    {vk::letterKey('C'), {[](Calculator& c) { c.cosine(); }, kScientific}, {[](Calculator& c) { c.arcCosine(); }, kScientific}},
    same(vk::letterKey('C'), hexStep<'C'>, kProgrammer),
    same(vk::letterKey('D'), hexStep<'D'>),
    same(vk::letterKey('E'), hexStep<'E'>),
    same(vk::letterKey('F'), hexStep<'F'>),
    {vk::letterKey('G'), {[](Calculator& c) { c.toDms(); }, kScientific}, {[](Calculator& c) { c.fromDms(); }, kScientific}},
    same(vk::letterKey('I'), [](Calculator& c) { c.inverse(); }, kScientific),
    same(vk::letterKey('L'), [](Calculator& c) { c.log10(); }, kScientific),
    same(vk::letterKey('M'), [](Calculator& c) { c.answer(); }, kScientific),
    same(vk::letterKey('N'), [](Calculator& c) { c.naturalLog(); }, kScientific),
    same(vk::letterKey('R'), [](Calculator& c) { c.squareRoot(); }, kScientific),
    {vk::letterKey('S'), {[](Calculator& c) { c.sine(); }, kScientific}, {[](Calculator& c) { c.arcSine(); }, kScientific}},
    {vk::letterKey('T'), {[](Calculator& c) { c.tangent(); }, kScientific}, {[](Calculator& c) { c.arcTangent(); }, kScientific}},
    {vk::letterKey('Y'), {[](Calculator& c) { c.power(); }, kScientific}, {[](Calculator& c) { c.exponentDown(); }, kScientific}},
    same(vk::numpadKey(0), digitStep<'0'>),
    same(vk::numpadKey(1), digitStep<'1'>),
    same(vk::numpadKey(2), digitStep<'2'>),
    same(vk::numpadKey(3), digitStep<'3'>),
    same(vk::numpadKey(4), digitStep<'4'>),
    same(vk::numpadKey(5), digitStep<'5'>),
    same(vk::numpadKey(6), digitStep<'6'>),
    same(vk::numpadKey(7), digitStep<'7'>),
    same(vk::numpadKey(8), digitStep<'8'>),
    same(vk::numpadKey(9), digitStep<'9'>),
    same(vk::kMultiply, [](Calculator& c) { c.multiply(); }),
    same(vk::kAdd, [](Calculator& c) { c.plus(); }),
    same(vk::kSubtract, [](Calculator& c) { c.minus(); }),
    same(vk::kDecimal, [](Calculator& c) { c.point(); }),
    same(vk::kDivide, [](Calculator& c) { c.divide(); }),
    same(vk::kOemPlus, [](Calculator& c) { c.plus(); }), // = and +: "=" itself is Enter
    same(vk::kOemComma, [](Calculator& c) { c.shiftLeft(); }),
    same(vk::kOemMinus, [](Calculator& c) { c.minus(); }),
    same(vk::kOemPeriod, [](Calculator& c) { c.point(); }, kScientific),
    same(vk::kOemSlash, [](Calculator& c) { c.divide(); }),
    same(vk::kOemTilde, [](Calculator& c) { c.bitNot(); }),
    same(vk::kOemBackslash, [](Calculator& c) { c.bitOr(); }),
};
// clang-format on

struct CharKey {
    char16_t ch;
    int key;
    bool shift;
};

// Characters of a US keyboard besides letters and digits, and the key that makes them.
constexpr CharKey kCharKeys[] = {
    {u')', vk::digitKey(0), true},      {u'!', vk::digitKey(1), true},
    {u'@', vk::digitKey(2), true},      {u'#', vk::digitKey(3), true},
    {u'$', vk::digitKey(4), true},      {u'%', vk::digitKey(5), true},
    {u'^', vk::digitKey(6), true},      {u'&', vk::digitKey(7), true},
    {u'*', vk::digitKey(8), true},      {u'(', vk::digitKey(9), true},
    {u' ', vk::kSpace, false},          {u';', vk::kOemSemicolon, false},
    {u':', vk::kOemSemicolon, true},    {u'=', vk::kOemPlus, false},
    {u'+', vk::kOemPlus, true},         {u',', vk::kOemComma, false},
    {u'<', vk::kOemComma, true},        {u'-', vk::kOemMinus, false},
    {u'_', vk::kOemMinus, true},        {u'.', vk::kOemPeriod, false},
    {u'>', vk::kOemPeriod, true},       {u'/', vk::kOemSlash, false},
    {u'?', vk::kOemSlash, true},        {u'`', vk::kOemTilde, false},
    {u'~', vk::kOemTilde, true},        {u'[', vk::kOemOpenBracket, false},
    {u'{', vk::kOemOpenBracket, true},  {u'\\', vk::kOemBackslash, false},
    {u'|', vk::kOemBackslash, true},    {u']', vk::kOemCloseBracket, false},
    {u'}', vk::kOemCloseBracket, true}, {u'\'', vk::kOemQuote, false},
    {u'"', vk::kOemQuote, true},
};

} // namespace

VirtualKey virtualKeyForCharacter(char16_t ch, bool shiftHeld) {
    if (ch >= u'a' && ch <= u'z') ch = static_cast<char16_t>(ch - u'a' + u'A');
    if (ch >= u'A' && ch <= u'Z') return {vk::kA + (ch - u'A'), shiftHeld};
    if (ch >= u'0' && ch <= u'9') return {vk::k0 + (ch - u'0'), false};
    for (const CharKey& k : kCharKeys)
        if (k.ch == ch) return {k.key, k.shift};
    return {};
}

bool Calculator::keyDown(int key, bool shift) {
    // F2 to F4 pick the angle unit, F5 to F8 the number system, each in its own layer.
    if (key >= vk::functionKey(2) && key <= vk::functionKey(4)) {
        if (currentLayer == Layer::Scientific)
            setAngleMode(static_cast<AngleMode>(key - vk::functionKey(2)));
        return true;
    }
    if (key >= vk::functionKey(5) && key <= vk::functionKey(8)) {
        if (currentLayer == Layer::Programmer)
            changeNumberSystem(static_cast<NumberSystem>(key - vk::functionKey(5)));
        return true;
    }
    const unsigned layer = layerBit(currentLayer);
    for (const KeyRow& row : kKeyTable) {
        if (row.code != key) continue;
        const KeyAction& a = shift ? row.shifted : row.plain;
        if (a.action != nullptr && (a.layers & layer) != 0) {
            a.action(*this);
            return true;
        }
    }
    return false;
}

} // namespace zc
