// SPDX-License-Identifier: MIT
#include "ui/shell/calc_form.h"

#include "ui/display/form_panes.h"
#include "ui/display/rich_text.h"
#include "ui/shell/key_map.h"
#include "ui/shell/web_links.h"
#include "ui/toolkit/background_panel.h"
#include "ui/toolkit/colours.h"
#include "ui/toolkit/image_key.h"
#include "ui/toolkit/key_glyph.h"
#include "ui/toolkit/link_label.h"
#include "ui/toolkit/list_box.h"
#include "ui/toolkit/radio_group.h"
#include "ui/toolkit/rich_pane.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainterPath>
#include <QRegion>
#include <QTextEdit>
#include <QTimer>
#include <QUrl>
#include <QWindow>
#include <algorithm>

namespace zc {

TCalcForm::TCalcForm(QWidget* parent) : QWidget(parent, Qt::FramelessWindowHint) {
    setWindowTitle(QStringLiteral("Calculator"));
    setFixedSize(253, 606);
    {
        QFont f(QStringLiteral("MS Sans Serif"));
        f.setPixelSize(11);
        setFont(f);
    }
    setFocusPolicy(Qt::StrongFocus);
    buildControls();
    m_panes = std::make_unique<FormPanes>(LHistoryREdit, LOutputREdit, LResultREdit);
    m_calc = std::make_unique<Calculator>(*m_panes);
    m_calc->start();
    // The calculator converts between the rows the two unit lists show selected.
    for (ListBox* list : {LListFrom, LListTo})
        connect(list, &QListWidget::currentRowChanged, this,
                [this] { m_calc->setUnitRows(LListFrom->currentRow(), LListTo->currentRow()); });
    loadLayerHelp();
    // The outline is in place before the first frame, whether or not the
    // window manager ever activates the window.
    applyOutline();
}

TCalcForm::~TCalcForm() = default;

int TCalcForm::closeGlyphIndex() const {
    return LBtnClose->glyph() == KeyGlyph::CloseHover ? 1 : 2;
}

int TCalcForm::helpGlyphIndex() const {
    return LBtnHelp->glyph() == KeyGlyph::HelpYellow ? 4 : 3;
}

void TCalcForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Key preview: the window's key handler sees every key before the focused
    // control, without consuming it.
    if (!m_previewInstalled && windowHandle() != nullptr) {
        windowHandle()->installEventFilter(this);
        // The window itself holds the focus at first, so no control shows a focus ring until
        // the user presses Tab.
        if (focusWidget() == nullptr) setFocus(Qt::OtherFocusReason);
        // A window moved to a screen of another scale has its outline cut anew.
        connect(windowHandle(), &QWindow::screenChanged, this, [this] { applyOutline(); });
        m_previewInstalled = true;
    }
}

void TCalcForm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    applyOutline();
}

bool TCalcForm::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::WindowActivate:
        FormActivate();
        break;
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    case QEvent::DevicePixelRatioChange:
        applyOutline();
        break;
#endif
    default:
        break;
    }
    return QWidget::event(event);
}

bool TCalcForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == windowHandle() && event->type() == QEvent::KeyPress) {
        const auto* ke = static_cast<QKeyEvent*>(event);
        const KeyCode code = windowsKeyCode(*ke);
        if (code.key != 0) FormKeyDown(code.key, code.shift, code.ctrl);
        // Copy and paste are no keys of the key table: the table maps Ctrl+C to nothing so that
        // the focused pane copies its selection, and V and Insert to nothing at all.
        if (ke->matches(QKeySequence::Copy)) {
            const auto* pane = qobject_cast<const QTextEdit*>(QApplication::focusWidget());
            if (pane == nullptr || !pane->textCursor().hasSelection()) copySolution();
        } else if (ke->matches(QKeySequence::Paste)) {
            typeText(QGuiApplication::clipboard()->text());
        }
        refreshKeyStates();
    }
    return QWidget::eventFilter(watched, event);
}

void TCalcForm::FormActivate() {
    applyOutline();
}

void TCalcForm::refreshKeyStates() {
    if (m_hypKey != nullptr) m_hypKey->notifyLatchChanged();
}

void TCalcForm::showSelections() {
    L1AnglesGroup->setCurrentIndex(angleMode());
    L2NumberSysGroup->setCurrentIndex(numberSystem());
}

void TCalcForm::applyOutline() {
    QPainterPath path;
    path.addRoundedRect(QRectF(0, 0, width(), height()), 22.5, 22.5);
    setMask(QRegion(path.toFillPolygon().toPolygon()));
}

QPoint initialWindowPosition(const QRect& available, const QSize& size) {
    // A window taller than the area hangs down from its top edge, so the title
    // line (to drag it by) and the close key stay reachable.
    const int x = available.left() + (available.width() - size.width()) / 2;
    const int y = available.top() + (available.height() - size.height()) / 2;
    return {std::max(x, available.left()), std::max(y, available.top())};
}

void TCalcForm::Layer1PanelMouseDown(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    QWindow* win = windowHandle();
    if (win != nullptr && win->startSystemMove()) return;
    // Where the platform cannot move the window itself, follow the mouse.
    m_manualDrag = true;
    m_dragOffset = event->globalPosition().toPoint() - frameGeometry().topLeft();
}

void TCalcForm::LBtnCloseClick() {
    emit quitRequested(0);
}

void TCalcForm::LBtnCloseMouseMove() {
    if (!closeHot) {
        LBtnClose->setGlyph(KeyGlyph::CloseHover);
        closeHot = true;
    }
}

void TCalcForm::Layer1PanelMouseMove() {
    if (closeHot) {
        LBtnClose->setGlyph(KeyGlyph::CloseNormal);
        closeHot = false;
    }
}

void TCalcForm::LHelpREditMouseMove() {
    Layer1PanelMouseMove();
}

void TCalcForm::LHistoryREditMouseMove() {
    Layer1PanelMouseMove();
}

void TCalcForm::applyLinkColour() {
    static constexpr quint32 kSteps[10] = {0xFF0000, 0x00FFFF, 0x808000, 0xFF00FF, 0x0000FF,
                                           0x00FF00, 0x800080, 0x008080, 0x000080, 0xFF0000};
    const int step = (linkColourStep >= 0 && linkColourStep <= 9) ? linkColourStep : 0;
    WebSiteAccess->setFontColour(colourFromValue(kSteps[step]));
}

void TCalcForm::Timer1Timer() {
    if (linkColourStep > 8)
        linkColourStep = 0;
    else
        ++linkColourStep;
    linkShowsCurrency = !linkShowsCurrency;
    if (linkShowsCurrency) {
        WebSiteAccess->setText(QStringLiteral("Pellinor - 160+ Currencies Converter"));
        WebSiteAccess->setHint(QStringLiteral("Click to access to Pellinor web site"));
    } else {
        WebSiteAccess->setText(QStringLiteral("Zentorix - Best Math Tools On Earth!"));
        WebSiteAccess->setHint(QStringLiteral("Click to access to Zentorix web site"));
    }
    applyLinkColour();
}

void TCalcForm::WebSiteAccessClick() {
    const QString url =
        QString::fromLatin1(linkShowsCurrency ? kCurrencySiteUrl : kMathToolsSiteUrl);
    lastOpenedUrl = url;
    // Whether a browser could be started is not reported.
    QDesktopServices::openUrl(QUrl(url));
    WebSiteAccess->setFontColour(colourFromValue(0x008000));
}

} // namespace zc
