// SPDX-License-Identifier: MIT
#pragma once
// Maps the key events Qt delivers onto Windows virtual-key codes with the
// Shift and Ctrl state, so that one key table serves every platform. Keys
// that carry a character are mapped by that character as a US keyboard makes
// it ("*" is the 8 key with Shift), so other layouts work by character; the
// numeric keypad and the named keys are mapped by key.

#include <QKeyEvent>

namespace zc {

struct KeyCode {
    int key = 0; // 0: no key of the table
    bool shift = false;
    bool ctrl = false;

    friend bool operator==(const KeyCode&, const KeyCode&) = default;
};

/// The virtual-key code of a key press with the Shift and Ctrl state the key
/// table reads; Alt is not reported. A key no Windows keyboard has gives key 0.
KeyCode windowsKeyCode(const QKeyEvent& event);

/// The key and Shift state a US keyboard needs to type the character (an upper-case letter
/// with Shift); key 0 for a character no key makes.
KeyCode windowsKeyCodeForCharacter(QChar ch);

} // namespace zc
