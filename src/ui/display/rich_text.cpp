// SPDX-License-Identifier: MIT
#include "ui/display/rich_text.h"

#include "ui/toolkit/colours.h"

#include <QFontMetricsF>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <algorithm>

namespace zc {

namespace {

/// The caret follows what was written, so the problem pane shows its newest
/// text; the history pane is scrolled explicitly (moving its caret would make
/// every key lay out and scroll a long document).
void placeCaret(QTextEdit* pane, const QTextCursor& c) {
    if (pane->objectName() != QLatin1String("LHistoryREdit")) pane->setTextCursor(c);
}

int endPosition(const QTextEdit* pane) {
    return pane->document()->characterCount() - 1;
}

/// Pixels per 60 twips (3 pt) on the pane's screen.
double levelPixels(const QTextEdit* pane) {
    return 3.0 * pane->logicalDpiY() / 72.0;
}

QTextCharFormat paneFormat(const QTextEdit* pane, quint32 colour, int raise) {
    QTextCharFormat f;
    const QFont base = pane->document()->defaultFont();
    f.setFontFamilies({QStringLiteral("Arial")});
    if (base.pixelSize() > 0)
        f.setProperty(QTextFormat::FontPixelSize, base.pixelSize());
    else
        f.setFontPointSize(base.pointSizeF());
    f.setFontWeight(base.weight());
    f.setForeground(colourFromValue(colour));
    f.setProperty(kRaiseTwipsProperty, raise);
    if (raise != 0) {
        const double height = QFontMetricsF(base, const_cast<QTextEdit*>(pane)).height();
        const double px = levelPixels(pane) * raise / 60.0;
        f.setBaselineOffset(100.0 * px / height);
    } else {
        f.setBaselineOffset(0.0);
    }
    return f;
}

/// Raised text does not make its line taller: keep room above the block so
/// that exponents are neither clipped nor drawn over the line above.
void reserveRaiseRoom(QTextEdit* pane, QTextCursor& c, int raise) {
    if (raise <= 0) return;
    const double need = levelPixels(pane) * raise / 60.0;
    QTextBlockFormat bf = c.blockFormat();
    if (bf.topMargin() + 0.5 < need) {
        bf.setTopMargin(need);
        c.setBlockFormat(bf);
    }
}

/// Blocks started by a line break inherit the block format; new lines begin
/// without the room a raised line needed.
void resetNewBlocks(QTextCursor& c, int firstBlock) {
    if (c.blockNumber() == firstBlock) return;
    QTextBlockFormat bf = c.blockFormat();
    if (bf.topMargin() != 0.0) {
        bf.setTopMargin(0.0);
        c.setBlockFormat(bf);
    }
}

void insertAt(QTextEdit* pane, int position, const QString& text, const QTextCharFormat& f,
              int raise) {
    QTextCursor c(pane->document());
    c.setPosition(position);
    const int firstBlock = c.blockNumber();
    reserveRaiseRoom(pane, c, raise);
    c.insertText(text, f);
    resetNewBlocks(c, firstBlock);
    if (raise > 0) reserveRaiseRoom(pane, c, raise);
    placeCaret(pane, c);
}

} // namespace

void appendRichText(const QString& text, QTextEdit* pane, quint32 colour, int raise) {
    if (text.isEmpty()) return;
    insertAt(pane, endPosition(pane), text, paneFormat(pane, colour, raise), raise);
}

void deleteLastChars(int n, QTextEdit* pane) {
    if (n <= 0) return;
    const int end = endPosition(pane);
    QTextCursor c(pane->document());
    c.setPosition(std::max(0, end - n));
    c.setPosition(end, QTextCursor::KeepAnchor);
    c.removeSelectedText();
    placeCaret(pane, c);
}

void insertBeforeEnd(const QString& text, QTextEdit* pane, quint32 colour, int n) {
    insertAt(pane, std::max(0, endPosition(pane) - n), text, paneFormat(pane, colour, 0), 0);
}

void deleteRangeBeforeEnd(int start, int end, QTextEdit* pane, int n) {
    const int shift = std::max(0, endPosition(pane) - n);
    const int last = endPosition(pane);
    const int a = std::clamp(start + shift, 0, last);
    const int b = std::clamp(end + shift, 0, last);
    if (b <= a) return;
    QTextCursor c(pane->document());
    c.setPosition(a);
    c.setPosition(b, QTextCursor::KeepAnchor);
    c.removeSelectedText();
    placeCaret(pane, c);
}

void scrollToBottom(QTextEdit* pane) {
    QScrollBar* bar = pane->verticalScrollBar();
    bar->setValue(bar->maximum());
}

void setPaneText(QTextEdit* pane, const QString& text) {
    pane->setPlainText(text);
    QTextCursor c(pane->document());
    c.movePosition(QTextCursor::End);
    placeCaret(pane, c);
}

int paneLength(const QTextEdit* pane) {
    return endPosition(pane);
}

} // namespace zc
