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
    {"ShiftEightMultiplies", "type 2\npress Shift+8\ntype 3\npress Enter", R"j({"problem":"2×3=","solution":"6","layer":0})j"},
    {"KeypadEnterEvaluates", "type 2*3\npress NumEnter", R"j({"problem":"2×3=","solution":"6"})j"},
    {"ShiftNineAndZeroBracket", "press Shift+9\ntype 2+3\npress Shift+0\ntype *2\npress Enter", R"j({"problem":"(2+3)×2=","solution":"10"})j"},
    {"ShiftTwoSquares", "type 3\npress Shift+2\npress Enter", R"j({"problemRuns":[["3",128,0],["2",128,60],["=",128,0]],"solution":"9"})j"},
    {"CIsCosine", "type c", R"j({"problem":"cos(","expr":"c("})j"},
    {"ShiftCIsArcCosine", "press Shift+c", R"j({"problem":"acos(","expr":"y("})j"},
    {"FunctionLetters", "type s\npress Shift+s\ntype t\npress Shift+t\ntype l\ntype n\ntype r", R"j({"expr":"s(x(t(z(l(n(k(","problem":"sin(asin(tan(atan(log(ln(√("})j"},
    {"InverseLetter", "type 2i", R"j({"expr":"2i"})j"},
    {"PowerAndExponentEnd", "type 2y3\npress Shift+y\ntype +1\npress Enter", R"j({"solution":"9"})j"},
    {"AnsLetter", "type 2+3\npress Enter\ntype m", R"j({"expr":"5","problem":"5"})j"},
    {"ShiftFiveIsPercent", "type 200+10\npress Shift+5", R"j({"expr":"200+10%"})j"},
    {"ShiftedDigitsStayDigits", "press Shift+1\npress Shift+3\npress Shift+4\npress Shift+7", R"j({"expr":"1347","problem":"1347"})j"},
    {"KeypadDigits", "press Num0\npress Num1\npress Num2\npress Num3\npress Num4\npress Num5\npress Num6\npress Num7\npress Num8\npress Num9", R"j({"expr":"0123456789"})j"},
    {"KeypadOperators", "press Num7\npress NumMultiply\npress Num6\npress NumSubtract\npress Num2\npress NumDivide\npress Num4\npress NumAdd\npress Num1\npress NumEnter",
     R"j({"problem":"7×6−2÷4+1=","solution":"42.5"})j"},
    {"FullStopAndKeypadDecimal", "type 1.5\npress NumAdd\npress Num2\npress NumDecimal\npress Num5\npress Enter", R"j({"solution":"4"})j"},
    {"EqualsKeyIsPlus", "type 2=3\npress Enter", R"j({"problem":"2+3=","solution":"5"})j"},
    {"MinusAndSlash", "type 9-3/3\npress Enter", R"j({"problem":"9−3÷3=","solution":"8"})j"},
    {"BackspaceIsDel", "type 12\npress Backspace", R"j({"expr":"1","problem":"1","history":"History:\n1"})j"},
    {"DeleteIsDel", "type 12\npress Delete", R"j({"expr":"1","problem":"1","history":"History:\n1"})j"},
    {"BackspaceRemovesFunctionWhole", "type 2*s\npress Backspace", R"j({"expr":"2*","problem":"2×"})j"},
    {"F3SelectsRadians", "press F3", R"j({"angleMode":1})j"},
    {"F4SelectsGrads", "press F4\ntype s100\npress Enter", R"j({"angleMode":2,"solution":"1"})j"},
    {"F2SelectsDegrees", "press F4\npress F2", R"j({"angleMode":0})j"},
    {"ShiftF3SelectsRadians", "press Shift+F3", R"j({"angleMode":1})j"},
    {"NumberSystemKeysDoNothing", "type 12\npress F5\npress F6\npress F7\npress F8",
     R"j({"numberSystem":1,"expr":"12","history":"History:\n12","undo":[[1,1],[1,1]]})j"},
    {"ProgrammerOperatorsEnterNothing", "type 5^`\\,~|", R"j({"expr":"5","problem":"5"})j"},
    {"ProgrammerOperatorReentersResult", "type 2+3\npress Enter\ntype ^", R"j({"expr":"5","problem":"5","solved":false})j"},
    {"HexLettersNeedHex", "type abdef", R"j({"exprLen":0,"problem":"Problem\n"})j"},
    {"CtrlDigitIsDigit", "press Ctrl+5", R"j({"expr":"5"})j"},
    {"CtrlCEntersNothing", "type 1\npress Ctrl+c\npress Ctrl+Shift+c", R"j({"expr":"1","problem":"1"})j"},
    {"KeysOutsideTheTable", "type 1[]{};:'\" \npress F1\npress F9", R"j({"expr":"1","problem":"1","angleMode":0})j"},
    {"QuestionMarkDivides", "type 8?2\npress Enter", R"j({"solution":"4"})j"},
};

const Scenario kProgrammer[] = {
    {"ShiftEightMultiplies", TO_LAYER1 "type 2\npress Shift+8\ntype 3\npress Enter", R"j({"problem":"2×3=","solution":"6","layer":1})j"},
    {"ShiftNineAndZeroBracket", TO_LAYER1 "press Shift+9\ntype 2+3\npress Shift+0\ntype *2\npress Enter", R"j({"problem":"(2+3)×2=","solution":"10"})j"},
    {"ShiftTwoIgnored", TO_LAYER1 "type 3\npress Shift+2", R"j({"expr":"3","problem":"3","undo":[[1,1]]})j"},
    {"SDoesNothing", TO_LAYER1 "type 5s\npress Shift+s", R"j({"expr":"5","problem":"5"})j"},
    {"ScientificLettersDoNothing", TO_LAYER1 "type 5gilmnrty\npress Shift+g\npress Shift+y", R"j({"expr":"5","problem":"5"})j"},
    {"CIsHexDigit", TO_LAYER1 "press F5\ntype c\npress Shift+c", R"j({"expr":"CC","problem":"CC","numberSystem":0})j"},
    {"CInDecimalDoesNothing", TO_LAYER1 "type 1c", R"j({"expr":"1"})j"},
    {"HexLetters", TO_LAYER1 "press F5\ntype abcdef", R"j({"expr":"ABCDEF","problem":"ABCDEF"})j"},
    {"ShiftFiveIsMod", TO_LAYER1 "type 7\npress Shift+5\ntype 4\npress Enter", R"j({"problem":"7 mod 4=","solution":"3"})j"},
    {"ShiftSixIsXor", TO_LAYER1 "type 6^3\npress Enter", R"j({"problem":"6^3=","solution":"5"})j"},
    {"BackslashIsOr", TO_LAYER1 "type 4\\1\npress Enter", R"j({"problem":"4|1=","solution":"5"})j"},
    {"BarIsOr", TO_LAYER1 "type 4|2\npress Enter", R"j({"solution":"6"})j"},
    {"CommaIsShiftLeft", TO_LAYER1 "type 1,4\npress Enter", R"j({"problem":"1<<4=","solution":"16"})j"},
    {"BackquoteIsNot", TO_LAYER1 "type `5", R"j({"expr":"~5","problem":"~5"})j"},
    {"TildeIsNot", TO_LAYER1 "type ~5", R"j({"expr":"~5"})j"},
    {"NoDecimalPoint", TO_LAYER1 "type 1.5\npress NumDecimal", R"j({"expr":"15","problem":"15"})j"},
    {"F6ConvertsOnce", TO_LAYER1 "press F5\ntype ff\npress F6",
     R"j({"numberSystem":1,"expr":"255","problem":"255","solution":"255","history":"History:\nFF[HEX]= 255[DEC])j" SEP R"j(255","undo":[[3,3]]})j"},
    {"F8ConvertsToBinary", TO_LAYER1 "type 12+5\npress F8",
     R"j({"numberSystem":3,"expr":"10001","history":"History:\n12+5[DEC]= 10001[BIN])j" SEP R"j(10001"})j"},
    {"F7SelectsOctal", TO_LAYER1 "press F7\ntype 189", R"j({"numberSystem":2,"expr":"1"})j"},
    {"AngleKeysDoNothing", TO_LAYER1 "press F3\npress F4", R"j({"angleMode":0})j"},
    {"KeypadDigitsAndOperators", TO_LAYER1 "press Num9\npress NumSubtract\npress Num4\npress NumMultiply\npress Num2\npress NumDivide\npress Num1\npress NumAdd\npress Num1\npress NumEnter",
     R"j({"problem":"9−4×2÷1+1=","solution":"2"})j"},
    {"EqualsKeyIsPlus", TO_LAYER1 "type 2=3\npress Enter", R"j({"solution":"5"})j"},
    {"BackspaceAndDeleteAreDel", TO_LAYER1 "type 123\npress Backspace\npress Delete", R"j({"expr":"1","problem":"1"})j"},
    {"ShiftedDigitsStayDigits", TO_LAYER1 "press Shift+1\npress Shift+3\npress Shift+4\npress Shift+7", R"j({"expr":"1347"})j"},
    {"BinaryRefusesDigits", TO_LAYER1 "press F8\ntype 1201\npress Num2\npress Num1", R"j({"expr":"1011"})j"},
    {"CtrlCEntersNothing", TO_LAYER1 "press F5\ntype 1\npress Ctrl+c", R"j({"expr":"1"})j"},
};

const Scenario kOtherLayers[] = {
    {"ConversionBrackets", TO_LAYER2 "press Shift+9\ntype 2\npress Shift+0", R"j({"expr":"(2)","layer":2})j"},
    {"ConstantsBrackets", TO_LAYER3 "press Shift+9\ntype 2\npress Shift+0", R"j({"expr":"(2)","layer":3})j"},
    {"FinancialBrackets", TO_LAYER4 "press Shift+9\ntype 2\npress Shift+0", R"j({"expr":"(2)","layer":4})j"},
    {"ConversionKeypadDecimalOnly", TO_LAYER2 "type 1.5\npress NumDecimal\ntype 2", R"j({"expr":"15.2"})j"},
    {"ConstantsKeypadDecimalOnly", TO_LAYER3 "type 1.5\npress NumDecimal\ntype 2", R"j({"expr":"15.2"})j"},
    {"FinancialKeypadDecimalOnly", TO_LAYER4 "type 1.5\npress NumDecimal\ntype 2", R"j({"expr":"15.2"})j"},
    {"ConversionShiftTwoSquares", TO_LAYER2 "type 3\npress Shift+2", R"j({"expr":"3q"})j"},
    {"ConstantsLettersDoNothing", TO_LAYER3 "type 5cgilmnrsty\npress Shift+c\npress Shift+s", R"j({"expr":"5","problem":"5"})j"},
    {"FinancialShiftFiveDoesNothing", TO_LAYER4 "type 5\npress Shift+5", R"j({"expr":"5"})j"},
    {"ConversionFunctionKeysDoNothing", TO_LAYER2 "type 12\npress F3\npress F6",
     R"j({"angleMode":0,"numberSystem":1,"expr":"12","history":"History:\n12"})j"},
    {"FinancialEvaluates", TO_LAYER4 "type 2\npress Shift+8\ntype 3\npress Enter", R"j({"solution":"6"})j"},
};
// clang-format on

std::string scenarioName(const ::testing::TestParamInfo<Scenario>& info) {
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(Scientific, Keyboard, ::testing::ValuesIn(kScientific), scenarioName);
INSTANTIATE_TEST_SUITE_P(Programmer, Keyboard, ::testing::ValuesIn(kProgrammer), scenarioName);
INSTANTIATE_TEST_SUITE_P(OtherLayers, Keyboard, ::testing::ValuesIn(kOtherLayers), scenarioName);

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

INSTANTIATE_TEST_SUITE_P(X11, KeyboardRawEvents, ::testing::ValuesIn(kRawCases),
                         [](const auto& info) { return std::string(info.param.name); });

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
