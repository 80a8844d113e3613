// SPDX-License-Identifier: MIT
// The next-layer key on the calculator alone: what a switch clears and what survives it.

#include "model_scenario.h"

namespace zc::test {
namespace {

class LayerSwitch : public ::testing::TestWithParam<Scenario> {};

TEST_P(LayerSwitch, KeepsWhatSurvives) {
    runScenario(GetParam());
}

// clang-format off
const Scenario kSwitches[] = {
    {"UnfinishedProblemLeavesHistory", "type 2+3\npress Enter\ntype 7*\nclick LBtnNextLayer",
     R"j({"layer":1,"history":"History:\n2+3= 5)j" SEP R"j(","problem":"Problem\n","solution":"Solution\n","ansText":"","solved":true,"exprLen":0,"undo":[]})j"},
    {"EvaluatedProblemStays", "type 2+3\npress Enter\nclick LBtnNextLayer",
     R"j({"layer":1,"history":"History:\n2+3= 5)j" SEP R"j(","problem":"Problem\n","ansText":""})j"},
    {"OpenExponentClosed", "click LBtn2\nclick L1BtnXtoY\nclick LBtnNextLayer",
     R"j({"textRaise":0,"exponentOpen":false,"history":"History:\n"})j"},
    {"ConversionEntersDistance", TO_LAYER2,
     R"j({"layer":2,"unitCategory":3})j"},
    {"ConversionAgainAfterMass",
     TO_LAYER2 "click LLabelMass\n" ROUND,
     R"j({"layer":2,"unitCategory":3})j"},
    {"ConstantsEnterUniversal", TO_LAYER3,
     R"j({"layer":3,"constGroup":0})j"},
    {"ConstantsAgainAfterOtherGroup",
     TO_LAYER3 "click L4LabelPhysChem\nclick L4BtnNextLayer\nclick LBtnNextLayer\n" TO_LAYER3,
     R"j({"layer":3,"constGroup":0})j"},
    {"BinaryLeftBehind",
     "click LBtnNextLayer\nclick L2NumberSysGroup 3\nclick LBtnNextLayer\nclick L3BtnNextLayer\nclick L4BtnNextLayer\nclick LBtnNextLayer\ntype 23456789",
     R"j({"layer":0,"numberSystem":3,"expr":"23456789","problem":"23456789"})j"},
    {"BinaryLeftBehindEvaluates",
     "click LBtnNextLayer\nclick L2NumberSysGroup 3\nclick LBtnNextLayer\nclick L3BtnNextLayer\nclick L4BtnNextLayer\nclick LBtnNextLayer\ntype 9*8\npress Enter",
     R"j({"solution":"72"})j"},
    {"SelectionsAndHypSurvive",
     "click L1AnglesGroup 2\nclick L1BtnHyp\nclick LBtnNextLayer\nclick L2NumberSysGroup 0\nclick LBtnNextLayer\nclick L3BtnNextLayer\nclick L4BtnNextLayer\nclick LBtnNextLayer",
     R"j({"layer":0,"angleMode":2,"numberSystem":0,"hypMode":true})j"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Switch, LayerSwitch, ::testing::ValuesIn(kSwitches), scenarioName);

} // namespace
} // namespace zc::test
