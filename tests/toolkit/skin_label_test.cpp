// SPDX-License-Identifier: MIT
#include "toolkit_test_support.h"
#include "ui/toolkit/background_panel.h"
#include "ui/toolkit/colours.h"
#include "ui/toolkit/link_label.h"
#include "ui/toolkit/skin_label.h"

#include <QSignalSpy>

namespace zc {
namespace {

class SkinLabelTest : public ::testing::Test {
protected:
    void SetUp() override {
        panel.resize(160, 80);
        label = new SkinLabel("dist", &panel);
        label->setGeometry(30, 30, 47, 17);
        test::showExposed(panel);
    }

    // A pixel inside the label but clear of its text.
    QColor backgroundPixel() {
        return panel.grab().toImage().pixelColor(label->pos() + QPoint(1, 1));
    }

    BackgroundPanel panel;
    SkinLabel* label = nullptr;
};

TEST_F(SkinLabelTest, StartsOpaqueBlackOnButtonFaceCentredIn13Px) {
    EXPECT_TRUE(label->isOpaque());
    EXPECT_TRUE(label->autoFillBackground());
    EXPECT_FALSE(label->isHighlighted());
    EXPECT_EQ(label->fontColour(), QColor(Qt::black));
    EXPECT_EQ(label->palette().color(QPalette::Window), colourFromValue(kButtonFace));
    EXPECT_EQ(label->font().pixelSize(), 13);
    EXPECT_EQ(label->alignment(), Qt::AlignCenter);
    EXPECT_EQ(backgroundPixel(), colourFromValue(kButtonFace));
}

TEST_F(SkinLabelTest, HighlightIsTransparentWithWhiteTextAndSwitchesBack) {
    label->setHighlighted(true);
    EXPECT_TRUE(label->isHighlighted());
    EXPECT_FALSE(label->autoFillBackground());
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::white));
    EXPECT_LT(backgroundPixel().lightness(), 12) << "the black face shows through";

    label->setHighlighted(false);
    EXPECT_TRUE(label->autoFillBackground());
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::black));
    EXPECT_EQ(backgroundPixel(), colourFromValue(kButtonFace));
}

TEST_F(SkinLabelTest, BackgroundColourIsUsedWhenOpaque) {
    label->setBackgroundColour(colourFromValue(0x808000));
    label->setOpaque(false);
    label->setOpaque(true);
    EXPECT_EQ(backgroundPixel(), QColor(0, 128, 128));
}

TEST_F(SkinLabelTest, ClickedOnlyForALeftClickInside) {
    QSignalSpy clicked(label, &SkinLabel::clicked);
    test::EmitCounter panelPressed(&panel, &BackgroundPanel::mousePressed);
    const QPoint centre = test::centreInWindow(label);
    QTest::mouseClick(panel.windowHandle(), Qt::RightButton, {}, centre);
    EXPECT_EQ(clicked.count(), 0);
    QTest::mouseClick(panel.windowHandle(), Qt::LeftButton, {}, centre);
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_EQ(panelPressed.count(), 1) << "only the right press reaches the panel";
    // Pressed inside, released outside: no click.
    QTest::mousePress(panel.windowHandle(), Qt::LeftButton, {}, centre);
    QTest::mouseRelease(panel.windowHandle(), Qt::LeftButton, {}, QPoint(140, 70));
    EXPECT_EQ(clicked.count(), 1);
}

TEST(LinkLabel, IsTransparentUnderlinedWithAHandCursorAndItsHintAsToolTip) {
    LinkLabel link("Zentorix - Best Math Tools On Earth!");
    EXPECT_FALSE(link.isOpaque());
    EXPECT_TRUE(link.font().underline());
    EXPECT_EQ(link.cursor().shape(), Qt::PointingHandCursor);
    link.setHint("Click to access to Zentorix web site");
    EXPECT_EQ(link.hint(), "Click to access to Zentorix web site");
    EXPECT_EQ(link.toolTip(), link.hint());
    QFont small;
    small.setPixelSize(5);
    link.setFont(small);
    EXPECT_TRUE(link.font().underline()) << "a new font keeps the underline";
    EXPECT_EQ(link.font().pixelSize(), 5);
}

} // namespace
} // namespace zc
