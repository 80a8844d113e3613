// SPDX-License-Identifier: MIT
#pragma once
// The calculator's keys, one row per key: what the calculator does with each (its step and the
// texts it enters) and, for each key of the window, where it sits and how it is presented. The
// calculator reads the first table; the window creates its keys from the second.

#include "core/calculator/glyphs.h"
#include "core/calculator/layer.h"

#include <cstddef>
#include <iterator>
#include <string_view>

namespace zc {

enum class CalcKey {
    None, // no step of the calculator
    Digit0,
    Digit1,
    Digit2,
    Digit3,
    Digit4,
    Digit5,
    Digit6,
    Digit7,
    Digit8,
    Digit9,
    HexA,
    HexB,
    HexC,
    HexD,
    HexE,
    HexF,
    Point,
    TenToX,
    Answer,
    PlusMinus,
    Plus,
    Minus,
    Multiply,
    Divide,
    Power,
    Inverse,
    Square,
    SquareRoot,
    Percent,
    Log,
    Ln,
    Sin,
    Cos,
    Tan,
    Asin,
    Acos,
    Atan,
    OpenBracket,
    CloseBracket,
    ExponentDown,
    Hyp,
    And,
    Xor,
    Mod,
    Or,
    Not,
    ShiftLeft,
    Del,
    AllClear,
    Equal,
    ToDms,
    FromDms,
};

/// What an entry key does when the problem on show is already solved.
enum class EntryRule {
    StartValue,         // a new problem: the problem pane and the code text start empty
    ContinueFromResult, // an operator: the new problem starts from the last result
    EnterAnswer,        // Ans: a new problem holding the last result
    NeedOperand,        // needs an operand before it: nothing happens
};

/// The calculator's step for a key.
enum class KeyStep {
    None,
    Enter,              // enters the row's texts under its entry rule
    Digit,              // a digit, refused where the number system has no such digit
    HexDigit,           // a hexadecimal digit, entered only while HEX is selected
    ProgrammerOperator, // the operator rule anywhere; the operator itself in the programmer layer
    CloseExponent,      // the row's texts, only while an exponent is open; lowers the entry
    Point,
    Answer,
    PlusMinus,
    Hyp,
    Del,
    AllClear,
    Equal,
    ToDms,
    FromDms,
};

struct KeyEntry {
    CalcKey key;
    KeyStep step;
    std::u16string_view display = {}; // written to the problem and history panes
    std::string_view code = {};       // appended to the code text
    EntryRule rule = EntryRule::StartValue;
    int raise = 0;   // the display's raise above the text's (twips)
    int reserve = 0; // code characters kept free for a ")" that "=" may add
    // After hyp: the hyperbolic function's texts. A key that has them uses hyp up.
    std::u16string_view hypDisplay = {};
    std::string_view hypCode = {};
    bool opensExponent = false;      // what follows is entered raised, as an exponent
    bool decimalOnly = false;        // ignored in the programmer layer
    std::string_view startCode = {}; // the code written instead at the start of a problem
};

/// The main panel, shown in every layer.
inline constexpr unsigned kMainPanel = kEveryLayer;

/// The band of one layer.
constexpr unsigned band(Layer layer) {
    return layerBit(layer);
}

/// A key of the window. Positions are window client coordinates.
struct KeypadKey {
    const char* name; // the control's name
    KeyGlyph glyph;
    int x, y, w, h;
    unsigned layers;     // where it shows: kMainPanel, or the band of one layer
    const char* handler; // the window's handler of a click; nullptr: the click presses `key`
    const char* spoken;  // the name assistive technology reads
    const char* action;  // what it does; the tool tip adds the keyboard keys that do the same
    CalcKey key;         // the calculator key it is; None: the window's own key
    const char* legend = nullptr; // with the Text glyph: the word on the key (UTF-8)
};

namespace keypad_rows {

using K = CalcKey;
using S = KeyStep;
using R = EntryRule;
using G = KeyGlyph;
using L = Layer;

// clang-format off
/// One row per calculator key, in the order of CalcKey.
inline constexpr KeyEntry kKeyEntries[] = {
    {K::None, S::None},
    {K::Digit0, S::Digit, u"0", "0"},
    {K::Digit1, S::Digit, u"1", "1"},
    {K::Digit2, S::Digit, u"2", "2"},
    {K::Digit3, S::Digit, u"3", "3"},
    {K::Digit4, S::Digit, u"4", "4"},
    {K::Digit5, S::Digit, u"5", "5"},
    {K::Digit6, S::Digit, u"6", "6"},
    {K::Digit7, S::Digit, u"7", "7"},
    {K::Digit8, S::Digit, u"8", "8"},
    {K::Digit9, S::Digit, u"9", "9"},
    {K::HexA, S::HexDigit, u"A", "A"},
    {K::HexB, S::HexDigit, u"B", "B"},
    {K::HexC, S::HexDigit, u"C", "C"},
    {K::HexD, S::HexDigit, u"D", "D"},
    {K::HexE, S::HexDigit, u"E", "E"},
    {K::HexF, S::HexDigit, u"F", "F"},
    {K::Point, S::Point, u".", "."},
    {.key = K::TenToX, .step = S::Enter, .display = u"10", .code = "10p(", .reserve = 1,
     .opensExponent = true, .decimalOnly = true},
    {K::Answer, S::Answer},
    {K::PlusMinus, S::PlusMinus},
    {K::Plus, S::Enter, u"+", "+", R::ContinueFromResult},
    {.key = K::Minus, .step = S::Enter, .display = u"\u2212", .code = "-",
     .rule = R::ContinueFromResult, .startCode = "m"},
    {K::Multiply, S::Enter, u"\u00D7", "*", R::ContinueFromResult},
    {K::Divide, S::Enter, u"\u00F7", "/", R::ContinueFromResult},
    {.key = K::Power, .step = S::Enter, .display = u"", .code = "p(", .rule = R::NeedOperand,
     .reserve = 1, .opensExponent = true},
    {K::Inverse, S::Enter, u"-1", "i", R::NeedOperand, 60},
    {.key = K::Square, .step = S::Enter, .display = u"2", .code = "q", .rule = R::NeedOperand,
     .raise = 60, .decimalOnly = true},
    {K::SquareRoot, S::Enter, u"\u221A(", "k("},
    {K::Percent, S::Enter, u"%", "%"},
    {K::Log, S::Enter, u"log(", "l("},
    {K::Ln, S::Enter, u"ln(", "n("},
    {K::Sin, S::Enter, u"sin(", "s(", R::StartValue, 0, 0, u"sinh(", "b("},
    {K::Cos, S::Enter, u"cos(", "c(", R::StartValue, 0, 0, u"cosh(", "o("},
    {K::Tan, S::Enter, u"tan(", "t(", R::StartValue, 0, 0, u"tanh(", "r("},
    {K::Asin, S::Enter, u"asin(", "x(", R::StartValue, 0, 0, u"asinh(", "u("},
    {K::Acos, S::Enter, u"acos(", "y(", R::StartValue, 0, 0, u"acosh(", "v("},
    {K::Atan, S::Enter, u"atan(", "z(", R::StartValue, 0, 0, u"atanh(", "w("},
    {K::OpenBracket, S::Enter, u"(", "("},
    {K::CloseBracket, S::Enter, u")", ")"},
    {K::ExponentDown, S::CloseExponent, u"", ")", R::NeedOperand},
    {K::Hyp, S::Hyp},
    {K::And, S::Enter, u"&", "&", R::ContinueFromResult},
    {K::Xor, S::ProgrammerOperator, u"^", "^", R::ContinueFromResult},
    {K::Mod, S::Enter, u" mod ", "%", R::ContinueFromResult},
    {K::Or, S::ProgrammerOperator, u"|", "|", R::ContinueFromResult},
    {K::Not, S::ProgrammerOperator, u"~", "~", R::ContinueFromResult},
    {K::ShiftLeft, S::ProgrammerOperator, u"<<", "<", R::ContinueFromResult},
    {K::Del, S::Del},
    {K::AllClear, S::AllClear},
    {K::Equal, S::Equal},
    {K::ToDms, S::ToDms},
    {K::FromDms, S::FromDms},
};
// clang-format on

// clang-format off
/// The window's keys.
inline constexpr KeypadKey kKeypad[] = {
    // Window-level keys.
    {"LBtnClose", G::CloseNormal, 208, 5, 28, 20, kMainPanel, "LBtnCloseClick",
     "close", "Close the calculator", K::None},
    {"LBtnHelp", G::HelpWhite, 148, 232, 34, 27, kMainPanel, "L4BtnHelpClick",
     "help", "Show or hide the help page", K::None},
    {"LBtnNextLayer", G::FunctionTab, 181, 234, 72, 25, kMainPanel, "LBtnNextLayerClick",
     "next layer", "Next layer", K::None},
    // The common keypad.
    {"LBtn7", G::Digit7, 9, 418, 40, 35, kMainPanel, "LBtn7Click",
     "7", "Digit 7", K::Digit7},
    {"LBtn8", G::Digit8, 59, 418, 40, 35, kMainPanel, "LBtn8Click",
     "8", "Digit 8", K::Digit8},
    {"LBtn9", G::Digit9, 109, 418, 40, 35, kMainPanel, "LBtn9Click",
     "9", "Digit 9", K::Digit9},
    {"LBtnDel", G::Del, 159, 418, 40, 35, kMainPanel, "LBtnDelClick",
     "delete", "Delete the last entry", K::Del},
    {"LBtnAc", G::Ac, 209, 418, 40, 35, kMainPanel, "LBtnAcClick",
     "clear all", "Clear the problem", K::AllClear},
    {"LBtn4", G::Digit4, 9, 458, 40, 35, kMainPanel, "LBtn4Click",
     "4", "Digit 4", K::Digit4},
    {"LBtn5", G::Digit5, 59, 458, 40, 35, kMainPanel, "LBtn5Click",
     "5", "Digit 5", K::Digit5},
    {"LBtn6", G::Digit6, 109, 458, 40, 35, kMainPanel, "LBtn6Click",
     "6", "Digit 6", K::Digit6},
    {"LBtnMul", G::Multiply, 159, 458, 40, 35, kMainPanel, "LBtnMulClick",
     "multiply", "Multiply", K::Multiply},
    {"LBtnDiv", G::Divide, 209, 458, 40, 35, kMainPanel, "LBtnDivClick",
     "divide", "Divide", K::Divide},
    {"LBtn1", G::Digit1, 9, 498, 40, 35, kMainPanel, "LBtn1Click",
     "1", "Digit 1", K::Digit1},
    {"LBtn2", G::Digit2, 59, 498, 40, 35, kMainPanel, "LBtn2Click",
     "2", "Digit 2", K::Digit2},
    {"LBtn3", G::Digit3, 109, 498, 40, 35, kMainPanel, "LBtn3Click",
     "3", "Digit 3", K::Digit3},
    {"LBtnPlus", G::Plus, 159, 498, 40, 35, kMainPanel, "LBtnPlusClick",
     "plus", "Add", K::Plus},
    {"LBtnMinus", G::Minus, 209, 498, 40, 35, kMainPanel, "LBtnMinusClick",
     "minus", "Subtract", K::Minus},
    {"LBtn0", G::Digit0, 9, 538, 40, 35, kMainPanel, "LBtn0Click",
     "0", "Digit 0", K::Digit0},
    {"LBtnDot", G::Dot, 59, 538, 40, 35, kMainPanel, "LBtnDotClick",
     "decimal point", "Decimal point", K::Point},
    {"LBtn10toX", G::TenToX, 109, 538, 40, 35, kMainPanel, "LBtn10toXClick",
     "ten to the power x", "Ten to the power x", K::TenToX},
    {"LBtnAns", G::Ans, 159, 538, 40, 35, kMainPanel, "LBtnAnsClick",
     "answer", "The last answer", K::Answer},
    {"LBtnEqual", G::Equal, 209, 538, 39, 35, kMainPanel, "LBtnEqualClick",
     "equals", "Work out the problem", K::Equal},
    // Scientific sub-panel.
    {"L1BtnInverse", G::Inverse, 10, 284, 41, 32, band(L::Scientific), "L1BtnInverseClick",
     "reciprocal", "Reciprocal", K::Inverse},
    {"L1BtnSqr", G::Square, 60, 284, 41, 32, band(L::Scientific), "L1BtnSqrClick",
     "square", "Square", K::Square},
    {"L1BtnPercent", G::Percent, 109, 284, 41, 32, band(L::Scientific), "L1BtnPercentClick",
     "percent", "Percent", K::Percent},
    {"L1BtnToGms", G::ToDms, 159, 284, 41, 32, band(L::Scientific), "L1BtnToGmsClick",
     "to degrees minutes seconds", "To degrees, minutes and seconds", K::ToDms},
    {"L1BtnFromGms", G::FromDms, 209, 284, 41, 32, band(L::Scientific), "L1BtnFromGmsClick",
     "from degrees minutes seconds", "Back from degrees, minutes and seconds", K::FromDms},
    {"L1BtnLog", G::Log, 10, 316, 41, 32, band(L::Scientific), "L1BtnLogClick",
     "logarithm", "Common logarithm", K::Log},
    {"L1BtnLn", G::Ln, 60, 316, 41, 32, band(L::Scientific), "L1BtnLnClick",
     "natural logarithm", "Natural logarithm", K::Ln},
    {"L1BtnBrStart", G::BracketOpen, 109, 316, 41, 32, band(L::Scientific), "L1BtnBrStartClick",
     "opening bracket", "Opening bracket", K::OpenBracket},
    {"L1BtnBrEnd", G::BracketClose, 159, 316, 41, 32, band(L::Scientific), "L1BtnBrEndClick",
     "closing bracket", "Closing bracket", K::CloseBracket},
    {"L1BtnXtoY", G::XToY, 209, 316, 41, 32, band(L::Scientific), "L1BtnXtoYClick",
     "x to the power y", "X to the power y", K::Power},
    {"L1BtnSqrt", G::Sqrt, 10, 348, 41, 32, band(L::Scientific), "L1BtnSqrtClick",
     "square root", "Square root", K::SquareRoot},
    {"L1BtnPlusMinus", G::PlusMinus, 60, 348, 41, 32, band(L::Scientific), "L1BtnPlusMinusClick",
     "change sign", "Change the sign", K::PlusMinus},
    {"L1BtnSin", G::Sin, 109, 348, 41, 32, band(L::Scientific), "L1BtnSinClick",
     "sine", "Sine", K::Sin},
    {"L1BtnCos", G::Cos, 159, 348, 41, 32, band(L::Scientific), "L1BtnCosClick",
     "cosine", "Cosine", K::Cos},
    {"L1BtnTan", G::Tan, 209, 348, 41, 32, band(L::Scientific), "L1BtnTanClick",
     "tangent", "Tangent", K::Tan},
    {"L1BtnDown", G::RightArrow, 10, 380, 41, 32, band(L::Scientific), "L1BtnDownClick",
     "close exponent", "Close the exponent", K::ExponentDown},
    {"L1BtnHyp", G::Hyp, 60, 380, 41, 32, band(L::Scientific), "L1BtnHypClick",
     "hyperbolic", "Hyperbolic: the next sine, cosine or tangent key enters the hyperbolic function", K::Hyp},
    {"L1BtnAsin", G::Asin, 109, 380, 41, 32, band(L::Scientific), "L1BtnAsinClick",
     "arc sine", "Arc sine", K::Asin},
    {"L1BtnAcos", G::Acos, 159, 380, 41, 32, band(L::Scientific), "L1BtnAcosClick",
     "arc cosine", "Arc cosine", K::Acos},
    {"L1BtnAtan", G::Atan, 209, 380, 41, 32, band(L::Scientific), "L1BtnAtanClick",
     "arc tangent", "Arc tangent", K::Atan},
    // Programmer sub-panel.
    {"L2BtnBrStart", G::BracketOpen, 10, 281, 41, 32, band(L::Programmer), "L2BtnBrStartClick",
     "opening bracket", "Opening bracket", K::OpenBracket},
    {"L2BtnBrEnd", G::BracketClose, 60, 281, 41, 32, band(L::Programmer), "L2BtnBrEndClick",
     "closing bracket", "Closing bracket", K::CloseBracket},
    {"L2BtnBlusMinus", G::PlusMinus, 109, 281, 41, 32, band(L::Programmer), nullptr,
     "change sign", "Change the sign: not available with integers", K::None},
    {"L2BtnMod", G::Mod, 159, 281, 41, 32, band(L::Programmer), "L2BtnModClick",
     "modulo", "Remainder of a division (MOD)", K::Mod},
    {"L2BtnAnd", G::And, 210, 281, 41, 32, band(L::Programmer), "L2BtnAndClick",
     "AND", "Bitwise AND", K::And},
    {"L2BtnHexA", G::HexA, 10, 329, 41, 32, band(L::Programmer), "L2BtnHexAClick",
     "hex digit A", "Hexadecimal digit A", K::HexA},
    {"L2BtnHexB", G::HexB, 60, 329, 41, 32, band(L::Programmer), "L2BtnHexBClick",
     "hex digit B", "Hexadecimal digit B", K::HexB},
    {"L2BtnHexC", G::HexC, 109, 329, 41, 32, band(L::Programmer), "L2BtnHexCClick",
     "hex digit C", "Hexadecimal digit C", K::HexC},
    {"L2BtnOr", G::Or, 159, 329, 41, 32, band(L::Programmer), "L2BtnOrClick",
     "OR", "Bitwise OR", K::Or},
    {"L2BtnXor", G::Xor, 210, 329, 41, 32, band(L::Programmer), "L2BtnXorClick",
     "XOR", "Bitwise exclusive OR", K::Xor},
    {"L2BtnHexD", G::HexD, 10, 377, 41, 32, band(L::Programmer), "L2BtnHexDClick",
     "hex digit D", "Hexadecimal digit D", K::HexD},
    {"L2BtnHexE", G::HexE, 60, 377, 41, 32, band(L::Programmer), "L2BtnHexEClick",
     "hex digit E", "Hexadecimal digit E", K::HexE},
    {"L2BtnHexF", G::HexF, 109, 377, 41, 32, band(L::Programmer), "L2BtnHexFClick",
     "hex digit F", "Hexadecimal digit F", K::HexF},
    {"L2BtnLsh", G::Lsh, 159, 377, 41, 32, band(L::Programmer), "L2BtnLshClick",
     "shift left", "Shift left", K::ShiftLeft},
    {"L2BtnNot", G::Not, 210, 377, 41, 32, band(L::Programmer), "L2BtnNotClick",
     "NOT", "Bitwise NOT", K::Not},
    // Conversion and constants sub-panels carry their own help and next-layer keys.
    {"L3BtnHelp", G::HelpWhite, 148, 232, 34, 27, band(L::Conversion), "L4BtnHelpClick",
     "help", "Show or hide the help page", K::None},
    {"L3BtnNextLayer", G::FunctionTab, 181, 234, 72, 26, band(L::Conversion), "L3BtnNextLayerClick",
     "next layer", "Next layer", K::None},
    {"L4BtnHelp", G::HelpWhite, 148, 232, 34, 27, band(L::Constants), "L4BtnHelpClick",
     "help", "Show or hide the help page", K::None},
    {"L4BtnNextLayer", G::FunctionTab, 181, 234, 72, 26, band(L::Constants), "L3BtnNextLayerClick",
     "next layer", "Next layer", K::None},
    // Financial sub-panel.
    {"L5BtnPV", G::PresentValue, 3, 261, 121, 32, band(L::Financial), "L5BtnPVClick",
     "present value", "Present value (PV)", K::None},
    {"L5BtnFV", G::FutureValue, 3, 301, 121, 32, band(L::Financial), "L5BtnFVClick",
     "future value", "Future value (FV)", K::None},
    {"L5BtnPMT", G::Payment, 3, 333, 121, 48, band(L::Financial), "L5BtnPMTClick",
     "payment", "Periodical payment (PMT)", K::None},
    {"L5BtnI_YR", G::InterestPerYear, 139, 260, 113, 33, band(L::Financial), "L5BtnI_YRClick",
     "interest per year", "Interest per year (I/YR)", K::None},
    {"L5BtnP_YR", G::PeriodsPerYear, 139, 301, 113, 32, band(L::Financial), "L5BtnP_YRClick",
     "periods per year", "Periods per year (P/YR)", K::None},
    {"L5BtnN", G::Periods, 139, 341, 113, 32, band(L::Financial), "L5BtnNClick",
     "periods", "Number of periods (N)", K::None},
    {"L5BtnBraketStart", G::BracketOpen, 12, 381, 41, 32, band(L::Financial), "L1BtnBrStartClick",
     "opening bracket", "Opening bracket", K::OpenBracket},
    {"L5BtnBraketEnd", G::BracketClose, 70, 381, 41, 32, band(L::Financial), "L1BtnBrEndClick",
     "closing bracket", "Closing bracket", K::CloseBracket},
    {"L5BtnPlusMinus", G::PlusMinus, 145, 381, 41, 32, band(L::Financial), "L1BtnPlusMinusClick",
     "change sign", "Change the sign", K::PlusMinus},
    {"L5BtnRight", G::RightArrow, 203, 381, 41, 32, band(L::Financial), "L1BtnDownClick",
     "close exponent", "Close the exponent", K::ExponentDown},
};
// clang-format on

} // namespace keypad_rows

using keypad_rows::kKeyEntries;
using keypad_rows::kKeypad;

constexpr bool entriesInKeyOrder() {
    for (std::size_t i = 0; i < std::size(kKeyEntries); ++i)
        if (static_cast<std::size_t>(kKeyEntries[i].key) != i) return false;
    return std::size(kKeyEntries) == static_cast<std::size_t>(CalcKey::FromDms) + 1;
}
static_assert(entriesInKeyOrder(), "one row per calculator key, in the order of CalcKey");

/// The row of a calculator key.
constexpr const KeyEntry& keyEntry(CalcKey key) {
    return kKeyEntries[static_cast<std::size_t>(key)];
}

} // namespace zc
