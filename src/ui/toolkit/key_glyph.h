// SPDX-License-Identifier: MIT
#pragma once

#include <QSize>

class QPainter;
class QRectF;

namespace zc {

// The legend a key carries. Keys are drawn from vectors, so one glyph serves every key size and
// device pixel ratio.
enum class KeyGlyph {
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
    Dot,
    Multiply,
    Divide,
    Minus,
    Plus,
    Del,
    Ac,
    Equal,
    TenToX,
    Ans,
    Inverse,
    Square,
    Percent,
    ToDms,
    FromDms,
    Log,
    Ln,
    BracketOpen,
    BracketClose,
    XToY,
    Sqrt,
    PlusMinus,
    Sin,
    Cos,
    Tan,
    RightArrow,
    Hyp,
    Asin,
    Acos,
    Atan,
    FunctionTab,
    HelpWhite,
    HelpYellow,
    CloseNormal,
    CloseHover,
    HexA,
    HexB,
    HexC,
    HexD,
    HexE,
    HexF,
    Mod,
    And,
    Or,
    Xor,
    Not,
    Lsh,
    PresentValue,
    FutureValue,
    Payment,
    InterestPerYear,
    PeriodsPerYear,
    Periods
};

// How a key is drawn at the moment: hovered brightens it, pressed sinks it.
struct KeyLook {
    bool hovered = false;
    bool pressed = false;
    bool enabled = true;
};

// The size the window gives a key with this glyph (keypad keys 40 x 35, function keys 41 x 32).
QSize keyGlyphNaturalSize(KeyGlyph glyph);

// Paints the key face and legend of `glyph` into `rect`. Leaves the painter's state as it was.
void paintKeyGlyph(QPainter& painter, const QRectF& rect, KeyGlyph glyph, KeyLook look);

} // namespace zc
