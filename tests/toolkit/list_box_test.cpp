// SPDX-License-Identifier: MIT
#include "toolkit_test_support.h"
#include "ui/toolkit/background_panel.h"
#include "ui/toolkit/list_box.h"

#include <QSignalSpy>

namespace zc {
namespace {

const QStringList kUnits = {"millimetre (mm)", "centimetre (cm)", "metre (m)",
                            "kilometre (km)",  "inch (in)",       "foot (ft)",
                            "yard (yd)",       "mile (mi)",       "nautical mile"};

class ListBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        panel.resize(160, 120);
        list = new ListBox(&panel);
        list->setGeometry(12, 10, 113, 89);
        test::showExposed(panel);
    }

    BackgroundPanel panel;
    ListBox* list = nullptr;
};

TEST_F(ListBoxTest, FillSelectsTheFirstRowWithoutReportingAClick) {
    QSignalSpy clicked(list, &ListBox::rowClicked);
    list->fill(kUnits);
    EXPECT_EQ(list->count(), kUnits.size());
    EXPECT_EQ(list->currentRow(), 0);
    list->setCurrentRow(5);
    list->fill({"second", "minute"});
    EXPECT_EQ(list->count(), 2);
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_EQ(clicked.count(), 0);
}

TEST_F(ListBoxTest, ClickOnARowSelectsItThenReportsIt) {
    list->fill(kUnits);
    QList<int> reported, selectedThen;
    QObject::connect(list, &ListBox::rowClicked, [&](int row) {
        reported.append(row);
        selectedThen.append(list->currentRow());
    });
    // The last row lies below the visible part until rowRect scrolls it in.
    const int last = int(kUnits.size()) - 1;
    const QRect r = list->rowRect(last);
    ASSERT_TRUE(list->rect().contains(r.center()));
    QTest::mouseClick(panel.windowHandle(), Qt::LeftButton, {}, test::inWindow(list, r.center()));
    EXPECT_EQ(reported, QList<int>{last});
    EXPECT_EQ(selectedThen, QList<int>{last});

    QTest::mouseClick(panel.windowHandle(), Qt::LeftButton, {},
                      test::inWindow(list, list->rowRect(1).center()));
    EXPECT_EQ(reported, (QList<int>{last, 1}));
    EXPECT_TRUE(list->rowRect(kUnits.size()).isNull());
}

TEST_F(ListBoxTest, RowsAreSixteenPixelsAndGrowWithLineBreaks) {
    list->fill({"metre (m)", "astronomical\nunit (AU)", "foot (ft)"});
    const int one = list->rowRect(0).height();
    const int two = list->rowRect(1).height();
    EXPECT_EQ(one, ListBox::kMinRowHeight);
    EXPECT_GT(two, one);
    EXPECT_GE(two, 2 * QFontMetrics(list->font()).height());
}

TEST_F(ListBoxTest, SelectedRowIsBlackOnButtonFaceOthersWhiteOnTheFace) {
    list->fill({"metre (m)", "foot (ft)"});
    const QImage image = panel.grab().toImage();
    const QPoint origin = list->pos();
    const QRect selected = list->rowRect(0).translated(origin);
    const QRect plain = list->rowRect(1).translated(origin);
    EXPECT_EQ(image.pixelColor(selected.right() - 2, selected.center().y()), QColor(240, 240, 240));
    EXPECT_LT(image.pixelColor(plain.right() - 2, plain.center().y()).lightness(), 12)
        << "unselected rows are transparent";
    EXPECT_EQ(image.pixelColor(plain.right() - 2, plain.bottom()), QColor(255, 251, 240))
        << "rows are ruled in cream";
    int whiteText = 0;
    for (int x = plain.left(); x < plain.left() + 40; ++x)
        for (int y = plain.top(); y < plain.bottom(); ++y)
            whiteText += image.pixelColor(x, y).lightness() > 200;
    EXPECT_GT(whiteText, 10);
}

} // namespace
} // namespace zc
