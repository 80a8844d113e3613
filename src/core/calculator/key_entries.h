// SPDX-License-Identifier: MIT
#pragma once
// What each entry key writes: one row per key with its display text (the problem
// and history panes), its code text (what the engines read) and its entry rule.

#include "core/calculator/calc_key.h"
#include "core/calculator/entry_rule.h"

#include <cstddef>
#include <iterator>
#include <string_view>

namespace zc {

struct KeyEntry {
    CalcKey key;
    std::u16string_view display;         // written to the problem and history panes
    std::string_view code;               // appended to the code text
    EntryRule rule;                      // what the key does while the problem on show is solved
    int raise = 0;                       // the display's raise above the text's (twips)
    int reserve = 0;                     // code characters kept free for a ")" that "=" may add
    std::u16string_view hypDisplay = {}; // after hyp: the hyperbolic function's texts
    std::string_view hypCode = {};
};

// clang-format off
inline constexpr KeyEntry kKeyEntries[] = {
    {CalcKey::Digit0, u"0", "0", EntryRule::StartValue},
    {CalcKey::Digit1, u"1", "1", EntryRule::StartValue},
    {CalcKey::Digit2, u"2", "2", EntryRule::StartValue},
    {CalcKey::Digit3, u"3", "3", EntryRule::StartValue},
    {CalcKey::Digit4, u"4", "4", EntryRule::StartValue},
    {CalcKey::Digit5, u"5", "5", EntryRule::StartValue},
    {CalcKey::Digit6, u"6", "6", EntryRule::StartValue},
    {CalcKey::Digit7, u"7", "7", EntryRule::StartValue},
    {CalcKey::Digit8, u"8", "8", EntryRule::StartValue},
    {CalcKey::Digit9, u"9", "9", EntryRule::StartValue},
    {CalcKey::HexA, u"A", "A", EntryRule::StartValue},
    {CalcKey::HexB, u"B", "B", EntryRule::StartValue},
    {CalcKey::HexC, u"C", "C", EntryRule::StartValue},
    {CalcKey::HexD, u"D", "D", EntryRule::StartValue},
    {CalcKey::HexE, u"E", "E", EntryRule::StartValue},
    {CalcKey::HexF, u"F", "F", EntryRule::StartValue},
    {CalcKey::Point, u".", ".", EntryRule::StartValue},
    {CalcKey::TenToX, u"10", "10p(", EntryRule::StartValue, 0, 1},
    {CalcKey::Plus, u"+", "+", EntryRule::ContinueFromResult},
    {CalcKey::Minus, u"\u2212", "-", EntryRule::ContinueFromResult},
    {CalcKey::Multiply, u"\u00D7", "*", EntryRule::ContinueFromResult},
    {CalcKey::Divide, u"\u00F7", "/", EntryRule::ContinueFromResult},
    {CalcKey::Power, u"", "p(", EntryRule::NeedOperand, 0, 1},
    {CalcKey::Inverse, u"-1", "i", EntryRule::NeedOperand, 60},
    {CalcKey::Square, u"2", "q", EntryRule::NeedOperand, 60},
    {CalcKey::SquareRoot, u"\u221A(", "k(", EntryRule::StartValue},
    {CalcKey::Percent, u"%", "%", EntryRule::StartValue},
    {CalcKey::Log, u"log(", "l(", EntryRule::StartValue},
    {CalcKey::Ln, u"ln(", "n(", EntryRule::StartValue},
    {CalcKey::Sin, u"sin(", "s(", EntryRule::StartValue, 0, 0, u"sinh(", "b("},
    {CalcKey::Cos, u"cos(", "c(", EntryRule::StartValue, 0, 0, u"cosh(", "o("},
    {CalcKey::Tan, u"tan(", "t(", EntryRule::StartValue, 0, 0, u"tanh(", "r("},
    {CalcKey::Asin, u"asin(", "x(", EntryRule::StartValue, 0, 0, u"asinh(", "u("},
    {CalcKey::Acos, u"acos(", "y(", EntryRule::StartValue, 0, 0, u"acosh(", "v("},
    {CalcKey::Atan, u"atan(", "z(", EntryRule::StartValue, 0, 0, u"atanh(", "w("},
    {CalcKey::OpenBracket, u"(", "(", EntryRule::StartValue},
    {CalcKey::CloseBracket, u")", ")", EntryRule::StartValue},
    {CalcKey::ExponentDown, u"", ")", EntryRule::NeedOperand},
    {CalcKey::And, u"&", "&", EntryRule::ContinueFromResult},
    {CalcKey::Xor, u"^", "^", EntryRule::ContinueFromResult},
    {CalcKey::Mod, u" mod ", "%", EntryRule::ContinueFromResult},
    {CalcKey::Or, u"|", "|", EntryRule::ContinueFromResult},
    {CalcKey::Not, u"~", "~", EntryRule::ContinueFromResult},
    {CalcKey::ShiftLeft, u"<<", "<", EntryRule::ContinueFromResult},
};
// clang-format on

/// The index of an entry key's row in kKeyEntries, or -1 for a key without one.
constexpr int keyEntryIndex(CalcKey key) {
    for (std::size_t i = 0; i < std::size(kKeyEntries); ++i)
        if (kKeyEntries[i].key == key) return static_cast<int>(i);
    return -1;
}

} // namespace zc
