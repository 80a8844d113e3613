// SPDX-License-Identifier: MIT
// The financial layer on the calculator alone: storing quantities, solving for one,
// the failure reports and +/- on the text typed since the last stored value.

#include "model_scenario.h"

namespace zc::test {
namespace {

#define TO_FINANCE TO_LAYER4
#define CLEARED                                                                                    \
    R"j("tvmPV":0,"tvmFV":0,"tvmPMT":0,"tvmRate":0,"tvmN":0,"tvmRateGiven":false,"tvmNGiven":false,"tvmPerYear":1)j"
#define PV_RATE_N "type 1000\nclick L5BtnPV\ntype 5\nclick L5BtnI_YR\ntype 10\nclick L5BtnN\n"
#define PV_RATE_N_RECORDS "[1,1],[1,1],[1,1],[1,1],[0,5],[1,1],[0,7],[1,1],[1,1],[0,4]"

class Finance : public ::testing::TestWithParam<Scenario> {};

TEST_P(Finance, StoreAndSolve) {
    runScenario(GetParam());
}

// clang-format off
const Scenario kStore[] = {
    {"EnteringResets", TO_FINANCE,
     R"j({"layer":4,"solved":true,"exprLen":0,"undo":[],"problem":"Problem\n",)j" CLEARED "}"},
    {"QuantityKeyAfterEnteringDoesNothing", TO_FINANCE "click L5BtnPV\nclick L5BtnN\nclick L5BtnI_YR",
     R"j({"problem":"Problem\n","solution":"Solution\n","history":"History:\n","undo":[],"solved":true,)j" CLEARED "}"},
    {"QuantityKeyAfterEqualDoesNothing", TO_FINANCE "type 5\nclick LBtnEqual\nclick L5BtnPV",
     R"j({"problem":"5=","solution":"5","history":"History:\n5= 5)j" SEP R"j(","tvmPV":0,"solved":true})j"},
    {"QuantityKeyAfterSolveDoesNothing", TO_FINANCE PV_RATE_N "click L5BtnFV\nclick L5BtnPV\nclick L5BtnFV",
     R"j({"problem":"1000[pv] 5[i/yr] 10[n] = -1628.8946267774419994[fv] ","solution":"-1,628.8946267774419994[fv] ",
         "history":"History:\n1000[pv] 5[i/yr] 10[n] = -1628.8946267774419994[fv] )j" SEP R"j(",)j" CLEARED "}"},
    {"StoresThreeValues", TO_FINANCE PV_RATE_N,
     R"j({"problem":"1000[pv] 5[i/yr] 10[n] ","history":"History:\n1000[pv] 5[i/yr] 10[n] ","exprLen":0,"solved":false,
         "undo":[)j" PV_RATE_N_RECORDS R"j(],"tvmPV":1000,"tvmRate":5,"tvmN":10,"tvmRateGiven":true,"tvmNGiven":true,
         "tvmFV":0,"tvmPMT":0,"tvmPerYear":1,"tvmTarget":3,"solution":"Solution\n"})j"},
    {"StoresEveryQuantity", TO_FINANCE "type 1\nclick L5BtnPV\ntype 2\nclick L5BtnFV\ntype 3\nclick L5BtnPMT\ntype 4\nclick L5BtnN\ntype 6\nclick L5BtnI_YR\ntype 12\nclick L5BtnP_YR",
     R"j({"problem":"1[pv] 2[fv] 3[pmt] 4[n] 6[i/yr] 12[p/yr] ","undo":[[1,1],[0,5],[1,1],[0,5],[1,1],[0,6],[1,1],[0,4],[1,1],[0,7],[1,1],[1,1],[0,7]],
         "tvmPV":1,"tvmFV":2,"tvmPMT":3,"tvmN":4,"tvmRate":6,"tvmPerYear":12,"tvmTarget":5})j"},
    {"ExpressionStoredAsValue", TO_FINANCE "type 2*(3+4)\nclick L5BtnPV",
     R"j({"problem":"2×(3+4)[pv] ","tvmPV":14,"exprLen":0,"undo":[[1,1],[1,1],[1,1],[1,1],[1,1],[1,1],[1,1],[0,5]]})j"},
    {"NegativeValueByMinusKey", TO_FINANCE "click LBtnMinus\ntype 1000\nclick L5BtnPV", R"j({"problem":"−1000[pv] ","tvmPV":-1000})j"},
    {"LaterValueWins", TO_FINANCE "type 1\nclick L5BtnPV\ntype 2\nclick L5BtnPV", R"j({"tvmPV":2,"problem":"1[pv] 2[pv] "})j"},
    {"AcKeepsStoredValues", TO_FINANCE "type 1000\nclick L5BtnPV\nclick LBtnAc\ntype 5\nclick L5BtnI_YR",
     R"j({"problem":"5[i/yr] ","history":"History:\n5[i/yr] ","tvmPV":1000,"tvmRate":5,"tvmRateGiven":true,"undo":[[1,1],[0,7]]})j"},
    {"AcThenSolveUsesStoredValues", TO_FINANCE PV_RATE_N "click LBtnAc\nclick LBtn1\nclick LBtnDel\nclick L5BtnFV",
     R"j({"solution":"-1,628.8946267774419994[fv] ",)j" CLEARED "}"},
    {"EqualEvaluatesTypedTextOnly", TO_FINANCE "type 1000\nclick L5BtnPV\ntype 2+3\nclick LBtnEqual",
     R"j({"problem":"1000[pv] 2+3=","solution":"5","ansText":"5","tvmPV":1000})j"},
    {"HelpShownKeysDoNothing", TO_FINANCE "type 1000\nclick L5BtnPV\ntype 5\nclick LBtnHelp\nclick L5BtnI_YR",
     R"j({"helpVisible":true,"problem":"1000[pv] 5","expr":"5","tvmRate":0,"tvmRateGiven":false,"tvmPV":1000,"solved":false})j"},
    {"HelpShownNoSolve", TO_FINANCE PV_RATE_N "click LBtnHelp\nclick L5BtnFV",
     R"j({"helpVisible":true,"problem":"1000[pv] 5[i/yr] 10[n] ","solution":"Solution\n","tvmPV":1000,"tvmNGiven":true})j"},
    {"StoreFailureIsSyntaxError", TO_FINANCE "type 1000\nclick L5BtnPV\ntype 1/0\nclick L5BtnI_YR",
     R"j({"problem":"1000[pv] 1÷0","solution":"Syntax Error","history":"History:\n1000[pv] 1÷0\nSyntax Error)j" SEP R"j(",
         "undo":[],"solved":true,)j" CLEARED "}"},
};

const Scenario kSolve[] = {
    {"FutureValue", TO_FINANCE PV_RATE_N "click L5BtnFV",
     R"j({"solution":"-1,628.8946267774419994[fv] ","problem":"1000[pv] 5[i/yr] 10[n] = -1628.8946267774419994[fv] ",
         "history":"History:\n1000[pv] 5[i/yr] 10[n] = -1628.8946267774419994[fv] )j" SEP R"j(",
         "problemRuns":[["1000[pv] 5[i/yr] 10[n] = -1628.8946267774419994[fv] ",128,0]],
         "solved":true,"exprLen":0,"undo":[)j" PV_RATE_N_RECORDS R"j(],"tvmTarget":1,)j" CLEARED "}"},
    {"PaymentMonthly", TO_FINANCE "type 1000\nclick L5BtnPV\ntype 12\nclick L5BtnI_YR\ntype 12\nclick L5BtnP_YR\ntype 12\nclick L5BtnN\nclick L5BtnPMT",
     R"j({"solution":"-88.848788678341662717[pmt] ","problem":"1000[pv] 12[i/yr] 12[p/yr] 12[n] = -88.848788678341662717[pmt] ",)j" CLEARED "}"},
    {"PeriodsDivideByZero", TO_FINANCE "type 1000\nclick L5BtnPV\nclick LBtnMinus\ntype 100\nclick L5BtnPMT\ntype 10\nclick L5BtnI_YR\nclick L5BtnN",
     R"j({"solution":"Syntax Error","problem":"1000[pv] −100[pmt] 10[i/yr] ",
         "history":"History:\n1000[pv] −100[pmt] 10[i/yr] \nSyntax Error)j" SEP R"j(","undo":[],"solved":true,)j" CLEARED "}"},
    {"Periods", TO_FINANCE "type 1000\nclick L5BtnPV\nclick LBtnMinus\ntype 200\nclick L5BtnPMT\ntype 10\nclick L5BtnI_YR\nclick L5BtnN",
     R"j({"solution":"7.2725408973417131619[n] ","problem":"1000[pv] −200[pmt] 10[i/yr] = 7.2725408973417131619[n] ",)j" CLEARED "}"},
    {"NotEnoughData", TO_FINANCE "type 1000\nclick L5BtnPV\ntype 5\nclick L5BtnI_YR\nclick L5BtnFV",
     R"j({"solution":"Not enough data to solve [fv] ","problem":"1000[pv] 5[i/yr] ",
         "history":"History:\n1000[pv] 5[i/yr] = Not enough data to solve [fv] )j" SEP R"j(","undo":[],"solved":true,"tvmTarget":1,)j" CLEARED "}"},
    {"PeriodsNeedOnlyRate", TO_FINANCE "type 10\nclick L5BtnN\nclick L5BtnN",
     R"j({"solution":"Not enough data to solve [n] ","history":"History:\n10[n] = Not enough data to solve [n] )j" SEP R"j("})j"},
    {"RateNeedsPeriods", TO_FINANCE "type 1000\nclick L5BtnPV\nclick L5BtnI_YR", R"j({"solution":"Not enough data to solve [i/yr] "})j"},
    {"ZeroRateIsSyntaxError", TO_FINANCE "type 1000\nclick L5BtnPV\ntype 0\nclick L5BtnI_YR\ntype 10\nclick L5BtnN\nclick L5BtnFV",
     R"j({"solution":"Syntax Error","history":"History:\n1000[pv] 0[i/yr] 10[n] \nSyntax Error)j" SEP R"j(",)j" CLEARED "}"},
    {"ZeroPerYearIsSyntaxError", TO_FINANCE PV_RATE_N "type 0\nclick L5BtnP_YR\nclick L5BtnPMT", R"j({"solution":"Syntax Error",)j" CLEARED "}"},
    {"Rate", TO_FINANCE "click LBtnMinus\ntype 1000\nclick L5BtnPV\ntype 2000\nclick L5BtnFV\ntype 10\nclick L5BtnN\nclick L5BtnI_YR",
     R"j({"solution":"7.1773462536293131109[i/yr] ","problem":"−1000[pv] 2000[fv] 10[n] = 7.1773462536293131109[i/yr] ",
         "history":"History:\n−1000[pv] 2000[fv] 10[n] = 7.1773462536293131109[i/yr] )j" SEP R"j(",)j" CLEARED "}"},
    {"PerYear", TO_FINANCE "click LBtnMinus\ntype 1000\nclick L5BtnPV\ntype 2000\nclick L5BtnFV\ntype 10\nclick L5BtnN\ntype 7\nclick LBtnDot\ntype 1773462536293131109\nclick L5BtnI_YR\nclick L5BtnP_YR",
     R"j({"solution":"1[p/yr] ",)j" CLEARED "}"},
    {"HopelessRate", TO_FINANCE "click LBtnMinus\ntype 5000\nclick L5BtnPV\ntype 0\nclick L5BtnFV\ntype 0\nclick L5BtnPMT\ntype 10\nclick L5BtnN\nclick L5BtnI_YR",
     R"j({"solution":"Can't calculate [i/yr] ","problem":"−5000[pv] 0[fv] 0[pmt] 10[n] = ",
         "history":"History:\n−5000[pv] 0[fv] 0[pmt] 10[n] = Can't calculate [i/yr] )j" SEP R"j(","undo":[],"solved":true,)j" CLEARED "}"},
    {"RateSolverTrap", TO_FINANCE "type 1000\nclick L5BtnPV\ntype 1\nclick L5BtnFV\ntype 10\nclick L5BtnN\nclick L5BtnI_YR",
     R"j({"solution":"Can't calculate [i/yr] ","problem":"1000[pv] 1[fv] 10[n] = Can't calculate [i/yr] ",
         "history":"History:\n1000[pv] 1[fv] 10[n] = Can't calculate [i/yr] )j" SEP R"j(","undo":[],"solved":true,)j" CLEARED "}"},
    {"DigitAfterSolveStartsAfresh", TO_FINANCE PV_RATE_N "click L5BtnFV\nclick LBtn7",
     R"j({"problem":"7","expr":"7","undo":[[1,1]],"solved":false})j"},
};

const Scenario kNegate[] = {
    {"NegatesTextSinceLastStore", TO_FINANCE "type 1000\nclick L5BtnPV\ntype 5\nclick L5BtnPlusMinus",
     R"j({"problem":"1000[pv] -(5)","history":"History:\n1000[pv] -(5)","expr":"m(5)","exprLen":4,
         "undo":[[1,1],[1,1],[1,1],[1,1],[0,5],[2,2],[1,1],[1,1]],"tvmPV":1000})j"},
    {"StoresNegatedValue", TO_FINANCE "type 1000\nclick L5BtnPV\ntype 5\nclick L5BtnPlusMinus\nclick L5BtnI_YR",
     R"j({"problem":"1000[pv] -(5)[i/yr] ","tvmRate":-5,"tvmPV":1000,"exprLen":0})j"},
    {"SecondPressRestores", TO_FINANCE "type 1000\nclick L5BtnPV\ntype 5+2\nclick L5BtnPlusMinus\nclick L5BtnPlusMinus",
     R"j({"problem":"1000[pv] 5+2","history":"History:\n1000[pv] 5+2","expr":"5+2","undo":[[1,1],[1,1],[1,1],[1,1],[0,5],[1,1],[1,1],[1,1]]})j"},
    {"NothingTypedSinceStore", TO_FINANCE "type 1000\nclick L5BtnPV\nclick L5BtnPlusMinus",
     R"j({"problem":"1000[pv] ","expr":"","undo":[[1,1],[1,1],[1,1],[1,1],[0,5]]})j"},
    {"BeforeAnyStoreWrapsAll", TO_FINANCE "type 12\nclick L5BtnPlusMinus\nclick L5BtnPV",
     R"j({"problem":"-(12)[pv] ","tvmPV":-12,"undo":[[2,2],[1,1],[1,1],[1,1],[0,5]]})j"},
    {"DelAfterNegation", TO_FINANCE "type 1000\nclick L5BtnPV\ntype 5\nclick L5BtnPlusMinus\nclick LBtnDel\nclick LBtnDel",
     R"j({"problem":"1000[pv] -(","history":"History:\n1000[pv] -(","expr":"m(","undo":[[1,1],[1,1],[1,1],[1,1],[0,5],[2,2]]})j"},
    {"NegatedAgainAfterMore", TO_FINANCE "type 1000\nclick L5BtnPV\ntype 5\nclick L5BtnPlusMinus\ntype *3\nclick L5BtnPlusMinus\nclick L5BtnN",
     R"j({"problem":"1000[pv] -(-(5)×3)[n] ","tvmN":15,"tvmNGiven":true})j"},
    {"SecondValueNegatedAlone", TO_FINANCE "type 4\nclick L5BtnPlusMinus\nclick L5BtnPV\ntype 4\nclick L5BtnPlusMinus\nclick L5BtnFV",
     R"j({"problem":"-(4)[pv] -(4)[fv] ","tvmPV":-4,"tvmFV":-4})j"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Store, Finance, ::testing::ValuesIn(kStore), scenarioName);
INSTANTIATE_TEST_SUITE_P(Solve, Finance, ::testing::ValuesIn(kSolve), scenarioName);
INSTANTIATE_TEST_SUITE_P(Negate, Finance, ::testing::ValuesIn(kNegate), scenarioName);

} // namespace
} // namespace zc::test
