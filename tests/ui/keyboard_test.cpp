// SPDX-License-Identifier: MIT
// The keyboard, through key events sent to the window as X11 delivers them.

#include "scenario.h"
#include "ui/toolkit/rich_pane.h"

#include <QApplication>
#include <QClipboard>
#include <QTextCursor>
#include <QWindow>
#include <vector>

namespace zc::test {
namespace {

class Keyboard : public ::testing::TestWithParam<Scenario> {};

TEST_P(Keyboard, KeysRunTheirHandlers) {
    runScenario(GetParam());
}

// clang-format off
const Scenario kScientific[] = {
    {"CtrlCEntersNothing", "type 1\npress Ctrl+c\npress Ctrl+Shift+c", R"j({"expr":"1","problem":"1"})j"},
    {"KeysOutsideTheTable", "type 1[]{};:'\" \npress F1\npress F9", R"j({"expr":"1","problem":"1","angleMode":0})j"},
};

const Scenario kProgrammer[] = {
    {"CtrlCEntersNothing", TO_LAYER1 "press F5\ntype 1\npress Ctrl+c", R"j({"expr":"1"})j"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Scientific, Keyboard, ::testing::ValuesIn(kScientific), scenarioName);
INSTANTIATE_TEST_SUITE_P(Programmer, Keyboard, ::testing::ValuesIn(kProgrammer), scenarioName);

// One key event exactly as X11 delivers it.
struct RawKey {
    int key;
    Qt::KeyboardModifiers mods;
    const char* text;
};

struct RawCase {
    const char* name;
    std::vector<RawKey> keys;
    const char* expect;
};

void PrintTo(const RawCase& c, std::ostream* os) {
    *os << c.name;
}

class KeyboardRawEvents : public ::testing::TestWithParam<RawCase> {};

// Presses and releases each key on the window, as a real keyboard would.
void sendKeys(QWindow* win, const std::vector<RawKey>& keys) {
    for (const RawKey& k : keys) {
        const QString text = QString::fromLatin1(k.text);
        QTest::sendKeyEvent(QTest::Press, win, static_cast<Qt::Key>(k.key), text, k.mods);
        QTest::sendKeyEvent(QTest::Release, win, static_cast<Qt::Key>(k.key), text, k.mods);
    }
    QCoreApplication::processEvents();
}

TEST_P(KeyboardRawEvents, ActLikeTheKeys) {
    const RawCase& c = GetParam();
    Window w;
    sendKeys(w.form->windowHandle(), c.keys);
    expectState(w.state(), c.expect);
}

constexpr Qt::KeyboardModifiers kShift = Qt::ShiftModifier;
constexpr Qt::KeyboardModifiers kPad = Qt::KeypadModifier;

// clang-format off
const RawCase kRawCases[] = {
    {"ShiftPressThenAsterisk",
     {{Qt::Key_2, {}, "2"}, {Qt::Key_Shift, kShift, ""}, {Qt::Key_Asterisk, kShift, "*"}, {Qt::Key_3, {}, "3"}, {Qt::Key_Return, {}, "\r"}},
     R"j({"problem":"2×3=","solution":"6"})j"},
    {"NumLockOffKeypadDoesNothing",
     {{Qt::Key_7, {}, "7"}, {Qt::Key_End, kPad, ""}, {Qt::Key_Clear, kPad, ""}, {Qt::Key_Insert, kPad, ""}, {Qt::Key_End, kShift | kPad, ""}},
     R"j({"expr":"7","problem":"7"})j"},
    {"NumLockOffKeypadDecimalIsDel",
     {{Qt::Key_7, {}, "7"}, {Qt::Key_8, {}, "8"}, {Qt::Key_Delete, kPad, ""}},
     R"j({"expr":"7","problem":"7"})j"},
    {"ShiftKeypadStaysKeypad",
     {{Qt::Key_4, {}, "4"}, {Qt::Key_Asterisk, kShift | kPad, "*"}, {Qt::Key_2, kPad, "2"}, {Qt::Key_Enter, kPad, "\r"}},
     R"j({"solution":"8"})j"},
    {"CtrlKeypadPlusIsPlus",
     {{Qt::Key_1, kPad, "1"}, {Qt::Key_Control, Qt::ControlModifier, ""}, {Qt::Key_Plus, Qt::ControlModifier | kPad, "+"}, {Qt::Key_2, kPad, "2"}, {Qt::Key_Enter, kPad, "\r"}},
     R"j({"problem":"1+2=","solution":"3"})j"},
    {"CapsLockLetterWithoutShift", {{Qt::Key_C, {}, "C"}}, R"j({"expr":"c("})j"},
    {"CapsLockLetterWithShift", {{Qt::Key_Shift, kShift, ""}, {Qt::Key_S, kShift, "s"}}, R"j({"expr":"x("})j"},
    {"AltIsIgnored", {{Qt::Key_T, Qt::AltModifier, "t"}}, R"j({"expr":"t("})j"},
    {"DeleteWithDelCharacter", {{Qt::Key_1, {}, "1"}, {Qt::Key_2, {}, "2"}, {Qt::Key_Delete, {}, "\x7f"}}, R"j({"expr":"1"})j"},
    {"CtrlShiftC", {{Qt::Key_1, {}, "1"}, {Qt::Key_C, Qt::ControlModifier | kShift, "\x03"}}, R"j({"expr":"1"})j"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(X11, KeyboardRawEvents, ::testing::ValuesIn(kRawCases), scenarioName);

bool printedQuit(const QStringList& out) {
    return out.contains(QStringLiteral("{\"quit\":0}"));
}

class KeyboardEsc : public ::testing::TestWithParam<int> {};

TEST_P(KeyboardEsc, ClearsTheProblemThenQuits) {
    static const char* const kToLayer[] = {"", TO_LAYER1, TO_LAYER2, TO_LAYER3, TO_LAYER4};
    Window w;
    w.run(kToLayer[GetParam()]);
    ASSERT_EQ(w.form->state().currentLayer, static_cast<Layer>(GetParam()));
    w.run("type 7+1");
    EXPECT_FALSE(printedQuit(w.run("press Esc")));
    EXPECT_FALSE(w.runner->finished());
    expectState(w.state(),
                R"j({"problem":"Problem\n","history":"History:\n","exprLen":0,"undo":[]})j");
    EXPECT_TRUE(printedQuit(w.run("press Esc")));
    EXPECT_TRUE(w.runner->finished());
    EXPECT_EQ(w.runner->exitCode(), 0);
}

INSTANTIATE_TEST_SUITE_P(EveryLayer, KeyboardEsc, ::testing::Range(0, 5));

TEST(KeyboardEscape, AtStartQuits) {
    Window w;
    EXPECT_TRUE(printedQuit(w.run("press Esc")));
}

TEST(KeyboardEscape, AfterResultClearsFirst) {
    Window w;
    w.run("type 2+3\npress Enter");
    EXPECT_FALSE(printedQuit(w.run("press Esc")));
    expectState(w.state(), R"j({"problem":"Problem\n","history":"History:\n2+3= 5)j" SEP R"j("})j");
    EXPECT_TRUE(printedQuit(w.run("press Esc")));
}

TEST(KeyboardEscape, EmptiedProblemIsClearedFirst) {
    Window w;
    w.run("type 1\npress Backspace");
    EXPECT_FALSE(printedQuit(w.run("press Esc")));
    EXPECT_TRUE(printedQuit(w.run("press Esc")));
}

// Ctrl+C goes on to the focused pane, which copies its selection.
TEST(KeyboardCopy, CtrlCCopiesHistorySelection) {
    Window w;
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.form.get()));
    w.run("type 12+3\npress Enter");
    QApplication::clipboard()->clear();
    RichPane* history = w.form->LHistoryREdit;
    QTextCursor cursor = history->document()->find(QStringLiteral("12+3"));
    ASSERT_FALSE(cursor.isNull());
    history->setTextCursor(cursor);
    history->setFocus();
    QCoreApplication::processEvents();
    ASSERT_EQ(QApplication::focusWidget(), history);
    const QJsonObject before = w.state();
    sendKeys(w.form->windowHandle(), {{Qt::Key_Control, Qt::ControlModifier, ""},
                                      {Qt::Key_C, Qt::ControlModifier, "\x03"}});
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), "12+3");
    const QJsonObject after = w.state();
    for (const char* field : {"problem", "solution", "history", "expr", "undo", "solved"})
        EXPECT_EQ(after.value(QLatin1String(field)), before.value(QLatin1String(field))) << field;
}

TEST(KeyboardCopy, CtrlCInProgrammerLayerKeepsProblem) {
    Window w;
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.form.get()));
    w.run(TO_LAYER1 "press F5\ntype ab");
    QApplication::clipboard()->clear();
    RichPane* history = w.form->LHistoryREdit;
    history->selectAll();
    history->setFocus();
    sendKeys(w.form->windowHandle(), {{Qt::Key_C, Qt::ControlModifier, "\x03"}});
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), "History:\nAB");
    expectState(w.state(), R"j({"expr":"AB","problem":"AB"})j");
}

} // namespace
} // namespace zc::test
