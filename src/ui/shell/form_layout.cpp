// SPDX-License-Identifier: MIT
// The window's layout as data: every control with its name, place, size and
// handler. Positions are window client coordinates; children of a sub-panel
// are placed relative to it.

#include "core/calculator/virtual_keys.h"
#include "core/constants/constants_table.h"
#include "core/units/unit_catalogue.h"
#include "ui/shell/calc_form.h"
#include "ui/toolkit/accessibility.h"
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
#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <string_view>
#include <vector>

namespace zc {

namespace {

using Handler = void (TCalcForm::*)();

enum class Panel { Main, L1, L2, L3, L4, L5 };

// One row per key: its place, its handler and how it is presented. The spoken name and the
// action are what assistive technology reads; the tool tip is the action with the keyboard
// equivalents of its calculator key in brackets ("Sine (S)"), the accessible description the
// same as a sentence ("Sine. Keyboard: S"). The equivalents come from the key table.
struct KeyRow {
    const char* name;
    KeyGlyph glyph;
    int x, y, w, h;
    Panel panel;
    Handler handler; // nullptr: the key has no handler
    const char* spoken;
    const char* action;
    CalcKey key; // the calculator key it is, for its keyboard equivalents; None: no such key
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
using K = CalcKey;

// clang-format off
const KeyRow kKeys[] = {
    // Window-level keys.
    {"LBtnClose", G::CloseNormal, 208, 5, 28, 20, Panel::Main, &F::LBtnCloseClick,
     "close", "Close the calculator", K::None},
    {"LBtnHelp", G::HelpWhite, 148, 232, 34, 27, Panel::Main, &F::L4BtnHelpClick,
     "help", "Show or hide the help page", K::None},
    {"LBtnNextLayer", G::FunctionTab, 181, 234, 72, 25, Panel::Main, &F::LBtnNextLayerClick,
     "next layer", "Next layer", K::None},
    // The common keypad.
    {"LBtn7", G::Digit7, 9, 418, 40, 35, Panel::Main, &F::LBtn7Click,
     "7", "Digit 7", K::Digit7},
    {"LBtn8", G::Digit8, 59, 418, 40, 35, Panel::Main, &F::LBtn8Click,
     "8", "Digit 8", K::Digit8},
    {"LBtn9", G::Digit9, 109, 418, 40, 35, Panel::Main, &F::LBtn9Click,
     "9", "Digit 9", K::Digit9},
    {"LBtnDel", G::Del, 159, 418, 40, 35, Panel::Main, &F::LBtnDelClick,
     "delete", "Delete the last entry", K::Del},
    {"LBtnAc", G::Ac, 209, 418, 40, 35, Panel::Main, &F::LBtnAcClick,
     "clear all", "Clear the problem", K::AllClear},
    {"LBtn4", G::Digit4, 9, 458, 40, 35, Panel::Main, &F::LBtn4Click,
     "4", "Digit 4", K::Digit4},
    {"LBtn5", G::Digit5, 59, 458, 40, 35, Panel::Main, &F::LBtn5Click,
     "5", "Digit 5", K::Digit5},
    {"LBtn6", G::Digit6, 109, 458, 40, 35, Panel::Main, &F::LBtn6Click,
     "6", "Digit 6", K::Digit6},
    {"LBtnMul", G::Multiply, 159, 458, 40, 35, Panel::Main, &F::LBtnMulClick,
     "multiply", "Multiply", K::Multiply},
    {"LBtnDiv", G::Divide, 209, 458, 40, 35, Panel::Main, &F::LBtnDivClick,
     "divide", "Divide", K::Divide},
    {"LBtn1", G::Digit1, 9, 498, 40, 35, Panel::Main, &F::LBtn1Click,
     "1", "Digit 1", K::Digit1},
    {"LBtn2", G::Digit2, 59, 498, 40, 35, Panel::Main, &F::LBtn2Click,
     "2", "Digit 2", K::Digit2},
    {"LBtn3", G::Digit3, 109, 498, 40, 35, Panel::Main, &F::LBtn3Click,
     "3", "Digit 3", K::Digit3},
    {"LBtnPlus", G::Plus, 159, 498, 40, 35, Panel::Main, &F::LBtnPlusClick,
     "plus", "Add", K::Plus},
    {"LBtnMinus", G::Minus, 209, 498, 40, 35, Panel::Main, &F::LBtnMinusClick,
     "minus", "Subtract", K::Minus},
    {"LBtn0", G::Digit0, 9, 538, 40, 35, Panel::Main, &F::LBtn0Click,
     "0", "Digit 0", K::Digit0},
    {"LBtnDot", G::Dot, 59, 538, 40, 35, Panel::Main, &F::LBtnDotClick,
     "decimal point", "Decimal point", K::Point},
    {"LBtn10toX", G::TenToX, 109, 538, 40, 35, Panel::Main, &F::LBtn10toXClick,
     "ten to the power x", "Ten to the power x", K::TenToX},
    {"LBtnAns", G::Ans, 159, 538, 40, 35, Panel::Main, &F::LBtnAnsClick,
     "answer", "The last answer", K::Answer},
    {"LBtnEqual", G::Equal, 209, 538, 39, 35, Panel::Main, &F::LBtnEqualClick,
     "equals", "Work out the problem", K::Equal},
    // Scientific sub-panel.
    {"L1BtnInverse", G::Inverse, 10, 284, 41, 32, Panel::L1, &F::L1BtnInverseClick,
     "reciprocal", "Reciprocal", K::Inverse},
    {"L1BtnSqr", G::Square, 60, 284, 41, 32, Panel::L1, &F::L1BtnSqrClick,
     "square", "Square", K::Square},
    {"L1BtnPercent", G::Percent, 109, 284, 41, 32, Panel::L1, &F::L1BtnPercentClick,
     "percent", "Percent", K::Percent},
    {"L1BtnToGms", G::ToDms, 159, 284, 41, 32, Panel::L1, &F::L1BtnToGmsClick,
     "to degrees minutes seconds", "To degrees, minutes and seconds", K::ToDms},
    {"L1BtnFromGms", G::FromDms, 209, 284, 41, 32, Panel::L1, &F::L1BtnFromGmsClick,
     "from degrees minutes seconds", "Back from degrees, minutes and seconds", K::FromDms},
    {"L1BtnLog", G::Log, 10, 316, 41, 32, Panel::L1, &F::L1BtnLogClick,
     "logarithm", "Common logarithm", K::Log},
    {"L1BtnLn", G::Ln, 60, 316, 41, 32, Panel::L1, &F::L1BtnLnClick,
     "natural logarithm", "Natural logarithm", K::Ln},
    {"L1BtnBrStart", G::BracketOpen, 109, 316, 41, 32, Panel::L1, &F::L1BtnBrStartClick,
     "opening bracket", "Opening bracket", K::OpenBracket},
    {"L1BtnBrEnd", G::BracketClose, 159, 316, 41, 32, Panel::L1, &F::L1BtnBrEndClick,
     "closing bracket", "Closing bracket", K::CloseBracket},
    {"L1BtnXtoY", G::XToY, 209, 316, 41, 32, Panel::L1, &F::L1BtnXtoYClick,
     "x to the power y", "X to the power y", K::Power},
    {"L1BtnSqrt", G::Sqrt, 10, 348, 41, 32, Panel::L1, &F::L1BtnSqrtClick,
     "square root", "Square root", K::SquareRoot},
    {"L1BtnPlusMinus", G::PlusMinus, 60, 348, 41, 32, Panel::L1, &F::L1BtnPlusMinusClick,
     "change sign", "Change the sign", K::PlusMinus},
    {"L1BtnSin", G::Sin, 109, 348, 41, 32, Panel::L1, &F::L1BtnSinClick,
     "sine", "Sine", K::Sin},
    {"L1BtnCos", G::Cos, 159, 348, 41, 32, Panel::L1, &F::L1BtnCosClick,
     "cosine", "Cosine", K::Cos},
    {"L1BtnTan", G::Tan, 209, 348, 41, 32, Panel::L1, &F::L1BtnTanClick,
     "tangent", "Tangent", K::Tan},
    {"L1BtnDown", G::RightArrow, 10, 380, 41, 32, Panel::L1, &F::L1BtnDownClick,
     "close exponent", "Close the exponent", K::ExponentDown},
    {"L1BtnHyp", G::Hyp, 60, 380, 41, 32, Panel::L1, &F::L1BtnHypClick,
     "hyperbolic", "Hyperbolic: the next sine, cosine or tangent key enters the hyperbolic function", K::Hyp},
    {"L1BtnAsin", G::Asin, 109, 380, 41, 32, Panel::L1, &F::L1BtnAsinClick,
     "arc sine", "Arc sine", K::Asin},
    {"L1BtnAcos", G::Acos, 159, 380, 41, 32, Panel::L1, &F::L1BtnAcosClick,
     "arc cosine", "Arc cosine", K::Acos},
    {"L1BtnAtan", G::Atan, 209, 380, 41, 32, Panel::L1, &F::L1BtnAtanClick,
     "arc tangent", "Arc tangent", K::Atan},
    // Programmer sub-panel.
    {"L2BtnBrStart", G::BracketOpen, 10, 281, 41, 32, Panel::L2, &F::L2BtnBrStartClick,
     "opening bracket", "Opening bracket", K::OpenBracket},
    {"L2BtnBrEnd", G::BracketClose, 60, 281, 41, 32, Panel::L2, &F::L2BtnBrEndClick,
     "closing bracket", "Closing bracket", K::CloseBracket},
    {"L2BtnBlusMinus", G::PlusMinus, 109, 281, 41, 32, Panel::L2, nullptr,
     "change sign", "Change the sign: not available with integers", K::None},
    {"L2BtnMod", G::Mod, 159, 281, 41, 32, Panel::L2, &F::L2BtnModClick,
     "modulo", "Remainder of a division (MOD)", K::Mod},
    {"L2BtnAnd", G::And, 210, 281, 41, 32, Panel::L2, &F::L2BtnAndClick,
     "AND", "Bitwise AND", K::And},
    {"L2BtnHexA", G::HexA, 10, 329, 41, 32, Panel::L2, &F::L2BtnHexAClick,
     "hex digit A", "Hexadecimal digit A", K::HexA},
    {"L2BtnHexB", G::HexB, 60, 329, 41, 32, Panel::L2, &F::L2BtnHexBClick,
     "hex digit B", "Hexadecimal digit B", K::HexB},
    {"L2BtnHexC", G::HexC, 109, 329, 41, 32, Panel::L2, &F::L2BtnHexCClick,
     "hex digit C", "Hexadecimal digit C", K::HexC},
    {"L2BtnOr", G::Or, 159, 329, 41, 32, Panel::L2, &F::L2BtnOrClick,
     "OR", "Bitwise OR", K::Or},
    {"L2BtnXor", G::Xor, 210, 329, 41, 32, Panel::L2, &F::L2BtnXorClick,
     "XOR", "Bitwise exclusive OR", K::Xor},
    {"L2BtnHexD", G::HexD, 10, 377, 41, 32, Panel::L2, &F::L2BtnHexDClick,
     "hex digit D", "Hexadecimal digit D", K::HexD},
    {"L2BtnHexE", G::HexE, 60, 377, 41, 32, Panel::L2, &F::L2BtnHexEClick,
     "hex digit E", "Hexadecimal digit E", K::HexE},
    {"L2BtnHexF", G::HexF, 109, 377, 41, 32, Panel::L2, &F::L2BtnHexFClick,
     "hex digit F", "Hexadecimal digit F", K::HexF},
    {"L2BtnLsh", G::Lsh, 159, 377, 41, 32, Panel::L2, &F::L2BtnLshClick,
     "shift left", "Shift left", K::ShiftLeft},
    {"L2BtnNot", G::Not, 210, 377, 41, 32, Panel::L2, &F::L2BtnNotClick,
     "NOT", "Bitwise NOT", K::Not},
    // Conversion and constants sub-panels carry their own help and next-layer keys.
    {"L3BtnHelp", G::HelpWhite, 148, 232, 34, 27, Panel::L3, &F::L4BtnHelpClick,
     "help", "Show or hide the help page", K::None},
    {"L3BtnNextLayer", G::FunctionTab, 181, 234, 72, 26, Panel::L3, &F::L3BtnNextLayerClick,
     "next layer", "Next layer", K::None},
    {"L4BtnHelp", G::HelpWhite, 148, 232, 34, 27, Panel::L4, &F::L4BtnHelpClick,
     "help", "Show or hide the help page", K::None},
    {"L4BtnNextLayer", G::FunctionTab, 181, 234, 72, 26, Panel::L4, &F::L3BtnNextLayerClick,
     "next layer", "Next layer", K::None},
    // Financial sub-panel.
    {"L5BtnPV", G::PresentValue, 3, 261, 121, 32, Panel::L5, &F::L5BtnPVClick,
     "present value", "Present value (PV)", K::None},
    {"L5BtnFV", G::FutureValue, 3, 301, 121, 32, Panel::L5, &F::L5BtnFVClick,
     "future value", "Future value (FV)", K::None},
    {"L5BtnPMT", G::Payment, 3, 333, 121, 48, Panel::L5, &F::L5BtnPMTClick,
     "payment", "Periodical payment (PMT)", K::None},
    {"L5BtnI_YR", G::InterestPerYear, 139, 260, 113, 33, Panel::L5, &F::L5BtnI_YRClick,
     "interest per year", "Interest per year (I/YR)", K::None},
    {"L5BtnP_YR", G::PeriodsPerYear, 139, 301, 113, 32, Panel::L5, &F::L5BtnP_YRClick,
     "periods per year", "Periods per year (P/YR)", K::None},
    {"L5BtnN", G::Periods, 139, 341, 113, 32, Panel::L5, &F::L5BtnNClick,
     "periods", "Number of periods (N)", K::None},
    {"L5BtnBraketStart", G::BracketOpen, 12, 381, 41, 32, Panel::L5, &F::L1BtnBrStartClick,
     "opening bracket", "Opening bracket", K::OpenBracket},
    {"L5BtnBraketEnd", G::BracketClose, 70, 381, 41, 32, Panel::L5, &F::L1BtnBrEndClick,
     "closing bracket", "Closing bracket", K::CloseBracket},
    {"L5BtnPlusMinus", G::PlusMinus, 145, 381, 41, 32, Panel::L5, &F::L1BtnPlusMinusClick,
     "change sign", "Change the sign", K::PlusMinus},
    {"L5BtnRight", G::RightArrow, 203, 381, 41, 32, Panel::L5, &F::L1BtnDownClick,
     "close exponent", "Close the exponent", K::ExponentDown},
};

// The labels that select a unit category or a constants group; each reads as a button named
// after its category.
struct LabelRow {
    const char* name;
    int x, y, w, h;
    Handler handler;
    const char* spoken;
};

// Category labels, by unit category id.
const LabelRow kCategoryLabels[] = {
    {"LLabelAngle", 5, 248, 47, 17, &F::LLabelAngleClick, "angle"},
    {"LLabelTime", 53, 248, 47, 17, &F::LLabelTimeClick, "time"},
    {"LLabelData", 101, 248, 47, 17, &F::LLabelDataClick, "data"},
    {"LLabelDist", 5, 266, 47, 17, &F::LLabelDistClick, "distance"},
    {"LLabelMass", 53, 266, 47, 17, &F::LLabelMassClick, "mass"},
    {"LLabelTemp", 101, 266, 47, 17, &F::LLabelTempClick, "temperature"},
    {"LLabelArea", 149, 266, 47, 17, &F::LLabelAreaClick, "area"},
    {"LLabelVol", 197, 266, 47, 17, &F::LLabelVolClick, "volume"},
    {"LLabelSpeed", 5, 284, 47, 17, &F::LLabelSpeedClick, "speed"},
    {"LLabelPress", 53, 284, 47, 17, &F::LLabelPressClick, "pressure"},
    {"LLabelEnergy", 101, 284, 47, 17, &F::LLabelEnergyClick, "energy"},
    {"LLabelPower", 149, 284, 47, 17, &F::LLabelPowerClick, "power"},
    {"LLabelForce", 197, 284, 47, 17, &F::LLabelForceClick, "force"},
};

// Constants group labels, by group.
const LabelRow kGroupLabels[] = {
    {"L4LabelUniversal", 12, 268, 113, 17, &F::L4LabelUniversalClick, "universal"},
    {"L4LabelElectromagnetic", 126, 268, 113, 17, &F::L4LabelElectromagneticClick, "electromagnetic"},
    {"L4LabelAtomicNuclear", 12, 286, 113, 17, &F::L4LabelAtomicNuclearClick, "atomic and nuclear"},
    {"L4LabelPhysChem", 126, 286, 113, 17, &F::L4LabelPhysChemClick, "physico-chemical"},
};
// clang-format on

static_assert(std::size(kCategoryLabels) == kUnitCategoryCount, "one label per unit category");
static_assert(std::size(kGroupLabels) == kConstantGroupCount, "one label per constants group");

// The layers in which a key of the panel shows.
unsigned panelLayers(Panel panel) {
    switch (panel) {
    case Panel::Main:
        break;
    case Panel::L1:
        return layerBit(Layer::Scientific);
    case Panel::L2:
        return layerBit(Layer::Programmer);
    case Panel::L3:
        return layerBit(Layer::Conversion);
    case Panel::L4:
        return layerBit(Layer::Constants);
    case Panel::L5:
        return layerBit(Layer::Financial);
    }
    return kEveryLayer;
}

QString layerNames(unsigned layers) {
    static const char* const kNames[] = {"scientific", "programmer", "conversion", "constants",
                                         "financial"};
    static_assert(std::size(kNames) == kLayerCount);
    QStringList names;
    for (int i = 0; i < kLayerCount; ++i)
        if ((layers & layerBit(static_cast<Layer>(i))) != 0) names << QLatin1String(kNames[i]);
    return names.join(QStringLiteral(" and "));
}

// The keyboard keys that do what the key does where it shows, as the key table maps them:
// "7, Num 7", ". in the scientific layer, Num .". The keypad comes last.
QString keyboardText(const KeyRow& row) {
    QStringList main;
    QStringList keypad;
    // Esc clears the problem through the window's own rule.
    if (row.key == CalcKey::AllClear) main << QStringLiteral("Esc");
    const unsigned shown = panelLayers(row.panel);
    const std::vector<KeyPress> presses = keyboardEquivalents(row.key);
    for (const KeyPress& k : presses) {
        const unsigned where = k.layers & shown;
        if (where == 0) continue;
        const bool plainToo = std::any_of(presses.begin(), presses.end(), [&](const KeyPress& o) {
            return o.key == k.key && !o.shift && (o.layers & shown) != 0;
        });
        const QString name = QString::fromStdString(keyPressName(k.key, k.shift));
        // Shift on a digit, letter or keypad key that does the same is the same key; on a
        // punctuation key it makes another character, which the user may look for.
        if (k.shift && plainToo && k.key < vk::kOemSemicolon) continue;
        QStringList& list = name.startsWith(QLatin1String("Num ")) ? keypad : main;
        if (where == shown) {
            if (!list.contains(name)) list << name;
            continue;
        }
        // Keys that work in fewer layers than the key shows in: ". or > in the scientific layer".
        const QString note =
            QStringLiteral(" in the ") + layerNames(where) + QStringLiteral(" layer");
        if (!list.isEmpty() && list.back().endsWith(note))
            list.back().insert(list.back().size() - note.size(), QStringLiteral(" or ") + name);
        else
            list << name + note;
    }
    return (main + keypad).join(QStringLiteral(", "));
}

QString keyToolTip(const KeyRow& row) {
    QString tip = QString::fromLatin1(row.action);
    const QString keys = keyboardText(row);
    if (!keys.isEmpty()) tip += QStringLiteral(" (") + keys + QLatin1Char(')');
    return tip;
}

QString keyDescription(const KeyRow& row) {
    QString text = QString::fromLatin1(row.action) + QLatin1Char('.');
    const QString keys = keyboardText(row);
    if (!keys.isEmpty()) text += QStringLiteral(" Keyboard: ") + keys;
    return text;
}

// The keys of the layers in reading order: by rows (keys whose tops lie within a few pixels of
// each other form a row), each row from left to right. The help, next-layer and close keys are
// left out; they come after the other controls.
std::vector<const KeyRow*> keysInReadingOrder() {
    std::vector<const KeyRow*> keys;
    for (const KeyRow& row : kKeys) {
        const QLatin1String name(row.name);
        if (name.endsWith(QLatin1String("Help")) || name.endsWith(QLatin1String("NextLayer")) ||
            name == QLatin1String("LBtnClose"))
            continue;
        keys.push_back(&row);
    }
    std::stable_sort(keys.begin(), keys.end(), [](const KeyRow* a, const KeyRow* b) {
        if (a->panel != b->panel)
            return a->panel == Panel::Main   ? false
                   : b->panel == Panel::Main ? true
                                             : a->panel < b->panel;
        if (std::abs(a->y - b->y) > 10) return a->y < b->y;
        return a->x < b->x;
    });
    return keys;
}

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
    installToolkitAccessibility();
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
    LHistoryREdit->setAccessibleName(QStringLiteral("History"));
    registerControl(QStringLiteral("LHistoryREdit"), LHistoryREdit);

    LOutputREdit = new RichPane(Layer1Panel);
    LOutputREdit->setGeometry(3, 120, 245, 53);
    stylePane(LOutputREdit, pf, kProblemColour, Qt::ScrollBarAsNeeded);
    LOutputREdit->setAccessibleName(QStringLiteral("Problem"));
    registerControl(QStringLiteral("LOutputREdit"), LOutputREdit);

    LResultREdit = new RichPane(Layer1Panel);
    LResultREdit->setGeometry(3, 178, 245, 50);
    stylePane(LResultREdit, pf, kSolutionColour, Qt::ScrollBarAlwaysOff);
    {
        QTextOption opt = LResultREdit->document()->defaultTextOption();
        opt.setAlignment(Qt::AlignRight);
        LResultREdit->document()->setDefaultTextOption(opt);
    }
    LResultREdit->setAccessibleName(QStringLiteral("Solution"));
    registerControl(QStringLiteral("LResultREdit"), LResultREdit);

    L2NumberSysGroup = new RadioGroup({QStringLiteral("HEX"), QStringLiteral("DEC"),
                                       QStringLiteral("OCT"), QStringLiteral("BIN")},
                                      4, Layer1Panel);
    L2NumberSysGroup->setGeometry(12, 232, 129, 33);
    L2NumberSysGroup->setCurrentIndex(1);
    L2NumberSysGroup->setFocusPolicy(Qt::TabFocus);
    L2NumberSysGroup->setAccessibleName(QStringLiteral("Number system"));
    L2NumberSysGroup->setItemAccessibility(
        {QStringLiteral("hexadecimal"), QStringLiteral("decimal"), QStringLiteral("octal"),
         QStringLiteral("binary")},
        {QStringLiteral("HEX. Keyboard: F5"), QStringLiteral("DEC. Keyboard: F6"),
         QStringLiteral("OCT. Keyboard: F7"), QStringLiteral("BIN. Keyboard: F8")});
    L2NumberSysGroup->hide();
    registerControl(QStringLiteral("L2NumberSysGroup"), L2NumberSysGroup);
    connect(L2NumberSysGroup, &RadioGroup::userChanged, this,
            [this](int index) { L2NumberSysGroupChange(index); });

    L1AnglesGroup = new RadioGroup(
        {QStringLiteral("DEG"), QStringLiteral("RAD"), QStringLiteral("GRAD")}, 3, Layer1Panel);
    L1AnglesGroup->setGeometry(20, 232, 115, 33);
    L1AnglesGroup->setCurrentIndex(0);
    L1AnglesGroup->setFocusPolicy(Qt::TabFocus);
    L1AnglesGroup->setAccessibleName(QStringLiteral("Angle unit"));
    L1AnglesGroup->setItemAccessibility(
        {QStringLiteral("degrees"), QStringLiteral("radians"), QStringLiteral("grads")},
        {QStringLiteral("DEG. Keyboard: F2"), QStringLiteral("RAD. Keyboard: F3"),
         QStringLiteral("GRAD. Keyboard: F4")});
    registerControl(QStringLiteral("L1AnglesGroup"), L1AnglesGroup);
    connect(L1AnglesGroup, &RadioGroup::userChanged, this, [this](int) { L1AnglesGroupChange(); });

    LHelpREdit = new RichPane(Layer1Panel);
    LHelpREdit->setGeometry(3, 26, 245, 202);
    stylePane(LHelpREdit, sansFont(16), 0, Qt::ScrollBarAsNeeded);
    LHelpREdit->hide();
    LHelpREdit->setAccessibleName(QStringLiteral("Help"));
    registerControl(QStringLiteral("LHelpREdit"), LHelpREdit);

    connect(LHistoryREdit, &RichPane::mouseMoved, this, [this] { LHistoryREditMouseMove(); });
    connect(LHistoryREdit, &RichPane::mousePressed, this,
            [this](Qt::MouseButton b, bool dbl) { LHistoryREditMouseDown(b, dbl); });
    connect(LHelpREdit, &RichPane::mouseMoved, this, [this] { LHelpREditMouseMove(); });

    WebSiteAccess =
        new LinkLabel(QStringLiteral("Zentorix - Best Math Tools On Earth!"), Layer1Panel);
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
    WebSiteAccess->setActivatable(true);
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
        key->setToolTip(keyToolTip(row));
        key->setAccessibleName(QString::fromLatin1(row.spoken));
        key->setAccessibleDescription(keyDescription(row));
        key->setFocusPolicy(Qt::TabFocus);
        if (row.handler != nullptr) {
            const Handler h = row.handler;
            connect(key, &QAbstractButton::clicked, this, [this, h] {
                (this->*h)();
                refreshKeyStates();
            });
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

    // The captions are the core's names of the categories and groups.
    auto makeLabel = [&](const LabelRow& row, std::string_view text, QWidget* parent, QPoint o) {
        auto* l = new SkinLabel(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
                                parent);
        l->setGeometry(row.x - o.x(), row.y - o.y(), row.w, row.h);
        l->setFont(sansFont(13));
        l->setAlignment(Qt::AlignCenter);
        l->setHighlighted(false);
        l->setActivatable(true);
        l->setAccessibleName(QString::fromLatin1(row.spoken));
        registerControl(QString::fromLatin1(row.name), l);
        const Handler h = row.handler;
        connect(l, &SkinLabel::clicked, this, [this, h] { (this->*h)(); });
        return l;
    };
    const QPoint o3(kPanels[3].x, kPanels[3].y);
    for (const LabelRow& row : kCategoryLabels) {
        const int category = static_cast<int>(categoryLabels.size());
        categoryLabels.push_back(makeLabel(row, unitCategoryCaption(category), L3SubPanel, o3));
    }
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
    LListFrom->setAccessibleName(QStringLiteral("Convert from"));
    registerControl(QStringLiteral("LListFrom"), LListFrom);
    LListTo = new ListBox(L3SubPanel);
    LListTo->setGeometry(136 - o3.x(), 320 - o3.y(), 109, 89);
    LListTo->setAccessibleName(QStringLiteral("Convert to"));
    registerControl(QStringLiteral("LListTo"), LListTo);

    const QPoint o4(kPanels[4].x, kPanels[4].y);
    for (const LabelRow& row : kGroupLabels) {
        const int group = static_cast<int>(groupLabels.size());
        groupLabels.push_back(makeLabel(row, constantGroupCaption(group), L4SubPanel, o4));
    }
    L4List = new ListBox(L4SubPanel);
    L4List->setGeometry(12 - o4.x(), 314 - o4.y(), 225, 97);
    L4List->setAccessibleName(QStringLiteral("Constants"));
    registerControl(QStringLiteral("L4List"), L4List);
    connect(L4List, &ListBox::rowClicked, this, [this](int) { L4ListClick(); });

    // Stacking: the conversion and constants panels cover the main help and
    // next-layer keys; the help pane covers the three working panes.
    L3SubPanel->raise();
    L4SubPanel->raise();
    LHelpREdit->raise();

    setupTabOrder();

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

void TCalcForm::setupTabOrder() {
    for (ListBox* list : {LListFrom, LListTo, L4List})
        list->setFocusPolicy(Qt::TabFocus);
    m_hypKey = static_cast<ImageKey*>(control(QStringLiteral("L1BtnHyp")));
    m_hypKey->setLatchSource([this] { return state().hypMode; });

    // Hidden controls are skipped by Tab, so one chain serves every layer.
    std::vector<QWidget*> chain;
    for (const KeyRow* row : keysInReadingOrder())
        chain.push_back(control(QString::fromLatin1(row->name)));
    chain.push_back(L1AnglesGroup);
    chain.push_back(L2NumberSysGroup);
    for (SkinLabel* l : categoryLabels)
        chain.push_back(l);
    for (SkinLabel* l : groupLabels)
        chain.push_back(l);
    for (QWidget* w : {static_cast<QWidget*>(LListFrom), static_cast<QWidget*>(LListTo),
                       static_cast<QWidget*>(L4List)})
        chain.push_back(w);
    for (const char* name : {"LBtnHelp", "L3BtnHelp", "L4BtnHelp", "LBtnNextLayer",
                             "L3BtnNextLayer", "L4BtnNextLayer", "WebSiteAccess", "LBtnClose"})
        chain.push_back(control(QString::fromLatin1(name)));
    for (std::size_t i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

QWidget* TCalcForm::control(const QString& name) const {
    return m_controls.value(name, nullptr);
}

QStringList TCalcForm::controlNames() const {
    return m_controlOrder;
}

} // namespace zc
