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
    appendRichText(qtext(text), edit(pane), paneColour(pane), raise);
}

void FormPanes::insertBeforeEnd(Pane pane, int fromEnd, std::u16string_view text) {
    zc::insertBeforeEnd(qtext(text), edit(pane), paneColour(pane), fromEnd);
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
