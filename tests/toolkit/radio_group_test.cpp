// SPDX-License-Identifier: MIT
#include "toolkit_test_support.h"
#include "ui/toolkit/background_panel.h"
#include "ui/toolkit/radio_group.h"

#include <QSignalSpy>

namespace zc {
namespace {

class RadioGroupTest : public ::testing::Test {
protected:
    void SetUp() override {
        panel.resize(160, 80);
        group = new RadioGroup({"DEG", "RAD", "GRAD"}, 3, &panel);
        group->setGeometry(20, 20, 115, 33);
        group->setCurrentIndex(0);
        test::showExposed(panel);
    }

    void clickItem(int index) {
        QTest::mouseClick(panel.windowHandle(), Qt::LeftButton, {},
                          test::inWindow(group, group->itemRect(index).center()));
    }

    BackgroundPanel panel;
    RadioGroup* group = nullptr;
};

TEST_F(RadioGroupTest, ItemsSitInEqualColumns) {
    ASSERT_EQ(group->count(), 3);
    EXPECT_EQ(group->itemText(2), "GRAD");
    for (int i = 0; i < 3; ++i) {
        const QRect r = group->itemRect(i);
        EXPECT_NEAR(r.width(), 115 / 3, 1);
        EXPECT_EQ(r.height(), 33);
        EXPECT_EQ(group->indexAt(r.center()), i);
    }
    EXPECT_EQ(group->itemRect(0).right() + 1, group->itemRect(1).left());
    EXPECT_TRUE(group->itemRect(3).isEmpty());
    EXPECT_EQ(group->focusPolicy(), Qt::NoFocus);
}

TEST_F(RadioGroupTest, SettingTheIndexFromCodeEmitsNothing) {
    QSignalSpy changed(group, &RadioGroup::userChanged);
    QSignalSpy clicked(group, &RadioGroup::userClicked);
    group->setCurrentIndex(2);
    group->setCurrentIndex(1);
    EXPECT_EQ(group->currentIndex(), 1);
    EXPECT_EQ(changed.count() + clicked.count(), 0);
}

TEST_F(RadioGroupTest, ClickOnAnotherItemReportsTheChangeAfterIt) {
    QList<int> changedTo, indexSeen;
    QSignalSpy clicked(group, &RadioGroup::userClicked);
    QObject::connect(group, &RadioGroup::userChanged, [&](int index) {
        changedTo.append(index);
        indexSeen.append(group->currentIndex());
    });
    clickItem(2);
    EXPECT_EQ(changedTo, QList<int>{2});
    EXPECT_EQ(indexSeen, QList<int>{2}) << "userChanged comes after the change";
    ASSERT_EQ(clicked.count(), 1);
    EXPECT_EQ(clicked.front().front().toInt(), 2);
    EXPECT_EQ(group->currentIndex(), 2);
}

TEST_F(RadioGroupTest, ClickOnTheCurrentItemIsAClickButNoChange) {
    QSignalSpy changed(group, &RadioGroup::userChanged);
    QSignalSpy clicked(group, &RadioGroup::userClicked);
    clickItem(0);
    EXPECT_EQ(changed.count(), 0);
    ASSERT_EQ(clicked.count(), 1);
    EXPECT_EQ(clicked.front().front().toInt(), 0);
}

TEST_F(RadioGroupTest, PressAndReleaseOverDifferentItemsSelectNothing) {
    QSignalSpy changed(group, &RadioGroup::userChanged);
    QSignalSpy clicked(group, &RadioGroup::userClicked);
    test::EmitCounter panelPressed(&panel, &BackgroundPanel::mousePressed);
    QTest::mousePress(panel.windowHandle(), Qt::LeftButton, {},
                      test::inWindow(group, group->itemRect(1).center()));
    QTest::mouseRelease(panel.windowHandle(), Qt::LeftButton, {},
                        test::inWindow(group, group->itemRect(2).center()));
    EXPECT_EQ(changed.count() + clicked.count(), 0);
    EXPECT_EQ(group->currentIndex(), 0);
    EXPECT_EQ(panelPressed.count(), 0) << "a press on the group must not drag the window";
}

TEST_F(RadioGroupTest, DrawsWhiteTextAndIndicatorsOnTheBlackFace) {
    const QImage image = panel.grab().toImage();
    const QRect cell = group->itemRect(1).translated(group->pos());
    int white = 0;
    for (int y = cell.top(); y <= cell.bottom(); ++y)
        for (int x = cell.left(); x <= cell.right(); ++x)
            white += image.pixelColor(x, y).lightness() > 200;
    EXPECT_GT(white, 15);
    EXPECT_LT(image.pixelColor(cell.topLeft() + QPoint(1, 1)).lightness(), 12)
        << "the group itself is transparent";
}

} // namespace
} // namespace zc
