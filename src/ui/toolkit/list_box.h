// SPDX-License-Identifier: MIT
#pragma once

#include <QListWidget>

namespace zc {

// A single-selection list without header: white MS Sans Serif 11 px text on a transparent
// background, rows at least 16 px high and taller for entries with line breaks, the selected row
// black on the button-face colour, thin cream lines between rows.
class ListBox : public QListWidget {
    Q_OBJECT

public:
    explicit ListBox(QWidget* parent = nullptr);

    // Replaces the entries and selects the first; reports no click.
    void fill(const QStringList& items);
    // The rectangle of `row` in this widget's coordinates, after scrolling it into view;
    // empty for a row out of range.
    QRect rowRect(int row);

    static constexpr int kMinRowHeight = 16;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyboardSearch(const QString& search) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

signals:
    // The user clicked a row; the row is already selected.
    void rowClicked(int row);
};

} // namespace zc
