// SPDX-License-Identifier: MIT
#include "ui/display/form_panes.h"

#include "ui/display/rich_text.h"

#include <QString>
#include <QTextEdit>

namespace zc {

namespace {

QString qtext(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

/// The colour of the text the calculator writes into a pane.
quint32 entryColour(Pane pane) {
    switch (pane) {
    case Pane::Problem:
        return kProblemColour;
    case Pane::History:
        return kHistoryColour;
    case Pane::Solution:
        break;
    }
    return 0x008000;
}

} // namespace

FormPanes::FormPanes(QTextEdit* history, QTextEdit* problem, QTextEdit* solution)
    : m_history(history), m_problem(problem), m_solution(solution) {}

QTextEdit* FormPanes::edit(Pane pane) const {
    switch (pane) {
    case Pane::History:
        return m_history;
    case Pane::Problem:
        return m_problem;
    case Pane::Solution:
        break;
    }
    return m_solution;
}

void FormPanes::append(Pane pane, std::u16string_view text, int raise) {
    appendRichText(qtext(text), edit(pane), entryColour(pane), raise);
}

void FormPanes::insertBeforeEnd(Pane pane, int fromEnd, std::u16string_view text) {
    zc::insertBeforeEnd(qtext(text), edit(pane), entryColour(pane), fromEnd);
}

void FormPanes::deleteRangeBeforeEnd(Pane pane, int fromEnd, int start, int end) {
    zc::deleteRangeBeforeEnd(start, end, edit(pane), fromEnd);
}

void FormPanes::deleteLast(Pane pane, int n) {
    deleteLastChars(n, edit(pane));
}

void FormPanes::setText(Pane pane, std::u16string_view text) {
    setPaneText(edit(pane), qtext(text));
}

void FormPanes::clear(Pane pane) {
    edit(pane)->clear();
}

void FormPanes::scrollToEnd(Pane pane) {
    scrollToBottom(edit(pane));
}

} // namespace zc
