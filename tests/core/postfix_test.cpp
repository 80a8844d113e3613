// SPDX-License-Identifier: MIT
#include "core/engine/postfix.h"

#include <gtest/gtest.h>
#include <string>

namespace zc {
namespace {

TEST(OperatorCodes, PrecedenceAndArity) {
    EXPECT_EQ(operatorPrecedence('*'), 2);
    EXPECT_EQ(operatorPrecedence('/'), 2);
    EXPECT_EQ(operatorPrecedence('+'), 1);
    EXPECT_EQ(operatorPrecedence('-'), 1);
    for (char c : std::string_view("piq%lnkmsctxyzboruvw")) {
        EXPECT_EQ(operatorPrecedence(c), 3) << c;
        EXPECT_EQ(operatorArity(c), c == 'p' ? 2 : 1) << c;
    }
    for (char c : std::string_view("+-*/"))
        EXPECT_EQ(operatorArity(c), 2) << c;
    for (char c : std::string_view("()0.9 adefghj^&|<~E")) {
        EXPECT_FALSE(isOperatorCode(c)) << c;
        EXPECT_EQ(operatorPrecedence(c), 0) << c;
        EXPECT_EQ(operatorArity(c), 0) << c;
    }
    // The engine's alphabet: nothing more, nothing less.
    EXPECT_EQ(operatorCodes(), "+-*/piq%lnkmsctxyzboruvw");
}

struct PostfixCase {
    const char* name;
    const char* code;
    const char* postfix; // every number is followed by one space
};

class ToPostfix : public ::testing::TestWithParam<PostfixCase> {};

TEST_P(ToPostfix, Converts) {
    const auto& c = GetParam();
    std::string out = "stale";
    EXPECT_TRUE(toPostfix(c.code, out));
    EXPECT_EQ(out, c.postfix);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ToPostfix,
    ::testing::Values(
        PostfixCase{"Sum", "2+3", "2 3 +"}, PostfixCase{"ProductBeforeSum", "2*3+4", "2 3 *4 +"},
        PostfixCase{"ProductAfterSum", "2+3*4", "2 3 4 *+"},
        PostfixCase{"SubtractionLeftToRight", "8-3-2", "8 3 -2 -"},
        PostfixCase{"DivisionLeftToRight", "8/4/2", "8 4 /2 /"},
        PostfixCase{"BracketFirst", "(2+3)*4", "2 3 +4 *"},
        PostfixCase{"BracketSecondKeepsProduct", "2*(3+4)", "2 3 4 +*"},
        PostfixCase{"Logarithm", "l(100)", "100 l"}, PostfixCase{"SquareRoot", "k(2)", "2 k"},
        PostfixCase{"NegatedBracket", "m(2+3)", "2 3 +m"},
        PostfixCase{"SquareInsideSum", "2+3q*4", "2 3 q4 *+"},
        PostfixCase{"PercentOfOperandOnly", "200+10%", "200 10 %+"},
        PostfixCase{"Power", "210p(3)", "210 3 p"},
        PostfixCase{"PowerInsideProduct", "2*3p(2)", "2 3 2 p*"},
        PostfixCase{"PowerThenSum", "2p(3)+1", "2 3 p1 +"},
        PostfixCase{"ChainedPowers", "2p(3)p(2)", "2 3 p2 p"},
        PostfixCase{"NestedPowers", "2p(3p(2))", "2 3 2 pp"},
        PostfixCase{"NestedFunctions", "s(c(0))", "0 cs"},
        PostfixCase{"FunctionThenSum", "s(30)+1", "30 s1 +"},
        PostfixCase{"BracketReleasesOneCode", "ms(30)", "30 sm"},
        PostfixCase{"LeadingNegation", "m5+3", "5 m3 +"},
        PostfixCase{"SquareOfOperand", "3q+1", "3 q1 +"},
        PostfixCase{"ReciprocalOfOperand", "4i*2", "4 i2 *"},
        PostfixCase{"DeferredOnDeferred", "m5q", "5 qm"},
        PostfixCase{"UnclosedBrackets", "((1", "1 (("},
        PostfixCase{"UnclosedFunction", "s(30", "30 (s"},
        PostfixCase{"DecimalNumber", "1.5*2", "1.5 2 *"},
        PostfixCase{"TwoPointsOneToken", "5.0.", "5.0. "},
        PostfixCase{"JuxtaposedNumbers", "2(3)", "2 3 "},
        PostfixCase{"LeadingPointStartsNoNumber", ".5+1", "5 1 +"},
        PostfixCase{"ForeignCharactersSkipped", "2 + a3", "2 3 +"}, PostfixCase{"Empty", "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

struct MalformedCase {
    const char* name;
    const char* code;
};

class ToPostfixMalformed : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(ToPostfixMalformed, Throws) {
    std::string out;
    EXPECT_THROW(toPostfix(GetParam().code, out), EvaluationError);
}

INSTANTIATE_TEST_SUITE_P(Cases, ToPostfixMalformed,
                         ::testing::Values(MalformedCase{"NumberThenClose", "5)"},
                                           MalformedCase{"SumThenClose", "2+3)"},
                                           MalformedCase{"CloseOnly", ")"},
                                           MalformedCase{"OneCloseTooMany", "(1))"},
                                           MalformedCase{"FunctionCloseTooMany", "s(1))+2"}),
                         [](const auto& info) { return std::string(info.param.name); });

// 512 one-digit numbers joined by 511 operators: a full code buffer.
std::string longProblem() {
    const std::string_view ops = "+*-/";
    std::string code;
    for (int i = 0; i < 512; ++i) {
        if (i > 0) code += ops[static_cast<std::size_t>(i) % ops.size()];
        code += static_cast<char>('1' + i % 9);
    }
    return code;
}

TEST(ToPostfixLong, FullBufferGivesOneSpacePerNumber) {
    const std::string code = longProblem();
    ASSERT_EQ(code.size(), 1023u);
    std::string out;
    ASSERT_TRUE(toPostfix(code, out));
    EXPECT_EQ(out.size(), 1535u);
}

} // namespace
} // namespace zc
