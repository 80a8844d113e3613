// SPDX-License-Identifier: MIT
#pragma once

#include "core/calculator/glyphs.h"

#include <QSize>
#include <QString>

class QPainter;
class QRectF;

namespace zc {

// How a key is drawn at the moment: hovered brightens it, pressed sinks it.
struct KeyLook {
    bool hovered = false;
    bool pressed = false;
    bool enabled = true;
};

// The size the window gives a key with this glyph (keypad keys 40 x 35, function keys 41 x 32).
QSize keyGlyphNaturalSize(KeyGlyph glyph);

// Paints the key face and legend of `glyph` into `rect`; `legend` is the word a Text glyph shows.
// Leaves the painter's state as it was.
void paintKeyGlyph(QPainter& painter, const QRectF& rect, KeyGlyph glyph, KeyLook look,
                   const QString& legend = {});

} // namespace zc
