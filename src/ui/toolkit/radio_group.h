// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>
#include <QWidget>

namespace zc {

// A set of radio items laid out in equal columns, white text on a transparent background (it
// sits on the black face), indicators drawn here. It takes no keyboard focus unless given a
// focus policy; with the focus it rings the selected item, the arrow keys move the selection and
// Space clicks the selected item. Items fill the columns
// top to bottom, then left to right. No item is selected until one is set or clicked.
class RadioGroup : public QWidget {
    Q_OBJECT

public:
    RadioGroup(const QStringList& items, int columns, QWidget* parent = nullptr);

    int count() const { return int(m_items.size()); }
    QString itemText(int index) const;
    int columns() const { return m_columns; }

    int currentIndex() const { return m_current; }
    // Selects from code, which is never reported. An index out of range clears the selection.
    void setCurrentIndex(int index);
    // What a click on the item does, without the mouse: selects it and reports it as the user's.
    void clickItem(int index);

    // Names and descriptions of the items for assistive technology; an item without a name is
    // presented by its text.
    void setItemAccessibility(const QStringList& names, const QStringList& descriptions);
    QString itemAccessibleName(int index) const;
    QString itemAccessibleDescription(int index) const;

    // The cell of an item in this widget's coordinates; empty for an index out of range.
    QRect itemRect(int index) const;
    // The item under `pos`, or -1.
    int indexAt(QPoint pos) const;

    QSize sizeHint() const override;

signals:
    // The user selected a different item; sent after the change.
    void userChanged(int index);
    // The user clicked an item, the current one included; sent after userChanged.
    void userClicked(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // Tells assistive technology which items changed their checked state.
    void notifyCurrentChanged(int previous);

    int rows() const;
    QFont fittedFont(int textWidth) const;
    int indicatorSize() const;
    void setHoverIndex(int index);

    QStringList m_items;
    QStringList m_itemNames;
    QStringList m_itemDescriptions;
    int m_columns;
    int m_current = -1;
    int m_pressed = -1;
    int m_hover = -1;
};

} // namespace zc
