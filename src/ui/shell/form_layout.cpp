// SPDX-License-Identifier: MIT
// The window's layout as data: every control with its name, place, size and
// handler. Positions are window client coordinates; children of a sub-panel
// are placed relative to it.

#include "core/calculator/key_table.h"
#include "core/calculator/keypad.h"
#include "core/calculator/virtual_keys.h"
#include "core/constants/constants_table.h"
#include "core/units/unit_catalogue.h"
#include "ui/shell/calc_form.h"
#include "ui/shell/layer_table.h"
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
#include <QMetaMethod>
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

using F = TCalcForm;

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
    {"L4LabelElectromagnetic", 126, 268, 113, 17, &F::L4LabelElectromagneticClick,
     "electromagnetic"},
    {"L4LabelAtomicNuclear", 12, 286, 113, 17, &F::L4LabelAtomicNuclearClick, "atomic and nuclear"},
    {"L4LabelPhysChem", 126, 286, 113, 17, &F::L4LabelPhysChemClick, "physico-chemical"},
};
// clang-format on

static_assert(std::size(kCategoryLabels) == kUnitCategoryCount, "one label per unit category");
static_assert(std::size(kGroupLabels) == kConstantGroupCount, "one label per constants group");

QString layerNames(unsigned layers) {
    QStringList names;
    for (int i = 0; i < kLayerCount; ++i) {
        const auto layer = static_cast<Layer>(i);
        if ((layers & layerBit(layer)) != 0) names << QLatin1String(layerName(layer));
    }
    return names.join(QStringLiteral(" and "));
}

// The keyboard keys that do what the key does where it shows, as the key table maps them:
// "7, Num 7", ". in the scientific layer, Num .". The keypad comes last.
QString keyboardText(const KeypadKey& row) {
    QStringList main;
    QStringList keypad;
    // Esc clears the problem through the window's own rule.
    if (row.key == CalcKey::AllClear) main << QStringLiteral("Esc");
    const unsigned shown = row.layers;
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

QString keyToolTip(const KeypadKey& row) {
    QString tip = QString::fromLatin1(row.action);
    const QString keys = keyboardText(row);
    if (!keys.isEmpty()) tip += QStringLiteral(" (") + keys + QLatin1Char(')');
    return tip;
}

QString keyDescription(const KeypadKey& row) {
    QString text = QString::fromLatin1(row.action) + QLatin1Char('.');
    const QString keys = keyboardText(row);
    if (!keys.isEmpty()) text += QStringLiteral(" Keyboard: ") + keys;
    return text;
}

// The keys of the layers in reading order: by rows (keys whose tops lie within a few pixels of
// each other form a row), each row from left to right. The help, next-layer and close keys are
// left out; they come after the other controls.
std::vector<const KeypadKey*> keysInReadingOrder() {
    std::vector<const KeypadKey*> keys;
    for (const KeypadKey& row : kKeypad) {
        const QLatin1String name(row.name);
        if (name.endsWith(QLatin1String("Help")) || name.endsWith(QLatin1String("NextLayer")) ||
            name == QLatin1String("LBtnClose"))
            continue;
        keys.push_back(&row);
    }
    // The bands come first, in layer order; the main panel last.
    std::stable_sort(keys.begin(), keys.end(), [](const KeypadKey* a, const KeypadKey* b) {
        if (a->layers != b->layers)
            return a->layers == kMainPanel   ? false
                   : b->layers == kMainPanel ? true
                                             : a->layers < b->layers;
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

    // The bands of the layers, in stacking order: those that carry their own help and
    // next-layer keys lie over the main panel's.
    SubPanel* bands[kLayerCount] = {};
    auto makeBand = [&](const LayerRow& row) {
        auto* p = new SubPanel(Layer1Panel);
        p->setGeometry(row.x, row.y, row.w, row.h);
        registerControl(QString::fromLatin1(row.subPanel), p);
        bands[static_cast<int>(row.layer)] = p;
    };
    // The band a key sits on, or nullptr for the main panel.
    auto bandOf = [](const KeypadKey& row) -> const LayerRow* {
        for (int i = 0; i < kLayerCount; ++i)
            if (row.layers == band(static_cast<Layer>(i))) return &layerRow(static_cast<Layer>(i));
        return nullptr;
    };

    auto makeKey = [&](const KeypadKey& row) {
        const LayerRow* on = bandOf(row);
        QWidget* parent = Layer1Panel;
        if (on != nullptr) parent = bands[static_cast<int>(on->layer)];
        const QPoint o = on != nullptr ? QPoint(on->x, on->y) : QPoint(0, 0);
        auto* key = new ImageKey(row.glyph, parent);
        if (row.legend != nullptr) key->setLegend(QString::fromUtf8(row.legend));
        key->setGeometry(row.x - o.x(), row.y - o.y(), row.w, row.h);
        registerControl(QString::fromLatin1(row.name), key);
        key->setToolTip(keyToolTip(row));
        key->setAccessibleName(QString::fromLatin1(row.spoken));
        key->setAccessibleDescription(keyDescription(row));
        key->setFocusPolicy(Qt::TabFocus);
        // A named handler is one of the window's slots; without one the click is the
        // calculator key itself.
        QMetaMethod handler;
        if (row.handler != nullptr) {
            const int index =
                metaObject()->indexOfMethod(QByteArray(row.handler).append("()").constData());
            if (index < 0) qFatal("The window has no handler %s", row.handler);
            handler = metaObject()->method(index);
        }
        const CalcKey calcKey = row.key;
        connect(key, &QAbstractButton::clicked, this, [this, handler, calcKey] {
            if (handler.isValid())
                handler.invoke(this, Qt::DirectConnection);
            else
                m_calc->press(calcKey);
            refreshKeyStates();
        });
    };

    for (const bool over : {false, true}) {
        for (int i = 0; i < kLayerCount; ++i) {
            const LayerRow& row = layerRow(static_cast<Layer>(i));
            if (carriesOwnKeys(row) == over) makeBand(row);
        }
        for (const KeypadKey& row : kKeypad) {
            const LayerRow* on = bandOf(row);
            if ((on != nullptr && carriesOwnKeys(*on)) == over) makeKey(row);
        }
    }
    L1SubPanel = bands[static_cast<int>(Layer::Scientific)];
    L2SubPanel = bands[static_cast<int>(Layer::Programmer)];
    L3SubPanel = bands[static_cast<int>(Layer::Conversion)];
    L4SubPanel = bands[static_cast<int>(Layer::Constants)];
    L5SubPanel = bands[static_cast<int>(Layer::Financial)];
    auto keyNamed = [this](const char* name) {
        return static_cast<ImageKey*>(control(QString::fromLatin1(name)));
    };
    LBtnClose = keyNamed("LBtnClose");
    LBtnHelp = keyNamed("LBtnHelp");
    L3BtnHelp = keyNamed("L3BtnHelp");
    L4BtnHelp = keyNamed("L4BtnHelp");
    LBtnNextLayer = keyNamed("LBtnNextLayer");
    connect(LBtnClose, &ImageKey::mouseMoved, this, [this] { LBtnCloseMouseMove(); });

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
    const QPoint o3(L3SubPanel->x(), L3SubPanel->y());
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

    const QPoint o4(L4SubPanel->x(), L4SubPanel->y());
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
    for (const KeypadKey* row : keysInReadingOrder())
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
