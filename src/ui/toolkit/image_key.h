// SPDX-License-Identifier: MIT
#pragma once

#include "ui/toolkit/key_glyph.h"

#include <QAbstractButton>
#include <functional>

class QEnterEvent;

namespace zc {

// A flat, borderless key that draws its own legend; it has no caption: what it shows is its
// glyph. It takes no keyboard focus unless the window gives it a focus policy; with the focus it
// shows a focus ring and Space presses it, while every other key goes on to the window.
class ImageKey : public QAbstractButton {
    Q_OBJECT

public:
    explicit ImageKey(KeyGlyph glyph, QWidget* parent = nullptr);

    void setGlyph(KeyGlyph glyph);
    KeyGlyph glyph() const { return m_glyph; }
    // The word the key shows with the Text glyph.
    void setLegend(const QString& legend);
    QString legend() const { return m_legend; }
    bool isHovered() const { return m_hovered; }

    // A key that switches a mode on reads that mode as its latched state (for assistive
    // technology); keys without a source have none.
    void setLatchSource(std::function<bool()> source) { m_latchSource = std::move(source); }
    bool isLatchable() const { return bool(m_latchSource); }
    bool isLatched() const { return m_latchSource && m_latchSource(); }
    // Tells assistive technology that the latched state may have changed.
    void notifyLatchChanged();

    // A key lying under another panel's key at the same place: it is neither reachable with Tab
    // nor presented as showing. The focus policy it had comes back when it is uncovered.
    void setCovered(bool covered);
    bool isCovered() const { return m_covered; }

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
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void setHovered(bool hovered);

    KeyGlyph m_glyph;
    QString m_legend;
    bool m_hovered = false;
    bool m_covered = false;
    bool m_lastLatched = false;
    Qt::FocusPolicy m_uncoveredPolicy = Qt::NoFocus;
    std::function<bool()> m_latchSource;
};

} // namespace zc
