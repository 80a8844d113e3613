// SPDX-License-Identifier: MIT
#pragma once
// The calculator's keys, as the on-screen keys and the keyboard name them.

#include <string>
#include <vector>

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

/// A key of the keyboard with the Shift state, and the layers (one bit each) it works in.
struct KeyPress {
    int key = 0;
    bool shift = false;
    unsigned layers = 0;
};

/// The keyboard keys the key table maps onto the calculator key, in the table's order.
std::vector<KeyPress> keyboardEquivalents(CalcKey key);

/// How a keyboard key is written for the user: "S", "Shift+S", "*", "Num 7", "Backspace".
std::string keyPressName(int key, bool shift);

} // namespace zc
