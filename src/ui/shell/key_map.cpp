// SPDX-License-Identifier: MIT
#include "ui/shell/key_map.h"

#include "core/calculator/virtual_keys.h"

namespace zc {

namespace {

struct NamedKey {
    int qtKey;
    int key;
};

// Keys without a character. The navigation keys are also what the keypad sends with Num Lock
// off; none of them does anything, but they stay apart from the keys that carry a character.
// clang-format off
constexpr NamedKey kNamedKeys[] = {
    {Qt::Key_Backspace, vk::kBack},     {Qt::Key_Tab, vk::kTab},           {Qt::Key_Backtab, vk::kTab},
    {Qt::Key_Clear, vk::kClear},        {Qt::Key_Return, vk::kReturn},     {Qt::Key_Enter, vk::kReturn},
    {Qt::Key_Shift, vk::kShift},        {Qt::Key_Control, vk::kControl},   {Qt::Key_Alt, vk::kAlt},
    {Qt::Key_Pause, vk::kPause},        {Qt::Key_CapsLock, vk::kCapsLock}, {Qt::Key_Escape, vk::kEscape},
    {Qt::Key_PageUp, vk::kPageUp},      {Qt::Key_PageDown, vk::kPageDown}, {Qt::Key_End, vk::kEnd},
    {Qt::Key_Home, vk::kHome},          {Qt::Key_Left, vk::kLeft},         {Qt::Key_Up, vk::kUp},
    {Qt::Key_Right, vk::kRight},        {Qt::Key_Down, vk::kDown},         {Qt::Key_Print, vk::kPrintScreen},
    {Qt::Key_Insert, vk::kInsert},      {Qt::Key_Delete, vk::kDelete},     {Qt::Key_Meta, vk::kWindows},
    {Qt::Key_Menu, vk::kMenu},          {Qt::Key_NumLock, vk::kNumLock},   {Qt::Key_ScrollLock, vk::kScrollLock},
};
// clang-format on

int namedCode(int qtKey) {
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return vk::kF1 + (qtKey - Qt::Key_F1);
    for (const NamedKey& k : kNamedKeys)
        if (k.qtKey == qtKey) return k.key;
    return 0;
}

// The keypad keeps its own codes whatever the Shift state, so Shift+keypad 8 is a digit.
int keypadCode(int qtKey) {
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return vk::numpadKey(qtKey - Qt::Key_0);
    switch (qtKey) {
    case Qt::Key_Asterisk:
        return vk::kMultiply;
    case Qt::Key_Plus:
        return vk::kAdd;
    case Qt::Key_Minus:
        return vk::kSubtract;
    case Qt::Key_Period:
    case Qt::Key_Comma:
        return vk::kDecimal; // the decimal key, whichever separator the layout prints
    case Qt::Key_Slash:
        return vk::kDivide;
    default:
        return namedCode(qtKey); // Enter, and the navigation keys of Num Lock off
    }
}

// The key and Shift state a US keyboard needs for the character, from the calculator's own
// character table. Letters keep the state of the Shift key, because Caps Lock changes their
// case without it.
bool charCode(char16_t ch, bool shiftHeld, KeyCode& out) {
    const VirtualKey k = virtualKeyForCharacter(ch, shiftHeld);
    if (k.key == 0) return false;
    out.key = k.key;
    out.shift = k.shift;
    return true;
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
