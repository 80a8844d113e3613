// SPDX-License-Identifier: MIT
// The window as assistive technology sees it: the accessibility tree of every layer, presses
// through the accessibility interface, and the events a screen reader listens for.

#include "scenario.h"
#include "ui/toolkit/image_key.h"
#include "ui/toolkit/list_box.h"
#include "ui/toolkit/radio_group.h"
#include "ui/toolkit/rich_pane.h"

#include <QAccessible>
#include <QSet>
#include <vector>

namespace zc::test {
namespace {

const char* const kToLayer[] = {
    "",
    "click LBtnNextLayer",
    "click LBtnNextLayer\nclick LBtnNextLayer",
    "click LBtnNextLayer\nclick LBtnNextLayer\nclick L3BtnNextLayer",
    "click LBtnNextLayer\nclick LBtnNextLayer\nclick L3BtnNextLayer\nclick L4BtnNextLayer",
};

QAccessibleInterface* iface(QObject* o) {
    return QAccessible::queryAccessibleInterface(o);
}

// Every node below `root` that is not invisible, depth first, as a screen reader walks them.
void walk(QAccessibleInterface* node, std::vector<QAccessibleInterface*>& out) {
    if (node == nullptr || node->state().invisible) return;
    out.push_back(node);
    for (int i = 0; i < node->childCount(); ++i)
        walk(node->child(i), out);
}

std::vector<QAccessibleInterface*> showingNodes(TCalcForm& form) {
    std::vector<QAccessibleInterface*> nodes;
    walk(iface(&form), nodes);
    return nodes;
}

std::vector<QAccessibleInterface*> withRole(const std::vector<QAccessibleInterface*>& nodes,
                                            QAccessible::Role role) {
    std::vector<QAccessibleInterface*> out;
    for (QAccessibleInterface* n : nodes)
        if (n->role() == role) out.push_back(n);
    return out;
}

QStringList names(const std::vector<QAccessibleInterface*>& nodes) {
    QStringList out;
    for (QAccessibleInterface* n : nodes)
        out << n->text(QAccessible::Name);
    return out;
}

class AccessibilityTree : public ::testing::TestWithParam<int> {};

TEST_P(AccessibilityTree, EveryShowingControlSpeaks) {
    const int layer = GetParam();
    Window w;
    w.run(kToLayer[layer]);
    ASSERT_EQ(w.form->state().currentLayer, static_cast<Layer>(layer));
    const auto nodes = showingNodes(*w.form);

    // Every showing key is a named push button with a description and a Press action; the keys
    // walked are exactly the keys that show (a key under another panel's key is not walked).
    QSet<QObject*> walkedKeys;
    for (QAccessibleInterface* n : nodes) {
        auto* key = qobject_cast<ImageKey*>(n->object());
        if (key == nullptr) continue;
        walkedKeys.insert(key);
        const std::string name = key->objectName().toStdString();
        EXPECT_EQ(n->role(), QAccessible::Button) << name;
        EXPECT_FALSE(n->text(QAccessible::Name).isEmpty()) << name;
        EXPECT_FALSE(n->text(QAccessible::Description).isEmpty()) << name;
        EXPECT_FALSE(key->toolTip().isEmpty()) << name;
        ASSERT_NE(n->actionInterface(), nullptr) << name;
        EXPECT_TRUE(
            n->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()))
            << name;
    }
    QSet<QObject*> showingKeys;
    for (const QString& name : w.form->controlNames()) {
        auto* key = qobject_cast<ImageKey*>(w.form->control(name));
        if (key != nullptr && key->isVisible() && !key->isCovered()) showingKeys.insert(key);
    }
    EXPECT_EQ(walkedKeys, showingKeys);
    EXPECT_GE(walkedKeys.size(), 23);

    // Buttons of any kind (keys and the category labels) all have names; exactly one of them
    // moves on to the next layer.
    const auto buttons = withRole(nodes, QAccessible::Button);
    for (const QString& name : names(buttons))
        EXPECT_FALSE(name.trimmed().isEmpty());
    EXPECT_EQ(names(buttons).filter(QStringLiteral("layer")),
              QStringList{QStringLiteral("next layer")});
    EXPECT_EQ(names(buttons).count(QStringLiteral("help")), 1);

    // The three working panes, read-only and named; the help pane only while it shows.
    QStringList panes;
    for (QAccessibleInterface* n : withRole(nodes, QAccessible::EditableText)) {
        panes << n->text(QAccessible::Name);
        EXPECT_TRUE(n->state().readOnly);
        ASSERT_NE(n->textInterface(), nullptr);
    }
    EXPECT_EQ(panes, (QStringList{"History", "Problem", "Solution"}));

    const auto radios = withRole(nodes, QAccessible::RadioButton);
    const auto links = withRole(nodes, QAccessible::Link);
    ASSERT_EQ(links.size(), 1u);
    EXPECT_EQ(links[0]->text(QAccessible::Name), "Zentorix - Best Math Tools On Earth!");
    EXPECT_EQ(names(withRole(nodes, QAccessible::StaticText)).first(),
              "Calculator - Pellinor Zentorix");

    switch (layer) {
    case 0:
    case 1: {
        RadioGroup* group = layer == 0 ? w.form->L1AnglesGroup : w.form->L2NumberSysGroup;
        QAccessibleInterface* g = iface(group);
        EXPECT_EQ(g->role(), QAccessible::Grouping);
        EXPECT_EQ(g->text(QAccessible::Name), layer == 0 ? "Angle unit" : "Number system");
        EXPECT_EQ(names(radios), layer == 0
                                     ? QStringList({"degrees", "radians", "grads"})
                                     : QStringList({"hexadecimal", "decimal", "octal", "binary"}));
        for (int i = 0; i < g->childCount(); ++i) {
            QAccessibleInterface* item = g->child(i);
            EXPECT_EQ(item->parent(), g);
            EXPECT_EQ(g->indexOfChild(item), i);
            EXPECT_TRUE(item->state().checkable);
            EXPECT_EQ(item->state().checked, i == group->currentIndex()) << i;
            EXPECT_TRUE(group->rect().contains(group->mapFromGlobal(item->rect().center())));
        }
        break;
    }
    case 2:
    case 3: {
        EXPECT_TRUE(radios.empty());
        std::vector<ListBox*> lists =
            layer == 2 ? std::vector<ListBox*>{w.form->LListFrom, w.form->LListTo}
                       : std::vector<ListBox*>{w.form->L4List};
        const QStringList listNames =
            layer == 2 ? QStringList{"Convert from", "Convert to"} : QStringList{"Constants"};
        for (std::size_t l = 0; l < lists.size(); ++l) {
            QAccessibleInterface* list = iface(lists[l]);
            EXPECT_EQ(list->role(), QAccessible::List);
            EXPECT_EQ(list->text(QAccessible::Name), listNames[int(l)]);
            QStringList rows;
            QStringList selected;
            for (int i = 0; i < list->childCount(); ++i) {
                QAccessibleInterface* item = list->child(i);
                if (item->role() != QAccessible::ListItem) continue;
                rows << item->text(QAccessible::Name);
                if (item->state().selected) selected << item->text(QAccessible::Name);
            }
            ASSERT_EQ(rows.size(), lists[l]->count());
            for (int i = 0; i < lists[l]->count(); ++i)
                EXPECT_EQ(rows[i], lists[l]->item(i)->text());
            EXPECT_EQ(selected, QStringList{lists[l]->currentItem()->text()});
        }
        // The category labels are buttons, checked while highlighted.
        std::vector<QAccessibleInterface*> checked;
        int labels = 0;
        for (QAccessibleInterface* n : buttons) {
            if (qobject_cast<ImageKey*>(n->object()) != nullptr) continue;
            ++labels;
            EXPECT_TRUE(n->state().checkable);
            if (n->state().checked) checked.push_back(n);
        }
        EXPECT_EQ(labels, layer == 2 ? 13 : 4);
        ASSERT_EQ(checked.size(), 1u);
        EXPECT_EQ(checked[0]->text(QAccessible::Name), layer == 2 ? "distance" : "universal");
        break;
    }
    default:
        EXPECT_TRUE(radios.empty());
        break;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryLayer, AccessibilityTree, ::testing::Range(0, 5));

TEST(AccessibilityTree, KeysReadWellAndTipsComeFromTheSameTable) {
    Window w;
    struct Expect {
        const char* key;
        const char* name;
        const char* description;
        const char* tip;
    };
    const Expect expects[] = {
        {"LBtn7", "7", "Digit 7. Keyboard: 7, Num 7", "Digit 7 (7, Num 7)"},
        {"L1BtnSin", "sine", "Sine. Keyboard: S", "Sine (S)"},
        {"LBtn10toX", "ten to the power x", "Ten to the power x.", "Ten to the power x"},
        {"LBtnNextLayer", "next layer", "Next layer.", "Next layer"},
        {"L1BtnDown", "close exponent", "Close the exponent. Keyboard: Shift+Y",
         "Close the exponent (Shift+Y)"},
        {"L2BtnAnd", "AND", "Bitwise AND.", "Bitwise AND"},
        {"L2BtnHexA", "hex digit A", "Hexadecimal digit A. Keyboard: A", "Hexadecimal digit A (A)"},
        {"L5BtnPV", "present value", "Present value (PV).", "Present value (PV)"},
    };
    for (const Expect& e : expects) {
        QWidget* key = w.form->control(QLatin1String(e.key));
        QAccessibleInterface* i = iface(key);
        EXPECT_EQ(i->text(QAccessible::Name), e.name) << e.key;
        EXPECT_EQ(i->text(QAccessible::Description), e.description) << e.key;
        EXPECT_EQ(key->toolTip(), e.tip) << e.key;
    }
    // Every key has a tool tip, including those without a keyboard equivalent.
    for (const QString& name : w.form->controlNames()) {
        if (auto* key = qobject_cast<ImageKey*>(w.form->control(name))) {
            EXPECT_FALSE(key->toolTip().isEmpty()) << name.toStdString();
        }
    }
}

// A press through the accessibility interface: the key, the label, or the radio item INDEX.
void pressAccessibly(TCalcForm& form, const QString& name, int index) {
    QAccessibleInterface* i = iface(form.control(name));
    ASSERT_NE(i, nullptr);
    if (index >= 0) i = i->child(index);
    ASSERT_NE(i, nullptr);
    ASSERT_NE(i->actionInterface(), nullptr);
    i->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCoreApplication::processEvents();
}

struct PressCase {
    const char* name;
    int layer;
    const char* before; // script run first
    const char* control;
    int index; // radio item, or -1
};

void PrintTo(const PressCase& c, std::ostream* os) {
    *os << c.name;
}

class AccessiblePress : public ::testing::TestWithParam<PressCase> {};

TEST_P(AccessiblePress, EntersWhatAClickEnters) {
    const PressCase& c = GetParam();
    QString click = QStringLiteral("click ") + QLatin1String(c.control);
    if (c.index >= 0) click += QStringLiteral(" %1").arg(c.index);

    // One window at a time: the focus lives in the active window only.
    QJsonObject want;
    {
        Window clicked;
        clicked.run(kToLayer[c.layer]);
        clicked.run(c.before);
        clicked.run(click.toUtf8().constData());
        want = clicked.state();
    }
    Window pressed;
    pressed.run(kToLayer[c.layer]);
    pressed.run(c.before);
    pressAccessibly(*pressed.form, QLatin1String(c.control), c.index);
    const QJsonObject got = pressed.state();
    EXPECT_EQ(got.keys(), want.keys());
    // A mouse press hands the keyboard focus to the window; a press through the accessibility
    // interface leaves it where it was. Everything else is the same.
    for (const QString& field : want.keys()) {
        if (field == QLatin1String("focus")) continue;
        EXPECT_EQ(QJsonDocument(QJsonArray{got.value(field)})
                      .toJson(QJsonDocument::Compact)
                      .toStdString(),
                  QJsonDocument(QJsonArray{want.value(field)})
                      .toJson(QJsonDocument::Compact)
                      .toStdString())
            << field.toStdString();
    }
}

// clang-format off
const PressCase kPresses[] = {
    {"Digit", 0, "type 12", "LBtn7", -1},
    {"Sine", 0, "", "L1BtnSin", -1},
    {"Hyp", 0, "", "L1BtnHyp", -1},
    {"Equals", 0, "type 2+3", "LBtnEqual", -1},
    {"AngleItem", 0, "type s90", "L1AnglesGroup", 1},
    {"AngleItemAlreadySelected", 0, "type 1", "L1AnglesGroup", 0},
    {"Help", 0, "", "LBtnHelp", -1},
    {"NextLayer", 0, "type 5", "LBtnNextLayer", -1},
    {"HexDigit", 1, "press F5", "L2BtnHexA", -1},
    {"NumberSystemConvertsOnce", 1, "type 255", "L2NumberSysGroup", 0},
    {"ProgrammerPlusMinusDoesNothing", 1, "type 3", "L2BtnBlusMinus", -1},
    {"Category", 2, "", "LLabelMass", -1},
    {"ConversionNextLayer", 2, "", "L3BtnNextLayer", -1},
    {"ConstantsGroup", 3, "", "L4LabelAtomicNuclear", -1},
    {"ConstantsHelp", 3, "", "L4BtnHelp", -1},
    {"PresentValue", 4, "type 100", "L5BtnPV", -1},
    {"FinancialSign", 4, "type 4", "L5BtnPlusMinus", -1},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(EveryLayer, AccessiblePress, ::testing::ValuesIn(kPresses), scenarioName);

TEST(AccessiblePress, LinkOpensItsAddress) {
    Window w;
    pressAccessibly(*w.form, QStringLiteral("WebSiteAccess"), -1);
    expectState(w.state(), R"j({"opened":"https://zentorix.example/"})j");
}

// States a screen reader reads when it walks the tree again (the offscreen platform sends no
// update events: it has no accessibility bridge).
TEST(AccessibleState, SolutionPaneReadsTheResult) {
    Window w;
    w.run("type 2+3\npress Enter");
    QAccessibleTextInterface* text = iface(w.form->LResultREdit)->textInterface();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text(0, text->characterCount()), "5");
    QAccessibleTextInterface* problem = iface(w.form->LOutputREdit)->textInterface();
    EXPECT_EQ(problem->text(0, problem->characterCount()), "2+3=");
}

TEST(AccessibleState, HypExposesItsToggledState) {
    Window w;
    QAccessibleInterface* hyp = iface(w.form->control(QStringLiteral("L1BtnHyp")));
    EXPECT_TRUE(hyp->state().checkable);
    EXPECT_FALSE(hyp->state().checked);
    w.run("click L1BtnHyp");
    EXPECT_TRUE(hyp->state().checked);
    w.run("type s");
    EXPECT_FALSE(hyp->state().checked);
    // Other keys are no toggles.
    EXPECT_FALSE(iface(w.form->control(QStringLiteral("L1BtnSin")))->state().checkable);
}

TEST(AccessibleState, RadioItemsFollowTheSelection) {
    Window w;
    QAccessibleInterface* group = iface(w.form->L1AnglesGroup);
    w.run("press F3");
    EXPECT_TRUE(group->child(1)->state().checked);
    EXPECT_FALSE(group->child(0)->state().checked);
    EXPECT_EQ(group->focusChild(), nullptr);
    w.form->L1AnglesGroup->setFocus();
    EXPECT_EQ(group->focusChild(), group->child(1));
}

TEST(AccessibleState, CoveredHelpKeyIsNotShowing) {
    Window w;
    QAccessibleInterface* help = iface(w.form->LBtnHelp);
    w.run(kToLayer[2]);
    EXPECT_TRUE(help->state().invisible);
    EXPECT_FALSE(iface(w.form->L3BtnHelp)->state().invisible);
    w.run("click L3BtnNextLayer\nclick L4BtnNextLayer");
    EXPECT_FALSE(help->state().invisible);
}

} // namespace
} // namespace zc::test
