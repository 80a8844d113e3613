// SPDX-License-Identifier: MIT
#include "ui/toolkit/background_panel.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace zc {
namespace {

constexpr qreal kFrameWidth = 3.0;
// The frame's glow fades into the black face over this many pixels.
constexpr int kGlowDepth = 6;

} // namespace

BackgroundPanel::BackgroundPanel(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
}

void BackgroundPanel::renderCache(QSize size, qreal dpr) {
    m_cache = QPixmap(size * dpr);
    m_cache.setDevicePixelRatio(dpr);
    m_cache.fill(Qt::transparent);

    QPainter p(&m_cache);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QRectF outer(0, 0, size.width(), size.height());

    // The frame: brushed grey, light at the top and bottom edges, darker in between, with a
    // sideways sheen so the long edges do not look flat.
    QLinearGradient metal(outer.topLeft(), outer.bottomLeft());
    metal.setColorAt(0.0, QColor(0xC8, 0xCB, 0xD0));
    metal.setColorAt(0.04, QColor(0x8E, 0x92, 0x99));
    metal.setColorAt(0.5, QColor(0x5C, 0x60, 0x66));
    metal.setColorAt(0.96, QColor(0x80, 0x84, 0x8A));
    metal.setColorAt(1.0, QColor(0xB4, 0xB7, 0xBC));
    // The frame fills the whole square: the window's outline is cut out of it
    // in whole pixels, and every pixel the cut keeps must be frame, not a
    // half-transparent edge over whatever lies beneath the panel.
    p.setPen(Qt::NoPen);
    p.fillRect(outer, metal);

    QLinearGradient sheen(outer.topLeft(), outer.topRight());
    sheen.setColorAt(0.0, QColor(255, 255, 255, 50));
    sheen.setColorAt(0.3, QColor(255, 255, 255, 0));
    sheen.setColorAt(0.7, QColor(0, 0, 0, 0));
    sheen.setColorAt(1.0, QColor(0, 0, 0, 45));
    p.fillRect(outer, sheen);

    // A hairline just inside the edge catches the light. It runs one pixel in
    // from the outline, so the cut (in steps of a whole pixel, two device
    // pixels at scale 2) never chops it and it stays smooth at every scale.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 70), 1.0));
    p.drawRoundedRect(outer.adjusted(1.5, 1.5, -1.5, -1.5), kCornerRadius - 1.5,
                      kCornerRadius - 1.5);

    // The face: black, a breath lighter at the top.
    const QRectF face = outer.adjusted(kFrameWidth, kFrameWidth, -kFrameWidth, -kFrameWidth);
    const qreal faceRadius = kCornerRadius - kFrameWidth;
    QLinearGradient black(face.topLeft(), face.bottomLeft());
    black.setColorAt(0.0, QColor(0x14, 0x15, 0x18));
    black.setColorAt(0.12, QColor(0x03, 0x03, 0x04));
    black.setColorAt(1.0, QColor(0x00, 0x00, 0x00));
    p.setPen(QPen(QColor(0x20, 0x21, 0x24), 1.0));
    p.setBrush(black);
    p.drawRoundedRect(face, faceRadius, faceRadius);

    // The grey of the frame bleeds a few pixels into the face, so the edge reads as bevelled.
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < kGlowDepth; ++i) {
        const qreal inset = 0.5 + i;
        const int alpha = 70 * (kGlowDepth - i) / kGlowDepth;
        p.setPen(QPen(QColor(0x9A, 0x9E, 0xA6, alpha * alpha / 70), 1.0));
        p.drawRoundedRect(face.adjusted(inset, inset, -inset, -inset), faceRadius - inset,
                          faceRadius - inset);
    }
}

// The corners outside the outline are painted too; the window's rounded shape cuts them away.
void BackgroundPanel::paintEvent(QPaintEvent*) {
    const qreal dpr = devicePixelRatioF();
    if (m_cache.isNull() || m_cache.deviceIndependentSize().toSize() != size() ||
        m_cache.devicePixelRatio() != dpr)
        renderCache(size(), dpr);
    QPainter p(this);
    p.drawPixmap(0, 0, m_cache);
}

void BackgroundPanel::mousePressEvent(QMouseEvent* event) {
    event->accept();
    emit mousePressed(event);
}

void BackgroundPanel::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    emit mouseMoved(event);
}

void BackgroundPanel::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    emit mouseReleased(event);
}

} // namespace zc
