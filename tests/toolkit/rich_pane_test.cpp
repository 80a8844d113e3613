// SPDX-License-Identifier: MIT
#include "toolkit_test_support.h"
#include "ui/toolkit/background_panel.h"
#include "ui/toolkit/rich_pane.h"

#include <QSignalSpy>

namespace zc {
namespace {

class RichPaneTest : public ::testing::Test {
protected:
    void SetUp() override {
        panel.resize(200, 120);
        pane = new RichPane(&panel);
        pane->setGeometry(10, 10, 150, 80);
        pane->setPlainText("History:\n2+3=5");
        test::showExposed(panel);
    }

    QPoint centre() const { return test::centreInWindow(pane->viewport()); }

    BackgroundPanel panel;
    RichPane* pane = nullptr;
};

TEST_F(RichPaneTest, IsAReadOnlyLogThatTakesFocusOnlyOnClick) {
    EXPECT_TRUE(pane->isReadOnly());
    EXPECT_EQ(pane->focusPolicy(), Qt::ClickFocus);
    EXPECT_FALSE(pane->document()->isUndoRedoEnabled());
    EXPECT_EQ(pane->frameShape(), QFrame::NoFrame);
    EXPECT_LE(pane->document()->documentMargin(), 4.0);
}

TEST_F(RichPaneTest, ReportsPressesDoubleClicksAndMovesWithoutPassingThemOn) {
    QList<std::pair<Qt::MouseButton, bool>> presses;
    QObject::connect(pane, &RichPane::mousePressed, [&](Qt::MouseButton b, bool dbl) {
        presses.append({b, dbl});
    });
    QSignalSpy moved(pane, &RichPane::mouseMoved);
    test::EmitCounter panelPressed(&panel, &BackgroundPanel::mousePressed);
    test::EmitCounter panelMoved(&panel, &BackgroundPanel::mouseMoved);

    QTest::mouseMove(panel.windowHandle(), centre());
    EXPECT_GE(moved.count(), 1);

    QTest::mouseDClick(panel.windowHandle(), Qt::LeftButton, {}, centre());
    ASSERT_FALSE(presses.isEmpty());
    EXPECT_EQ(presses.front(), std::make_pair(Qt::LeftButton, false));
    EXPECT_EQ(presses.back(), std::make_pair(Qt::LeftButton, true));
    EXPECT_EQ(presses.count(std::make_pair(Qt::LeftButton, true)), 1);

    // Last, as it opens the pane's context menu, which would take the next press.
    presses.clear();
    QTest::mouseClick(panel.windowHandle(), Qt::RightButton, {}, centre());
    EXPECT_EQ(presses, (QList<std::pair<Qt::MouseButton, bool>>{{Qt::RightButton, false}}));

    // A press passed on would drag the window; a move would reset the close key.
    EXPECT_EQ(panelPressed.count(), 0);
    EXPECT_EQ(panelMoved.count(), 0);
}

} // namespace
} // namespace zc
