// SPDX-License-Identifier: MIT
#pragma once
// The key table: the keyboard keys, mapped onto the calculator's keys.

#include "core/calculator/keypad.h"

#include <string>
#include <vector>

namespace zc {

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
