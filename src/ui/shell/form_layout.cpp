// SPDX-License-Identifier: MIT
// The window's layout as data: every control with its name, place, size and
// handler. Positions are window client coordinates; children of a sub-panel
// are placed relative to it.

#include "ui/shell/calc_form.h"
#include "ui/toolkit/background_panel.h"
#include "ui/toolkit/colours.h"
#include "ui/toolkit/image_key.h"
#include "ui/toolkit/key_glyph.h"
#include "ui/toolkit/link_label.h"
#include "ui/toolkit/list_box.h"
#include "ui/toolkit/radio_group.h"
#include "ui/toolkit/rich_pane.h"
#include "ui/toolkit/skin_label.h"
#include "ui/toolkit/sub_panel.h"

#include <QFont>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextDocument>
#include <QTextOption>
#include <QTimer>

namespace zc {

namespace {

using Handler = void (TCalcForm::*)();

enum class Panel { Main, L1, L2, L3, L4, L5 };

struct KeyRow {
    const char* name;
    KeyGlyph glyph;
    int x, y, w, h;
    Panel panel;
    Handler handler; // nullptr: the key has no handler
};

struct PanelRow {
    Panel panel;
    const char* name;
    int x, y, w, h;
};

constexpr PanelRow kPanels[] = {
    {Panel::L1, "L1SubPanel", -7, 275, 257, 137}, {Panel::L2, "L2SubPanel", -7, 272, 265, 137},
    {Panel::L5, "L5SubPanel", -5, 252, 249, 161}, {Panel::L3, "L3SubPanel", -12, 232, 265, 185},
    {Panel::L4, "L4SubPanel", -4, 232, 265, 185},
};

using F = TCalcForm;
using G = KeyGlyph;

// clang-format off
const KeyRow kKeys[] = {
    // Window-level keys.
    {"LBtnClose", G::CloseNormal, 208, 5, 28, 20, Panel::Main, &F::LBtnCloseClick},
    {"LBtnHelp", G::HelpWhite, 148, 232, 34, 27, Panel::Main, &F::L4BtnHelpClick},
    {"LBtnNextLayer", G::FunctionTab, 181, 234, 72, 25, Panel::Main, &F::LBtnNextLayerClick},
    // The common keypad.
    {"LBtn7", G::Digit7, 9, 418, 40, 35, Panel::Main, &F::LBtn7Click},
    {"LBtn8", G::Digit8, 59, 418, 40, 35, Panel::Main, &F::LBtn8Click},
    {"LBtn9", G::Digit9, 109, 418, 40, 35, Panel::Main, &F::LBtn9Click},
    {"LBtnDel", G::Del, 159, 418, 40, 35, Panel::Main, &F::LBtnDelClick},
    {"LBtnAc", G::Ac, 209, 418, 40, 35, Panel::Main, &F::LBtnAcClick},
    {"LBtn4", G::Digit4, 9, 458, 40, 35, Panel::Main, &F::LBtn4Click},
    {"LBtn5", G::Digit5, 59, 458, 40, 35, Panel::Main, &F::LBtn5Click},
    {"LBtn6", G::Digit6, 109, 458, 40, 35, Panel::Main, &F::LBtn6Click},
    {"LBtnMul", G::Multiply, 159, 458, 40, 35, Panel::Main, &F::LBtnMulClick},
    {"LBtnDiv", G::Divide, 209, 458, 40, 35, Panel::Main, &F::LBtnDivClick},
    {"LBtn1", G::Digit1, 9, 498, 40, 35, Panel::Main, &F::LBtn1Click},
    {"LBtn2", G::Digit2, 59, 498, 40, 35, Panel::Main, &F::LBtn2Click},
    {"LBtn3", G::Digit3, 109, 498, 40, 35, Panel::Main, &F::LBtn3Click},
    {"LBtnPlus", G::Plus, 159, 498, 40, 35, Panel::Main, &F::LBtnPlusClick},
    {"LBtnMinus", G::Minus, 209, 498, 40, 35, Panel::Main, &F::LBtnMinusClick},
    {"LBtn0", G::Digit0, 9, 538, 40, 35, Panel::Main, &F::LBtn0Click},
    {"LBtnDot", G::Dot, 59, 538, 40, 35, Panel::Main, &F::LBtnDotClick},
    {"LBtn10toX", G::TenToX, 109, 538, 40, 35, Panel::Main, &F::LBtn10toXClick},
    {"LBtnAns", G::Ans, 159, 538, 40, 35, Panel::Main, &F::LBtnAnsClick},
    {"LBtnEqual", G::Equal, 209, 538, 39, 35, Panel::Main, &F::LBtnEqualClick},
    // Scientific sub-panel.
    {"L1BtnInverse", G::Inverse, 10, 284, 41, 32, Panel::L1, &F::L1BtnInverseClick},
    {"L1BtnSqr", G::Square, 60, 284, 41, 32, Panel::L1, &F::L1BtnSqrClick},
    {"L1BtnPercent", G::Percent, 109, 284, 41, 32, Panel::L1, &F::L1BtnPercentClick},
    {"L1BtnToGms", G::ToDms, 159, 284, 41, 32, Panel::L1, &F::L1BtnToGmsClick},
    {"L1BtnFromGms", G::FromDms, 209, 284, 41, 32, Panel::L1, &F::L1BtnFromGmsClick},
    {"L1BtnLog", G::Log, 10, 316, 41, 32, Panel::L1, &F::L1BtnLogClick},
    {"L1BtnLn", G::Ln, 60, 316, 41, 32, Panel::L1, &F::L1BtnLnClick},
    {"L1BtnBrStart", G::BracketOpen, 109, 316, 41, 32, Panel::L1, &F::L1BtnBrStartClick},
    {"L1BtnBrEnd", G::BracketClose, 159, 316, 41, 32, Panel::L1, &F::L1BtnBrEndClick},
    {"L1BtnXtoY", G::XToY, 209, 316, 41, 32, Panel::L1, &F::L1BtnXtoYClick},
    {"L1BtnSqrt", G::Sqrt, 10, 348, 41, 32, Panel::L1, &F::L1BtnSqrtClick},
    {"L1BtnPlusMinus", G::PlusMinus, 60, 348, 41, 32, Panel::L1, &F::L1BtnPlusMinusClick},
    {"L1BtnSin", G::Sin, 109, 348, 41, 32, Panel::L1, &F::L1BtnSinClick},
    {"L1BtnCos", G::Cos, 159, 348, 41, 32, Panel::L1, &F::L1BtnCosClick},
    {"L1BtnTan", G::Tan, 209, 348, 41, 32, Panel::L1, &F::L1BtnTanClick},
    {"L1BtnDown", G::RightArrow, 10, 380, 41, 32, Panel::L1, &F::L1BtnDownClick},
    {"L1BtnHyp", G::Hyp, 60, 380, 41, 32, Panel::L1, &F::L1BtnHypClick},
    {"L1BtnAsin", G::Asin, 109, 380, 41, 32, Panel::L1, &F::L1BtnAsinClick},
    {"L1BtnAcos", G::Acos, 159, 380, 41, 32, Panel::L1, &F::L1BtnAcosClick},
    {"L1BtnAtan", G::Atan, 209, 380, 41, 32, Panel::L1, &F::L1BtnAtanClick},
    // Programmer sub-panel.
    {"L2BtnBrStart", G::BracketOpen, 10, 281, 41, 32, Panel::L2, &F::L2BtnBrStartClick},
    {"L2BtnBrEnd", G::BracketClose, 60, 281, 41, 32, Panel::L2, &F::L2BtnBrEndClick},
    {"L2BtnBlusMinus", G::PlusMinus, 109, 281, 41, 32, Panel::L2, nullptr},
    {"L2BtnMod", G::Mod, 159, 281, 41, 32, Panel::L2, &F::L2BtnModClick},
    {"L2BtnAnd", G::And, 210, 281, 41, 32, Panel::L2, &F::L2BtnAndClick},
    {"L2BtnHexA", G::HexA, 10, 329, 41, 32, Panel::L2, &F::L2BtnHexAClick},
    {"L2BtnHexB", G::HexB, 60, 329, 41, 32, Panel::L2, &F::L2BtnHexBClick},
    {"L2BtnHexC", G::HexC, 109, 329, 41, 32, Panel::L2, &F::L2BtnHexCClick},
    {"L2BtnOr", G::Or, 159, 329, 41, 32, Panel::L2, &F::L2BtnOrClick},
    {"L2BtnXor", G::Xor, 210, 329, 41, 32, Panel::L2, &F::L2BtnXorClick},
    {"L2BtnHexD", G::HexD, 10, 377, 41, 32, Panel::L2, &F::L2BtnHexDClick},
    {"L2BtnHexE", G::HexE, 60, 377, 41, 32, Panel::L2, &F::L2BtnHexEClick},
    {"L2BtnHexF", G::HexF, 109, 377, 41, 32, Panel::L2, &F::L2BtnHexFClick},
    {"L2BtnLsh", G::Lsh, 159, 377, 41, 32, Panel::L2, &F::L2BtnLshClick},
    {"L2BtnNot", G::Not, 210, 377, 41, 32, Panel::L2, &F::L2BtnNotClick},
    // Conversion and constants sub-panels carry their own help and next-layer keys.
    {"L3BtnHelp", G::HelpWhite, 148, 232, 34, 27, Panel::L3, &F::L4BtnHelpClick},
    {"L3BtnNextLayer", G::FunctionTab, 181, 234, 72, 26, Panel::L3, &F::L3BtnNextLayerClick},
    {"L4BtnHelp", G::HelpWhite, 148, 232, 34, 27, Panel::L4, &F::L4BtnHelpClick},
    {"L4BtnNextLayer", G::FunctionTab, 181, 234, 72, 26, Panel::L4, &F::L3BtnNextLayerClick},
    // Financial sub-panel.
    {"L5BtnPV", G::PresentValue, 3, 261, 121, 32, Panel::L5, &F::L5BtnPVClick},
    {"L5BtnFV", G::FutureValue, 3, 301, 121, 32, Panel::L5, &F::L5BtnFVClick},
    {"L5BtnPMT", G::Payment, 3, 333, 121, 48, Panel::L5, &F::L5BtnPMTClick},
    {"L5BtnI_YR", G::InterestPerYear, 139, 260, 113, 33, Panel::L5, &F::L5BtnI_YRClick},
    {"L5BtnP_YR", G::PeriodsPerYear, 139, 301, 113, 32, Panel::L5, &F::L5BtnP_YRClick},
    {"L5BtnN", G::Periods, 139, 341, 113, 32, Panel::L5, &F::L5BtnNClick},
    {"L5BtnBraketStart", G::BracketOpen, 12, 381, 41, 32, Panel::L5, &F::L1BtnBrStartClick},
    {"L5BtnBraketEnd", G::BracketClose, 70, 381, 41, 32, Panel::L5, &F::L1BtnBrEndClick},
    {"L5BtnPlusMinus", G::PlusMinus, 145, 381, 41, 32, Panel::L5, &F::L1BtnPlusMinusClick},
    {"L5BtnRight", G::RightArrow, 203, 381, 41, 32, Panel::L5, &F::L1BtnDownClick},
};

struct LabelRow {
    const char* name;
    const char* text;
    int x, y, w, h;
    Handler handler;
};

// Category labels, by unit category id.
const LabelRow kCategoryLabels[] = {
    {"LLabelAngle", "angle", 5, 248, 47, 17, &F::LLabelAngleClick},
    {"LLabelTime", "time", 53, 248, 47, 17, &F::LLabelTimeClick},
    {"LLabelData", "data", 101, 248, 47, 17, &F::LLabelDataClick},
    {"LLabelDist", "dist", 5, 266, 47, 17, &F::LLabelDistClick},
    {"LLabelMass", "mass", 53, 266, 47, 17, &F::LLabelMassClick},
    {"LLabelTemp", "temp", 101, 266, 47, 17, &F::LLabelTempClick},
    {"LLabelArea", "area", 149, 266, 47, 17, &F::LLabelAreaClick},
    {"LLabelVol", "vol", 197, 266, 47, 17, &F::LLabelVolClick},
    {"LLabelSpeed", "speed", 5, 284, 47, 17, &F::LLabelSpeedClick},
    {"LLabelPress", "press", 53, 284, 47, 17, &F::LLabelPressClick},
    {"LLabelEnergy", "energy", 101, 284, 47, 17, &F::LLabelEnergyClick},
    {"LLabelPower", "power", 149, 284, 47, 17, &F::LLabelPowerClick},
    {"LLabelForce", "force", 197, 284, 47, 17, &F::LLabelForceClick},
};

// Constants group labels, by group.
const LabelRow kGroupLabels[] = {
    {"L4LabelUniversal", "universal", 12, 268, 113, 17, &F::L4LabelUniversalClick},
    {"L4LabelElectromagnetic", "electromagnetic", 126, 268, 113, 17, &F::L4LabelElectromagneticClick},
    {"L4LabelAtomicNuclear", "atomic/ nuclear", 12, 286, 113, 17, &F::L4LabelAtomicNuclearClick},
    {"L4LabelPhysChem", "physico-chemical", 126, 286, 113, 17, &F::L4LabelPhysChemClick},
};
// clang-format on

// Keyboard equivalents, shown as the keys' tool tips.
struct KeyTip {
    const char* name;
    const char* keys;
};

const KeyTip kKeyTips[] = {
    {"LBtn0", "0"}, {"LBtn1", "1"}, {"LBtn2", "2"}, {"LBtn3", "3"}, {"LBtn4", "4"},
    {"LBtn5", "5"}, {"LBtn6", "6"}, {"LBtn7", "7"}, {"LBtn8", "8"}, {"LBtn9", "9"},
    {"LBtnDot", "numeric-pad point (and . in the scientific layer)"}, {"LBtnPlus", "+"}, {"LBtnMinus", "-"}, {"LBtnMul", "*"}, {"LBtnDiv", "/"},
    {"LBtnDel", "Backspace, Delete"}, {"LBtnAc", "Esc"}, {"LBtnEqual", "Enter"}, {"LBtnAns", "M (scientific layer)"},
    {"L1BtnInverse", "I"}, {"L1BtnSqr", "Shift+2"}, {"L1BtnPercent", "%"}, {"L1BtnToGms", "G"},
    {"L1BtnFromGms", "Shift+G"}, {"L1BtnLog", "L"}, {"L1BtnLn", "N"}, {"L1BtnBrStart", "("},
    {"L1BtnBrEnd", ")"}, {"L1BtnXtoY", "Y"}, {"L1BtnSqrt", "R"}, {"L1BtnSin", "S"},
    {"L1BtnCos", "C"}, {"L1BtnTan", "T"}, {"L1BtnDown", "Shift+Y"}, {"L1BtnAsin", "Shift+S"},
    {"L1BtnAcos", "Shift+C"}, {"L1BtnAtan", "Shift+T"}, {"L2BtnBrStart", "("}, {"L2BtnBrEnd", ")"},
    {"L2BtnMod", "%"}, {"L2BtnHexA", "A"}, {"L2BtnHexB", "B"}, {"L2BtnHexC", "C"},
    {"L2BtnHexD", "D"}, {"L2BtnHexE", "E"}, {"L2BtnHexF", "F"}, {"L2BtnOr", "\\"},
    {"L2BtnXor", "^"}, {"L2BtnLsh", ","}, {"L2BtnNot", "`"}, {"L5BtnBraketStart", "("},
    {"L5BtnBraketEnd", ")"},
};

QFont sansFont(int pixels) {
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPixelSize(pixels);
    return f;
}

QFont paneFont() {
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(12);
    f.setBold(true);
    return f;
}

void stylePane(RichPane* pane, const QFont& font, quint32 colour, Qt::ScrollBarPolicy bar) {
    pane->setFont(font);
    pane->document()->setDefaultFont(font);
    QPalette pal = pane->palette();
    pal.setColor(QPalette::Text, colourFromValue(colour));
    pal.setColor(QPalette::Base, Qt::white);
    pane->setPalette(pal);
    pane->setVerticalScrollBarPolicy(bar);
    // A fixed direction spares the layout a scan of every block's text.
    QTextOption opt = pane->document()->defaultTextOption();
    opt.setTextDirection(Qt::LeftToRight);
    pane->document()->setDefaultTextOption(opt);
    pane->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

} // namespace

void TCalcForm::registerControl(const QString& name, QWidget* widget) {
    widget->setObjectName(name);
    m_controls.insert(name, widget);
    m_controlOrder.append(name);
}

void TCalcForm::buildControls() {
    Layer1Panel = new BackgroundPanel(this);
    Layer1Panel->setGeometry(0, 0, 253, 606);
    registerControl(QStringLiteral("Layer1Panel"), Layer1Panel);
    connect(Layer1Panel, &BackgroundPanel::mousePressed, this,
            [this](QMouseEvent* e) { Layer1PanelMouseDown(e); });
    connect(Layer1Panel, &BackgroundPanel::mouseMoved, this, [this](QMouseEvent* e) {
        Layer1PanelMouseMove();
        if (m_manualDrag && (e->buttons() & Qt::LeftButton))
            move(e->globalPosition().toPoint() - m_dragOffset);
    });
    connect(Layer1Panel, &BackgroundPanel::mouseReleased, this,
            [this](QMouseEvent*) { m_manualDrag = false; });

    auto* title = new SkinLabel(QStringLiteral("Calculator - Pellinor Zentorix"), Layer1Panel);
    title->setGeometry(9, 7, 205, 15);
    title->setFont(sansFont(11));
    title->setOpaque(false);
    title->setFontColour(Qt::white);
    title->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // For the mouse the title line is background: a press there drags the
    // window, and moving onto it clears the close key's hover picture.
    title->setAttribute(Qt::WA_TransparentForMouseEvents);
    registerControl(QStringLiteral("LMDLabel1"), title);

    const QFont pf = paneFont();
    LHistoryREdit = new RichPane(Layer1Panel);
    LHistoryREdit->setGeometry(3, 26, 245, 89);
    stylePane(LHistoryREdit, pf, kHistoryColour, Qt::ScrollBarAlwaysOn);
    registerControl(QStringLiteral("LHistoryREdit"), LHistoryREdit);

    LOutputREdit = new RichPane(Layer1Panel);
    LOutputREdit->setGeometry(3, 120, 245, 53);
    stylePane(LOutputREdit, pf, kProblemColour, Qt::ScrollBarAsNeeded);
    registerControl(QStringLiteral("LOutputREdit"), LOutputREdit);

    LResultREdit = new RichPane(Layer1Panel);
    LResultREdit->setGeometry(3, 178, 245, 50);
    stylePane(LResultREdit, pf, 0x008000, Qt::ScrollBarAlwaysOff);
    {
        QTextOption opt = LResultREdit->document()->defaultTextOption();
        opt.setAlignment(Qt::AlignRight);
        LResultREdit->document()->setDefaultTextOption(opt);
    }
    registerControl(QStringLiteral("LResultREdit"), LResultREdit);

    L2NumberSysGroup = new RadioGroup({QStringLiteral("HEX"), QStringLiteral("DEC"),
                                       QStringLiteral("OCT"), QStringLiteral("BIN")},
                                      4, Layer1Panel);
    L2NumberSysGroup->setGeometry(12, 232, 129, 33);
    L2NumberSysGroup->setCurrentIndex(1);
    L2NumberSysGroup->setFocusPolicy(Qt::TabFocus); // the one control in the tab order
    L2NumberSysGroup->hide();
    registerControl(QStringLiteral("L2NumberSysGroup"), L2NumberSysGroup);
    connect(L2NumberSysGroup, &RadioGroup::userChanged, this,
            [this](int index) { L2NumberSysGroupChange(index); });

    L1AnglesGroup = new RadioGroup(
        {QStringLiteral("DEG"), QStringLiteral("RAD"), QStringLiteral("GRAD")}, 3, Layer1Panel);
    L1AnglesGroup->setGeometry(20, 232, 115, 33);
    L1AnglesGroup->setCurrentIndex(0);
    registerControl(QStringLiteral("L1AnglesGroup"), L1AnglesGroup);
    connect(L1AnglesGroup, &RadioGroup::userChanged, this, [this](int) { L1AnglesGroupChange(); });

    LHelpREdit = new RichPane(Layer1Panel);
    LHelpREdit->setGeometry(3, 26, 245, 202);
    stylePane(LHelpREdit, sansFont(16), 0, Qt::ScrollBarAsNeeded);
    LHelpREdit->hide();
    registerControl(QStringLiteral("LHelpREdit"), LHelpREdit);

    connect(LHistoryREdit, &RichPane::mouseMoved, this, [this] { LHistoryREditMouseMove(); });
    connect(LHistoryREdit, &RichPane::mousePressed, this,
            [this](Qt::MouseButton b, bool dbl) { LHistoryREditMouseDown(b, dbl); });
    connect(LHelpREdit, &RichPane::mouseMoved, this, [this] { LHelpREditMouseMove(); });

    WebSiteAccess = new LinkLabel(QStringLiteral("Zentorix - Best Math Tools On Earth!"), Layer1Panel);
    WebSiteAccess->setGeometry(0, 580, 250, 13);
    {
        // The link's nominal 5 px face has no legible rendering; the small
        // sans face's smallest size (11 px) is what such a request draws.
        QFont f = sansFont(11);
        f.setUnderline(true);
        WebSiteAccess->setFont(f);
    }
    WebSiteAccess->setAlignment(Qt::AlignCenter);
    WebSiteAccess->setFontColour(colourFromValue(0xFF0000));
    registerControl(QStringLiteral("WebSiteAccess"), WebSiteAccess);
    connect(WebSiteAccess, &SkinLabel::clicked, this, [this] { WebSiteAccessClick(); });

    // Sub-panels, in stacking order: those of layers 2 and 3 lie over the
    // main panel's help and next-layer keys.
    QHash<int, SubPanel*> panels;
    QHash<int, QPoint> origins;
    panels.insert(static_cast<int>(Panel::Main), nullptr);
    origins.insert(static_cast<int>(Panel::Main), QPoint(0, 0));
    auto makePanel = [&](const PanelRow& row) {
        auto* p = new SubPanel(Layer1Panel);
        p->setGeometry(row.x, row.y, row.w, row.h);
        registerControl(QString::fromLatin1(row.name), p);
        panels.insert(static_cast<int>(row.panel), p);
        origins.insert(static_cast<int>(row.panel), QPoint(row.x, row.y));
        return p;
    };

    auto makeKey = [&](const KeyRow& row) {
        QWidget* parent = panels.value(static_cast<int>(row.panel));
        if (parent == nullptr) parent = Layer1Panel;
        const QPoint o = origins.value(static_cast<int>(row.panel));
        auto* key = new ImageKey(row.glyph, parent);
        key->setGeometry(row.x - o.x(), row.y - o.y(), row.w, row.h);
        registerControl(QString::fromLatin1(row.name), key);
        for (const KeyTip& tip : kKeyTips) {
            if (qstrcmp(tip.name, row.name) == 0)
                key->setToolTip(QStringLiteral("Keyboard: ") + QString::fromLatin1(tip.keys));
        }
        if (row.handler != nullptr) {
            const Handler h = row.handler;
            connect(key, &QAbstractButton::clicked, this, [this, h] { (this->*h)(); });
        }
        return key;
    };

    L1SubPanel = makePanel(kPanels[0]);
    L2SubPanel = makePanel(kPanels[1]);
    L5SubPanel = makePanel(kPanels[2]);
    // Keys of the main panel and of the first three sub-panels.
    for (const KeyRow& row : kKeys) {
        if (row.panel == Panel::L3 || row.panel == Panel::L4) continue;
        ImageKey* key = makeKey(row);
        const QString name = QString::fromLatin1(row.name);
        if (name == QLatin1String("LBtnClose")) LBtnClose = key;
        if (name == QLatin1String("LBtnHelp")) LBtnHelp = key;
        if (name == QLatin1String("LBtnNextLayer")) LBtnNextLayer = key;
    }
    connect(LBtnClose, &ImageKey::mouseMoved, this, [this] { LBtnCloseMouseMove(); });

    L3SubPanel = makePanel(kPanels[3]);
    L4SubPanel = makePanel(kPanels[4]);
    for (const KeyRow& row : kKeys) {
        if (row.panel != Panel::L3 && row.panel != Panel::L4) continue;
        ImageKey* key = makeKey(row);
        const QString name = QString::fromLatin1(row.name);
        if (name == QLatin1String("L3BtnHelp")) L3BtnHelp = key;
        if (name == QLatin1String("L4BtnHelp")) L4BtnHelp = key;
    }

    auto makeLabel = [&](const LabelRow& row, QWidget* parent, QPoint o) {
        auto* l = new SkinLabel(QString::fromLatin1(row.text), parent);
        l->setGeometry(row.x - o.x(), row.y - o.y(), row.w, row.h);
        l->setFont(sansFont(13));
        l->setAlignment(Qt::AlignCenter);
        l->setHighlighted(false);
        registerControl(QString::fromLatin1(row.name), l);
        const Handler h = row.handler;
        connect(l, &SkinLabel::clicked, this, [this, h] { (this->*h)(); });
        return l;
    };
    const QPoint o3(kPanels[3].x, kPanels[3].y);
    for (const LabelRow& row : kCategoryLabels) categoryLabels.push_back(makeLabel(row, L3SubPanel, o3));
    auto caption = [&](const char* name, const char* text, int x, int y, int w, int h) {
        auto* l = new SkinLabel(QString::fromLatin1(text), L3SubPanel);
        l->setGeometry(x - o3.x(), y - o3.y(), w, h);
        l->setFont(sansFont(13));
        l->setOpaque(false);
        l->setFontColour(Qt::white);
        l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        registerControl(QString::fromLatin1(name), l);
    };
    caption("LLabelFrom", "from:", 40, 301, 31, 18);
    caption("LLabelTo", "to:", 160, 301, 16, 18);
    LListFrom = new ListBox(L3SubPanel);
    LListFrom->setGeometry(12 - o3.x(), 320 - o3.y(), 113, 89);
    registerControl(QStringLiteral("LListFrom"), LListFrom);
    LListTo = new ListBox(L3SubPanel);
    LListTo->setGeometry(136 - o3.x(), 320 - o3.y(), 109, 89);
    registerControl(QStringLiteral("LListTo"), LListTo);

    const QPoint o4(kPanels[4].x, kPanels[4].y);
    for (const LabelRow& row : kGroupLabels) groupLabels.push_back(makeLabel(row, L4SubPanel, o4));
    L4List = new ListBox(L4SubPanel);
    L4List->setGeometry(12 - o4.x(), 314 - o4.y(), 225, 97);
    registerControl(QStringLiteral("L4List"), L4List);
    connect(L4List, &ListBox::rowClicked, this, [this](int) { L4ListClick(); });

    // Stacking: the conversion and constants panels cover the main help and
    // next-layer keys; the help pane covers the three working panes.
    L3SubPanel->raise();
    L4SubPanel->raise();
    LHelpREdit->raise();

    L2SubPanel->hide();
    L3SubPanel->hide();
    L4SubPanel->hide();
    L5SubPanel->hide();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(3000);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
    Timer1->start();
}

QWidget* TCalcForm::control(const QString& name) const { return m_controls.value(name, nullptr); }

QStringList TCalcForm::controlNames() const { return m_controlOrder; }

} // namespace zc
