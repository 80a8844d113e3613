// SPDX-License-Identifier: MIT
#pragma once

#include <QRectF>

class QPainter;

namespace zc {

// The keyboard focus mark of the skinned controls: an amber ring with a dark edge, so it shows
// on the black face, on the light category labels and on the coloured keys alike.
void paintFocusRing(QPainter& painter, const QRectF& rect, qreal radius = 3.0);

} // namespace zc
