// SPDX-License-Identifier: MIT
#include "ui/toolkit/radio_group.h"

#include "ui/toolkit/focus_ring.h"

#include <QAccessible>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace zc {
namespace {

constexpr int kIndicatorGap = 2;  // between indicator and text
constexpr int kCellPadding = 0;   // before the indicator
constexpr int kTrailingSpace = 2; // keeps a text off the next item's indicator
// Narrowest horizontal stretch used to fit a long item into its column before eliding it.
constexpr int kMinStretch = 70;

} // namespace

RadioGroup::RadioGroup(const QStringList& items, int columns, QWidget* parent)
    : QWidget(parent), m_items(items), m_columns(std::max(1, columns)) {
    QFont f = font();
    f.setFamilies({"MS Sans Serif"});
    f.setPixelSize(11);
    setFont(f);
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, Qt::white);
    setPalette(pal);
    setAutoFillBackground(false);
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
}

QString RadioGroup::itemText(int index) const {
    return index >= 0 && index < count() ? m_items.at(index) : QString();
}

void RadioGroup::setCurrentIndex(int index) {
    if (index < 0 || index >= count()) index = -1;
    if (index == m_current) return;
    const int previous = m_current;
    m_current = index;
    update();
    notifyCurrentChanged(previous);
}

void RadioGroup::clickItem(int index) {
    if (index < 0 || index >= count()) return;
    const int previous = m_current;
    const bool changed = index != m_current;
    m_current = index;
    update();
    if (changed) {
        notifyCurrentChanged(previous);
        emit userChanged(index);
    }
    emit userClicked(index);
}

void RadioGroup::setItemAccessibility(const QStringList& names, const QStringList& descriptions) {
    m_itemNames = names;
    m_itemDescriptions = descriptions;
}

QString RadioGroup::itemAccessibleName(int index) const {
    if (index >= 0 && index < m_itemNames.size() && !m_itemNames.at(index).isEmpty())
        return m_itemNames.at(index);
    return itemText(index);
}

QString RadioGroup::itemAccessibleDescription(int index) const {
    return index >= 0 && index < m_itemDescriptions.size() ? m_itemDescriptions.at(index)
                                                           : QString();
}

void RadioGroup::notifyCurrentChanged(int previous) {
    if (!QAccessible::isActive()) return;
    QAccessibleInterface* group = QAccessible::queryAccessibleInterface(this);
    if (group == nullptr) return;
    QAccessible::State checked;
    checked.checked = true;
    for (const int index : {previous, m_current}) {
        if (index < 0 || index >= group->childCount()) continue;
        QAccessibleStateChangeEvent event(group->child(index), checked);
        QAccessible::updateAccessibility(&event);
    }
    if (hasFocus() && m_current >= 0 && m_current < group->childCount()) {
        QAccessibleEvent focus(group->child(m_current), QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
}

void RadioGroup::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void RadioGroup::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

int RadioGroup::rows() const {
    return std::max(1, (count() + m_columns - 1) / m_columns);
}

QRect RadioGroup::itemRect(int index) const {
    if (index < 0 || index >= count()) return {};
    const int r = rows();
    const int col = index / r;
    const int row = index % r;
    const int x0 = col * width() / m_columns;
    const int x1 = (col + 1) * width() / m_columns;
    const int y0 = row * height() / r;
    const int y1 = (row + 1) * height() / r;
    return QRect(x0, y0, x1 - x0, y1 - y0);
}

int RadioGroup::indexAt(QPoint pos) const {
    for (int i = 0; i < count(); ++i)
        if (itemRect(i).contains(pos)) return i;
    return -1;
}

int RadioGroup::indicatorSize() const {
    const int cellHeight = height() / rows();
    const int cellWidth = width() / m_columns;
    return std::clamp(std::min(cellHeight - 2, cellWidth / 4), 7, 10);
}

// Columns are narrow ("GRAD" in a third of 115 px): a text that does not fit is narrowed a
// little rather than cut.
QFont RadioGroup::fittedFont(int textWidth) const {
    QFont f = font();
    qreal widest = 0;
    const QFontMetricsF fm(f);
    for (const QString& item : m_items)
        widest = std::max(widest, fm.horizontalAdvance(item));
    if (widest > textWidth && widest > 0) {
        // One point under the exact ratio: metrics of a stretched font round up.
        const int stretch = std::max(kMinStretch, int(100.0 * textWidth / widest) - 1);
        f.setStretch(stretch);
    }
    return f;
}

QSize RadioGroup::sizeHint() const {
    const QFontMetrics fm(font());
    int widest = 0;
    for (const QString& item : m_items)
        widest = std::max(widest, fm.horizontalAdvance(item));
    const int cell = kCellPadding + 10 + kIndicatorGap + widest + kTrailingSpace;
    return {cell * m_columns, std::max(fm.height(), 13) * rows() + 4};
}

void RadioGroup::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, true);
    const int d = indicatorSize();
    const int cellWidth = width() / m_columns;
    const int textWidth = cellWidth - kCellPadding - d - kIndicatorGap - kTrailingSpace;
    const QFont f = fittedFont(textWidth);
    const QFontMetrics fm(f);
    p.setFont(f);
    const QColor ink =
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText);
    for (int i = 0; i < count(); ++i) {
        const QRect cell = itemRect(i);
        const QRectF ring(cell.left() + kCellPadding + 0.5, cell.center().y() - d / 2.0 + 1.0,
                          d - 1.0, d - 1.0);
        const bool hot = i == m_hover || i == m_pressed;
        QRadialGradient well(ring.center() + QPointF(0, d * 0.2), d * 0.7);
        well.setColorAt(0.0, QColor(0x30, 0x33, 0x38));
        well.setColorAt(1.0, QColor(0x0C, 0x0D, 0x0F));
        p.setBrush(well);
        p.setPen(QPen(hot ? QColor(0xFF, 0xFF, 0xFF) : QColor(0xB4, 0xBA, 0xC4), 1.0));
        p.drawEllipse(ring);
        if (i == m_current) {
            const qreal r = d * 0.22;
            p.setPen(Qt::NoPen);
            p.setBrush(ink);
            p.drawEllipse(ring.center(), r, r);
        }
        const int textLeft = cell.left() + kCellPadding + d + kIndicatorGap;
        const QRect text(textLeft, cell.top(), cell.right() + 1 - kTrailingSpace - textLeft,
                         cell.height());
        p.setPen(ink);
        p.drawText(text, Qt::AlignLeft | Qt::AlignVCenter,
                   fm.elidedText(m_items.at(i), Qt::ElideRight, text.width() + kTrailingSpace));
    }
    if (hasFocus()) paintFocusRing(p, QRectF(m_current >= 0 ? itemRect(m_current) : rect()), 2.0);
}

void RadioGroup::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_pressed = indexAt(event->position().toPoint());
    event->accept();
    update();
}

// An item is clicked when the button goes down and up over the same item.
void RadioGroup::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    event->accept();
    const int pressed = m_pressed;
    m_pressed = -1;
    update();
    if (pressed < 0 || indexAt(event->position().toPoint()) != pressed) return;
    clickItem(pressed);
}

void RadioGroup::mouseMoveEvent(QMouseEvent* event) {
    setHoverIndex(indexAt(event->position().toPoint()));
    event->accept();
}

void RadioGroup::leaveEvent(QEvent* event) {
    setHoverIndex(-1);
    QWidget::leaveEvent(event);
}

void RadioGroup::setHoverIndex(int index) {
    if (index == m_hover) return;
    m_hover = index;
    update();
}

// With the focus (when the window allows it) the arrow keys move the selection, as a user change,
// and Space clicks the selected item (the first when none is).
void RadioGroup::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && count() > 0) {
        event->accept();
        if (!event->isAutoRepeat()) clickItem(m_current < 0 ? 0 : m_current);
        return;
    }
    int step = 0;
    if (event->key() == Qt::Key_Left || event->key() == Qt::Key_Up) step = -1;
    if (event->key() == Qt::Key_Right || event->key() == Qt::Key_Down) step = 1;
    if (step == 0 || count() == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    const int next = std::clamp(m_current < 0 ? 0 : m_current + step, 0, count() - 1);
    if (next == m_current) return;
    const int previous = m_current;
    m_current = next;
    update();
    notifyCurrentChanged(previous);
    emit userChanged(next);
}

} // namespace zc
