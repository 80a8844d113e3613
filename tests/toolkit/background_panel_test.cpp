// SPDX-License-Identifier: MIT
#include "toolkit_test_support.h"
#include "ui/toolkit/background_panel.h"
#include "ui/toolkit/sub_panel.h"

#include <QMouseEvent>
#include <QPainterPath>
#include <QRegion>
#include <QSignalSpy>

namespace zc {
namespace {

bool isGrey(QColor c, int atLeast) {
    return c.red() >= atLeast && std::abs(c.red() - c.green()) < 16 &&
           std::abs(c.red() - c.blue()) < 20;
}

TEST(BackgroundPanel, BlackFaceInsideAGreyFrameAtAnySize) {
    for (const QSize size : {QSize(253, 606), QSize(90, 60)}) {
        BackgroundPanel panel;
        panel.resize(size);
        const QImage image = panel.grab().toImage();
        const QColor centre = image.pixelColor(size.width() / 2, size.height() / 2);
        EXPECT_LT(centre.lightness(), 12) << size.width() << "x" << size.height();
        EXPECT_TRUE(isGrey(image.pixelColor(1, size.height() / 2), 70));
        EXPECT_TRUE(isGrey(image.pixelColor(size.width() / 2, 1), 70));
    }
}

// The window's outline is cut in whole pixels; every pixel it keeps must be
// fully painted, or the corners show what lies under the panel.
TEST(BackgroundPanel, EveryPixelInsideTheOutlineIsOpaque) {
    BackgroundPanel panel;
    panel.resize(253, 606);
    const QImage image = panel.grab().toImage();
    QPainterPath path;
    path.addRoundedRect(QRectF(0, 0, 253, 606), BackgroundPanel::kCornerRadius,
                        BackgroundPanel::kCornerRadius);
    const QRegion outline(path.toFillPolygon().toPolygon());
    int checked = 0;
    for (const QRect& corner : {QRect(0, 0, 30, 30), QRect(223, 576, 30, 30)}) {
        for (int y = corner.top(); y <= corner.bottom(); ++y)
            for (int x = corner.left(); x <= corner.right(); ++x) {
                if (!outline.contains(QPoint(x, y))) continue;
                ++checked;
                ASSERT_EQ(image.pixelColor(x, y).alpha(), 255) << x << "," << y;
            }
    }
    EXPECT_GT(checked, 0);
}

TEST(BackgroundPanel, ReportsPressesWithTheirButton) {
    BackgroundPanel panel;
    panel.resize(120, 80);
    test::showExposed(panel);
    QList<Qt::MouseButton> buttons;
    QObject::connect(&panel, &BackgroundPanel::mousePressed,
                     [&](QMouseEvent* e) { buttons.append(e->button()); });
    test::EmitCounter released(&panel, &BackgroundPanel::mouseReleased);
    QTest::mouseClick(panel.windowHandle(), Qt::LeftButton, {}, QPoint(60, 40));
    QTest::mouseClick(panel.windowHandle(), Qt::RightButton, {}, QPoint(60, 40));
    EXPECT_EQ(buttons, (QList<Qt::MouseButton>{Qt::LeftButton, Qt::RightButton}));
    EXPECT_EQ(released.count(), 2);
}

TEST(SubPanel, IsATransparentContainer) {
    BackgroundPanel panel;
    panel.resize(120, 80);
    SubPanel sub(&panel);
    sub.setGeometry(0, 0, 120, 80);
    EXPECT_FALSE(sub.autoFillBackground());
    // The black face shows through, not the button-face grey of a plain widget.
    EXPECT_LT(panel.grab().toImage().pixelColor(60, 40).lightness(), 12);
}

} // namespace
} // namespace zc
