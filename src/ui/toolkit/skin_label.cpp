// SPDX-License-Identifier: MIT
#include "ui/toolkit/skin_label.h"

#include "ui/toolkit/focus_ring.h"

#include <QAccessible>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace zc {

SkinLabel::SkinLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    QFont f = font();
    f.setFamilies({"MS Sans Serif"});
    f.setPixelSize(13);
    setFont(f);
    setAlignment(Qt::AlignCenter);
    setFocusPolicy(Qt::NoFocus);
    setFontColour(Qt::black);
    setOpaque(true);
}

void SkinLabel::setOpaque(bool opaque) {
    if (opaque) {
        QPalette pal = palette();
        pal.setColor(QPalette::Window, m_background);
        setPalette(pal);
    }
    setAutoFillBackground(opaque);
}

void SkinLabel::setBackgroundColour(const QColor& colour) {
    m_background = colour;
    QPalette pal = palette();
    pal.setColor(QPalette::Window, colour);
    setPalette(pal);
}

void SkinLabel::setFontColour(const QColor& c) {
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, c);
    setPalette(pal);
}

QColor SkinLabel::fontColour() const {
    return palette().color(QPalette::WindowText);
}

void SkinLabel::setHighlighted(bool on) {
    const bool changed = on != m_highlighted;
    m_highlighted = on;
    setOpaque(!on);
    setFontColour(on ? Qt::white : Qt::black);
    if (changed && m_activatable && QAccessible::isActive()) {
        QAccessible::State state;
        state.checked = true;
        QAccessibleStateChangeEvent event(this, state);
        QAccessible::updateAccessibility(&event);
    }
}

void SkinLabel::setActivatable(bool on) {
    m_activatable = on;
    setFocusPolicy(on ? Qt::TabFocus : Qt::NoFocus);
}

void SkinLabel::keyPressEvent(QKeyEvent* event) {
    if (m_activatable && event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
        event->accept();
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

void SkinLabel::focusInEvent(QFocusEvent* event) {
    QLabel::focusInEvent(event);
    update();
}

void SkinLabel::focusOutEvent(QFocusEvent* event) {
    QLabel::focusOutEvent(event);
    update();
}

void SkinLabel::paintEvent(QPaintEvent* event) {
    paintText(event);
    if (hasFocus()) {
        QPainter p(this);
        paintFocusRing(p, QRectF(rect()), 2.0);
    }
}

void SkinLabel::paintText(QPaintEvent* event) {
    const QString t = text();
    const bool plainLine = !wordWrap() && !t.contains('\n') && pixmap().isNull() &&
                           (textFormat() == Qt::PlainText ||
                            (textFormat() == Qt::AutoText && !Qt::mightBeRichText(t)));
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    const qreal natural = QFontMetricsF(font()).horizontalAdvance(t);
    if (!plainLine || natural <= area.width() || area.width() <= 0) {
        QLabel::paintEvent(event);
        return;
    }
    // Narrowing stops at 70 %; beyond that the text is clipped like any label's.
    QFont narrow = font();
    narrow.setStretch(std::max(70, int(100.0 * area.width() / natural)));
    QPainter p(this);
    p.setFont(narrow);
    p.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
    p.drawText(area, int(alignment()), t);
}

void SkinLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QLabel::mousePressEvent(event);
        return;
    }
    m_pressed = true;
    event->accept();
}

void SkinLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !m_pressed) {
        QLabel::mouseReleaseEvent(event);
        return;
    }
    m_pressed = false;
    event->accept();
    if (rect().contains(event->position().toPoint())) emit clicked();
}

} // namespace zc
