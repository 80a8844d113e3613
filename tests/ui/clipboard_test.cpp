// SPDX-License-Identifier: MIT
// Copy and paste: Ctrl+C copies the solution as a plain number when no pane text is selected,
// Ctrl+V and Shift+Insert type the clipboard's text key by key.

#include "scenario.h"
#include "ui/toolkit/rich_pane.h"

#include <QApplication>
#include <QClipboard>
#include <QTextCursor>

namespace zc::test {
namespace {

const QString kUntouched = QStringLiteral("left alone");

struct CopyCase {
    const char* name;
    const char* script;
    const char* solution; // what the pane shows
    const char* copied;   // what Ctrl+C leaves on the clipboard
};

void PrintTo(const CopyCase& c, std::ostream* os) {
    *os << c.name;
}

class CopySolution : public ::testing::TestWithParam<CopyCase> {};

TEST_P(CopySolution, CopiesThePlainNumberOrNothing) {
    const CopyCase& c = GetParam();
    Window w;
    w.run(c.script);
    ASSERT_EQ(w.form->LResultREdit->toPlainText().toStdString(), c.solution);
    QApplication::clipboard()->setText(kUntouched);
    const QJsonObject before = w.state();
    w.run("press Ctrl+c");
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), c.copied);
    EXPECT_EQ(w.state(), before);
}

// clang-format off
const CopyCase kCopyCases[] = {
    {"GroupedNumber", "type 1234.5*2\npress Enter", "2,469", "2469"},
    {"Fraction", "type 1/8\npress Enter", "0.125", "0.125"},
    {"Negative", "type 2-1234567\npress Enter", "-1,234,565", "-1234565"},
    {"ENotation", "click LBtn10toX\ntype 30\npress Enter", "1.0000000000000000199e+30", "1.0000000000000000199e+30"},
    {"UnitSuffix", TO_LAYER2 "type 1234\npress Enter", "1,234 [mm] ", "1234"},
    {"FinancialSuffix", TO_LAYER4 "type 1000\nclick L5BtnPV\ntype 5\nclick L5BtnI_YR\ntype 10\nclick L5BtnN\nclick L5BtnFV",
     "-1,628.8946267774419994[fv] ", "-1628.8946267774419994"},
    {"HexDigits", TO_LAYER1 "press F5\ntype ff*ff\npress Enter", "F,E01", "FE01"},
    {"BinaryDigits", TO_LAYER1 "press F8\ntype 101*11\npress Enter", "1,111", "1111"},
    {"DecimalInProgrammer", TO_LAYER1 "type 1000*1000\npress Enter", "1,000,000", "1000000"},
    {"NothingBeforeAResult", "type 12", "Solution\n", "left alone"},
    {"NothingAfterAnError", "type 1/0\npress Enter", "Syntax Error", "left alone"},
    {"NothingForAnAngle", "type 12.5\npress g", "12\u00B030'0\"", "left alone"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Layers, CopySolution, ::testing::ValuesIn(kCopyCases), scenarioName);

// A selection in the focused pane is what Ctrl+C copies; without one the solution is copied.
TEST(CopySelection, SelectionWinsOverTheSolution) {
    Window w;
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.form.get()));
    w.run("type 12+3\npress Enter");
    RichPane* history = w.form->LHistoryREdit;
    history->setFocus();
    QTextCursor cursor = history->document()->find(QStringLiteral("12+3"));
    ASSERT_FALSE(cursor.isNull());
    history->setTextCursor(cursor);
    w.run("press Ctrl+c");
    EXPECT_EQ(QApplication::clipboard()->text(), "12+3");

    cursor.clearSelection();
    history->setTextCursor(cursor);
    w.run("press Ctrl+c");
    EXPECT_EQ(QApplication::clipboard()->text(), "15");
}

struct PasteCase {
    const char* name;
    const char* before;
    const char* clipboard;
    const char* keys;  // the paste key
    const char* typed; // the same text typed, or nullptr to compare with `expect` only
    const char* expect;
};

void PrintTo(const PasteCase& c, std::ostream* os) {
    *os << c.name;
}

class Paste : public ::testing::TestWithParam<PasteCase> {};

// A paste enters exactly what typing the same text enters.
TEST_P(Paste, TypesTheClipboardKeyByKey) {
    const PasteCase& c = GetParam();
    Window pasted;
    pasted.run(c.before);
    QApplication::clipboard()->setText(QString::fromUtf8(c.clipboard));
    pasted.run(c.keys);
    if (c.typed != nullptr) {
        Window typed;
        typed.run(c.before);
        typed.run((std::string("type ") + c.typed).c_str());
        const QJsonObject got = pasted.state();
        const QJsonObject want = typed.state();
        for (const char* field :
             {"problem", "problemRuns", "expr", "undo", "history", "solution", "solved"})
            EXPECT_EQ(got.value(QLatin1String(field)), want.value(QLatin1String(field))) << field;
    }
    expectState(pasted.state(), c.expect);
}

// clang-format off
const PasteCase kPasteCases[] = {
    {"Problem", "", "2*(3+4)", "press Ctrl+v", "2*(3+4)", R"j({"problem":"2×(3+4)","expr":"2*(3+4)"})j"},
    {"ShiftInsert", "", "2*(3+4)", "press Shift+Insert", "2*(3+4)", R"j({"expr":"2*(3+4)"})j"},
    {"AfterAResult", "type 1+1\npress Enter", "+5", "press Ctrl+v", "+5", R"j({"expr":"2+5"})j"},
    {"FunctionLetters", "", "s30+C1", "press Ctrl+v", "s30+C1", R"j({"problem":"sin(30+acos(1"})j"},
    {"HexInProgrammer", TO_LAYER1 "press F5", "ff+a", "press Ctrl+v", "ff+a", R"j({"expr":"FF+A"})j"},
    {"UnknownCharactersSkipped", "", "1\u20AC2 + 3\n\t\u00E9", "press Ctrl+v", nullptr,
     R"j({"expr":"12+3","solved":false,"solution":"Solution\n"})j"},
    {"EmptyClipboard", "type 4", "", "press Ctrl+v", nullptr, R"j({"expr":"4"})j"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Keys, Paste, ::testing::ValuesIn(kPasteCases), scenarioName);

// A text longer than the problem's bound stops at the bound; what follows is not entered.
TEST(PasteBound, StopsAtTheCodeBound) {
    Window w;
    QApplication::clipboard()->setText(QString(1100, QLatin1Char('7')) + QStringLiteral("+1"));
    w.run("press Ctrl+v");
    EXPECT_EQ(w.form->state().exprLen, kMaxCodeChars);
    EXPECT_EQ(QString::fromStdString(w.form->codeText()), QString(kMaxCodeChars, QLatin1Char('7')));
}

} // namespace
} // namespace zc::test
