// SPDX-License-Identifier: MIT
#include "ui/toolkit/key_glyph.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <iterator>

namespace zc {
namespace {

// Faces differ by role so the keypad reads at a glance: numbers lighter than functions,
// "=" in the accent colour.
enum class Face { Number, Function, Operator, Accent };

struct FaceColours {
    QColor top, bottom, rim;
};

const QColor kNumberInk(0xF5, 0xF7, 0xFA);
const QColor kFunctionInk(0xD3, 0xE3, 0xF8);
const QColor kOperatorInk(0xE8, 0xEE, 0xF6);
const QColor kDelInk(0xFF, 0xD2, 0x3C);
const QColor kAcInk(0xFF, 0x5E, 0x52);
const QColor kNoteInk(0x9F, 0xC4, 0xEE);

FaceColours faceColours(Face face, KeyLook look) {
    FaceColours c;
    switch (face) {
    case Face::Number:
        c = {QColor(0x50, 0x55, 0x5E), QColor(0x2A, 0x2D, 0x33), QColor(0x74, 0x7B, 0x86)};
        break;
    case Face::Function:
        c = {QColor(0x36, 0x39, 0x40), QColor(0x1B, 0x1D, 0x21), QColor(0x56, 0x5C, 0x66)};
        break;
    case Face::Operator:
        c = {QColor(0x3A, 0x41, 0x4C), QColor(0x1E, 0x23, 0x2A), QColor(0x5B, 0x66, 0x75)};
        break;
    case Face::Accent:
        c = {QColor(0x3C, 0x86, 0xDC), QColor(0x1A, 0x4D, 0x94), QColor(0x7A, 0xB4, 0xF5)};
        break;
    }
    if (look.hovered) {
        c.top = c.top.lighter(135);
        c.bottom = c.bottom.lighter(130);
        c.rim = face == Face::Accent ? QColor(0xB8, 0xDA, 0xFF) : QColor(0xA9, 0xB6, 0xC6);
    }
    if (look.pressed) {
        std::swap(c.top, c.bottom);
        c.top = c.top.darker(115);
    }
    return c;
}

QFont legendFont(qreal pixels, bool bold = true, bool italic = false) {
    QFont f;
    // Narrow, even sans faces first; the list ends in one that every Linux box has.
    f.setFamilies({"Segoe UI", "Helvetica Neue", "Liberation Sans", "Arial", "DejaVu Sans"});
    f.setPixelSize(std::max(5, int(std::lround(pixels))));
    f.setBold(bold);
    f.setItalic(italic);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

// The largest font of at most `pixels` whose advance of `text` fits `width`.
QFont fittedFont(const QString& text, qreal pixels, qreal width, bool bold = true) {
    QFont f = legendFont(pixels, bold);
    while (f.pixelSize() > 6 && QFontMetricsF(f).horizontalAdvance(text) > width)
        f.setPixelSize(f.pixelSize() - 1);
    return f;
}

// Baseline that centres capital letters and digits on `cy`.
qreal centredBaseline(const QFont& f, qreal cy) {
    return cy + QFontMetricsF(f).capHeight() / 2.0;
}

void drawCentredText(QPainter& p, const QRectF& r, const QString& text, const QFont& f,
                     const QColor& ink) {
    const QFontMetricsF fm(f);
    p.setFont(f);
    p.setPen(ink);
    const qreal x = r.center().x() - fm.horizontalAdvance(text) / 2.0;
    p.drawText(QPointF(x, centredBaseline(f, r.center().y())), text);
}

// A base text with a raised small suffix, centred as a whole: 10^x, x^2, x^-1, x^y.
void drawRaised(QPainter& p, const QRectF& r, const QString& base, bool baseItalic,
                const QString& raised, const QColor& ink) {
    const qreal px = r.height() * 0.44;
    const QFont bf = legendFont(px, true, baseItalic);
    const QFont sf = legendFont(px * 0.62, true, raised == "x" || raised == "y");
    const QFontMetricsF bm(bf), sm(sf);
    const qreal gap = px * 0.06;
    const qreal total = bm.horizontalAdvance(base) + gap + sm.horizontalAdvance(raised);
    const qreal x = r.center().x() - total / 2.0;
    const qreal baseline = centredBaseline(bf, r.center().y() + px * 0.12);
    p.setPen(ink);
    p.setFont(bf);
    p.drawText(QPointF(x, baseline), base);
    p.setFont(sf);
    p.drawText(QPointF(x + bm.horizontalAdvance(base) + gap, baseline - bm.capHeight() * 0.62),
               raised);
}

QPen strokePen(const QColor& ink, qreal width) {
    QPen pen(ink, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

// Arithmetic signs are stroked rather than typeset so they share one weight and centre.
void drawOperator(QPainter& p, const QRectF& r, KeyGlyph g, const QColor& ink) {
    const qreal s = r.height() * 0.17; // half the sign's extent
    const qreal w = std::max(1.6, r.height() * 0.075);
    const QPointF c = r.center();
    p.setPen(strokePen(ink, w));
    p.setBrush(Qt::NoBrush);
    switch (g) {
    case KeyGlyph::Plus:
        p.drawLine(QPointF(c.x() - s, c.y()), QPointF(c.x() + s, c.y()));
        p.drawLine(QPointF(c.x(), c.y() - s), QPointF(c.x(), c.y() + s));
        break;
    case KeyGlyph::Minus:
        p.drawLine(QPointF(c.x() - s, c.y()), QPointF(c.x() + s, c.y()));
        break;
    case KeyGlyph::Multiply: {
        const qreal d = s * 0.75;
        p.drawLine(QPointF(c.x() - d, c.y() - d), QPointF(c.x() + d, c.y() + d));
        p.drawLine(QPointF(c.x() - d, c.y() + d), QPointF(c.x() + d, c.y() - d));
        break;
    }
    case KeyGlyph::Divide: {
        p.drawLine(QPointF(c.x() - s, c.y()), QPointF(c.x() + s, c.y()));
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        const qreal dot = w * 0.75;
        p.drawEllipse(QPointF(c.x(), c.y() - s * 0.72), dot, dot);
        p.drawEllipse(QPointF(c.x(), c.y() + s * 0.72), dot, dot);
        break;
    }
    case KeyGlyph::Equal:
        p.drawLine(QPointF(c.x() - s, c.y() - s * 0.38), QPointF(c.x() + s, c.y() - s * 0.38));
        p.drawLine(QPointF(c.x() - s, c.y() + s * 0.38), QPointF(c.x() + s, c.y() + s * 0.38));
        break;
    case KeyGlyph::PlusMinus: {
        const qreal up = c.y() - s * 0.35;
        p.drawLine(QPointF(c.x() - s, up), QPointF(c.x() + s, up));
        p.drawLine(QPointF(c.x(), up - s * 0.8), QPointF(c.x(), up + s * 0.8));
        p.drawLine(QPointF(c.x() - s, c.y() + s * 0.95), QPointF(c.x() + s, c.y() + s * 0.95));
        break;
    }
    case KeyGlyph::RightArrow: {
        const qreal a = s * 1.15;
        p.drawLine(QPointF(c.x() - a, c.y()), QPointF(c.x() + a, c.y()));
        QPainterPath head;
        head.moveTo(c.x() + a - s * 0.7, c.y() - s * 0.6);
        head.lineTo(c.x() + a, c.y());
        head.lineTo(c.x() + a - s * 0.7, c.y() + s * 0.6);
        p.drawPath(head);
        break;
    }
    default:
        break;
    }
}

void drawDot(QPainter& p, const QRectF& r, const QColor& ink) {
    const qreal radius = std::max(1.5, r.height() * 0.065);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawEllipse(QPointF(r.center().x(), r.center().y() + r.height() * 0.1), radius, radius);
}

// A root sign whose bar covers an italic x.
void drawSqrt(QPainter& p, const QRectF& r, const QColor& ink) {
    const qreal h = r.height();
    const QFont xf = legendFont(h * 0.40, true, true);
    const QFontMetricsF xm(xf);
    const qreal xw = xm.horizontalAdvance("x");
    const qreal signW = h * 0.28;
    const qreal total = signW + xw + h * 0.06;
    const qreal left = r.center().x() - total / 2.0;
    const qreal top = r.center().y() - h * 0.24;
    const qreal bottom = r.center().y() + h * 0.22;
    QPainterPath sign;
    sign.moveTo(left, r.center().y() + h * 0.02);
    sign.lineTo(left + signW * 0.25, r.center().y() - h * 0.02);
    sign.lineTo(left + signW * 0.55, bottom);
    sign.lineTo(left + signW, top);
    sign.lineTo(left + total + h * 0.04, top);
    p.setPen(strokePen(ink, std::max(1.3, h * 0.055)));
    p.setBrush(Qt::NoBrush);
    p.drawPath(sign);
    p.setFont(xf);
    p.drawText(QPointF(left + signW + h * 0.02, bottom - h * 0.02), "x");
}

// A blue globe with meridians and parallels, a question mark over it.
void drawHelpGlobe(QPainter& p, const QRectF& r, bool yellowMark, KeyLook look) {
    const qreal d = std::min(r.width(), r.height()) - 3.0;
    const QRectF g(r.center().x() - d / 2.0, r.center().y() - d / 2.0, d, d);
    if (look.hovered) {
        QRadialGradient glow(g.center(), d * 0.62);
        glow.setColorAt(0.75, QColor(120, 180, 255, 110));
        glow.setColorAt(1.0, QColor(120, 180, 255, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawEllipse(g.center(), d * 0.62, d * 0.62);
    }
    QRadialGradient sea(g.center() - QPointF(d * 0.18, d * 0.22), d * 0.75);
    sea.setColorAt(0.0, look.pressed ? QColor(0x4A, 0x8E, 0xDE) : QColor(0x8C, 0xCB, 0xFF));
    sea.setColorAt(0.55, QColor(0x2B, 0x6F, 0xD0));
    sea.setColorAt(1.0, QColor(0x0E, 0x2F, 0x74));
    p.setPen(QPen(QColor(0x0A, 0x22, 0x55), 1.0));
    p.setBrush(sea);
    p.drawEllipse(g);

    p.save();
    QPainterPath clip;
    clip.addEllipse(g);
    p.setClipPath(clip, Qt::IntersectClip);
    p.setPen(QPen(QColor(255, 255, 255, 95), std::max(0.8, d * 0.035)));
    p.setBrush(Qt::NoBrush);
    for (qreal f : {0.28, 0.62}) {
        const qreal w = d * f;
        p.drawEllipse(QRectF(g.center().x() - w / 2.0, g.top(), w, d));
    }
    p.drawLine(QPointF(g.center().x(), g.top()), QPointF(g.center().x(), g.bottom()));
    for (qreal f : {-0.3, 0.0, 0.3}) {
        const qreal y = g.center().y() + f * d;
        p.drawLine(QPointF(g.left(), y), QPointF(g.right(), y));
    }
    p.restore();

    // The mark is outlined so it stays legible over the lines of the globe.
    QFont mf = legendFont(d * 0.86, true);
    QPainterPath mark;
    const QFontMetricsF mm(mf);
    const qreal mx = g.center().x() - mm.horizontalAdvance("?") / 2.0;
    mark.addText(QPointF(mx, centredBaseline(mf, g.center().y())), mf, "?");
    p.setPen(QPen(QColor(0x06, 0x18, 0x40, 230), std::max(1.2, d * 0.08), Qt::SolidLine,
                  Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(mark);
    p.setPen(Qt::NoPen);
    p.setBrush(yellowMark ? QColor(0xFF, 0xE0, 0x3A) : QColor(0xFF, 0xFF, 0xFF));
    p.drawPath(mark);
}

void drawFunctionTab(QPainter& p, const QRectF& r, KeyLook look) {
    const QRectF tab = r.adjusted(1.0, 1.0, -1.0, -1.0);
    const qreal radius = tab.height() * 0.36;
    QLinearGradient gold(tab.topLeft(), tab.bottomLeft());
    QColor hi(0xFF, 0xE6, 0x8E), mid(0xE0, 0xAE, 0x3A), lo(0xA8, 0x76, 0x16);
    if (look.hovered) {
        hi = hi.lighter(110);
        mid = mid.lighter(112);
        lo = lo.lighter(115);
    }
    if (look.pressed) std::swap(hi, lo);
    gold.setColorAt(0.0, hi);
    gold.setColorAt(0.5, mid);
    gold.setColorAt(1.0, lo);
    p.setPen(QPen(look.hovered ? QColor(0xFF, 0xF4, 0xC8) : QColor(0x7A, 0x52, 0x08), 1.0));
    p.setBrush(gold);
    p.drawRoundedRect(tab, radius, radius);
    p.setPen(QPen(QColor(255, 255, 255, 110), 1.0));
    p.drawLine(QPointF(tab.left() + radius, tab.top() + 1.5),
               QPointF(tab.right() - radius, tab.top() + 1.5));
    const QFont f = fittedFont("Function", tab.height() * 0.54, tab.width() - 10.0);
    const QRectF text = look.pressed ? tab.translated(0, 1) : tab;
    drawCentredText(p, text.translated(0, 1), "Function", f, QColor(255, 240, 190, 120));
    drawCentredText(p, text, "Function", f, QColor(0x3A, 0x25, 0x02));
}

void drawClose(QPainter& p, const QRectF& r, bool hot, KeyLook look) {
    const QRectF back = r.adjusted(2.0, 1.5, -2.0, -1.5);
    const qreal radius = back.height() * 0.3;
    if (hot) {
        QLinearGradient red(back.topLeft(), back.bottomLeft());
        red.setColorAt(0.0, look.pressed ? QColor(0xA8, 0x22, 0x1A) : QColor(0xF0, 0x5A, 0x4C));
        red.setColorAt(1.0, QColor(0xB0, 0x24, 0x1C));
        p.setPen(QPen(QColor(0xFF, 0x9A, 0x8E), 1.0));
        p.setBrush(red);
        p.drawRoundedRect(back, radius, radius);
    } else if (look.hovered) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 40));
        p.drawRoundedRect(back, radius, radius);
    }
    const qreal s = std::min(r.width(), r.height()) * 0.2;
    const QPointF c = r.center();
    const QColor ink = hot || look.hovered ? QColor(0xFF, 0xFF, 0xFF) : QColor(0xD8, 0xDC, 0xE2);
    p.setPen(strokePen(ink, std::max(1.4, r.height() * 0.085)));
    p.drawLine(QPointF(c.x() - s, c.y() - s), QPointF(c.x() + s, c.y() + s));
    p.drawLine(QPointF(c.x() - s, c.y() + s), QPointF(c.x() + s, c.y() - s));
}

void drawFace(QPainter& p, const QRectF& r, Face face, KeyLook look) {
    const FaceColours c = faceColours(face, look);
    const QRectF body = r.adjusted(1.0, 1.0, -1.0, -1.0);
    const qreal radius = std::min(body.width(), body.height()) * 0.22;
    QLinearGradient fill(body.topLeft(), body.bottomLeft());
    fill.setColorAt(0.0, c.top);
    fill.setColorAt(1.0, c.bottom);
    QLinearGradient rim(body.topLeft(), body.bottomLeft());
    rim.setColorAt(0.0, c.rim);
    rim.setColorAt(1.0, c.rim.darker(170));
    p.setPen(QPen(QBrush(rim), 1.0));
    p.setBrush(fill);
    p.drawRoundedRect(body, radius, radius);
    // A faint sheen over the upper half gives the face its curve.
    const QRectF sheen(body.left() + 1.5, body.top() + 1.5, body.width() - 3.0,
                       body.height() * 0.48);
    QLinearGradient gloss(sheen.topLeft(), sheen.bottomLeft());
    gloss.setColorAt(0.0, QColor(255, 255, 255, look.pressed ? 10 : 34));
    gloss.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    p.drawRoundedRect(sheen, radius - 1.5, radius - 1.5);
}

// Two-line legends of the wide financial keys: the quantity's name, then its symbol.
void drawTwoLines(QPainter& p, const QRectF& r, const QString& first, const QString& second) {
    // One size for all six keys, whatever their height (the payment key is taller).
    const qreal px = std::min(r.height() * 0.36, 11.5);
    const QFont f1 = fittedFont(first, px, r.width() - 12.0);
    const QFont f2 = fittedFont(second, std::min(px, qreal(f1.pixelSize())), r.width() - 12.0);
    const QFontMetricsF m1(f1), m2(f2);
    const qreal gap = px * 0.28;
    const qreal block = m1.capHeight() + gap + m2.capHeight() + m2.descent() * 0.6;
    const qreal top = r.center().y() - block / 2.0;
    p.setFont(f1);
    p.setPen(kNumberInk);
    p.drawText(QPointF(r.center().x() - m1.horizontalAdvance(first) / 2.0, top + m1.capHeight()),
               first);
    p.setFont(f2);
    p.setPen(kNoteInk);
    p.drawText(QPointF(r.center().x() - m2.horizontalAdvance(second) / 2.0,
                       top + m1.capHeight() + gap + m2.capHeight()),
               second);
}

// How a glyph's legend is drawn.
enum class Legend {
    Letter,   // one character at its own size, never shrunk
    Word,     // a text shrunk until it fits the key
    TwoLines, // the financial keys: the quantity's name over its symbol
    Operator, // a stroked arithmetic sign
    Dot,      // the decimal point
    Raised,   // a base with a raised suffix: 10^x, x^2, x^-1, x^y
    Marks,    // degree, minute and second marks
    Sqrt,     // the root sign
    Own,      // not a keypad face: the tab, help and close keys draw themselves
};

enum class Ink { Number, Function, Operator, White, Del, Ac };

QColor inkColour(Ink ink) {
    switch (ink) {
    case Ink::Number:
        return kNumberInk;
    case Ink::Function:
        return kFunctionInk;
    case Ink::Operator:
        return kOperatorInk;
    case Ink::White:
        return QColor(Qt::white);
    case Ink::Del:
        return kDelInk;
    case Ink::Ac:
        break;
    }
    return kAcInk;
}

// Everything that tells glyphs apart, one row per glyph in the order of KeyGlyph: the face,
// the legend and its ink, the legend's height as a share of the key's, its texts (UTF-8; for
// a raised legend the base and the suffix, for two lines the first and the second) and the
// size the window gives the key.
struct GlyphFacts {
    KeyGlyph glyph;
    Face face;
    Legend legend;
    Ink ink;
    double size;
    const char* text;
    const char* second;
    int width, height;
};

using G = KeyGlyph;
using L = Legend;

// clang-format off
constexpr GlyphFacts kGlyphFacts[] = {
    {G::Digit0, Face::Number, L::Letter, Ink::Number, 0.47, "0", nullptr, 40, 35},
    {G::Digit1, Face::Number, L::Letter, Ink::Number, 0.47, "1", nullptr, 40, 35},
    {G::Digit2, Face::Number, L::Letter, Ink::Number, 0.47, "2", nullptr, 40, 35},
    {G::Digit3, Face::Number, L::Letter, Ink::Number, 0.47, "3", nullptr, 40, 35},
    {G::Digit4, Face::Number, L::Letter, Ink::Number, 0.47, "4", nullptr, 40, 35},
    {G::Digit5, Face::Number, L::Letter, Ink::Number, 0.47, "5", nullptr, 40, 35},
    {G::Digit6, Face::Number, L::Letter, Ink::Number, 0.47, "6", nullptr, 40, 35},
    {G::Digit7, Face::Number, L::Letter, Ink::Number, 0.47, "7", nullptr, 40, 35},
    {G::Digit8, Face::Number, L::Letter, Ink::Number, 0.47, "8", nullptr, 40, 35},
    {G::Digit9, Face::Number, L::Letter, Ink::Number, 0.47, "9", nullptr, 40, 35},
    {G::Dot, Face::Number, L::Dot, Ink::Number, 0.0, nullptr, nullptr, 40, 35},
    {G::Multiply, Face::Operator, L::Operator, Ink::Operator, 0.0, nullptr, nullptr, 40, 35},
    {G::Divide, Face::Operator, L::Operator, Ink::Operator, 0.0, nullptr, nullptr, 40, 35},
    {G::Minus, Face::Operator, L::Operator, Ink::Operator, 0.0, nullptr, nullptr, 40, 35},
    {G::Plus, Face::Operator, L::Operator, Ink::Operator, 0.0, nullptr, nullptr, 40, 35},
    {G::Del, Face::Operator, L::Word, Ink::Del, 0.38, "DEL", nullptr, 40, 35},
    {G::Ac, Face::Operator, L::Word, Ink::Ac, 0.40, "AC", nullptr, 40, 35},
    {G::Equal, Face::Accent, L::Operator, Ink::White, 0.0, nullptr, nullptr, 40, 35},
    {G::TenToX, Face::Function, L::Raised, Ink::Function, 0.0, "10", "x", 40, 35},
    {G::Ans, Face::Function, L::Word, Ink::Operator, 0.36, "Ans", nullptr, 40, 35},
    {G::Inverse, Face::Function, L::Raised, Ink::Function, 0.0, "x", "\u22121", 41, 32},
    {G::Square, Face::Function, L::Raised, Ink::Function, 0.0, "x", "2", 41, 32},
    {G::Percent, Face::Function, L::Word, Ink::Function, 0.46, "%", nullptr, 41, 32},
    {G::ToDms, Face::Function, L::Marks, Ink::Function, 0.56, "\u00B0 \u2032 \u2033", nullptr, 41, 32},
    {G::FromDms, Face::Function, L::Marks, Ink::Function, 0.56, "\u2033 \u2032 \u00B0", nullptr, 41, 32},
    {G::Log, Face::Function, L::Word, Ink::Function, 0.42, "log", nullptr, 41, 32},
    {G::Ln, Face::Function, L::Word, Ink::Function, 0.42, "ln", nullptr, 41, 32},
    {G::BracketOpen, Face::Function, L::Word, Ink::Function, 0.46, "(", nullptr, 41, 32},
    {G::BracketClose, Face::Function, L::Word, Ink::Function, 0.46, ")", nullptr, 41, 32},
    {G::XToY, Face::Function, L::Raised, Ink::Function, 0.0, "x", "y", 41, 32},
    {G::Sqrt, Face::Function, L::Sqrt, Ink::Function, 0.0, nullptr, nullptr, 41, 32},
    {G::PlusMinus, Face::Function, L::Operator, Ink::Function, 0.0, nullptr, nullptr, 41, 32},
    {G::Sin, Face::Function, L::Word, Ink::Function, 0.42, "sin", nullptr, 41, 32},
    {G::Cos, Face::Function, L::Word, Ink::Function, 0.42, "cos", nullptr, 41, 32},
    {G::Tan, Face::Function, L::Word, Ink::Function, 0.42, "tan", nullptr, 41, 32},
    {G::RightArrow, Face::Function, L::Operator, Ink::Function, 0.0, nullptr, nullptr, 41, 32},
    {G::Hyp, Face::Function, L::Word, Ink::Function, 0.42, "hyp", nullptr, 41, 32},
    {G::Asin, Face::Function, L::Word, Ink::Function, 0.42, "asin", nullptr, 41, 32},
    {G::Acos, Face::Function, L::Word, Ink::Function, 0.42, "acos", nullptr, 41, 32},
    {G::Atan, Face::Function, L::Word, Ink::Function, 0.42, "atan", nullptr, 41, 32},
    {G::FunctionTab, Face::Function, L::Own, Ink::Function, 0.0, nullptr, nullptr, 72, 25},
    {G::HelpWhite, Face::Function, L::Own, Ink::Function, 0.0, nullptr, nullptr, 34, 27},
    {G::HelpYellow, Face::Function, L::Own, Ink::Function, 0.0, nullptr, nullptr, 34, 27},
    {G::CloseNormal, Face::Function, L::Own, Ink::Function, 0.0, nullptr, nullptr, 28, 20},
    {G::CloseHover, Face::Function, L::Own, Ink::Function, 0.0, nullptr, nullptr, 28, 20},
    {G::HexA, Face::Number, L::Letter, Ink::Number, 0.44, "A", nullptr, 41, 32},
    {G::HexB, Face::Number, L::Letter, Ink::Number, 0.44, "B", nullptr, 41, 32},
    {G::HexC, Face::Number, L::Letter, Ink::Number, 0.44, "C", nullptr, 41, 32},
    {G::HexD, Face::Number, L::Letter, Ink::Number, 0.44, "D", nullptr, 41, 32},
    {G::HexE, Face::Number, L::Letter, Ink::Number, 0.44, "E", nullptr, 41, 32},
    {G::HexF, Face::Number, L::Letter, Ink::Number, 0.44, "F", nullptr, 41, 32},
    {G::Mod, Face::Function, L::Word, Ink::Operator, 0.36, "MOD", nullptr, 41, 32},
    {G::And, Face::Function, L::Word, Ink::Operator, 0.36, "AND", nullptr, 41, 32},
    {G::Or, Face::Function, L::Word, Ink::Operator, 0.36, "OR", nullptr, 41, 32},
    {G::Xor, Face::Function, L::Word, Ink::Operator, 0.36, "XOR", nullptr, 41, 32},
    {G::Not, Face::Function, L::Word, Ink::Operator, 0.36, "NOT", nullptr, 41, 32},
    {G::Lsh, Face::Function, L::Word, Ink::Operator, 0.36, "LSH", nullptr, 41, 32},
    {G::PresentValue, Face::Function, L::TwoLines, Ink::Number, 0.0, "Present value", "(PV)", 121, 32},
    {G::FutureValue, Face::Function, L::TwoLines, Ink::Number, 0.0, "Future value", "(FV)", 121, 32},
    {G::Payment, Face::Function, L::TwoLines, Ink::Number, 0.0, "Periodical", "payments (PMT)", 121, 48},
    {G::InterestPerYear, Face::Function, L::TwoLines, Ink::Number, 0.0, "Interest per", "year (I/YR)", 113, 32},
    {G::PeriodsPerYear, Face::Function, L::TwoLines, Ink::Number, 0.0, "Periods per", "year (P/YR)", 113, 32},
    {G::Periods, Face::Function, L::TwoLines, Ink::Number, 0.0, "Periods", "(N)", 113, 32},
    {G::Text, Face::Function, L::Word, Ink::Function, 0.42, "", nullptr, 41, 32},
};
// clang-format on

constexpr bool rowsInGlyphOrder() {
    for (std::size_t i = 0; i < std::size(kGlyphFacts); ++i)
        if (static_cast<std::size_t>(kGlyphFacts[i].glyph) != i) return false;
    return true;
}
static_assert(rowsInGlyphOrder(), "one row per glyph, in the order of KeyGlyph");
static_assert(std::size(kGlyphFacts) == static_cast<std::size_t>(KeyGlyph::Text) + 1,
              "every glyph has its row");

const GlyphFacts& factsOf(KeyGlyph g) {
    return kGlyphFacts[static_cast<std::size_t>(g)];
}

void drawLegend(QPainter& p, const QRectF& r, const GlyphFacts& g, const QString& legend) {
    const qreal h = r.height();
    const QColor ink = inkColour(g.ink);
    const QString text = g.glyph == KeyGlyph::Text ? legend : QString::fromUtf8(g.text);
    switch (g.legend) {
    case Legend::Letter:
        drawCentredText(p, r, text, legendFont(h * g.size), ink);
        break;
    case Legend::Word:
        drawCentredText(p, r, text, fittedFont(text, h * g.size, r.width() - 8.0), ink);
        break;
    case Legend::TwoLines:
        drawTwoLines(p, r, text, QString::fromUtf8(g.second));
        break;
    case Legend::Operator:
        drawOperator(p, r, g.glyph, ink);
        break;
    case Legend::Dot:
        drawDot(p, r, ink);
        break;
    case Legend::Raised:
        drawRaised(p, r, text, text == QLatin1String("x"), QString::fromUtf8(g.second), ink);
        break;
    case Legend::Marks:
        // Degree, minute and second marks sit high; centre them as a group a little lower.
        drawCentredText(p, r.translated(0, h * 0.16), text,
                        fittedFont(text, h * g.size, r.width() - 8.0), ink);
        break;
    case Legend::Sqrt:
        drawSqrt(p, r, ink);
        break;
    case Legend::Own:
        break;
    }
}

} // namespace

QSize keyGlyphNaturalSize(KeyGlyph glyph) {
    return {factsOf(glyph).width, factsOf(glyph).height};
}

void paintKeyGlyph(QPainter& painter, const QRectF& rect, KeyGlyph glyph, KeyLook look,
                   const QString& legend) {
    if (rect.width() < 4.0 || rect.height() < 4.0) return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    switch (glyph) {
    case KeyGlyph::FunctionTab:
        drawFunctionTab(painter, rect, look);
        break;
    case KeyGlyph::HelpWhite:
    case KeyGlyph::HelpYellow:
        drawHelpGlobe(painter, look.pressed ? rect.translated(0, 1) : rect,
                      glyph == KeyGlyph::HelpYellow, look);
        break;
    case KeyGlyph::CloseNormal:
    case KeyGlyph::CloseHover:
        drawClose(painter, rect, glyph == KeyGlyph::CloseHover, look);
        break;
    default: {
        drawFace(painter, rect, factsOf(glyph).face, look);
        if (!look.enabled) painter.setOpacity(0.4);
        drawLegend(painter, look.pressed ? rect.translated(0, 1) : rect, factsOf(glyph), legend);
        break;
    }
    }
    painter.restore();
}

} // namespace zc
