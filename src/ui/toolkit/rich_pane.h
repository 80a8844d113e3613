// SPDX-License-Identifier: MIT
#pragma once

#include <QTextEdit>

namespace zc {

// A read-only, frameless rich-text pane. It takes the focus only on a click, so the keyboard
// stays with the window until the user selects text to copy with Ctrl+C. Its document keeps no
// undo history: the panes are logs that only grow or are rewritten by the program.
class RichPane : public QTextEdit {
    Q_OBJECT

public:
    explicit RichPane(QWidget* parent = nullptr);

    static constexpr qreal kDocumentMargin = 2.0;

signals:
    // Every mouse move over the pane, pressed or not.
    void mouseMoved();
    // A press (doubleClick false) or the second press of a double click (true).
    void mousePressed(Qt::MouseButton button, bool doubleClick);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

} // namespace zc
