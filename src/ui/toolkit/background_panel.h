// SPDX-License-Identifier: MIT
#pragma once

#include <QPixmap>
#include <QWidget>

class QMouseEvent;

namespace zc {

// The window's background: a black face inside a grey gradient frame with rounded corners,
// drawn at whatever size the panel has. Mouse events over it (and over children that pass them
// on) are reported so the window can be dragged by its background.
class BackgroundPanel : public QWidget {
    Q_OBJECT

public:
    explicit BackgroundPanel(QWidget* parent = nullptr);

    // Corner radius of the outline, matching the window's rounded shape (45 x 45 ellipses).
    static constexpr qreal kCornerRadius = 22.5;

signals:
    void mousePressed(QMouseEvent* event);
    void mouseMoved(QMouseEvent* event);
    void mouseReleased(QMouseEvent* event);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void renderCache(QSize size, qreal dpr);

    QPixmap m_cache;
};

} // namespace zc
