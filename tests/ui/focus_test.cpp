// SPDX-License-Identifier: MIT
// Keyboard-only use: Tab and Shift+Tab through the controls of each layer, Space on the focused
// control, the arrow keys in lists and radio groups, and the key table unchanged by all of it.

#include "scenario.h"

namespace zc::test {
namespace {

#define KEYPAD                                                                                     \
    "LBtn7 LBtn8 LBtn9 LBtnDel LBtnAc LBtn4 LBtn5 LBtn6 LBtnMul LBtnDiv LBtn1 LBtn2 LBtn3 "        \
    "LBtnPlus LBtnMinus LBtn0 LBtnDot LBtn10toX LBtnAns LBtnEqual "

QString focusName(Window& w) {
    return w.state().value(QStringLiteral("focus")).toString();
}

struct TabCase {
    const char* name;
    const char* toLayer;
    const char* order; // the controls Tab visits from the start, space-separated
};

void PrintTo(const TabCase& c, std::ostream* os) {
    *os << c.name;
}

class TabOrder : public ::testing::TestWithParam<TabCase> {};

// Tab visits every control of the layer once in reading order, then the window itself, then
// starts again; Shift+Tab visits them backwards.
TEST_P(TabOrder, VisitsEveryControlInReadingOrder) {
    const TabCase& c = GetParam();
    const QStringList want =
        QString::fromLatin1(c.order).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    Window w;
    w.run(c.toLayer);
    ASSERT_EQ(focusName(w), QString());
    QStringList forward;
    for (int i = 0; i < want.size(); ++i) {
        w.run("press Tab");
        forward << focusName(w);
    }
    EXPECT_EQ(forward, want);
    w.run("press Tab");
    EXPECT_EQ(focusName(w), QString());
    w.run("press Tab");
    EXPECT_EQ(focusName(w), want.first());

    w.run("press Shift+Tab");
    EXPECT_EQ(focusName(w), QString());
    QStringList backward;
    for (int i = 0; i < want.size(); ++i) {
        w.run("press Shift+Tab");
        backward.prepend(focusName(w));
    }
    EXPECT_EQ(backward, want);
    // Moving the focus entered nothing.
    expectState(w.state(), R"j({"exprLen":0,"problem":"Problem\n","undo":[]})j");
}

// clang-format off
const TabCase kTabCases[] = {
    {"Scientific", "",
     "L1BtnInverse L1BtnSqr L1BtnPercent L1BtnToGms L1BtnFromGms L1BtnLog L1BtnLn L1BtnBrStart L1BtnBrEnd L1BtnXtoY "
     "L1BtnSqrt L1BtnPlusMinus L1BtnSin L1BtnCos L1BtnTan L1BtnDown L1BtnHyp L1BtnAsin L1BtnAcos L1BtnAtan "
     KEYPAD "L1AnglesGroup LBtnHelp LBtnNextLayer WebSiteAccess LBtnClose"},
    {"Programmer", TO_LAYER1,
     "L2BtnBrStart L2BtnBrEnd L2BtnBlusMinus L2BtnMod L2BtnAnd L2BtnHexA L2BtnHexB L2BtnHexC L2BtnOr L2BtnXor "
     "L2BtnHexD L2BtnHexE L2BtnHexF L2BtnLsh L2BtnNot "
     KEYPAD "L2NumberSysGroup LBtnHelp LBtnNextLayer WebSiteAccess LBtnClose"},
    {"Conversion", TO_LAYER2,
     KEYPAD "LLabelAngle LLabelTime LLabelData LLabelDist LLabelMass LLabelTemp LLabelArea LLabelVol LLabelSpeed "
     "LLabelPress LLabelEnergy LLabelPower LLabelForce LListFrom LListTo L3BtnHelp L3BtnNextLayer WebSiteAccess LBtnClose"},
    {"Constants", TO_LAYER3,
     KEYPAD "L4LabelUniversal L4LabelElectromagnetic L4LabelAtomicNuclear L4LabelPhysChem L4List "
     "L4BtnHelp L4BtnNextLayer WebSiteAccess LBtnClose"},
    {"Financial", TO_LAYER4,
     "L5BtnPV L5BtnI_YR L5BtnFV L5BtnP_YR L5BtnPMT L5BtnN L5BtnBraketStart L5BtnBraketEnd L5BtnPlusMinus L5BtnRight "
     KEYPAD "LBtnHelp LBtnNextLayer WebSiteAccess LBtnClose"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(EveryLayer, TabOrder, ::testing::ValuesIn(kTabCases), scenarioName);

// Tabs to the named control; fails when it is not reached.
void focusControl(Window& w, const char* name) {
    for (int i = 0; i < 80; ++i) {
        if (focusName(w) == QLatin1String(name)) return;
        w.run("press Tab");
    }
    ADD_FAILURE() << name << " is not reached with Tab";
}

struct FocusCase {
    const char* name;
    const char* before; // script run first
    const char* focus;  // the control tabbed to
    const char* then;   // script run with the focus there
    const char* expect;
};

void PrintTo(const FocusCase& c, std::ostream* os) {
    *os << c.name;
}

class FocusedControl : public ::testing::TestWithParam<FocusCase> {};

TEST_P(FocusedControl, TakesSpaceAndArrowsWhileTheKeyTableStays) {
    const FocusCase& c = GetParam();
    Window w;
    w.run(c.before);
    focusControl(w, c.focus);
    for (const QString& line : w.run(c.then))
        EXPECT_FALSE(line.startsWith(QLatin1String("{\"error\""))) << line.toStdString();
    expectState(w.state(), c.expect);
}

// clang-format off
const FocusCase kFocusCases[] = {
    // Space presses the focused key, label or radio item.
    {"SpacePressesKey", "type 1", "LBtn7", "press Space", R"j({"expr":"17","problem":"17","focus":"LBtn7"})j"},
    {"SpacePressesFunctionKey", "", "L1BtnSin", "press Space\ntype 90\npress Enter", R"j({"solution":"1"})j"},
    {"SpaceSelectsCategory", TO_LAYER2, "LLabelMass", "press Space", R"j({"unitCategory":4,"highlighted":["LLabelMass"]})j"},
    {"SpaceSelectsConstantsGroup", TO_LAYER3, "L4LabelPhysChem", "press Space", R"j({"constGroup":3,"highlighted":["L4LabelPhysChem"]})j"},
    {"SpaceEntersConstant", TO_LAYER3, "L4List", "press Down\npress Space", R"j({"exprLen":31,"solved":false})j"},
    {"SpaceOnLinkOpensIt", "", "WebSiteAccess", "press Space", R"j({"opened":"https://zentorix.example/"})j"},
    {"SpaceOnNextLayerKeepsTheFocusOnIt", "", "LBtnNextLayer", "press Space\npress Space\npress Space",
     R"j({"layer":3,"focus":"L4BtnNextLayer"})j"},
    {"SpaceOnHelpOpensHelp", "", "LBtnHelp", "press Space", R"j({"helpVisible":true})j"},
    // The arrow keys move within a radio group or a list, as a user's choice.
    {"DownSelectsNextAngle", "", "L1AnglesGroup", "press Down", R"j({"angleMode":1})j"},
    {"ArrowsConvertNumberSystem", TO_LAYER1 "type 255", "L2NumberSysGroup", "press Up",
     R"j({"numberSystem":0,"problem":"FF","history":"History:\n255[DEC]= FF[HEX])j" SEP R"j(FF"})j"},
    {"DownMovesInList", TO_LAYER2, "LListTo", "press Down\npress Down\ntype 1000\npress Enter", R"j({"solution":"1 [m] "})j"},
    {"UpStopsAtTheTop", TO_LAYER2, "LListFrom", "press Up\npress Down\npress Up\npress Up\ntype 12\npress Enter", R"j({"solution":"12 [mm] "})j"},
    // Every key of the key table keeps its meaning whatever has the focus.
    {"EnterIsEqualsOnAFocusedKey", "", "LBtn7", "type 2+3\npress Enter", R"j({"problem":"2+3=","solution":"5"})j"},
    {"TypingOnAFocusedRadioGroup", "", "L1AnglesGroup", "type 4*5\npress Enter", R"j({"solution":"20","angleMode":0})j"},
    {"TypingOnAFocusedListLeavesTheList", TO_LAYER2, "LListFrom", "type 12\npress Backspace\ntype 3mk\npress Enter",
     R"j({"problem":"13 [mm] =","solution":"13 [mm] ","focus":"LListFrom"})j"},
    {"EscClearsOnAFocusedLabel", TO_LAYER2, "LLabelTime", "type 7\npress Esc", R"j({"exprLen":0,"unitCategory":3})j"},
    {"FunctionKeysOnAFocusedKey", "", "LBtnEqual", "press F3", R"j({"angleMode":1})j"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Keyboard, FocusedControl, ::testing::ValuesIn(kFocusCases), scenarioName);

// With the window itself focused, Tab, Space and the arrows enter nothing and change nothing.
TEST(FocusKeys, LeaveTheProblemAloneWhenNothingTakesThem) {
    for (const char* toLayer : {"", TO_LAYER1, TO_LAYER2, TO_LAYER3, TO_LAYER4}) {
        Window w;
        w.run(toLayer);
        w.run("type 12");
        const QJsonObject before = w.state();
        w.run("press Space\npress Up\npress Down\npress Left\npress Right\npress Shift+Space");
        EXPECT_EQ(w.state(), before) << toLayer;
        w.run("press Tab\npress Shift+Tab");
        const QJsonObject after = w.state();
        for (const char* field : {"problem", "expr", "undo", "history", "solution", "angleMode",
                                  "numberSystem", "lists"})
            EXPECT_EQ(after.value(QLatin1String(field)), before.value(QLatin1String(field)))
                << field << " " << toLayer;
    }
}

} // namespace
} // namespace zc::test
