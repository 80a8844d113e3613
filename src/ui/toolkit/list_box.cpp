// SPDX-License-Identifier: MIT
#include "ui/toolkit/list_box.h"

#include "ui/toolkit/colours.h"
#include "ui/toolkit/focus_ring.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <algorithm>

namespace zc {
namespace {

const QColor kGridColour(255, 251, 240);
constexpr int kTextIndent = 3;

// Draws rows flat: the style's selection and focus decorations would not match the skin.
class ListBoxDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const QStringList lines = index.data(Qt::DisplayRole).toString().split('\n');
        const QFontMetrics fm(option.font);
        int width = 0;
        for (const QString& line : lines)
            width = std::max(width, fm.horizontalAdvance(line));
        const int height = int(lines.size()) * fm.height() + 3;
        return {width + 2 * kTextIndent, std::max(ListBox::kMinRowHeight, height)};
    }

    void paint(QPainter* p, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const QRect r = option.rect;
        const bool selected = option.state.testFlag(QStyle::State_Selected);
        p->save();
        if (selected) p->fillRect(r, colourFromValue(kButtonFace));
        const QStringList lines = index.data(Qt::DisplayRole).toString().split('\n');
        const QFontMetrics fm(option.font);
        p->setFont(option.font);
        p->setPen(selected ? QColor(Qt::black) : option.palette.color(QPalette::Text));
        const int block = int(lines.size()) * fm.height();
        int y = r.top() + (r.height() - 1 - block) / 2;
        const int textWidth = r.width() - 2 * kTextIndent;
        for (const QString& line : lines) {
            p->drawText(QRect(r.left() + kTextIndent, y, textWidth, fm.height()),
                        Qt::AlignLeft | Qt::AlignVCenter,
                        fm.elidedText(line, Qt::ElideRight, textWidth));
            y += fm.height();
        }
        p->setPen(kGridColour);
        p->drawLine(r.left(), r.bottom(), r.right(), r.bottom());
        p->restore();
    }
};

} // namespace

ListBox::ListBox(QWidget* parent) : QListWidget(parent) {
    QFont f = font();
    f.setFamilies({"MS Sans Serif"});
    f.setPixelSize(11);
    setFont(f);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setFrameShape(QFrame::NoFrame);
    setUniformItemSizes(false);
    setFocusPolicy(Qt::NoFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setItemDelegate(new ListBoxDelegate(this));

    QPalette pal = palette();
    pal.setColor(QPalette::Base, Qt::transparent);
    pal.setColor(QPalette::Window, Qt::transparent);
    pal.setColor(QPalette::Text, Qt::white);
    pal.setColor(QPalette::Highlight, colourFromValue(kButtonFace));
    pal.setColor(QPalette::HighlightedText, Qt::black);
    setPalette(pal);
    setAutoFillBackground(false);
    viewport()->setAutoFillBackground(false);

    // The scroll bar keeps the dark look of the face it sits on.
    QPalette bar = verticalScrollBar()->palette();
    bar.setColor(QPalette::Window, QColor(0x1A, 0x1B, 0x1E));
    bar.setColor(QPalette::Base, QColor(0x10, 0x11, 0x13));
    bar.setColor(QPalette::Button, QColor(0x4A, 0x4E, 0x56));
    bar.setColor(QPalette::ButtonText, QColor(0xD0, 0xD4, 0xDA));
    bar.setColor(QPalette::WindowText, QColor(0xD0, 0xD4, 0xDA));
    bar.setColor(QPalette::Light, QColor(0x6A, 0x70, 0x7A));
    bar.setColor(QPalette::Midlight, QColor(0x5A, 0x5F, 0x68));
    bar.setColor(QPalette::Mid, QColor(0x33, 0x36, 0x3B));
    bar.setColor(QPalette::Dark, QColor(0x22, 0x24, 0x28));
    bar.setColor(QPalette::Shadow, QColor(0x00, 0x00, 0x00));
    verticalScrollBar()->setPalette(bar);

    connect(this, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { emit rowClicked(row(item)); });
}

void ListBox::fill(const QStringList& items) {
    clear();
    addItems(items);
    if (count() > 0) setCurrentRow(0);
    scrollToTop();
}

void ListBox::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        if (mods == Qt::NoModifier) {
            QListWidget::keyPressEvent(event);
            return;
        }
        break;
    case Qt::Key_Space:
        if (mods == Qt::NoModifier) {
            event->accept();
            if (!event->isAutoRepeat() && currentRow() >= 0) emit rowClicked(currentRow());
            return;
        }
        break;
    default:
        break;
    }
    event->ignore();
}

void ListBox::keyboardSearch(const QString&) {}

void ListBox::paintEvent(QPaintEvent* event) {
    QListWidget::paintEvent(event);
    if (hasFocus()) {
        QPainter p(viewport());
        paintFocusRing(p, QRectF(viewport()->rect()), 2.0);
    }
}

void ListBox::focusInEvent(QFocusEvent* event) {
    QListWidget::focusInEvent(event);
    viewport()->update();
}

void ListBox::focusOutEvent(QFocusEvent* event) {
    QListWidget::focusOutEvent(event);
    viewport()->update();
}

QRect ListBox::rowRect(int row) {
    QListWidgetItem* it = item(row);
    if (!it) return {};
    scrollToItem(it);
    const QRect r = visualItemRect(it);
    return QRect(viewport()->mapTo(this, r.topLeft()), r.size());
}

} // namespace zc
