// SPDX-License-Identifier: MIT
// The scientific layer from key to result, on the calculator alone.

#include "model_scenario.h"

namespace zc::test {
namespace {

class Scientific : public ::testing::TestWithParam<Scenario> {};

TEST_P(Scientific, KeysBuildAndEvaluate) {
    runScenario(GetParam());
}

// clang-format off
const Scenario kEntry[] = {
    {"StartUp", "", R"j({"problem":"Problem\n","solution":"Solution\n","history":"History:\n","solved":true,"exprLen":0,"undo":[],"layer":0,"angleMode":0,"numberSystem":1,"helpVisible":false})j"},
    {"FirstDigitReplacesPlaceholder", "click LBtn5", R"j({"problem":"5","expr":"5","undo":[[1,1]],"solved":false,"history":"History:\n5"})j"},
    {"RoadOfOneProblem", "click LBtn2\nclick LBtnPlus\nclick LBtn3\nclick LBtnEqual",
     R"j({"problem":"2+3=","solution":"5","history":"History:\n2+3= 5)j" SEP R"j(","ansText":"5","resultText":"5","exprLen":0,"undo":[],"solved":true})j"},
    {"OperatorAfterResultContinues", "type 2+3\npress Enter\nclick LBtnMul", R"j({"problem":"5×","expr":"5*","undo":[[1,1],[1,1]]})j"},
    {"PlusAfterResultRecords", "type 7+5\npress Enter\nclick LBtnPlus",
     R"j({"problem":"12+","expr":"12+","undo":[[2,2],[1,1]],"history":"History:\n7+5= 12)j" SEP R"j(12+"})j"},
    {"MinusAfterAcNegates", "click LBtnAc\nclick LBtnMinus\nclick LBtn4", R"j({"expr":"m4","problem":"−4"})j"},
    {"MinusAtStartNegates", "click LBtnMinus\nclick LBtn5", R"j({"expr":"m5"})j"},
    {"MinusAfterOperandSubtracts", "type 3-5", R"j({"expr":"3-5","problem":"3−5"})j"},
    {"SquareAndInverseIgnoredAfterResult", "type 2+3\npress Enter\nclick L1BtnSqr\nclick L1BtnInverse\nclick L1BtnXtoY",
     R"j({"problem":"2+3=","undo":[],"solved":true,"textRaise":0})j"},
    {"PointFirstHidesZero", "click LBtnDot", R"j({"problem":".","expr":"0.","undo":[[1,0],[1,1]]})j"},
    {"SecondPointAddsHiddenZero", "click LBtn5\nclick LBtnDot\nclick LBtnDot", R"j({"expr":"5.0.","problem":"5.."})j"},
    {"TenToXRaisesExponent", "click LBtn2\nclick LBtnMul\nclick LBtn10toX\nclick LBtn3\nclick L1BtnDown",
     R"j({"expr":"2*10p(3)","problemRuns":[["2×10",128,0],["3",128,60]],"exponentOpen":false,"textRaise":0})j"},
    {"TenToXRunsDigitsTogether", "click LBtn2\nclick LBtn10toX\nclick LBtn3", R"j({"expr":"210p(3","problem":"2103","exponentOpen":true,"textRaise":60})j"},
    {"AnsAtStartEntersNothing", "click LBtnAns", R"j({"expr":"","undo":[[0,0]],"solved":false})j"},
    {"PlusMinusWrapsAndUnwraps", "type 7+2\nclick L1BtnPlusMinus",
     R"j({"expr":"m(7+2)","problem":"-(7+2)","history":"History:\n-(7+2)","undo":[[2,2],[1,1],[1,1],[1,1],[1,1]]})j"},
    {"PlusMinusTwiceRestores", "type 7+2\nclick L1BtnPlusMinus\nclick L1BtnPlusMinus",
     R"j({"expr":"7+2","problem":"7+2","history":"History:\n7+2","undo":[[1,1],[1,1],[1,1]]})j"},
    {"PlusMinusNestsAfterMore", "click LBtn7\nclick L1BtnPlusMinus\nclick LBtnMul\nclick LBtn3\nclick L1BtnPlusMinus",
     R"j({"expr":"m(m(7)*3)","problem":"-(-(7)×3)"})j"},
    {"PlusMinusAfterResultDoesNothing", "type 7+2\npress Enter\nclick L1BtnPlusMinus", R"j({"problem":"7+2=","undo":[]})j"},
    {"PlusMinusEvaluates", "type 7+2\nclick L1BtnPlusMinus\npress Enter", R"j({"solution":"-9","ansText":"-9"})j"},
    {"PlusMinusAfterEmptyingDelDoesNothing", "click LBtnDot\nclick LBtnDel\nclick LBtnDel\nclick L1BtnPlusMinus\nclick LBtn5",
     R"j({"problem":"5","expr":"5","history":"History:\n5"})j"},
    {"PlusMinusOnUserMinusNegates", "click LBtnMinus\ntype 2+(3)\nclick L1BtnPlusMinus", R"j({"expr":"m(m2+(3))"})j"},
    {"PowerThenPlainText", "click LBtn2\nclick L1BtnXtoY\nclick LBtn3\nclick L1BtnDown\ntype +1",
     R"j({"expr":"2p(3)+1","problemRuns":[["2",128,0],["3",128,60],["+1",128,0]],"undo":[[1,1],[2,0],[1,1],[1,0],[1,1],[1,1]]})j"},
    {"HypConsumedByOneTrigKey", "click L1BtnHyp\nclick L1BtnSin\nclick L1BtnCos", R"j({"problem":"sinh(cos(","expr":"b(c(","hypMode":false,"undo":[[2,5],[2,4]]})j"},
    {"HypSurvivesOtherKeys", "click L1BtnHyp\nclick LBtn1\nclick LBtnAc\nclick L1BtnAtan", R"j({"problem":"atanh(","expr":"w("})j"},
    {"InverseAndSquareRaised", "click LBtn4\nclick L1BtnInverse\nclick LBtn3\nclick L1BtnSqr",
     R"j({"expr":"4i3q","problemRuns":[["4",128,0],["-1",128,60],["3",128,0],["2",128,60]],"undo":[[1,1],[1,2],[1,1],[1,1]]})j"},
    {"FunctionKeysWriteTheirCodes", "click L1BtnLog\nclick L1BtnLn\nclick L1BtnTan\nclick L1BtnAsin\nclick L1BtnAcos\nclick L1BtnPercent",
     R"j({"problem":"log(ln(tan(asin(acos(%","expr":"l(n(t(x(y(%","undo":[[2,4],[2,3],[2,4],[2,5],[2,5],[1,1]]})j"},
    {"SquareRootOneRecord", "click L1BtnSqrt\nclick LBtn9", R"j({"problem":"√(9","expr":"k(9","undo":[[2,2],[1,1]]})j"},
    {"SquareRootOneDelete", "click L1BtnSqrt\nclick LBtnDel", R"j({"problem":"","exprLen":0,"history":"History:\n"})j"},
    {"ExponentCloseWithoutExponent", "click LBtn5\nclick L1BtnDown", R"j({"expr":"5","undo":[[1,1]]})j"},
    {"NestedExponents", "click LBtn2\nclick L1BtnXtoY\nclick LBtn3\nclick L1BtnXtoY\nclick LBtn2",
     R"j({"textRaise":120,"problemRuns":[["2",128,0],["3",128,60],["2",128,120]]})j"},
};

const Scenario kEditing[] = {
    {"DelOneStep", "type 12\nclick LBtnDel", R"j({"problem":"1","expr":"1","history":"History:\n1"})j"},
    {"DelToEmpty", "type 12\nclick LBtnDel\nclick LBtnDel", R"j({"problem":"","exprLen":0,"solved":false})j"},
    {"DelOnEmptyDoesNothing", "type 12\nclick LBtnDel\nclick LBtnDel\nclick LBtnDel", R"j({"problem":"","exprLen":0,"solved":false})j"},
    {"DelHiddenZeroStays", "click LBtnDot\nclick LBtnDel", R"j({"problem":"","expr":"0","exprLen":1,"undo":[[1,0]]})j"},
    {"DelAfterHiddenZeroEndsProblem", "click LBtnDot\nclick LBtnDel\nclick LBtnDel\nclick LBtn5",
     R"j({"problem":"5","expr":"5","undo":[[1,1]]})j"},
    {"AcRemovesUnfinishedProblem", "type 2+\nclick LBtnAc",
     R"j({"problem":"Problem\n","solution":"Solution\n","history":"History:\n","ansText":"","solved":true,"undo":[]})j"},
    {"AcKeepsEvaluatedProblem", "type 2+3\npress Enter\nclick LBtnAc", R"j({"history":"History:\n2+3= 5)j" SEP R"j(","problem":"Problem\n","ansText":""})j"},
    {"AcClosesExponent", "click LBtn5\nclick L1BtnXtoY\nclick LBtn3\nclick LBtnAc\nclick LBtn4\nclick L1BtnDown",
     R"j({"problemRuns":[["4",128,0]],"expr":"4","exponentOpen":false})j"},
    {"AcKeepsHyp", "click L1BtnHyp\nclick LBtnAc", R"j({"hypMode":true})j"},
    {"OperatorAfterAcStartsProblem", "type 2+3\npress Enter\nclick LBtnAc\nclick LBtnPlus", R"j({"expr":"+","problem":"+"})j"},
    {"DelNeverReachesPastEquals", "type 2+3\npress Enter\nclick LBtnDel", R"j({"problem":"2+3=","solved":true})j"},
    {"NewProblemDropsOldRecords", "click LBtnDot\nclick LBtnDel\nclick LBtnDel\nclick LBtn5\nclick LBtnAc",
     R"j({"history":"History:\n","undo":[]})j"},
};

const Scenario kEvaluate[] = {
    {"EmptyEqualsDoesNothing", "press Enter", R"j({"problem":"Problem\n","history":"History:\n","solved":true})j"},
    {"SecondEqualsChangesNothing", "type 2+3\npress Enter\npress Enter", R"j({"history":"History:\n2+3= 5)j" SEP R"j("})j"},
    {"OpenExponentClosedSilently", "click LBtn2\nclick L1BtnXtoY\nclick LBtn3\nclick LBtnEqual",
     R"j({"problemRuns":[["2",128,0],["3",128,60],["=",128,0]],"solution":"8","problem":"23="})j"},
    {"ExponentTakenBackByDel", "click LBtn2\nclick L1BtnXtoY\nclick LBtnDel\nclick LBtnEqual", R"j({"problem":"2=","solution":"2"})j"},
    {"BracketsBalancedOnScreen", "click L1BtnSin\ntype 30\npress Enter", R"j({"problem":"sin(30)=","solution":"0.49999999999999994449"})j"},
    {"TwentyDigits", "type 0.1\npress Enter", R"j({"solution":"0.10000000000000000555","ansText":"0.10000000000000000555"})j"},
    {"GroupedSolutionPlainAns", "type 1234.5\npress Enter", R"j({"solution":"1,234.5","ansText":"1234.5","history":"History:\n1234.5= 1,234.5)j" SEP R"j("})j"},
    {"AnsEntersUngrouped", "type 1234.5\npress Enter\nclick LBtnAns", R"j({"expr":"1234.5","problem":"1234.5"})j"},
    {"DivisionByZero", "type 1/0\npress Enter",
     R"j({"solution":"Syntax Error","history":"History:\n1÷0=\nSyntax Error)j" SEP R"j(","problem":"1÷0=","undo":[],"solved":true})j"},
    {"FailureKeepsAns", "type 2+3\npress Enter\ntype 1/0\npress Enter", R"j({"ansText":"5"})j"},
    {"UnmatchedBracket", "type 5)\npress Enter", R"j({"solution":"Syntax Error"})j"},
    {"LogOfNegativeFails", "click L1BtnLog\nclick LBtnMinus\nclick LBtn1\npress Enter", R"j({"solution":"Syntax Error"})j"},
    {"ENotationReentered", "type 10000000000*10000000000\npress Enter\nclick LBtnMul",
     R"j({"ansText":"1e+20","expr":"(1*10p(20))*","undo":[[11,5],[1,1]]})j"},
    {"ENotationEvaluates", "type 10000000000*10000000000\npress Enter\ntype *2\npress Enter", R"j({"solution":"2e+20"})j"},
    {"NegativeResultReentered", "type 1-5\npress Enter\ntype +1\npress Enter", R"j({"solution":"-3"})j"},
    {"NegativeAnsTimesTwo", "type 1-5\npress Enter\nclick LBtnAns\ntype *2\npress Enter", R"j({"solution":"-8"})j"},
    {"RadiansMode", "click L1AnglesGroup 1\nclick L1BtnCos\nclick LBtn0\npress Enter", R"j({"solution":"1","angleMode":1})j"},
    {"GradMode", "click L1AnglesGroup 2\nclick L1BtnSin\ntype 100\npress Enter", R"j({"solution":"1"})j"},
    {"ImplicitProductTakesLast", "type 2(3)\npress Enter", R"j({"solution":"3"})j"},
    {"PercentOfOperand", "type 200+10%\npress Enter", R"j({"solution":"200.09999999999999432"})j"},
};

// A value in e-notation enters as one bracketed operand, so an operator that
// binds tighter than "*" or "/" takes the whole value, not its power of ten.
const Scenario kENotation[] = {
    {"AnsEntersBracketed", "type 4/100000\npress Enter\nclick LBtnAns",
     R"j({"problem":"4.0000000000000003272e-05","expr":"(4.0000000000000003272/10p(05))","undo":[[31,25]]})j"},
    {"DivideByAns", "type 4/100000\npress Enter\ntype 1/\nclick LBtnAns\npress Enter",
     R"j({"solution":"24,999.999999999996362","ansText":"24999.999999999996362"})j"},
    {"AnsToThePowerTwo", "type 0.0000025\npress Enter\nclick LBtnAns\nclick L1BtnXtoY\ntype 2\npress Enter",
     R"j({"solution":"6.2500000000000010355e-12"})j"},
    {"AnsSquared", "type 0.0000025\npress Enter\nclick LBtnAns\nclick L1BtnSqr\npress Enter", R"j({"solution":"6.2500000000000010355e-12"})j"},
    {"DivisionAfterResult", "type 4/100000\npress Enter\nclick LBtnDiv",
     R"j({"expr":"(4.0000000000000003272/10p(05))/","undo":[[31,25],[1,1]]})j"},
    {"OneDelTakesBackTheValue", "type 4/100000\npress Enter\ntype 1+\nclick LBtnAns\nclick LBtnDel",
     R"j({"problem":"1+","expr":"1+","undo":[[1,1],[1,1]]})j"},
    {"NegativeResultThenOperator", "type 0-0.0000025\npress Enter\nclick LBtnMul",
     R"j({"problem":"-2.5000000000000002045e-06×","expr":"(m2.5000000000000002045/10p(06))*","undo":[[32,26],[1,1]]})j"},
    {"NegativeResultTimesTwo", "type 0-0.0000025\npress Enter\ntype *2\npress Enter", R"j({"solution":"-5.000000000000000409e-06"})j"},
    {"PlainValueUnbracketed", "type 1-5\npress Enter\nclick LBtnMul", R"j({"expr":"m4*","undo":[[2,2],[1,1]]})j"},
};

const Scenario kDms[] = {
    {"ToDms", "type 30.5\nclick L1BtnToGms",
     R"j({"solution":"30°30'0\"","history":"History:\n30.5= 30°30'0\")j" SEP R"j(","solved":true,"dmsShown":true,"dmsValue":30.5,"exprLen":4})j"},
    {"ToDmsTwiceRepeatsProblem", "type 30.5\nclick L1BtnToGms\nclick L1BtnToGms",
     R"j({"history":"History:\n30.5= 30°30'0\")j" SEP R"j(30.5= 30°30'0\")j" SEP R"j("})j"},
    {"TurnBack", "type 30.5\nclick L1BtnToGms\nclick L1BtnFromGms", R"j({"solution":"30.5","dmsShown":false})j"},
    {"TurnBackOnce", "type 30.5\nclick L1BtnToGms\nclick L1BtnFromGms\nclick L1BtnToGms\nclick L1BtnFromGms\nclick LBtnAc\nclick L1BtnFromGms",
     R"j({"solution":"Solution\n"})j"},
    {"Negative", "click LBtnMinus\ntype 30.5\nclick L1BtnToGms", R"j({"solution":"-30°-30'0\""})j"},
    {"Radians", "click L1AnglesGroup 1\nclick LBtn1\nclick L1BtnToGms", R"j({"solution":"57°17'45\""})j"},
    {"Grads", "click L1AnglesGroup 2\ntype 100\nclick L1BtnToGms", R"j({"solution":"90°0'0\""})j"},
    {"ZeroCannotTurnBack", "click LBtn0\nclick L1BtnToGms\nclick L1BtnFromGms", R"j({"solution":"0°0'0\"","dmsShown":true})j"},
    {"Failure", "type 1/0\nclick L1BtnToGms",
     R"j({"solution":"Syntax Error","history":"History:\n1÷0=\nSyntax Error)j" SEP R"j(","dmsShown":false})j"},
    {"KeyboardG", "type 30.5\ntype g\npress Shift+g", R"j({"solution":"30.5"})j"},
    {"HelpBlocksConversion", "type 30.5\nclick LBtnHelp\nclick L1BtnToGms", R"j({"solution":"Solution\n","dmsShown":false})j"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Entry, Scientific, ::testing::ValuesIn(kEntry), scenarioName);
INSTANTIATE_TEST_SUITE_P(Editing, Scientific, ::testing::ValuesIn(kEditing), scenarioName);
INSTANTIATE_TEST_SUITE_P(Evaluate, Scientific, ::testing::ValuesIn(kEvaluate), scenarioName);
INSTANTIATE_TEST_SUITE_P(ENotation, Scientific, ::testing::ValuesIn(kENotation), scenarioName);
INSTANTIATE_TEST_SUITE_P(Dms, Scientific, ::testing::ValuesIn(kDms), scenarioName);

TEST(CodeBuffer, KeyThatWouldOverflowIsRefused) {
    CalcDriver d;
    Calculator& c = d.calc();
    c.press(CalcKey::Digit1);
    for (int i = 1; i < kMaxCodeChars; ++i)
        c.press(CalcKey::Digit2);
    ASSERT_EQ(d.state().exprLen, kMaxCodeChars);
    const std::size_t records = d.state().undoStack.size();
    c.press(CalcKey::Digit3);
    c.press(CalcKey::Sin);
    c.press(CalcKey::Point);
    EXPECT_EQ(d.state().exprLen, kMaxCodeChars);
    EXPECT_EQ(d.state().undoStack.size(), records);
    c.press(CalcKey::Del);
    c.press(CalcKey::Plus);
    EXPECT_EQ(d.state().codeText().back(), '+');
    c.press(CalcKey::PlusMinus); // would need three more characters
    EXPECT_EQ(d.state().codeText().front(), '1');
}

TEST(CodeBuffer, PointAfterADigitNeedsOneCharacter) {
    CalcDriver d;
    Calculator& c = d.calc();
    for (int i = 0; i < kMaxCodeChars - 1; ++i)
        c.press(CalcKey::Digit1);
    c.press(CalcKey::Point);
    EXPECT_EQ(d.state().exprLen, kMaxCodeChars);
    EXPECT_EQ(d.state().codeText().back(), '.');
    c.press(CalcKey::Point); // would need a hidden "0" and a point
    EXPECT_EQ(d.state().exprLen, kMaxCodeChars);
}

TEST(CodeBuffer, RefusedPlusMinusLeavesTheExponentOpen) {
    CalcDriver d;
    Calculator& c = d.calc();
    c.press(CalcKey::Digit2);
    c.press(CalcKey::Power);
    while (d.state().exprLen < kMaxCodeChars - 2)
        c.press(CalcKey::Digit1);
    ASSERT_TRUE(d.state().exponentOpen);
    c.press(CalcKey::PlusMinus);
    EXPECT_TRUE(d.state().exponentOpen);
    EXPECT_EQ(d.state().codeText().substr(0, 3), "2p(");
}

TEST(CodeBuffer, ClosingAnExponentStaysWithinTheBuffer) {
    CalcDriver d;
    Calculator& c = d.calc();
    while (d.state().exprLen < kMaxCodeChars - 4)
        c.press(CalcKey::Digit1);
    c.press(CalcKey::TenToX); // needs four characters and one more for the closing bracket
    EXPECT_FALSE(d.state().exponentOpen);
    c.press(CalcKey::Del);
    c.press(CalcKey::TenToX);
    EXPECT_TRUE(d.state().exponentOpen);
    EXPECT_LE(d.state().exprLen + 1, kMaxCodeChars);
}

} // namespace
} // namespace zc::test
