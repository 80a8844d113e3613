// SPDX-License-Identifier: MIT
#include "ui/toolkit/link_label.h"

#include <QEvent>

namespace zc {

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : SkinLabel(text, parent) {
    setOpaque(false);
    setFontColour(colourFromValue(0xFF0000));
    setCursor(Qt::PointingHandCursor);
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
}

void LinkLabel::setHint(const QString& hint) {
    setToolTip(hint);
}

// A link stays underlined whatever font it is given later.
void LinkLabel::changeEvent(QEvent* event) {
    SkinLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange && !font().underline()) {
        QFont f = font();
        f.setUnderline(true);
        setFont(f);
    }
}

} // namespace zc
