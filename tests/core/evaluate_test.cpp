// SPDX-License-Identifier: MIT
#include "core/engine/evaluate.h"

#include <gtest/gtest.h>
#include <string>

namespace zc {
namespace {

constexpr AngleMode kDeg = AngleMode::Degrees;
constexpr AngleMode kRad = AngleMode::Radians;
constexpr AngleMode kGrad = AngleMode::Grads;

struct PostfixValueCase {
    const char* name;
    const char* postfix;
    AngleMode mode;
    double expected; // compared exactly
};

class EvaluatePostfix : public ::testing::TestWithParam<PostfixValueCase> {};

TEST_P(EvaluatePostfix, GivesExactValue) {
    const auto& c = GetParam();
    EXPECT_EQ(evaluatePostfix(c.postfix, c.mode), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EvaluatePostfix,
    ::testing::Values(
        PostfixValueCase{"ProductThenSum", "2 3 4 *+", kRad, 14},
        PostfixValueCase{"SubtractionLeftToRight", "8 3 -2 -", kRad, 3},
        PostfixValueCase{"NegationThenSum", "5 m3 +", kDeg, -2},
        PostfixValueCase{"Power", "2 3 p", kGrad, 8},
        PostfixValueCase{"ChainedPowers", "2 3 p2 p", kRad, 64},
        PostfixValueCase{"Reciprocal", "4 i2 *", kRad, 0.5},
        PostfixValueCase{"Square", "3 q1 +", kRad, 10},
        PostfixValueCase{"Percent", "50 %", kRad, 0.5},
        PostfixValueCase{"CommonLogarithm", "100 l", kDeg, 2},
        PostfixValueCase{"SineOfNinetyDegrees", "90 s", kDeg, 1},
        PostfixValueCase{"SineOfHundredGrads", "100 s", kGrad, 1},
        PostfixValueCase{"ArcsineRadians", "0.5 x", kRad, 0.52359877559829893},
        PostfixValueCase{"LastOfTwoNumbers", "2 3 ", kRad, 3},
        // sin of the double nearest 30 * pi / 180, not rounded to 0.5
        PostfixValueCase{"UnclosedBracketSkipped", "30 (s", kDeg, 0.49999999999999994},
        PostfixValueCase{"SecondPointEndsNumber", "5.0. ", kRad, 5},
        PostfixValueCase{"ThirdPartIgnored", "1.2.3 ", kRad, 1.2},
        PostfixValueCase{"TrailingPoint", "1. 2 +", kRad, 3},
        PostfixValueCase{"LongestNumberToken",
                         "100000000000000000000000000000000000000000000000000 ", kRad, 1e50}),
    [](const auto& info) { return std::string(info.param.name); });

struct CodeValueCase {
    const char* name;
    const char* code;
    AngleMode mode;
    double expected;
    bool exact; // false: within four units in the last place
};

class EvaluateCode : public ::testing::TestWithParam<CodeValueCase> {};

TEST_P(EvaluateCode, GivesValue) {
    const auto& c = GetParam();
    const double got = evaluateCode(c.code, c.mode);
    if (c.exact) {
        EXPECT_EQ(got, c.expected);
    } else {
        EXPECT_DOUBLE_EQ(got, c.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Arithmetic, EvaluateCode,
    ::testing::Values(CodeValueCase{"LeftAssociative", "8-3-2", kDeg, 3, true},
                      CodeValueCase{"LeadingNegationFirstOperandOnly", "m5+3", kDeg, -2, true},
                      CodeValueCase{"SquareBeforeSum", "3q+1", kDeg, 10, true},
                      CodeValueCase{"ReciprocalBeforeProduct", "4i*2", kDeg, 0.5, true},
                      CodeValueCase{"SquareBeforeNegation", "m5q", kDeg, -25, true},
                      CodeValueCase{"ChainedPowers", "2p(3)p(2)", kDeg, 64, true},
                      CodeValueCase{"NestedPowers", "2p(3p(2))", kDeg, 512, true},
                      CodeValueCase{"PercentOfOperandOnly", "200+10%", kDeg, 200.1, true},
                      CodeValueCase{"SquareInsideSum", "2+3q*4", kDeg, 38, true},
                      CodeValueCase{"NegatedBracket", "m(2+3)", kDeg, -5, true},
                      CodeValueCase{"NegativeBaseIntegerPower", "m(8)p(3)", kDeg, -512, true},
                      CodeValueCase{"ZeroToTheZero", "0p(0)", kDeg, 1, true},
                      CodeValueCase{"DoubleRounding", "0.1+0.2", kDeg, 0.30000000000000004, true},
                      CodeValueCase{"SquareRoot", "k(2)", kDeg, 1.4142135623730951, true},
                      CodeValueCase{"NaturalLogarithm", "n(2)", kDeg, 0.6931471805599453, true},
                      CodeValueCase{"CommonLogarithm", "l(1000)", kDeg, 3, true},
                      // underflow is silent: a denormal, then 0
                      CodeValueCase{"DenormalPower", "10p(m320)", kDeg, 9.9998886718268301e-321,
                                    true},
                      CodeValueCase{"UnderflowToZero", "10p(m400)", kDeg, 0, true}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Angles, EvaluateCode,
    ::testing::Values(
        CodeValueCase{"SineDeg", "s(90)", kDeg, 1, true},
        CodeValueCase{"SineGrad", "s(100)", kGrad, 1, true},
        CodeValueCase{"SineRad", "s(1)", kRad, 0.8414709848078965, true},
        // the cosine of the double nearest pi/2, never snapped to 0
        CodeValueCase{"CosineDegNotSnapped", "c(90)", kDeg, 6.123233995736766e-17, true},
        CodeValueCase{"CosineGradNotSnapped", "c(100)", kGrad, 6.123233995736766e-17, true},
        CodeValueCase{"TangentDeg", "t(45)", kDeg, 0.99999999999999989, true},
        CodeValueCase{"HyperbolicSineDeg", "b(90)", kDeg, 2.3012989023072947, false},
        CodeValueCase{"HyperbolicSineRad", "b(90)", kRad, 6.1020164715892042e+38, false},
        CodeValueCase{"HyperbolicCosineGrad", "o(0)", kGrad, 1, true},
        CodeValueCase{"HyperbolicTangentRad", "r(1)", kRad, 0.76159415595576485, false},
        CodeValueCase{"ArcsineDeg", "x(0.5)", kDeg, 30, true},
        CodeValueCase{"ArcsineGrad", "x(0.5)", kGrad, 100.0 / 3, true},
        CodeValueCase{"ArcsineRad", "x(0.5)", kRad, 0.52359877559829893, true},
        CodeValueCase{"ArcsineOfMinusOneDeg", "x(m1)", kDeg, -90, true},
        CodeValueCase{"ArccosineDeg", "y(0)", kDeg, 90, true},
        CodeValueCase{"ArccosineGrad", "y(0)", kGrad, 100, true},
        CodeValueCase{"ArccosineRad", "y(0)", kRad, 1.5707963267948966, true},
        CodeValueCase{"ArctangentDeg", "z(1)", kDeg, 45, true},
        CodeValueCase{"ArctangentGrad", "z(1)", kGrad, 50, true},
        CodeValueCase{"ArctangentRad", "z(1)", kRad, 0.78539816339744828, true},
        // The inverse hyperbolic functions ignore the angle mode and round each
        // step to double: asinh(1) comes out one unit below the nearest double.
        CodeValueCase{"InverseSinhDeg", "u(1)", kDeg, 0.88137358701954294, true},
        CodeValueCase{"InverseSinhGrad", "u(1)", kGrad, 0.88137358701954294, true},
        CodeValueCase{"InverseCoshDeg", "v(2)", kDeg, 1.3169578969248166, true},
        CodeValueCase{"InverseCoshOfOne", "v(1)", kGrad, 0, true},
        CodeValueCase{"InverseTanhDeg", "w(0.5)", kDeg, 0.54930614433405489, true},
        CodeValueCase{"InverseTanhRad", "w(0.5)", kRad, 0.54930614433405489, true}),
    [](const auto& info) { return std::string(info.param.name); });

struct FailureCase {
    const char* name;
    const char* text;
    AngleMode mode;
};

class EvaluatePostfixFails : public ::testing::TestWithParam<FailureCase> {};

TEST_P(EvaluatePostfixFails, Throws) {
    EXPECT_THROW(evaluatePostfix(GetParam().text, GetParam().mode), EvaluationError);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EvaluatePostfixFails,
    ::testing::Values(FailureCase{"OperatorBeforeSecondOperand", "5 *3 -", kRad},
                      FailureCase{"OperatorWithoutOperands", "3 *", kRad},
                      FailureCase{"FunctionWithoutOperand", "s", kRad},
                      FailureCase{"Empty", "", kRad}, FailureCase{"OnlyBracket", " (", kRad},
                      FailureCase{"NumberTokenTooLong",
                                  "1000000000000000000000000000000000000000000000000000 ", kRad}),
    [](const auto& info) { return std::string(info.param.name); });

class EvaluateCodeFails : public ::testing::TestWithParam<FailureCase> {};

TEST_P(EvaluateCodeFails, Throws) {
    EXPECT_THROW(evaluateCode(GetParam().text, GetParam().mode), EvaluationError);
}

INSTANTIATE_TEST_SUITE_P(Arithmetic, EvaluateCodeFails,
                         ::testing::Values(FailureCase{"UnmatchedClosingBracket", "2+3)", kDeg},
                                           FailureCase{"DivisionByZero", "1/0", kDeg},
                                           FailureCase{"ZeroOverZero", "0/0", kDeg},
                                           FailureCase{"ReciprocalOfZero", "0i", kDeg},
                                           FailureCase{"ProductOverflows", "10p(308)*10", kDeg},
                                           FailureCase{"SumOverflows", "10p(308)+10p(308)", kDeg},
                                           FailureCase{"SquareOverflows", "10p(200)q", kDeg},
                                           FailureCase{"ReciprocalOfDenormalOverflows",
                                                       "10p(m320)i", kDeg},
                                           FailureCase{"NoNumber", "()", kDeg}),
                         [](const auto& info) { return std::string(info.param.name); });

// No standard function may hand back a not-a-number or an infinity.
INSTANTIATE_TEST_SUITE_P(
    NonFinite, EvaluateCodeFails,
    ::testing::Values(FailureCase{"ArcsineAboveOne", "x(2)", kRad},
                      FailureCase{"ArcsineAboveOneDeg", "x(1.0000001)", kDeg},
                      FailureCase{"ArccosineBelowMinusOne", "y(m1.5)", kGrad},
                      FailureCase{"SquareRootOfNegative", "k(m1)", kDeg},
                      FailureCase{"CommonLogarithmOfZero", "l(0)", kDeg},
                      FailureCase{"CommonLogarithmOfNegative", "l(m1)", kDeg},
                      FailureCase{"NaturalLogarithmOfZero", "n(0)", kDeg},
                      FailureCase{"NaturalLogarithmOfNegative", "n(m2)", kDeg},
                      FailureCase{"PowerOverflows", "10p(400)", kDeg},
                      FailureCase{"ZeroToNegativePower", "0p(m1)", kDeg},
                      FailureCase{"NegativeBaseFractionalPower", "m(8)p(0.5)", kDeg},
                      FailureCase{"HyperbolicSineOverflowsRad", "b(1000)", kRad},
                      FailureCase{"HyperbolicSineOverflowsDeg", "b(100000)", kDeg},
                      FailureCase{"HyperbolicCosineOverflows", "o(m1000)", kRad},
                      FailureCase{"InverseSinhSquareOverflows", "u(10p(200))", kRad},
                      FailureCase{"InverseCoshBelowOne", "v(0.5)", kRad},
                      FailureCase{"InverseCoshOfMinusTwo", "v(m2)", kDeg},
                      FailureCase{"InverseTanhOfOne", "w(1)", kRad},
                      FailureCase{"InverseTanhOfMinusOne", "w(m1)", kRad},
                      FailureCase{"InverseTanhAboveOne", "w(2)", kGrad}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EvaluateLong, FullBufferOfOnes) {
    std::string code = "1";
    for (int i = 1; i < 512; ++i)
        code += "+1";
    ASSERT_EQ(code.size(), 1023u);
    EXPECT_EQ(evaluateCode(code, kDeg), 512);
}

TEST(AngleConversion, RoundsToTheExpectedDoubles) {
    EXPECT_EQ(static_cast<double>(degreesToRadians(180)), 3.141592653589793);
    EXPECT_EQ(static_cast<double>(degreesToRadians(90)), 1.5707963267948966);
    EXPECT_EQ(static_cast<double>(gradsToDegrees(100)), 90);
    EXPECT_EQ(static_cast<double>(gradsToRadians(200)), 3.141592653589793);
}

TEST(ApplyCodes, OtherCodesGiveZero) {
    EXPECT_EQ(applyOperator(2, 3, 's'), 0.0);
    EXPECT_EQ(applyOperator(2, 3, '('), 0.0);
    EXPECT_EQ(applyFunction(2, '+', kDeg), 0.0);
    EXPECT_EQ(applyFunction(2, 'p', kDeg), 0.0);
}

TEST(ApplyCodes, AngleModeIsAnyOtherValueGrad) {
    for (int mode : {2, 3, -1, 100})
        EXPECT_EQ(applyFunction(100, 's', static_cast<AngleMode>(mode)), 1) << mode;
}

} // namespace
} // namespace zc
