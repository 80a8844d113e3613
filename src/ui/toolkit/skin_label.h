// SPDX-License-Identifier: MIT
#pragma once

#include "ui/toolkit/colours.h"

#include <QLabel>

namespace zc {

// A static text that is either opaque (filled with its background colour) or transparent (the
// parent shows through), in a font colour of its own. Centred, MS Sans Serif 13 px, black on the
// button-face colour until told otherwise. A one-line plain text wider than the label is drawn
// a little narrower rather than cut, as the substitute fonts run wider than the layout's own.
class SkinLabel : public QLabel {
    Q_OBJECT

public:
    explicit SkinLabel(const QString& text, QWidget* parent = nullptr);

    void setOpaque(bool opaque);
    bool isOpaque() const { return autoFillBackground(); }
    void setBackgroundColour(const QColor& colour);
    QColor backgroundColour() const { return m_background; }
    void setFontColour(const QColor& c);
    QColor fontColour() const;

    // The selected look of a category label: transparent with white text; otherwise opaque with
    // black text.
    void setHighlighted(bool on);
    bool isHighlighted() const { return m_highlighted; }

    // An activatable label acts as a button: Tab reaches it, Space clicks it, it draws a focus
    // ring and assistive technology sees a button (checked while highlighted) with a Press action.
    void setActivatable(bool on);
    bool isActivatable() const { return m_activatable; }
    // What a click does, without the mouse.
    void click() { emit clicked(); }

signals:
    // A left-button press and release, both inside the label.
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void paintText(QPaintEvent* event);

    QColor m_background = colourFromValue(kButtonFace);
    bool m_highlighted = false;
    bool m_pressed = false;
    bool m_activatable = false;
};

} // namespace zc
