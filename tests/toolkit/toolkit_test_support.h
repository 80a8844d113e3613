// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QPoint>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace zc::test {

// Shows a top-level widget and waits until the offscreen platform has exposed it.
inline void showExposed(QWidget& top) {
    top.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&top));
}

// Where a point of `w` lies in its window, for events sent through the window so that Qt picks
// the receiver by hit-testing as it does for a real pointer.
inline QPoint inWindow(const QWidget* w, QPoint local) {
    return w->mapTo(w->window(), local);
}
inline QPoint centreInWindow(const QWidget* w) {
    return inWindow(w, w->rect().center());
}

// Counts emissions of a signal whose arguments QSignalSpy cannot store (QMouseEvent*).
class EmitCounter {
public:
    template <typename Sender, typename Signal> EmitCounter(Sender* sender, Signal signal) {
        QObject::connect(sender, signal, &m_context, [this](auto&&...) { ++m_count; });
    }
    int count() const { return m_count; }

private:
    QObject m_context;
    int m_count = 0;
};

// Number of different colours in an image: one means nothing was drawn.
inline int distinctColours(const QImage& image) {
    QList<QRgb> seen;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            if (!seen.contains(c)) seen.append(c);
            if (seen.size() > 64) return int(seen.size());
        }
    return int(seen.size());
}

} // namespace zc::test
