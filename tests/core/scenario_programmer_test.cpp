// SPDX-License-Identifier: MIT
// The programmer layer on the calculator alone: its keys and their guards, "=" through
// the integer engine, and converting a problem between number systems.

#include "model_scenario.h"

namespace zc::test {
namespace {

// One press of the next-layer key leads from the scientific to the programmer layer.
#define PROG TO_LAYER1
#define HEX PROG "click L2NumberSysGroup 0\n"
#define OCT PROG "click L2NumberSysGroup 2\n"
#define BIN PROG "click L2NumberSysGroup 3\n"

class Programmer : public ::testing::TestWithParam<Scenario> {};

TEST_P(Programmer, KeysAndNumberSystems) {
    runScenario(GetParam());
}

// clang-format off
const Scenario kKeys[] = {
    {"EnteredByOneNextLayer", PROG, R"j({"layer":1,"numberSystem":1,"problem":"Problem\n","solved":true})j"},
    {"HexDigitsIgnoredInDec", PROG "click L2BtnHexA\nclick L2BtnHexF",
     R"j({"problem":"Problem\n","history":"History:\n","exprLen":0,"undo":[],"solved":true})j"},
    {"HexDigitsInHex", HEX "click L2BtnHexA\nclick L2BtnHexB\nclick L2BtnHexC\nclick L2BtnHexD\nclick L2BtnHexE\nclick L2BtnHexF",
     R"j({"problem":"ABCDEF","history":"History:\nABCDEF","expr":"ABCDEF","undo":[[1,1],[1,1],[1,1],[1,1],[1,1],[1,1]],"solved":false})j"},
    {"HexDigitsIgnoredInBin", BIN "click LBtn1\nclick L2BtnHexC", R"j({"expr":"1","undo":[[1,1]]})j"},
    {"BinAcceptsOnlyZeroAndOne", BIN "click LBtn2\nclick LBtn3\nclick LBtn4\nclick LBtn5\nclick LBtn6\nclick LBtn7\nclick LBtn8\nclick LBtn9\nclick LBtn1\nclick LBtn0",
     R"j({"problem":"10","expr":"10","undo":[[1,1],[1,1]]})j"},
    {"BinRefusedDigitStartsNothing", BIN "click LBtn2", R"j({"problem":"Problem\n","solved":true,"exprLen":0,"undo":[[0,0]]})j"},
    {"OctRefusesEightAndNine", OCT "click LBtn8\nclick LBtn9\nclick LBtn7\nclick LBtn0",
     R"j({"problem":"70","expr":"70","undo":[[1,1],[1,1]]})j"},
    {"DecAcceptsAllDigits", PROG "type 8901234567", R"j({"expr":"8901234567"})j"},
    {"PointExponentAndSquareIgnored", PROG "click LBtn5\nclick LBtnDot\nclick LBtn10toX\npress Shift+2\npress NumDecimal",
     R"j({"problem":"5","expr":"5","undo":[[1,1]],"exponentOpen":false,"textRaise":0})j"},
    {"PointFirstStartsNothing", PROG "click LBtnDot\nclick LBtn10toX", R"j({"problem":"Problem\n","solved":true,"undo":[]})j"},
    {"PlusMinusKeyDoesNothing", PROG "type 7+2\nclick L2BtnBlusMinus",
     R"j({"problem":"7+2","expr":"7+2","undo":[[1,1],[1,1],[1,1]]})j"},
    {"BracketKeys", PROG "click L2BtnBrStart\nclick LBtn4\nclick L2BtnBrEnd",
     R"j({"problem":"(4)","expr":"(4)","undo":[[1,1],[1,1],[1,1]]})j"},
    {"ModShowsWordWritesPercent", PROG "click LBtn7\nclick L2BtnMod\nclick LBtn3",
     R"j({"problem":"7 mod 3","history":"History:\n7 mod 3","expr":"7%3","undo":[[1,1],[1,5],[1,1]]})j"},
    {"ModRemovedByOneDel", PROG "click LBtn7\nclick L2BtnMod\nclick LBtnDel",
     R"j({"problem":"7","history":"History:\n7","expr":"7","undo":[[1,1]]})j"},
    {"LshShowsTwoCharacters", PROG "click LBtn1\nclick L2BtnLsh\nclick LBtn4",
     R"j({"problem":"1<<4","expr":"1<4","undo":[[1,1],[1,2],[1,1]]})j"},
    {"LshRemovedByOneDel", PROG "click LBtn1\nclick L2BtnLsh\nclick LBtnDel", R"j({"problem":"1","expr":"1"})j"},
    {"BitOperatorTexts", PROG "click LBtn1\nclick L2BtnAnd\nclick LBtn2\nclick L2BtnXor\nclick LBtn3\nclick L2BtnOr\nclick L2BtnNot\nclick LBtn4",
     R"j({"problem":"1&2^3|~4","expr":"1&2^3|~4","undo":[[1,1],[1,1],[1,1],[1,1],[1,1],[1,1],[1,1],[1,1]]})j"},
    {"OperatorAfterResultContinues", PROG "type 12\npress Enter\nclick L2BtnMod\nclick LBtn5",
     R"j({"problem":"12 mod 5","expr":"12%5","undo":[[2,2],[1,5],[1,1]],"history":"History:\n12= 12)j" SEP R"j(12 mod 5"})j"},
    {"OperatorAfterAcStartsProblem", PROG "click L2BtnLsh", R"j({"problem":"<<","expr":"<","undo":[[0,0],[1,2]]})j"},
    {"KeyboardModInProgrammer", PROG "click LBtn9\npress Shift+5\nclick LBtn4", R"j({"problem":"9 mod 4","expr":"9%4"})j"},
    {"KeyboardHexLetterC", HEX "type c", R"j({"problem":"C","expr":"C"})j"},
};

// Outside the programmer layer the keyboard still reaches XOR, LSH, NOT and OR:
// each re-enters the previous result and then refuses its operator.
const Scenario kOtherLayers[] = {
    {"XorInScientific", "type 7+5\npress Enter\npress Shift+6",
     R"j({"layer":0,"problem":"12","expr":"12","undo":[[2,2]],"solved":false,"history":"History:\n7+5= 12)j" SEP R"j(12"})j"},
    {"LshInScientific", "type 7+5\npress Enter\npress ,", R"j({"problem":"12","expr":"12","undo":[[2,2]],"solved":false})j"},
    {"NotInScientific", "type 7+5\npress Enter\npress `", R"j({"problem":"12","expr":"12","undo":[[2,2]],"solved":false})j"},
    {"OrInScientific", "type 7+5\npress Enter\npress \\", R"j({"problem":"12","expr":"12","undo":[[2,2]],"solved":false})j"},
    {"XorWhileBuilding", "type 7\npress Shift+6\npress |", R"j({"problem":"7","expr":"7","undo":[[1,1]]})j"},
    {"XorInConversion", "click LBtnNextLayer\nclick LBtnNextLayer\ntype 3\nclick LBtnEqual\npress Shift+6",
     R"j({"layer":2,"problem":"3","expr":"3","undo":[[1,1]],"solved":false})j"},
    {"HexLettersInScientificWhileHexSelected",
     HEX "click LBtnNextLayer\nclick L3BtnNextLayer\nclick L4BtnNextLayer\nclick LBtnNextLayer\ntype 2A+1\npress Enter",
     R"j({"layer":0,"numberSystem":0,"problem":"2A+1=","solution":"3"})j"},
    {"BinDigitGuardOnlyInProgrammer",
     BIN "click LBtnNextLayer\nclick L3BtnNextLayer\nclick L4BtnNextLayer\nclick LBtnNextLayer\ntype 29",
     R"j({"layer":0,"numberSystem":3,"expr":"29"})j"},
};

const Scenario kEvaluate[] = {
    {"HexResult", HEX "click L2BtnHexF\nclick L2BtnHexF\npress Enter",
     R"j({"problem":"FF=","solution":"FF","ansText":"FF","history":"History:\nFF= FF)j" SEP R"j(","exprLen":0,"undo":[],"solved":true})j"},
    {"HexResultGrouped", HEX "type FFFF\npress Enter",
     R"j({"solution":"F,FFF","ansText":"FFFF","history":"History:\nFFFF= F,FFF)j" SEP R"j("})j"},
    {"HexAnd", HEX "type FF\nclick L2BtnAnd\ntype 0F\npress Enter", R"j({"solution":"F"})j"},
    {"BinShift", BIN "type 101\nclick L2BtnLsh\ntype 10\npress Enter", R"j({"problem":"101<<10=","solution":"10,100","ansText":"10100"})j"},
    {"DecShift", PROG "click LBtn1\nclick L2BtnLsh\nclick LBtn4\npress Enter", R"j({"problem":"1<<4=","solution":"16"})j"},
    {"ShiftBindsLooserThanPlus", PROG "click LBtn1\nclick L2BtnLsh\ntype 4+1\npress Enter", R"j({"solution":"32"})j"},
    {"Mod", PROG "type 17\nclick L2BtnMod\ntype 5\npress Enter", R"j({"problem":"17 mod 5=","solution":"2"})j"},
    {"Xor", PROG "click LBtn6\nclick L2BtnXor\nclick LBtn3\npress Enter", R"j({"problem":"6^3=","solution":"5"})j"},
    {"Or", PROG "click LBtn5\nclick L2BtnOr\nclick LBtn2\npress Enter", R"j({"problem":"5|2=","solution":"7"})j"},
    {"And", PROG "type 12\nclick L2BtnAnd\ntype 10\npress Enter", R"j({"solution":"8"})j"},
    {"OctalSum", OCT "type 17+1\npress Enter", R"j({"solution":"20"})j"},
    {"QuotientRoundsDown", PROG "type 7/2\npress Enter", R"j({"problem":"7÷2=","solution":"3"})j"},
    {"NotBeforeOperand", PROG "click L2BtnNot\nclick LBtn5\npress Enter",
     R"j({"problem":"~5=","solution":"18,446,744,073,709,551,610","ansText":"18446744073709551610"})j"},
    {"NotAfterOperand", PROG "click LBtn5\nclick L2BtnNot\npress Enter", R"j({"problem":"5~=","ansText":"18446744073709551610"})j"},
    {"NotAfterResult", PROG "type 5\npress Enter\nclick L2BtnNot\npress Enter",
     R"j({"problem":"5~=","ansText":"18446744073709551610"})j"},
    {"WrapsBelowZero", PROG "type 3-5\npress Enter", R"j({"solution":"18,446,744,073,709,551,614","ansText":"18446744073709551614"})j"},
    {"HexWrapsBelowZero", HEX "type 3-5\npress Enter", R"j({"solution":"F,FFF,FFF,FFF,FFF,FFE","ansText":"FFFFFFFFFFFFFFFE"})j"},
    {"LeadingMinusSkipped", PROG "click LBtnMinus\ntype 5+3\npress Enter", R"j({"problem":"−5+3=","solution":"8"})j"},
    {"BracketsClosedOnScreen", PROG "click L2BtnBrStart\ntype 2+3\npress Enter", R"j({"problem":"(2+3)=","solution":"5"})j"},
    {"BracketsGroup", PROG "click L2BtnBrStart\ntype 2+3\nclick L2BtnBrEnd\ntype *2\npress Enter", R"j({"solution":"10"})j"},
    {"DivisionByZero", PROG "type 1/0\npress Enter",
     R"j({"problem":"1÷0=","solution":"Syntax Error","history":"History:\n1÷0=\nSyntax Error)j" SEP R"j(","undo":[],"solved":true})j"},
    {"FailureKeepsAns", PROG "type 9\npress Enter\ntype /0\npress Enter", R"j({"solution":"Syntax Error","ansText":"9"})j"},
    {"ResultOfTwoToSixtyThreeCannotBeReused", PROG "type 3-5\npress Enter\ntype +1\npress Enter", R"j({"solution":"Syntax Error"})j"},
    {"SecondEqualsChangesNothing", PROG "type 2+3\npress Enter\npress Enter", R"j({"history":"History:\n2+3= 5)j" SEP R"j("})j"},
};

const Scenario kNumberSystems[] = {
    {"DecToHexEvaluates", PROG "type 12+5\nclick L2NumberSysGroup 0",
     R"j({"numberSystem":0,"problem":"11","problemRuns":[["11",128,0]],"solution":"11","expr":"11","exprLen":2,"undo":[[2,2]],"solved":false,
         "history":"History:\n12+5[DEC]= 11[HEX])j" SEP R"j(11"})j"},
    {"ConvertedProblemGoesOn", PROG "type 12+5\nclick L2NumberSysGroup 0\nclick LBtnPlus\nclick L2BtnHexA\npress Enter",
     R"j({"problem":"11+A=","solution":"1B","history":"History:\n12+5[DEC]= 11[HEX])j" SEP R"j(11+A= 1B)j" SEP R"j("})j"},
    {"DelRemovesConvertedNumber", PROG "type 12+5\nclick L2NumberSysGroup 0\nclick LBtnDel",
     R"j({"problem":"","exprLen":0,"history":"History:\n12+5[DEC]= 11[HEX])j" SEP R"j("})j"},
    {"HexToBinGrouped", HEX "click L2BtnHexF\nclick L2BtnHexF\nclick L2NumberSysGroup 3",
     R"j({"problem":"11111111","solution":"11,111,111","expr":"11111111","undo":[[8,8]],
         "history":"History:\nFF[HEX]= 11111111[BIN])j" SEP R"j(11111111"})j"},
    {"HexMinusToDec", HEX "type 3-5\nclick L2NumberSysGroup 1",
     R"j({"problem":"18446744073709551614","solution":"18,446,744,073,709,551,614","expr":"18446744073709551614","undo":[[20,20]]})j"},
    {"DecMinusCannotConvert", PROG "type 3-5\nclick L2NumberSysGroup 0",
     R"j({"numberSystem":0,"problem":"3−5","solution":"Syntax Error","expr":"3-5","exprLen":3,"undo":[],"solved":true,
         "history":"History:\n3−5\nSyntax Error)j" SEP R"j("})j"},
    {"DecMinusToOctFails", PROG "type 3-5\nclick L2NumberSysGroup 2", R"j({"problem":"3−5","solution":"Syntax Error"})j"},
    {"FailedChangeIsNotConvertedLater", PROG "type 3-5\nclick L2NumberSysGroup 0\nclick L2NumberSysGroup 1\ntype 7+1\npress Enter",
     R"j({"history":"History:\n3−5\nSyntax Error)j" SEP R"j(7+1= 8)j" SEP R"j(","solution":"8"})j"},
    {"DecMinusToBinFails", PROG "type 3-5\nclick L2NumberSysGroup 3", R"j({"problem":"3−5","solution":"Syntax Error"})j"},
    // After a failed change the digits are still read as decimal by the next change.
    {"FailedChangeKeepsPreviousSystem", PROG "type 3-5\nclick L2NumberSysGroup 0\nclick L2NumberSysGroup 1",
     R"j({"numberSystem":1,"problem":"3−5","expr":"3-5","solved":true,
         "history":"History:\n3−5\nSyntax Error)j" SEP R"j("})j"},
    {"InvalidProblemCannotConvert", PROG "type 1/0\nclick L2NumberSysGroup 0",
     R"j({"problem":"1÷0","solution":"Syntax Error","expr":"1/0","solved":true})j"},
    {"EmptyProblemOnlyRemembers", PROG "click L2NumberSysGroup 0",
     R"j({"numberSystem":0,"problem":"Problem\n","solution":"Solution\n","history":"History:\n","undo":[[0,0]],"exprLen":0})j"},
    {"AfterResultOnlyRemembers", PROG "type 12\npress Enter\nclick L2NumberSysGroup 0",
     R"j({"numberSystem":0,"problem":"12=","solution":"12","history":"History:\n12= 12)j" SEP R"j(","undo":[[0,0]],"exprLen":0,"ansText":"12","solved":true})j"},
    {"OldResultReadInNewSystem", PROG "type 12\npress Enter\nclick L2NumberSysGroup 0\nclick LBtnPlus\nclick LBtn1\npress Enter",
     R"j({"problem":"12+1=","solution":"13"})j"},
    {"DecResultNotABinaryNumber", PROG "type 19\npress Enter\nclick L2NumberSysGroup 3\nclick L2BtnAnd\nclick LBtn1\npress Enter",
     R"j({"problem":"19&1=","solution":"Syntax Error","ansText":"19","undo":[],
         "history":"History:\n19= 19)j" SEP R"j(19&1=\nSyntax Error)j" SEP R"j("})j"},
    {"SameSystemAgainDoesNothing", PROG "type 12+5\nclick L2NumberSysGroup 1",
     R"j({"problem":"12+5","history":"History:\n12+5","undo":[[1,1],[1,1],[1,1],[1,1]]})j"},
    {"HelpShownOnlyRemembers", PROG "type 12+5\nclick LBtnHelp\nclick L2NumberSysGroup 0",
     R"j({"numberSystem":0,"helpVisible":true,"problem":"12+5","solution":"Solution\n","history":"History:\n12+5","expr":"12+5",
         "undo":[[1,1],[1,1],[1,1],[1,1]]})j"},
    {"AfterHelpConvertsFromLastSelection", PROG "click LBtnHelp\nclick L2NumberSysGroup 0\nclick LBtnHelp\nclick L2BtnHexF\nclick L2BtnHexF\nclick L2NumberSysGroup 1",
     R"j({"problem":"255","solution":"255","history":"History:\nFF[HEX]= 255[DEC])j" SEP R"j(255"})j"},
    {"KeyboardF5ConvertsOnce", PROG "type 12+5\npress F5",
     R"j({"numberSystem":0,"problem":"11","undo":[[2,2]],"history":"History:\n12+5[DEC]= 11[HEX])j" SEP R"j(11"})j"},
    {"KeyboardF8ToBin", PROG "type 5\npress F8", R"j({"numberSystem":3,"problem":"101","solution":"101"})j"},
    {"SelectionSurvivesLayerSwitch", BIN "click LBtnNextLayer\nclick L3BtnNextLayer\nclick L4BtnNextLayer\nclick LBtnNextLayer\nclick LBtnNextLayer\nclick LBtn2",
     R"j({"layer":1,"numberSystem":3,"problem":"Problem\n"})j"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Keys, Programmer, ::testing::ValuesIn(kKeys), scenarioName);
INSTANTIATE_TEST_SUITE_P(OtherLayers, Programmer, ::testing::ValuesIn(kOtherLayers), scenarioName);
INSTANTIATE_TEST_SUITE_P(Evaluate, Programmer, ::testing::ValuesIn(kEvaluate), scenarioName);
INSTANTIATE_TEST_SUITE_P(NumberSystems, Programmer, ::testing::ValuesIn(kNumberSystems),
                         scenarioName);

} // namespace
} // namespace zc::test
