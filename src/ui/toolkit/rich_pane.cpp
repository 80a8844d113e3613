// SPDX-License-Identifier: MIT
#include "ui/toolkit/rich_pane.h"

#include <QMouseEvent>

namespace zc {

RichPane::RichPane(QWidget* parent) : QTextEdit(parent) {
    setReadOnly(true);
    setFocusPolicy(Qt::ClickFocus);
    setFrameShape(QFrame::NoFrame);
    setUndoRedoEnabled(false);
    document()->setUndoRedoEnabled(false);
    document()->setDocumentMargin(kDocumentMargin);
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
}

// Mouse events end here: passed on, they would reach the background, which reads a move as the
// pointer having left the close key and a press as the start of a window drag.
void RichPane::mouseMoveEvent(QMouseEvent* event) {
    QTextEdit::mouseMoveEvent(event);
    event->accept();
    emit mouseMoved();
}

void RichPane::mousePressEvent(QMouseEvent* event) {
    QTextEdit::mousePressEvent(event);
    event->accept();
    emit mousePressed(event->button(), false);
}

void RichPane::mouseDoubleClickEvent(QMouseEvent* event) {
    QTextEdit::mouseDoubleClickEvent(event);
    event->accept();
    emit mousePressed(event->button(), true);
}

} // namespace zc
