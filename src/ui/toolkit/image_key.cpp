// SPDX-License-Identifier: MIT
#include "ui/toolkit/image_key.h"

#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>

namespace zc {

ImageKey::ImageKey(KeyGlyph glyph, QWidget* parent) : QAbstractButton(parent), m_glyph(glyph) {
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    resize(keyGlyphNaturalSize(glyph));
}

void ImageKey::setGlyph(KeyGlyph glyph) {
    if (glyph == m_glyph) return;
    m_glyph = glyph;
    update();
}

QSize ImageKey::sizeHint() const {
    return keyGlyphNaturalSize(m_glyph);
}

void ImageKey::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintKeyGlyph(painter, QRectF(rect()), m_glyph, {m_hovered, isDown(), isEnabled()});
}

void ImageKey::enterEvent(QEnterEvent* event) {
    setHovered(true);
    QAbstractButton::enterEvent(event);
}

void ImageKey::leaveEvent(QEvent* event) {
    setHovered(false);
    QAbstractButton::leaveEvent(event);
}

// A key hidden under the pointer gets no leave event; it must not come back lit.
void ImageKey::hideEvent(QHideEvent* event) {
    setHovered(false);
    QAbstractButton::hideEvent(event);
}

void ImageKey::mouseMoveEvent(QMouseEvent* event) {
    QAbstractButton::mouseMoveEvent(event);
    // Kept here: a move passed on would reach the panel behind, which reads it as the pointer
    // having left the key.
    event->accept();
    emit mouseMoved();
}

void ImageKey::setHovered(bool hovered) {
    if (hovered == m_hovered) return;
    m_hovered = hovered;
    update();
}

} // namespace zc
