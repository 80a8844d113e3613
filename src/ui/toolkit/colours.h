// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QtGlobal>

namespace zc {

// The system's 32-bit colour values keep red in the low byte, green in the next and blue in
// the third; the high byte is ignored.
QColor colourFromValue(quint32 value);
quint32 colourValue(const QColor& c);

inline constexpr quint32 kButtonFace = 0xF0F0F0;

} // namespace zc
