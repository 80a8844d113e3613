// SPDX-License-Identifier: MIT
#pragma once
// Windows virtual-key codes: the one key code every platform's key events are
// mapped onto, so that one key table serves them all.

namespace zc {

namespace vk {
inline constexpr int kBack = 8;
inline constexpr int kTab = 9;
inline constexpr int kClear = 12;
inline constexpr int kReturn = 13;
inline constexpr int kShift = 16;
inline constexpr int kControl = 17;
inline constexpr int kAlt = 18;
inline constexpr int kPause = 19;
inline constexpr int kCapsLock = 20;
inline constexpr int kEscape = 27;
inline constexpr int kSpace = 32;
inline constexpr int kPageUp = 33;
inline constexpr int kPageDown = 34;
inline constexpr int kEnd = 35;
inline constexpr int kHome = 36;
inline constexpr int kLeft = 37;
inline constexpr int kUp = 38;
inline constexpr int kRight = 39;
inline constexpr int kDown = 40;
inline constexpr int kPrintScreen = 44;
inline constexpr int kInsert = 45;
inline constexpr int kDelete = 46;
inline constexpr int k0 = 48;       // "0" to "9" follow
inline constexpr int kA = 65;       // "A" to "Z" follow
inline constexpr int kNumpad0 = 96; // keypad 0 to 9 follow
inline constexpr int kMultiply = 106;
inline constexpr int kAdd = 107;
inline constexpr int kSubtract = 109;
inline constexpr int kDecimal = 110;
inline constexpr int kDivide = 111;
inline constexpr int kF1 = 112; // F2 to F24 follow
inline constexpr int kWindows = 91;
inline constexpr int kMenu = 93;
inline constexpr int kNumLock = 144;
inline constexpr int kScrollLock = 145;
inline constexpr int kOemSemicolon = 186;    // ; and :
inline constexpr int kOemPlus = 187;         // = and +
inline constexpr int kOemComma = 188;        // , and <
inline constexpr int kOemMinus = 189;        // - and _
inline constexpr int kOemPeriod = 190;       // . and >
inline constexpr int kOemSlash = 191;        // / and ?
inline constexpr int kOemTilde = 192;        // ` and ~
inline constexpr int kOemOpenBracket = 219;  // [ and {
inline constexpr int kOemBackslash = 220;    // \ and |
inline constexpr int kOemCloseBracket = 221; // ] and }
inline constexpr int kOemQuote = 222;        // ' and "

/// The code of digit key d ("0".."9"), letter key c ("A".."Z"), keypad digit d and F n.
constexpr int digitKey(int d) {
    return k0 + d;
}
constexpr int letterKey(char c) {
    return kA + (c - 'A');
}
constexpr int numpadKey(int d) {
    return kNumpad0 + d;
}
constexpr int functionKey(int n) {
    return kF1 + (n - 1);
}
} // namespace vk

struct VirtualKey {
    int key = 0; // 0: no key
    bool shift = false;
};

/// The key and Shift state a US keyboard needs for the character. Letters of either case take
/// `shiftHeld`, because Caps Lock changes their case without Shift. Key 0 for a character no key
/// makes.
VirtualKey virtualKeyForCharacter(char16_t ch, bool shiftHeld);

} // namespace zc
