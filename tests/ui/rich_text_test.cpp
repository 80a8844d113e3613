// SPDX-License-Identifier: MIT
// The pane writers: colour, face and raise of what they write, and the places they write to.

#include "ui/display/rich_text.h"
#include "ui/toolkit/colours.h"
#include "ui/toolkit/rich_pane.h"

#include <QFontMetricsF>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace zc {
namespace {

class Panes : public ::testing::Test {
protected:
    void SetUp() override {
        QFont f(QStringLiteral("Arial"));
        f.setPixelSize(12);
        f.setBold(true);
        for (RichPane* p : {&problem, &history}) {
            p->document()->setDefaultFont(f);
            p->resize(245, 89);
        }
        problem.setObjectName(QStringLiteral("LOutputREdit"));
        history.setObjectName(QStringLiteral("LHistoryREdit"));
    }

    /// The format of the character at position i.
    static QTextCharFormat formatAt(const QTextEdit& pane, int i) {
        QTextCursor c(pane.document());
        c.setPosition(i);
        c.setPosition(i + 1, QTextCursor::KeepAnchor);
        return c.charFormat();
    }

    RichPane problem;
    RichPane history;
};

TEST_F(Panes, AppendSetsColourFaceAndRaise) {
    appendRichText(QStringLiteral("2"), &problem, 128, 60);
    appendRichText(QStringLiteral("+"), &problem, 128, 0);
    const QTextCharFormat raised = formatAt(problem, 0);
    EXPECT_EQ(colourValue(raised.foreground().color()), 128u);
    EXPECT_EQ(raised.fontFamilies().toStringList().value(0), QStringLiteral("Arial"));
    EXPECT_EQ(raised.property(kRaiseTwipsProperty).toInt(), 60);
    // 60 twips are 3 points: 4 pixels at 96 dots per inch.
    const double height = QFontMetricsF(problem.document()->defaultFont(), &problem).height();
    EXPECT_NEAR(raised.baselineOffset() * height / 100.0, 3.0 * problem.logicalDpiY() / 72.0, 0.01);
    const QTextCharFormat plain = formatAt(problem, 1);
    EXPECT_EQ(plain.property(kRaiseTwipsProperty).toInt(), 0);
    EXPECT_DOUBLE_EQ(plain.baselineOffset(), 0.0);
    EXPECT_EQ(problem.toPlainText(), QStringLiteral("2+"));
}

TEST_F(Panes, RaisedLineKeepsRoomAboveIt) {
    appendRichText(QStringLiteral("History:\n"), &history, 0, 0);
    appendRichText(QStringLiteral("3"), &history, 0, 120);
    const QTextBlock raisedBlock = history.document()->lastBlock();
    EXPECT_GE(raisedBlock.blockFormat().topMargin(), 2 * 3.0 * history.logicalDpiY() / 72.0 - 0.01);
    EXPECT_DOUBLE_EQ(history.document()->firstBlock().blockFormat().topMargin(), 0.0);
    appendRichText(QStringLiteral("\nnext"), &history, 0, 0);
    EXPECT_DOUBLE_EQ(history.document()->lastBlock().blockFormat().topMargin(), 0.0);
}

TEST_F(Panes, EmptyAppendChangesNothing) {
    appendRichText(QStringLiteral("ab"), &problem, 128, 0);
    appendRichText(QString(), &problem, 128, 60);
    EXPECT_EQ(problem.document()->characterCount(), 3);
}

TEST_F(Panes, AppendCharWritesAtTheEndWhateverTheCaret) {
    appendRichText(QStringLiteral("12"), &problem, 128, 0);
    QTextCursor c(problem.document());
    c.setPosition(0);
    problem.setTextCursor(c);
    appendRichText(QStringLiteral("\u2212"), &problem, 128, 0);
    EXPECT_EQ(problem.toPlainText(), QStringLiteral("12\u2212"));
}

TEST_F(Panes, DeleteLastCharsRemovesAWholeStep) {
    appendRichText(QStringLiteral("History:\n2+"), &history, 0, 0);
    appendRichText(QStringLiteral("sin("), &history, 0, 0);
    deleteLastChars(4, &history);
    EXPECT_EQ(history.toPlainText(), QStringLiteral("History:\n2+"));
    deleteLastChars(0, &history);
    EXPECT_EQ(history.toPlainText(), QStringLiteral("History:\n2+"));
}

TEST_F(Panes, InsertBeforeEndCountsFromTheEndOfEachPane) {
    appendRichText(QStringLiteral("History:\n1+1= 2\n___\n"), &history, 0, 0);
    appendRichText(QStringLiteral("7+2"), &history, 0, 60);
    appendRichText(QStringLiteral("7+2"), &problem, 128, 60);
    insertBeforeEnd(QStringLiteral("-("), &history, 0, 3);
    insertBeforeEnd(QStringLiteral("-("), &problem, 128, 3);
    EXPECT_EQ(history.toPlainText(), QStringLiteral("History:\n1+1= 2\n___\n-(7+2"));
    EXPECT_EQ(problem.toPlainText(), QStringLiteral("-(7+2"));
    EXPECT_EQ(formatAt(problem, 0).property(kRaiseTwipsProperty).toInt(), 0);
    deleteRangeBeforeEnd(0, 2, &history, 5);
    deleteRangeBeforeEnd(0, 2, &problem, 5);
    EXPECT_EQ(history.toPlainText(), QStringLiteral("History:\n1+1= 2\n___\n7+2"));
    EXPECT_EQ(problem.toPlainText(), QStringLiteral("7+2"));
}

} // namespace
} // namespace zc
