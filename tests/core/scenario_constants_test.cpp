// SPDX-License-Identifier: MIT
// The constants layer on the calculator alone: the groups, and entering a constant's
// value into the problem.

#include "model_scenario.h"

namespace zc::test {
namespace {

#define TO_CONSTANTS TO_LAYER3

class Constants : public ::testing::TestWithParam<Scenario> {};

TEST_P(Constants, GroupsAndInsertion) {
    runScenario(GetParam());
}

// clang-format off
const Scenario kGroups[] = {
    {"EnteringShowsUniversal", TO_CONSTANTS,
     R"j({"layer":3,"constGroup":0,"problem":"Problem\n","history":"History:\n","expr":"","undo":[],"solved":true})j"},
    {"Electromagnetic", TO_CONSTANTS "click L4LabelElectromagnetic",
     R"j({"constGroup":1})j"},
    {"AtomicNuclear", TO_CONSTANTS "click L4LabelElectromagnetic\nclick L4LabelAtomicNuclear",
     R"j({"constGroup":2})j"},
    {"PhysChem", TO_CONSTANTS "click L4LabelPhysChem",
     R"j({"constGroup":3})j"},
    {"BackToUniversal", TO_CONSTANTS "click L4LabelPhysChem\nclick L4LabelUniversal",
     R"j({"constGroup":0})j"},
    {"ReentryStartsAtUniversal",
     TO_CONSTANTS "click L4LabelPhysChem\nclick L4List 3\nclick L4BtnNextLayer\nclick LBtnNextLayer\nclick LBtnNextLayer\nclick LBtnNextLayer\nclick L3BtnNextLayer",
     R"j({"layer":3,"constGroup":0,"problem":"Problem\n"})j"},
    {"GroupClickInsertsNothing", TO_CONSTANTS "click LBtn2\nclick L4LabelAtomicNuclear",
     R"j({"problem":"2","expr":"2","undo":[[1,1]],"solved":false})j"},
};

const Scenario kInsert[] = {
    {"PlanckOnEmptyProblem", TO_CONSTANTS "click L4List 1",
     R"j({"problem":"6.6260689599999996065e-34","history":"History:\n6.6260689599999996065e-34","expr":"(6.6260689599999996065/10p(34))","undo":[[31,25]],"solved":false})j"},
    {"PlanckEvaluates", TO_CONSTANTS "click L4List 1\nclick LBtnEqual",
     R"j({"problem":"6.6260689599999996065e-34=","solution":"6.6260689599999996065e-34","ansText":"6.6260689599999996065e-34","history":"History:\n6.6260689599999996065e-34= 6.6260689599999996065e-34)j" SEP R"j("})j"},
    {"AfterDigitMultiplies", TO_CONSTANTS "click LBtn2\nclick L4List 0",
     R"j({"problem":"2×299792458","history":"History:\n2×299792458","expr":"2*299792458","undo":[[1,1],[1,1],[9,9]]})j"},
    {"AfterDigitEvaluates", TO_CONSTANTS "click LBtn2\nclick L4List 0\nclick LBtnEqual", R"j({"solution":"599,584,916","ansText":"599584916"})j"},
    {"AfterOperatorAppends", TO_CONSTANTS "click LBtn2\nclick LBtnPlus\nclick L4List 0",
     R"j({"problem":"2+299792458","expr":"2+299792458","undo":[[1,1],[1,1],[9,9]]})j"},
    {"AfterPointAppends", TO_CONSTANTS "click LBtn2\nclick LBtnDot\nclick L4List 0", R"j({"problem":"2.299792458","expr":"2.299792458"})j"},
    {"AfterClosingBracketMultiplies", TO_CONSTANTS "click LBtn2\nclick LBtnPlus\nclick LBtn1\npress Shift+0\nclick L4List 0",
     R"j({"expr":"2+1)*299792458","problem":"2+1)×299792458"})j"},
    {"TwoInARowMultiply", TO_CONSTANTS "click L4List 1\nclick L4List 2",
     R"j({"problem":"6.6260689599999996065e-34×1.0545716280000000495e-34","expr":"(6.6260689599999996065/10p(34))*(1.0545716280000000495/10p(34))","undo":[[31,25],[1,1],[31,25]]})j"},
    {"DividedByAnotherConstant", TO_CONSTANTS "click L4List 1\nclick LBtnDiv\nclick L4List 2\npress Enter",
     R"j({"solution":"6.2831853086796662922"})j"},
    {"DelTakesBackAWholeConstant", TO_CONSTANTS "click L4List 1\nclick LBtnDiv\nclick L4List 2\nclick LBtnDel",
     R"j({"problem":"6.6260689599999996065e-34÷","expr":"(6.6260689599999996065/10p(34))/","undo":[[31,25],[1,1]]})j"},
    {"AfterResultStartsNewProblem", TO_CONSTANTS "type 2+3\npress Enter\nclick L4List 0",
     R"j({"problem":"299792458","expr":"299792458","undo":[[9,9]],"solved":false,"history":"History:\n2+3= 5)j" SEP R"j(299792458"})j"},
    {"AfterDelEndedProblemStartsAfresh", TO_CONSTANTS "click LBtnDot\nclick LBtnDel\nclick LBtnDel\nclick L4List 0",
     R"j({"problem":"299792458","expr":"299792458","undo":[[9,9]]})j"},
    {"AfterResultEvaluatesAlone", TO_CONSTANTS "type 2+3\npress Enter\nclick L4List 0\nclick LBtnEqual", R"j({"solution":"299,792,458"})j"},
    {"OneDelRemovesConstant", TO_CONSTANTS "click L4List 1\nclick LBtnDel",
     R"j({"problem":"","history":"History:\n","exprLen":0,"undo":[]})j"},
    {"OneDelLeavesMultiplication", TO_CONSTANTS "click LBtn2\nclick L4List 1\nclick LBtnDel",
     R"j({"problem":"2×","history":"History:\n2×","expr":"2*","undo":[[1,1],[1,1]]})j"},
    {"AcRemovesConstantFromHistory", TO_CONSTANTS "click LBtn2\nclick L4List 1\nclick LBtnAc",
     R"j({"problem":"Problem\n","history":"History:\n","undo":[],"solved":true})j"},
    {"MagneticConstIsProduct", TO_CONSTANTS "click L4LabelElectromagnetic\nclick L4List 1",
     R"j({"problem":"1.2566370614359172885e-06","expr":"(1.2566370614359172885/10p(06))","undo":[[31,25]]})j"},
    {"MagneticConstEvaluates", TO_CONSTANTS "click L4LabelElectromagnetic\nclick L4List 1\nclick LBtnEqual",
     R"j({"solution":"1.2566370614359172885e-06"})j"},
    {"ElectricConst", TO_CONSTANTS "click L4LabelElectromagnetic\nclick L4List 0",
     R"j({"problem":"8.8541878170000004716e-12","expr":"(8.8541878170000004716/10p(12))"})j"},
    {"StefanBoltzmann", TO_CONSTANTS "click L4LabelPhysChem\nclick L4List 8",
     R"j({"problem":"5.6704003999999997369e-08","expr":"(5.6704003999999997369/10p(08))","undo":[[31,25]]})j"},
    {"PositiveExponent", TO_CONSTANTS "click L4List 5",
     R"j({"problem":"1.4167849999999999918e+32","expr":"(1.4167849999999999918*10p(32))"})j"},
    {"RaisedInsideExponent", TO_CONSTANTS "click LBtn10toX\nclick L4List 0",
     R"j({"problemRuns":[["10",128,0],["299792458",128,60]],"expr":"10p(299792458","undo":[[4,2],[9,9]]})j"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Groups, Constants, ::testing::ValuesIn(kGroups), scenarioName);
INSTANTIATE_TEST_SUITE_P(Insert, Constants, ::testing::ValuesIn(kInsert), scenarioName);

TEST(ConstantsBound, ConstantThatWouldOverflowIsRefusedWhole) {
    CalcDriver d;
    ASSERT_TRUE(d.runScript(TO_CONSTANTS).empty());
    ASSERT_EQ(d.state().currentLayer, Layer::Constants);
    Calculator& c = d.calc();
    // 1 + then digits: the constant after a digit needs 10 characters (× and 9 digits).
    c.press(CalcKey::Digit1);
    c.press(CalcKey::Plus);
    while (d.state().exprLen < kMaxCodeChars - 9)
        c.press(CalcKey::Digit2);
    const std::size_t records = d.state().undoStack.size();
    c.chooseConstant(0);
    EXPECT_EQ(d.state().exprLen, kMaxCodeChars - 9);
    EXPECT_EQ(d.state().undoStack.size(), records);
    EXPECT_EQ(d.state().codeText().back(), '2');

    c.press(CalcKey::Del);
    c.chooseConstant(0);
    EXPECT_EQ(d.state().exprLen, kMaxCodeChars);
    EXPECT_EQ(d.state().codeText().substr(static_cast<std::size_t>(kMaxCodeChars - 10)),
              "*299792458");
}

} // namespace
} // namespace zc::test
