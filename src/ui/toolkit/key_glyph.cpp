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

Face faceOf(KeyGlyph g) {
    switch (g) {
    case KeyGlyph::Digit0:
    case KeyGlyph::Digit1:
    case KeyGlyph::Digit2:
    case KeyGlyph::Digit3:
    case KeyGlyph::Digit4:
    case KeyGlyph::Digit5:
    case KeyGlyph::Digit6:
    case KeyGlyph::Digit7:
    case KeyGlyph::Digit8:
    case KeyGlyph::Digit9:
    case KeyGlyph::Dot:
    case KeyGlyph::HexA:
    case KeyGlyph::HexB:
    case KeyGlyph::HexC:
    case KeyGlyph::HexD:
    case KeyGlyph::HexE:
    case KeyGlyph::HexF:
        return Face::Number;
    case KeyGlyph::Multiply:
    case KeyGlyph::Divide:
    case KeyGlyph::Minus:
    case KeyGlyph::Plus:
    case KeyGlyph::Del:
    case KeyGlyph::Ac:
        return Face::Operator;
    case KeyGlyph::Equal:
        return Face::Accent;
    default:
        return Face::Function;
    }
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

struct WordLegend {
    KeyGlyph glyph;
    const char* text;
};

constexpr WordLegend kWords[] = {
    {KeyGlyph::Ans, "Ans"},   {KeyGlyph::Percent, "%"},     {KeyGlyph::Log, "log"},
    {KeyGlyph::Ln, "ln"},     {KeyGlyph::BracketOpen, "("}, {KeyGlyph::BracketClose, ")"},
    {KeyGlyph::Sin, "sin"},   {KeyGlyph::Cos, "cos"},       {KeyGlyph::Tan, "tan"},
    {KeyGlyph::Hyp, "hyp"},   {KeyGlyph::Asin, "asin"},     {KeyGlyph::Acos, "acos"},
    {KeyGlyph::Atan, "atan"}, {KeyGlyph::Mod, "MOD"},       {KeyGlyph::And, "AND"},
    {KeyGlyph::Or, "OR"},     {KeyGlyph::Xor, "XOR"},       {KeyGlyph::Not, "NOT"},
    {KeyGlyph::Lsh, "LSH"},
};

struct FinanceLegend {
    KeyGlyph glyph;
    const char* first;
    const char* second;
};

constexpr FinanceLegend kFinance[] = {
    {KeyGlyph::PresentValue, "Present value", "(PV)"},
    {KeyGlyph::FutureValue, "Future value", "(FV)"},
    {KeyGlyph::Payment, "Periodical", "payments (PMT)"},
    {KeyGlyph::InterestPerYear, "Interest per", "year (I/YR)"},
    {KeyGlyph::PeriodsPerYear, "Periods per", "year (P/YR)"},
    {KeyGlyph::Periods, "Periods", "(N)"},
};

void drawLegend(QPainter& p, const QRectF& r, KeyGlyph g) {
    const qreal h = r.height();
    const int index = int(g);
    if (g >= KeyGlyph::Digit0 && g <= KeyGlyph::Digit9) {
        drawCentredText(p, r, QString(QChar('0' + index)), legendFont(h * 0.47), kNumberInk);
        return;
    }
    if (g >= KeyGlyph::HexA && g <= KeyGlyph::HexF) {
        const int letter = index - int(KeyGlyph::HexA);
        drawCentredText(p, r, QString(QChar('A' + letter)), legendFont(h * 0.44), kNumberInk);
        return;
    }
    for (const WordLegend& w : kWords) {
        if (w.glyph != g) continue;
        const QString text = QString::fromLatin1(w.text);
        const bool upper = text.front().isUpper();
        const qreal px = text.size() == 1 ? h * 0.46 : h * (upper ? 0.36 : 0.42);
        drawCentredText(p, r, text, fittedFont(text, px, r.width() - 8.0),
                        upper || g == KeyGlyph::Ans ? kOperatorInk : kFunctionInk);
        return;
    }
    for (const FinanceLegend& f : kFinance) {
        if (f.glyph != g) continue;
        drawTwoLines(p, r, QString::fromLatin1(f.first), QString::fromLatin1(f.second));
        return;
    }
    switch (g) {
    case KeyGlyph::Dot:
        drawDot(p, r, kNumberInk);
        break;
    case KeyGlyph::Multiply:
    case KeyGlyph::Divide:
    case KeyGlyph::Minus:
    case KeyGlyph::Plus:
    case KeyGlyph::Equal:
        drawOperator(p, r, g, g == KeyGlyph::Equal ? QColor(Qt::white) : kOperatorInk);
        break;
    case KeyGlyph::PlusMinus:
    case KeyGlyph::RightArrow:
        drawOperator(p, r, g, kFunctionInk);
        break;
    case KeyGlyph::Del:
        drawCentredText(p, r, "DEL", fittedFont("DEL", h * 0.38, r.width() - 8.0), kDelInk);
        break;
    case KeyGlyph::Ac:
        drawCentredText(p, r, "AC", fittedFont("AC", h * 0.40, r.width() - 8.0), kAcInk);
        break;
    case KeyGlyph::TenToX:
        drawRaised(p, r, "10", false, "x", kFunctionInk);
        break;
    case KeyGlyph::Inverse:
        drawRaised(p, r, "x", true, QString(QChar(0x2212)) + "1", kFunctionInk);
        break;
    case KeyGlyph::Square:
        drawRaised(p, r, "x", true, "2", kFunctionInk);
        break;
    case KeyGlyph::XToY:
        drawRaised(p, r, "x", true, "y", kFunctionInk);
        break;
    case KeyGlyph::ToDms:
    case KeyGlyph::FromDms: {
        // Degree, minute and second marks sit high; centre them as a group a little lower.
        const QString marks = g == KeyGlyph::ToDms ? QStringLiteral("\u00B0 \u2032 \u2033")
                                                   : QStringLiteral("\u2033 \u2032 \u00B0");
        drawCentredText(p, r.translated(0, h * 0.16), marks,
                        fittedFont(marks, h * 0.56, r.width() - 8.0), kFunctionInk);
        break;
    }
    case KeyGlyph::Sqrt:
        drawSqrt(p, r, kFunctionInk);
        break;
    default:
        break;
    }
}

} // namespace

QSize keyGlyphNaturalSize(KeyGlyph glyph) {
    switch (glyph) {
    case KeyGlyph::FunctionTab:
        return {72, 25};
    case KeyGlyph::HelpWhite:
    case KeyGlyph::HelpYellow:
        return {34, 27};
    case KeyGlyph::CloseNormal:
    case KeyGlyph::CloseHover:
        return {28, 20};
    case KeyGlyph::PresentValue:
    case KeyGlyph::FutureValue:
        return {121, 32};
    case KeyGlyph::Payment:
        return {121, 48};
    case KeyGlyph::InterestPerYear:
    case KeyGlyph::PeriodsPerYear:
    case KeyGlyph::Periods:
        return {113, 32};
    default:
        return glyph <= KeyGlyph::Ans ? QSize(40, 35) : QSize(41, 32);
    }
}

void paintKeyGlyph(QPainter& painter, const QRectF& rect, KeyGlyph glyph, KeyLook look) {
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
        drawFace(painter, rect, faceOf(glyph), look);
        if (!look.enabled) painter.setOpacity(0.4);
        drawLegend(painter, look.pressed ? rect.translated(0, 1) : rect, glyph);
        break;
    }
    }
    painter.restore();
}

} // namespace zc
