// SPDX-License-Identifier: MIT
#include "ui/toolkit/image_key.h"

#include "ui/toolkit/focus_ring.h"

#include <QAccessible>
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

void ImageKey::setLegend(const QString& legend) {
    if (legend == m_legend) return;
    m_legend = legend;
    update();
}

QSize ImageKey::sizeHint() const {
    return keyGlyphNaturalSize(m_glyph);
}

void ImageKey::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintKeyGlyph(painter, QRectF(rect()), m_glyph, {m_hovered, isDown(), isEnabled()}, m_legend);
    if (hasFocus()) paintFocusRing(painter, QRectF(rect()));
}

void ImageKey::focusInEvent(QFocusEvent* event) {
    QAbstractButton::focusInEvent(event);
    update();
}

void ImageKey::focusOutEvent(QFocusEvent* event) {
    QAbstractButton::focusOutEvent(event);
    update();
}

void ImageKey::notifyLatchChanged() {
    const bool latched = isLatched();
    if (latched == m_lastLatched) return;
    m_lastLatched = latched;
    if (!QAccessible::isActive()) return;
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

void ImageKey::setCovered(bool covered) {
    if (covered == m_covered) return;
    m_covered = covered;
    if (covered) {
        m_uncoveredPolicy = focusPolicy();
        if (hasFocus()) clearFocus();
        setFocusPolicy(Qt::NoFocus);
    } else {
        setFocusPolicy(m_uncoveredPolicy);
    }
    if (QAccessible::isActive()) {
        QAccessible::State changed;
        changed.invisible = true;
        QAccessibleStateChangeEvent event(this, changed);
        QAccessible::updateAccessibility(&event);
    }
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
