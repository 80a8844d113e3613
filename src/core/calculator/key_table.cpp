// SPDX-License-Identifier: MIT
// The key table: Windows virtual-key codes with the Shift state, mapped onto the
// same steps the on-screen keys run.

#include "core/calculator/key_table.h"

#include "core/calculator/calculator.h"
#include "core/calculator/virtual_keys.h"

namespace zc {

namespace {

// Layers in which an entry of the key table applies, one bit per layer.
constexpr unsigned kScientific = layerBit(Layer::Scientific);
constexpr unsigned kProgrammer = layerBit(Layer::Programmer);

struct KeyAction {
    CalcKey key = CalcKey::None; // None: nothing happens
    unsigned layers = kEveryLayer;
};

struct KeyRow {
    int code;
    KeyAction plain;
    KeyAction shifted;
};

constexpr KeyRow same(int code, CalcKey key, unsigned layers = kEveryLayer) {
    return {code, {key, layers}, {key, layers}};
}

using K = CalcKey;

// clang-format off
// One row per key and layer set; a key whose meaning depends on the layer has a row for each.
// Whether a step that applies in every layer enters anything is up to the step: the
// hexadecimal digits act only while HEX is selected, the programmer operators only in layer 1.
constexpr KeyRow kKeyTable[] = {
    same(vk::kBack, K::Del),
    same(vk::kReturn, K::Equal),
    same(vk::kDelete, K::Del),
    {vk::digitKey(0), {K::Digit0}, {K::CloseBracket}},
    same(vk::digitKey(1), K::Digit1),
    {vk::digitKey(2), {K::Digit2}, {K::Square}},
    same(vk::digitKey(3), K::Digit3),
    same(vk::digitKey(4), K::Digit4),
    {vk::digitKey(5), {K::Digit5}, {K::Percent, kScientific}},
    {vk::digitKey(5), {}, {K::Mod, kProgrammer}},
    {vk::digitKey(6), {K::Digit6}, {K::Xor}},
    same(vk::digitKey(7), K::Digit7),
    {vk::digitKey(8), {K::Digit8}, {K::Multiply}},
    {vk::digitKey(9), {K::Digit9}, {K::OpenBracket}},
    same(vk::letterKey('A'), K::HexA),
    same(vk::letterKey('B'), K::HexB),
    {vk::letterKey('C'), {K::Cos, kScientific}, {K::Acos, kScientific}},
    same(vk::letterKey('C'), K::HexC, kProgrammer),
    same(vk::letterKey('D'), K::HexD),
    same(vk::letterKey('E'), K::HexE),
    same(vk::letterKey('F'), K::HexF),
    {vk::letterKey('G'), {K::ToDms, kScientific}, {K::FromDms, kScientific}},
    same(vk::letterKey('I'), K::Inverse, kScientific),
    same(vk::letterKey('L'), K::Log, kScientific),
    same(vk::letterKey('M'), K::Answer, kScientific),
    same(vk::letterKey('N'), K::Ln, kScientific),
    same(vk::letterKey('R'), K::SquareRoot, kScientific),
    {vk::letterKey('S'), {K::Sin, kScientific}, {K::Asin, kScientific}},
    {vk::letterKey('T'), {K::Tan, kScientific}, {K::Atan, kScientific}},
    {vk::letterKey('Y'), {K::Power, kScientific}, {K::ExponentDown, kScientific}},
    same(vk::numpadKey(0), K::Digit0),
    same(vk::numpadKey(1), K::Digit1),
    same(vk::numpadKey(2), K::Digit2),
    same(vk::numpadKey(3), K::Digit3),
    same(vk::numpadKey(4), K::Digit4),
    same(vk::numpadKey(5), K::Digit5),
    same(vk::numpadKey(6), K::Digit6),
    same(vk::numpadKey(7), K::Digit7),
    same(vk::numpadKey(8), K::Digit8),
    same(vk::numpadKey(9), K::Digit9),
    same(vk::kMultiply, K::Multiply),
    same(vk::kAdd, K::Plus),
    same(vk::kSubtract, K::Minus),
    same(vk::kDecimal, K::Point),
    same(vk::kDivide, K::Divide),
    same(vk::kOemPlus, K::Plus), // = and +: "=" itself is Enter
    same(vk::kOemComma, K::ShiftLeft),
    same(vk::kOemMinus, K::Minus),
    same(vk::kOemPeriod, K::Point, kScientific),
    same(vk::kOemSlash, K::Divide),
    same(vk::kOemTilde, K::Not),
    same(vk::kOemBackslash, K::Or),
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

struct NamedKey {
    int key;
    const char* name;
};

constexpr NamedKey kNamedKeys[] = {
    {vk::kBack, "Backspace"}, {vk::kReturn, "Enter"},   {vk::kEscape, "Esc"},
    {vk::kDelete, "Delete"},  {vk::kMultiply, "Num *"}, {vk::kAdd, "Num +"},
    {vk::kSubtract, "Num -"}, {vk::kDecimal, "Num ."},  {vk::kDivide, "Num /"},
};

} // namespace

std::vector<KeyPress> keyboardEquivalents(CalcKey key) {
    std::vector<KeyPress> out;
    if (key == CalcKey::None) return out;
    for (const KeyRow& row : kKeyTable) {
        if (row.plain.key == key) out.push_back({row.code, false, row.plain.layers});
        if (row.shifted.key == key) out.push_back({row.code, true, row.shifted.layers});
    }
    return out;
}

std::string keyPressName(int key, bool shift) {
    for (const NamedKey& k : kNamedKeys)
        if (k.key == key) return (shift ? "Shift+" : "") + std::string(k.name);
    if (key >= vk::numpadKey(0) && key <= vk::numpadKey(9))
        return (shift ? "Shift+" : "") + std::string("Num ") + char('0' + key - vk::kNumpad0);
    if (key >= vk::kA && key <= vk::letterKey('Z'))
        return (shift ? "Shift+" : "") + std::string(1, char('A' + key - vk::kA));
    if (!shift && key >= vk::k0 && key <= vk::digitKey(9))
        return std::string(1, char('0' + key - vk::k0));
    // The character the key makes on a US keyboard.
    for (const CharKey& k : kCharKeys)
        if (k.key == key && k.shift == shift) return std::string(1, static_cast<char>(k.ch));
    return (shift ? "Shift+" : "") + std::to_string(key);
}

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
        if (a.key != CalcKey::None && (a.layers & layer) != 0) {
            press(a.key);
            return true;
        }
    }
    return false;
}

} // namespace zc
