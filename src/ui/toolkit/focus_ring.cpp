// SPDX-License-Identifier: MIT
#include "ui/toolkit/focus_ring.h"

#include <QPainter>
#include <QPen>

namespace zc {

void paintFocusRing(QPainter& painter, const QRectF& rect, qreal radius) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setBrush(Qt::NoBrush);
    const QRectF outer = rect.adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(QPen(QColor(0x10, 0x10, 0x10), 1.0));
    painter.drawRoundedRect(outer, radius, radius);
    painter.setPen(QPen(QColor(0xFF, 0xB3, 0x00), 2.0));
    painter.drawRoundedRect(outer.adjusted(1.5, 1.5, -1.5, -1.5), radius, radius);
    painter.restore();
}

} // namespace zc
