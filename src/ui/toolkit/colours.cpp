// SPDX-License-Identifier: MIT
#include "ui/toolkit/colours.h"

namespace zc {

QColor colourFromValue(quint32 value) {
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

quint32 colourValue(const QColor& c) {
    const QColor rgb = c.toRgb();
    return quint32(rgb.red()) | (quint32(rgb.green()) << 8) | (quint32(rgb.blue()) << 16);
}

} // namespace zc
