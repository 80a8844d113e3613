// SPDX-License-Identifier: MIT
#include "ui/shell/key_map.h"

namespace zc {

namespace {

struct CharKey {
    char16_t ch;
    int key;
    bool shift;
};

// Characters of a US keyboard besides letters and digits, and the key that makes them.
constexpr CharKey kCharKeys[] = {
    {u')', 48, true},  {u'!', 49, true},   {u'@', 50, true},  {u'#', 51, true},
    {u'$', 52, true},  {u'%', 53, true},   {u'^', 54, true},  {u'&', 55, true},
    {u'*', 56, true},  {u'(', 57, true},   {u' ', 32, false}, {u';', 186, false},
    {u':', 186, true}, {u'=', 187, false}, {u'+', 187, true}, {u',', 188, false},
    {u'<', 188, true}, {u'-', 189, false}, {u'_', 189, true}, {u'.', 190, false},
    {u'>', 190, true}, {u'/', 191, false}, {u'?', 191, true}, {u'`', 192, false},
    {u'~', 192, true}, {u'[', 219, false}, {u'{', 219, true}, {u'\\', 220, false},
    {u'|', 220, true}, {u']', 221, false}, {u'}', 221, true}, {u'\'', 222, false},
    {u'"', 222, true},
};

struct NamedKey {
    int qtKey;
    int key;
};

// Keys without a character. The navigation keys are also what the keypad sends with Num Lock
// off; none of them does anything, but they stay apart from the keys that carry a character.
constexpr NamedKey kNamedKeys[] = {
    {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9},       {Qt::Key_Backtab, 9},
    {Qt::Key_Clear, 12},    {Qt::Key_Return, 13},   {Qt::Key_Enter, 13},
    {Qt::Key_Shift, 16},    {Qt::Key_Control, 17},  {Qt::Key_Alt, 18},
    {Qt::Key_Pause, 19},    {Qt::Key_CapsLock, 20}, {Qt::Key_Escape, 27},
    {Qt::Key_PageUp, 33},   {Qt::Key_PageDown, 34}, {Qt::Key_End, 35},
    {Qt::Key_Home, 36},     {Qt::Key_Left, 37},     {Qt::Key_Up, 38},
    {Qt::Key_Right, 39},    {Qt::Key_Down, 40},     {Qt::Key_Print, 44},
    {Qt::Key_Insert, 45},   {Qt::Key_Delete, 46},   {Qt::Key_Meta, 91},
    {Qt::Key_Menu, 93},     {Qt::Key_NumLock, 144}, {Qt::Key_ScrollLock, 145},
};

int namedCode(int qtKey) {
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return 112 + (qtKey - Qt::Key_F1);
    for (const NamedKey& k : kNamedKeys)
        if (k.qtKey == qtKey) return k.key;
    return 0;
}

// The keypad keeps its own codes whatever the Shift state, so Shift+keypad 8 is a digit.
int keypadCode(int qtKey) {
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return 96 + (qtKey - Qt::Key_0);
    switch (qtKey) {
    case Qt::Key_Asterisk:
        return 106;
    case Qt::Key_Plus:
        return 107;
    case Qt::Key_Minus:
        return 109;
    case Qt::Key_Period:
    case Qt::Key_Comma:
        return 110; // the decimal key, whichever separator the layout prints
    case Qt::Key_Slash:
        return 111;
    default:
        return namedCode(qtKey); // Enter, and the navigation keys of Num Lock off
    }
}

// The key and Shift state a US keyboard needs for the character. Letters keep the state of the
// Shift key instead, because Caps Lock changes their case without it.
bool charCode(char16_t ch, bool shiftHeld, KeyCode& out) {
    if (ch >= u'a' && ch <= u'z') ch = static_cast<char16_t>(ch - u'a' + u'A');
    if (ch >= u'A' && ch <= u'Z') {
        out.key = 65 + (ch - u'A');
        out.shift = shiftHeld;
        return true;
    }
    if (ch >= u'0' && ch <= u'9') {
        out.key = 48 + (ch - u'0');
        out.shift = false;
        return true;
    }
    for (const CharKey& k : kCharKeys) {
        if (k.ch == ch) {
            out.key = k.key;
            out.shift = k.shift;
            return true;
        }
    }
    return false;
}

} // namespace

KeyCode windowsKeyCodeForCharacter(QChar ch) {
    KeyCode out;
    if (!ch.isPrint() || !charCode(ch.unicode(), ch.isUpper(), out)) return {};
    return out;
}

KeyCode windowsKeyCode(const QKeyEvent& event) {
    KeyCode out;
    const Qt::KeyboardModifiers mods = event.modifiers();
    const bool shiftHeld = mods.testFlag(Qt::ShiftModifier);
    out.shift = shiftHeld;
    // On macOS Qt reports the Command key as Control; either way it is the copy modifier.
    out.ctrl = mods.testFlag(Qt::ControlModifier);
    const int qtKey = event.key();

    if (mods.testFlag(Qt::KeypadModifier)) {
        out.key = keypadCode(qtKey);
        return out;
    }
    if (const int named = namedCode(qtKey); named != 0) {
        out.key = named;
        return out;
    }
    const QString text = event.text();
    if (text.size() == 1 && text.at(0).isPrint() && charCode(text.at(0).unicode(), shiftHeld, out))
        return out;
    // No character of a US keyboard: Ctrl+C brings "\x03", Ctrl+5 may bring a control character,
    // and Option on a Mac turns letters into other characters. Qt names the printable keys by
    // their character, so the key itself still tells which one it was.
    if (qtKey >= 0x20 && qtKey <= 0x7e && charCode(static_cast<char16_t>(qtKey), shiftHeld, out))
        return out;
    out.key = 0;
    return out;
}

} // namespace zc
