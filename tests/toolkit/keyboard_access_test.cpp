// SPDX-License-Identifier: MIT
// The skinned widgets with the keyboard focus: Space clicks, the arrows move, every other key
// goes on to the parent; and a covered key leaves the Tab order until it is uncovered.
#include "toolkit_test_support.h"
#include "ui/toolkit/background_panel.h"
#include "ui/toolkit/image_key.h"
#include "ui/toolkit/list_box.h"
#include "ui/toolkit/radio_group.h"
#include "ui/toolkit/skin_label.h"

#include <QKeyEvent>
#include <QSignalSpy>

namespace zc {
namespace {

// Records the keys that reach the panel, i.e. that the focused child passed on.
class KeySink : public BackgroundPanel {
public:
    QList<int> keys;

protected:
    void keyPressEvent(QKeyEvent* event) override { keys << event->key(); }
};

class KeyboardAccess : public ::testing::Test {
protected:
    void SetUp() override {
        panel.resize(200, 160);
        test::showExposed(panel);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&panel));
    }

    // A key press and release through the window, as the keyboard sends it.
    void key(Qt::Key k, const QString& text = {}, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::sendKeyEvent(QTest::Press, panel.windowHandle(), k, text, mods);
        QTest::sendKeyEvent(QTest::Release, panel.windowHandle(), k, text, mods);
        QCoreApplication::processEvents();
    }

    KeySink panel;
};

TEST_F(KeyboardAccess, SpaceClicksAFocusedKeyAndOtherKeysPassOn) {
    auto* k = new ImageKey(KeyGlyph::Digit7, &panel);
    k->setGeometry(10, 10, 40, 35);
    k->show();
    k->setFocusPolicy(Qt::TabFocus);
    k->setFocus();
    QSignalSpy clicked(k, &QAbstractButton::clicked);
    key(Qt::Key_Space, QStringLiteral(" "));
    EXPECT_EQ(clicked.count(), 1);
    key(Qt::Key_7, QStringLiteral("7"));
    key(Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_EQ(panel.keys, (QList<int>{Qt::Key_7, Qt::Key_Return}));
}

TEST_F(KeyboardAccess, CoveredKeyLeavesTheTabOrderUntilUncovered) {
    auto* k = new ImageKey(KeyGlyph::HelpWhite, &panel);
    k->show();
    k->setFocusPolicy(Qt::TabFocus);
    k->setFocus();
    k->setCovered(true);
    EXPECT_FALSE(k->hasFocus());
    EXPECT_EQ(k->focusPolicy(), Qt::NoFocus);
    k->setCovered(false);
    EXPECT_EQ(k->focusPolicy(), Qt::TabFocus);
}

TEST_F(KeyboardAccess, SpaceOnAnActivatableLabelClicksIt) {
    auto* plain = new SkinLabel(QStringLiteral("title"), &panel);
    auto* label = new SkinLabel(QStringLiteral("mass"), &panel);
    label->setGeometry(10, 60, 47, 17);
    label->show();
    EXPECT_EQ(plain->focusPolicy(), Qt::NoFocus);
    label->setActivatable(true);
    EXPECT_EQ(label->focusPolicy(), Qt::TabFocus);
    label->setFocus();
    QSignalSpy clicked(label, &SkinLabel::clicked);
    key(Qt::Key_Space, QStringLiteral(" "));
    key(Qt::Key_M, QStringLiteral("m"));
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_EQ(panel.keys, QList<int>{Qt::Key_M});
}

TEST_F(KeyboardAccess, RadioGroupArrowsChangeAndSpaceClicksTheSelectedItem) {
    auto* group = new RadioGroup({"DEG", "RAD", "GRAD"}, 3, &panel);
    group->setGeometry(10, 100, 115, 33);
    group->setCurrentIndex(0);
    group->show();
    group->setFocusPolicy(Qt::TabFocus);
    group->setFocus();
    QSignalSpy changed(group, &RadioGroup::userChanged);
    QSignalSpy clicked(group, &RadioGroup::userClicked);
    key(Qt::Key_Down);
    EXPECT_EQ(group->currentIndex(), 1);
    key(Qt::Key_Space, QStringLiteral(" "));
    EXPECT_EQ(changed.count(), 1); // Space on the selected item is a click, not a change
    EXPECT_EQ(clicked.count(), 1);
    key(Qt::Key_5, QStringLiteral("5"));
    EXPECT_EQ(panel.keys, QList<int>{Qt::Key_5});

    // A click from code is a user's click: a change is reported once, then the click.
    group->clickItem(2);
    group->clickItem(2);
    EXPECT_EQ(changed.count(), 2);
    EXPECT_EQ(clicked.count(), 3);
}

TEST_F(KeyboardAccess, ListMovesWithArrowsAndIgnoresTyping) {
    auto* list = new ListBox(&panel);
    list->setGeometry(10, 10, 113, 89);
    list->show();
    list->fill({"millimetre", "metre", "mile", "kilometre"});
    list->setFocusPolicy(Qt::TabFocus);
    list->setFocus();
    QSignalSpy clicked(list, &ListBox::rowClicked);
    key(Qt::Key_K, QStringLiteral("k"));                         // no search for "kilometre"
    key(Qt::Key_C, QStringLiteral("\x03"), Qt::ControlModifier); // and no copy of the row
    EXPECT_EQ(list->currentRow(), 0);
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    EXPECT_EQ(list->currentRow(), 2);
    EXPECT_EQ(clicked.count(), 0);
    key(Qt::Key_Space, QStringLiteral(" "));
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_EQ(clicked.at(0).at(0).toInt(), 2);
    key(Qt::Key_End);
    EXPECT_EQ(list->currentRow(), 3);
    panel.keys.removeAll(Qt::Key_Control); // QTest presses the modifier key first
    EXPECT_EQ(panel.keys, (QList<int>{Qt::Key_K, Qt::Key_C}));
}

} // namespace
} // namespace zc
