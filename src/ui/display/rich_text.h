// SPDX-License-Identifier: MIT
#pragma once
// The only writers of the calculator's panes. Text is appended or inserted at
// a known place with a colour and a vertical raise in twips (60 twips = 3 pt per
// exponent level); positions are derived from the undo records, never by
// reading the panes.

#include <QString>
#include <QtGlobal>

class QTextEdit;

namespace zc {

/// Character-format property that records a fragment's raise in twips.
inline constexpr int kRaiseTwipsProperty = 0x100000 + 1; // QTextFormat::UserProperty + 1

/// Appends text at the end in the colour value, raised by `raise` twips.
void appendRichText(const QString& text, QTextEdit* pane, quint32 colour, int raise);
/// Deletes the last n characters (nothing for n <= 0).
void deleteLastChars(int n, QTextEdit* pane);
/// Inserts text n characters before the end of the pane, not raised.
void insertBeforeEnd(const QString& text, QTextEdit* pane, quint32 colour, int n);
/// Deletes [start, end) counted from n characters before the end of the pane.
void deleteRangeBeforeEnd(int start, int end, QTextEdit* pane, int n);
/// Scrolls the pane so that its last line is visible.
void scrollToBottom(QTextEdit* pane);
/// Replaces the whole text with plain text in the pane's own font and colour.
void setPaneText(QTextEdit* pane, const QString& text);
/// Number of characters in the pane (line breaks count one).
int paneLength(const QTextEdit* pane);

} // namespace zc
