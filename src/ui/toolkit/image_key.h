// SPDX-License-Identifier: MIT
#pragma once

#include "ui/toolkit/key_glyph.h"

#include <QAbstractButton>

class QEnterEvent;

namespace zc {

// A flat, borderless key that draws its own legend. It never takes the keyboard focus, so the
// window sees every key press, and it has no caption: what it shows is its glyph.
class ImageKey : public QAbstractButton {
    Q_OBJECT

public:
    explicit ImageKey(KeyGlyph glyph, QWidget* parent = nullptr);

    void setGlyph(KeyGlyph glyph);
    KeyGlyph glyph() const { return m_glyph; }
    bool isHovered() const { return m_hovered; }

    QSize sizeHint() const override;

signals:
    // Every mouse move over the key, pressed or not.
    void mouseMoved();

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void setHovered(bool hovered);

    KeyGlyph m_glyph;
    bool m_hovered = false;
};

} // namespace zc
