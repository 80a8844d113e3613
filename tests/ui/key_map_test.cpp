// SPDX-License-Identifier: MIT
// Key events as X11 delivers them for a US keyboard, mapped to Windows key codes.

#include "ui/shell/key_map.h"

#include <QKeyEvent>
#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace zc::test {
namespace {

struct KeyEventCase {
    const char* name;
    int qtKey;
    Qt::KeyboardModifiers mods;
    const char* text;
    KeyCode want;
};

void PrintTo(const KeyEventCase& c, std::ostream* os) {
    *os << c.name;
}

class KeyMap : public ::testing::TestWithParam<KeyEventCase> {};

TEST_P(KeyMap, GivesWindowsKeyCode) {
    const KeyEventCase& c = GetParam();
    const QKeyEvent event(QEvent::KeyPress, c.qtKey, c.mods, QString::fromLatin1(c.text));
    const KeyCode got = windowsKeyCode(event);
    EXPECT_EQ(got.key, c.want.key);
    EXPECT_EQ(got.shift, c.want.shift);
    EXPECT_EQ(got.ctrl, c.want.ctrl);
}

constexpr Qt::KeyboardModifiers kNone = Qt::NoModifier;
constexpr Qt::KeyboardModifiers kShift = Qt::ShiftModifier;
constexpr Qt::KeyboardModifiers kCtrl = Qt::ControlModifier;
constexpr Qt::KeyboardModifiers kPad = Qt::KeypadModifier;

// clang-format off
const KeyEventCase kTopRow[] = {
    {"Digit8", Qt::Key_8, kNone, "8", {56, false, false}},
    {"Digit0", Qt::Key_0, kNone, "0", {48, false, false}},
    {"ShiftEightIsAsterisk", Qt::Key_Asterisk, kShift, "*", {56, true, false}},
    {"ShiftNineIsParenLeft", Qt::Key_ParenLeft, kShift, "(", {57, true, false}},
    {"ShiftZeroIsParenRight", Qt::Key_ParenRight, kShift, ")", {48, true, false}},
    {"ShiftTwoIsAt", Qt::Key_At, kShift, "@", {50, true, false}},
    {"ShiftFiveIsPercent", Qt::Key_Percent, kShift, "%", {53, true, false}},
    {"ShiftSixIsCircum", Qt::Key_AsciiCircum, kShift, "^", {54, true, false}},
    {"ShiftOneIsExclam", Qt::Key_Exclam, kShift, "!", {49, true, false}},
    {"ShiftThreeIsNumberSign", Qt::Key_NumberSign, kShift, "#", {51, true, false}},
    {"ShiftFourIsDollar", Qt::Key_Dollar, kShift, "$", {52, true, false}},
    {"ShiftSevenIsAmpersand", Qt::Key_Ampersand, kShift, "&", {55, true, false}},
    // What QTest::keyClick(w, '*') sends: the character alone still means Shift+8.
    {"AsteriskWithoutShift", Qt::Key_Asterisk, kNone, "*", {56, true, false}},
    // A layout that needs Shift for digits (AZERTY) still types the digit.
    {"DigitWithShiftIsDigit", Qt::Key_8, kShift, "8", {56, false, false}},
    {"CtrlFiveIsFive", Qt::Key_5, kCtrl, "5", {53, false, true}},
    {"CtrlFiveAsControlChar", Qt::Key_5, kCtrl, "\x1d", {53, false, true}},
};

const KeyEventCase kPunctuation[] = {
    {"Equal", Qt::Key_Equal, kNone, "=", {187, false, false}},
    {"ShiftEqualIsPlus", Qt::Key_Plus, kShift, "+", {187, true, false}},
    {"Comma", Qt::Key_Comma, kNone, ",", {188, false, false}},
    {"Minus", Qt::Key_Minus, kNone, "-", {189, false, false}},
    {"ShiftMinusIsUnderscore", Qt::Key_Underscore, kShift, "_", {189, true, false}},
    {"Period", Qt::Key_Period, kNone, ".", {190, false, false}},
    {"Slash", Qt::Key_Slash, kNone, "/", {191, false, false}},
    {"Backquote", Qt::Key_QuoteLeft, kNone, "`", {192, false, false}},
    {"ShiftBackquoteIsTilde", Qt::Key_AsciiTilde, kShift, "~", {192, true, false}},
    {"Backslash", Qt::Key_Backslash, kNone, "\\", {220, false, false}},
    {"ShiftBackslashIsBar", Qt::Key_Bar, kShift, "|", {220, true, false}},
    {"Space", Qt::Key_Space, kNone, " ", {32, false, false}},
    {"Semicolon", Qt::Key_Semicolon, kNone, ";", {186, false, false}},
    {"BracketLeft", Qt::Key_BracketLeft, kNone, "[", {219, false, false}},
};

const KeyEventCase kLetters[] = {
    {"LowerA", Qt::Key_A, kNone, "a", {65, false, false}},
    {"ShiftA", Qt::Key_A, kShift, "A", {65, true, false}},
    {"CapsLockC", Qt::Key_C, kNone, "C", {67, false, false}},
    {"CapsLockShiftS", Qt::Key_S, kShift, "s", {83, true, false}},
    {"ShiftY", Qt::Key_Y, kShift, "Y", {89, true, false}},
    {"CtrlC", Qt::Key_C, kCtrl, "\x03", {67, false, true}},
    {"CtrlShiftC", Qt::Key_C, kCtrl | kShift, "\x03", {67, true, true}},
    {"CtrlV", Qt::Key_V, kCtrl, "\x16", {86, false, true}},
    {"AltIgnored", Qt::Key_A, Qt::AltModifier, "a", {65, false, false}},
};

const KeyEventCase kKeypad[] = {
    {"Pad0", Qt::Key_0, kPad, "0", {96, false, false}},
    {"Pad5", Qt::Key_5, kPad, "5", {101, false, false}},
    {"Pad9", Qt::Key_9, kPad, "9", {105, false, false}},
    {"PadMultiply", Qt::Key_Asterisk, kPad, "*", {106, false, false}},
    {"PadPlus", Qt::Key_Plus, kPad, "+", {107, false, false}},
    {"PadMinus", Qt::Key_Minus, kPad, "-", {109, false, false}},
    {"PadDecimal", Qt::Key_Period, kPad, ".", {110, false, false}},
    {"PadDivide", Qt::Key_Slash, kPad, "/", {111, false, false}},
    {"PadEnter", Qt::Key_Enter, kPad, "\r", {13, false, false}},
    {"ShiftPadMultiply", Qt::Key_Asterisk, kShift | kPad, "*", {106, true, false}},
    {"CtrlPadPlus", Qt::Key_Plus, kCtrl | kPad, "+", {107, false, true}},
    // Num Lock off: the keypad sends navigation keys without text.
    {"NumLockOffPad1IsEnd", Qt::Key_End, kPad, "", {35, false, false}},
    {"NumLockOffPad5IsClear", Qt::Key_Clear, kPad, "", {12, false, false}},
    {"NumLockOffPad0IsInsert", Qt::Key_Insert, kPad, "", {45, false, false}},
    {"NumLockOffPadDecimalIsDelete", Qt::Key_Delete, kPad, "", {46, false, false}},
    {"ShiftPad1IsEnd", Qt::Key_End, kShift | kPad, "", {35, true, false}},
};

const KeyEventCase kNamed[] = {
    {"Return", Qt::Key_Return, kNone, "\r", {13, false, false}},
    {"Escape", Qt::Key_Escape, kNone, "\x1b", {27, false, false}},
    {"Backspace", Qt::Key_Backspace, kNone, "\x08", {8, false, false}},
    {"DeleteWithDelChar", Qt::Key_Delete, kNone, "\x7f", {46, false, false}},
    {"DeleteWithoutText", Qt::Key_Delete, kNone, "", {46, false, false}},
    {"Tab", Qt::Key_Tab, kNone, "\t", {9, false, false}},
    {"F2", Qt::Key_F2, kNone, "", {113, false, false}},
    {"ShiftF2", Qt::Key_F2, kShift, "", {113, true, false}},
    {"F5", Qt::Key_F5, kNone, "", {116, false, false}},
    {"F8", Qt::Key_F8, kNone, "", {119, false, false}},
    {"F1", Qt::Key_F1, kNone, "", {112, false, false}},
    // The press of Shift itself comes before every shifted key; Qt reports it without the
    // Shift modifier.
    {"ShiftAlone", Qt::Key_Shift, kShift, "", {16, false, false}},
    {"ControlAlone", Qt::Key_Control, kCtrl, "", {17, false, false}},
    {"Home", Qt::Key_Home, kNone, "", {36, false, false}},
    {"UnknownKey", Qt::Key_unknown, kNone, "", {0, false, false}},
    {"ForeignLetter", Qt::Key_Eacute, kNone, "\xe9", {0, false, false}},
};
// clang-format on

std::string caseName(const ::testing::TestParamInfo<KeyEventCase>& info) {
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(TopRow, KeyMap, ::testing::ValuesIn(kTopRow), caseName);
INSTANTIATE_TEST_SUITE_P(Punctuation, KeyMap, ::testing::ValuesIn(kPunctuation), caseName);
INSTANTIATE_TEST_SUITE_P(Letters, KeyMap, ::testing::ValuesIn(kLetters), caseName);
INSTANTIATE_TEST_SUITE_P(Keypad, KeyMap, ::testing::ValuesIn(kKeypad), caseName);
INSTANTIATE_TEST_SUITE_P(Named, KeyMap, ::testing::ValuesIn(kNamed), caseName);

} // namespace
} // namespace zc::test
