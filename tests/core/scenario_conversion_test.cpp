// SPDX-License-Identifier: MIT
// The conversion layer on the calculator alone: categories, the selected units and
// what "=" adds to the panes when it converts a problem.

#include "model_scenario.h"

namespace zc::test {
namespace {

#define CONV TO_LAYER2

// The window's tests of this layer have a fixture named Conversion; the unit converter's
// tests already use that name here.
class ConversionLayer : public ::testing::TestWithParam<Scenario> {};

TEST_P(ConversionLayer, CategoriesUnitsAndEquals) {
    runScenario(GetParam());
}

// clang-format off
const Scenario kCategories[] = {
    {"EnteringShowsDistance", CONV,
     R"j({"layer":2,"unitCategory":3})j"},
    {"CategoryClickFillsBothLists", CONV "type 12\nclick LLabelTemp",
     R"j({"unitCategory":5,"problem":"12","expr":"12","solved":false,"undo":[[1,1],[1,1]]})j"},
    // The constants layer on the way filled its own list with its first group.
    {"ComingBackShowsDistance", CONV "click LLabelMass\n" ROUND,
     R"j({"layer":2,"unitCategory":3})j"},
    {"LeavingKeepsCategoryAndSource", CONV "click LLabelMass\nclick LListFrom 2\ntype 5\nclick LBtnEqual\nclick L3BtnNextLayer",
     R"j({"layer":3,"unitCategory":4,"lastFromUnit":2})j"},
};

const Scenario kEquals[] = {
    {"FirstEqualsAddsSuffixes", CONV "type 12\nclick LBtnEqual",
     R"j({"problem":"12 [mm] =","problemRuns":[["12 [mm] =",128,0]],"solution":"12 [mm] ","history":"History:\n12 [mm] = 12 [mm] )j" SEP R"j(",
         "ansText":"12","resultText":"12","expr":"12","exprLen":2,"solved":true,"undo":[],"lastFromUnit":0})j"},
    {"CelsiusToFahrenheit", CONV "click LLabelTemp\nclick LListFrom 1\nclick LListTo 3\nclick LBtn0\nclick LBtnEqual",
     R"j({"problem":"0 [°C] =","solution":"31.999999999999943157 [°F] ","ansText":"31.999999999999943157","resultText":"0",
         "history":"History:\n0 [°C] = 31.999999999999943157 [°F] )j" SEP R"j("})j"},
    {"EqualsTwiceRepeatsInHistoryOnly", CONV "type 12\nclick LBtnEqual\nclick LBtnEqual",
     R"j({"problem":"12 [mm] =","solution":"12 [mm] ","history":"History:\n12 [mm] = 12 [mm] )j" SEP R"j(12 [mm] = 12 [mm] )j" SEP R"j("})j"},
    {"SecondEqualsStartsFromValueBeforeConversion", CONV "type 2+3\nclick LBtnEqual\nclick LListTo 2\nclick LBtnEqual",
     R"j({"problem":"2+3 [mm] =","solution":"0.0050000000000000001041 [m] ","resultText":"5",
         "history":"History:\n2+3 [mm] = 5 [mm] )j" SEP R"j(5 [mm] = 0.0050000000000000001041 [m] )j" SEP R"j("})j"},
    {"NewTargetOnly", CONV "type 12\nclick LBtnEqual\nclick LListTo 2\nclick LBtnEqual",
     R"j({"problem":"12 [mm] =","solution":"0.01200000000000000025 [m] ","ansText":"0.01200000000000000025","lastFromUnit":0,
         "history":"History:\n12 [mm] = 12 [mm] )j" SEP R"j(12 [mm] = 0.01200000000000000025 [m] )j" SEP R"j("})j"},
    {"NewSourceAppendsSuffix", CONV "type 12\nclick LBtnEqual\nclick LListFrom 2\nclick LBtnEqual",
     R"j({"problem":"12 [mm] = [m] =","solution":"12,000 [mm] ","ansText":"12000","lastFromUnit":2,
         "history":"History:\n12 [mm] = 12 [mm] )j" SEP R"j(12 [m] = 12,000 [mm] )j" SEP R"j("})j"},
    {"NewSourceAppendsOnce", CONV "type 12\nclick LBtnEqual\nclick LListFrom 2\nclick LBtnEqual\nclick LBtnEqual",
     R"j({"problem":"12 [mm] = [m] ="})j"},
    // Only the source index is compared: a new category with the same index adds nothing.
    {"NewCategorySameSourceIndex", CONV "type 12\nclick LBtnEqual\nclick LLabelMass\nclick LBtnEqual",
     R"j({"problem":"12 [mm] =","solution":"12 [mg] ","history":"History:\n12 [mm] = 12 [mm] )j" SEP R"j(12 [mg] = 12 [mg] )j" SEP R"j("})j"},
    {"DigitAfterResultStartsNewProblem", CONV "type 12\nclick LBtnEqual\nclick LBtn5\nclick LBtnEqual",
     R"j({"problem":"5 [mm] =","solution":"5 [mm] ","ansText":"5","expr":"5",
         "history":"History:\n12 [mm] = 12 [mm] )j" SEP R"j(5 [mm] = 5 [mm] )j" SEP R"j("})j"},
    {"DigitAfterNewSourceStillAppendsSuffix", CONV "type 12\nclick LListFrom 2\nclick LBtnEqual\nclick LBtn5\nclick LBtnEqual",
     R"j({"problem":"5 [m] =","lastFromUnit":2})j"},
    {"OperatorContinuesFromConvertedValue", CONV "type 12\nclick LListFrom 3\nclick LListTo 2\npress Enter\nclick LBtnPlus",
     R"j({"problem":"12000+","expr":"12000+","undo":[[5,5],[1,1]],"solved":false})j"},
    {"OpenExponentClosedInCodeOnly", CONV "click LBtn10toX\nclick LBtn3\nclick LBtnEqual\nclick LBtnEqual",
     R"j({"problemRuns":[["10",128,0],["3",128,60],[" [mm] =",128,0]],"solution":"1,000 [mm] ","expr":"10p(3)",
         "history":"History:\n103 [mm] = 1,000 [mm] )j" SEP R"j(1000 [mm] = 1,000 [mm] )j" SEP R"j("})j"},
    {"HugeValueStillConverts", CONV "click LBtn10toX\ntype 300\nclick LListFrom 3\nclick LBtnEqual",
     R"j({"solution":"1.0000000000000000172e+306 [mm] ","ansText":"1.0000000000000000172e+306"})j"},
    {"ConvertedBeyondDoubleRange", CONV "click LBtn10toX\ntype 305\nclick LListFrom 3\nclick LBtnEqual",
     R"j({"problem":"10305 [km] =","solution":"Syntax Error","ansText":"","solved":true,"undo":[],
         "history":"History:\n10305 [km] =\nSyntax Error)j" SEP R"j("})j"},
    {"ConvertedBeyondRangeFromParsec", CONV "click LBtn10toX\ntype 300\nclick LListFrom 16\nclick LBtnEqual",
     R"j({"problem":"10300 [pc] =","solution":"Syntax Error"})j"},
    {"EvaluationFailure", CONV "type 1/0\nclick LBtnEqual",
     R"j({"problem":"1÷0 [mm] =","solution":"Syntax Error","history":"History:\n1÷0 [mm] =\nSyntax Error)j" SEP R"j(","exprLen":3,"solved":true})j"},
    {"OverflowRepeatedKeepsTheValue", "click LBtnNextLayer\nclick LBtnNextLayer\nclick LLabelData\nclick LListFrom 23\nclick LListTo 0\nclick LBtn10toX\ntype 307\npress Enter\npress Enter",
     R"j({"history":"History:\n10307 [YB] =\nSyntax Error)j" SEP R"j(9.9999999999999998603e+306 [YB] =\nSyntax Error)j" SEP R"j(","resultText":"9.9999999999999998603e+306"})j"},
    {"FailureRepeatedShowsNoStaleValue", CONV "type 7\nclick LBtnEqual\ntype 1/0\nclick LBtnEqual\nclick LBtnEqual",
     R"j({"history":"History:\n7 [mm] = 7 [mm] )j" SEP R"j(1÷0 [mm] =\nSyntax Error)j" SEP R"j( [mm] =\nSyntax Error)j" SEP R"j("})j"},
    {"RepeatedEqualsClosesBracketOnce", CONV "type (2+3\nclick LBtnEqual\nclick LBtnEqual",
     R"j({"problem":"(2+3) [mm] =","history":"History:\n(2+3) [mm] = 5 [mm] )j" SEP R"j(5 [mm] = 5 [mm] )j" SEP R"j("})j"},
    {"EmptyProblemNotEvaluated", CONV "click LBtnEqual", R"j({"problem":"Problem\n","history":"History:\n"})j"},
    {"HelpShownNotEvaluated", CONV "type 12\nclick L3BtnHelp\nclick LBtnEqual", R"j({"problem":"12","history":"History:\n12","solved":false})j"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Categories, ConversionLayer, ::testing::ValuesIn(kCategories),
                         scenarioName);
INSTANTIATE_TEST_SUITE_P(Equals, ConversionLayer, ::testing::ValuesIn(kEquals), scenarioName);

// The keys typed after 10^x can use up the room it kept for its ")": "=" then
// evaluates the full code text as it stands, and repeating it changes nothing.
TEST(ConversionBound, EqualsOnAFullCodeTextStaysWithinTheBound) {
    CalcDriver d;
    ASSERT_TRUE(d.runScript("click LBtnNextLayer\nclick LBtnNextLayer\nclick LBtn10toX").empty());
    Calculator& c = d.calc();
    while (d.state().exprLen < kMaxCodeChars - 1) {
        c.press(CalcKey::Digit0);
        c.press(CalcKey::Plus);
    }
    c.press(CalcKey::Digit0);
    ASSERT_EQ(d.state().exprLen, kMaxCodeChars);
    ASSERT_TRUE(d.state().exponentOpen);
    for (int press = 0; press < 2; ++press) {
        c.press(CalcKey::Equal);
        EXPECT_LE(d.state().exprLen, kMaxCodeChars) << "press " << press;
        EXPECT_EQ(d.panes().text(Pane::Solution), u"1 [mm] ") << "press " << press;
    }
}

} // namespace
} // namespace zc::test
