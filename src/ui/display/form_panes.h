// SPDX-License-Identifier: MIT
#pragma once
// The calculator's pane operations on the window's three rich panes.

#include "core/calculator/panes.h"

class QTextEdit;

namespace zc {

class FormPanes : public PaneSink {
public:
    FormPanes(QTextEdit* history, QTextEdit* problem, QTextEdit* solution);

    void append(Pane pane, std::u16string_view text, int raise) override;
    void insertBeforeEnd(Pane pane, int fromEnd, std::u16string_view text) override;
    void deleteRangeBeforeEnd(Pane pane, int fromEnd, int start, int end) override;
    void deleteLast(Pane pane, int n) override;
    void setText(Pane pane, std::u16string_view text) override;
    void clear(Pane pane) override;
    void scrollToEnd(Pane pane) override;

private:
    QTextEdit* edit(Pane pane) const;

    QTextEdit* m_history;
    QTextEdit* m_problem;
    QTextEdit* m_solution;
};

} // namespace zc
