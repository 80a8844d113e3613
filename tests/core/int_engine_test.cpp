// SPDX-License-Identifier: MIT
#include "core/programmer/int_engine.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace zc {
namespace {

constexpr std::uint64_t kAllOnes = ~std::uint64_t{0};
constexpr NumberSystem kHex = NumberSystem::Hex;
constexpr NumberSystem kDec = NumberSystem::Dec;
constexpr NumberSystem kOct = NumberSystem::Oct;
constexpr NumberSystem kBin = NumberSystem::Bin;

template <typename Info> std::string rowName(const Info& info) {
    return info.param.name;
}

// A whole problem through problemToDecimal, intToPostfix, evaluateIntPostfix
// and formatInBase; a missing result means the evaluation must fail.
struct ProblemCase {
    std::string name;
    NumberSystem numberSystem;
    std::string code;
    std::optional<std::string> result;
};

class EvaluateIntProblem : public ::testing::TestWithParam<ProblemCase> {};

TEST_P(EvaluateIntProblem, GivesResultOrFails) {
    const auto& c = GetParam();
    if (c.result) {
        EXPECT_EQ(evaluateIntProblem(c.code, c.numberSystem), *c.result);
    } else {
        EXPECT_THROW(evaluateIntProblem(c.code, c.numberSystem), IntEngineError);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Results, EvaluateIntProblem,
    ::testing::Values(
        ProblemCase{"HexAndMask", kHex, "FF&0F", "F"},
        ProblemCase{"DecDifferenceWraps", kDec, "3-5", "18446744073709551614"},
        ProblemCase{"HexDifferenceWraps", kHex, "3-5", "FFFFFFFFFFFFFFFE"},
        ProblemCase{"BinShift", kBin, "101<10", "10100"},
        ProblemCase{"DecRemainder", kDec, "17%5", "2"},
        ProblemCase{"DecQuotientTruncates", kDec, "7/2", "3"},
        ProblemCase{"OctSumCarries", kOct, "17+1", "20"},
        ProblemCase{"DecComplementOfZero", kDec, "~0", "18446744073709551615"},
        ProblemCase{"ComplementAfterLastNumber", kDec, "5~", "18446744073709551610"},
        ProblemCase{"ComplementDropsEarlierValue", kDec, "5~3", "18446744073709551612"},
        ProblemCase{"DoubleComplementFails", kDec, "~~5", std::nullopt},
        ProblemCase{"DivisionByZeroFails", kDec, "1/0", std::nullopt},
        ProblemCase{"RemainderByZeroFails", kDec, "1%0", std::nullopt},
        ProblemCase{"OctInvalidDigitFails", kOct, "18", std::nullopt},
        ProblemCase{"BinInvalidDigitFails", kBin, "12", std::nullopt},
        ProblemCase{"DecOperandOf2To63Fails", kDec, "9223372036854775808+1", std::nullopt},
        ProblemCase{"DecLargestOperand", kDec, "9223372036854775807+1", "9223372036854775808"},
        ProblemCase{"HexOperandOf2To63Fails", kHex, "8" + std::string(15, '0'), std::nullopt},
        ProblemCase{"BinWeightOf2To63Fails", kBin, "1" + std::string(63, '0'), std::nullopt},
        ProblemCase{"OnlyTokensAreLimited", kDec, "0-1+1", "0"},
        ProblemCase{"ShiftRunsLast", kDec, "1<4+1", "32"},
        ProblemCase{"AndWithComplement", kDec, "2&~1", "2"},
        ProblemCase{"ComplementBindsTightest", kDec, "~5+3", "18446744073709551613"},
        ProblemCase{"ComplementOfBracket", kDec, "~(5+3)&1", "1"},
        ProblemCase{"AndBeforeXorBeforeOr", kDec, "6|1^3&1", "6"},
        ProblemCase{"SubtractionIsLeftAssociative", kDec, "8-3-2", "3"},
        ProblemCase{"QuotientIsUnsigned", kDec, "(0-1)/2", "9223372036854775807"},
        ProblemCase{"RemainderIsUnsigned", kDec, "(0-1)%10", "5"},
        ProblemCase{"ProductWraps", kHex, "100000000*100000000", "0"},
        ProblemCase{"NegationCodeSkipped", kDec, "m5+3", "8"},
        ProblemCase{"UnclosedBracket", kDec, "(2+3", "5"},
        ProblemCase{"UnmatchedCloseFails", kDec, "5)", std::nullopt},
        ProblemCase{"UnmatchedCloseAfterSumFails", kDec, "2+3)", std::nullopt},
        ProblemCase{"MissingOperandFails", kDec, "*3", std::nullopt},
        ProblemCase{"EmptyProblemFails", kDec, "", std::nullopt},
        ProblemCase{"EmptyBracketsFail", kDec, "()", std::nullopt},
        // Read as exact integers: through a double both would lose the last unit.
        ProblemCase{"Exact2To53Plus1", kDec, "9007199254740993", "9007199254740993"},
        ProblemCase{"ExactDifferenceAbove2To53", kDec, "9007199254740993-9007199254740992", "1"},
        ProblemCase{"ShiftByZero", kDec, "7<0", "7"},
        ProblemCase{"ShiftBy63", kDec, "1<63", "9223372036854775808"},
        ProblemCase{"ShiftBy64GivesZero", kDec, "1<64", "0"},
        // 256 has 0 in its lowest 8 bits, so a count taken from them would not shift at all.
        ProblemCase{"ShiftBy256GivesZero", kDec, "1<256", "0"},
        ProblemCase{"ShiftBy2To40GivesZero", kDec, "1<1099511627776", "0"},
        ProblemCase{"HexRunOf100DigitsFails", kHex, std::string(100, '0'), std::nullopt},
        ProblemCase{"DecRunOf100DigitsFails", kDec, std::string(99, '0') + "1", std::nullopt}),
    rowName<::testing::TestParamInfo<ProblemCase>>);

struct PostfixCase {
    std::string name;
    std::string code;
    std::string postfix;
};

class IntToPostfix : public ::testing::TestWithParam<PostfixCase> {};

TEST_P(IntToPostfix, WritesPostfix) {
    const auto& c = GetParam();
    std::string postfix = "stale";
    EXPECT_TRUE(intToPostfix(c.code, postfix));
    EXPECT_EQ(postfix, c.postfix);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, IntToPostfix,
    ::testing::Values(PostfixCase{"AndMask", "255&15", "255 15 &"},
                      PostfixCase{"ShiftLast", "1<4+1", "1 4 1 +<"},
                      PostfixCase{"AndComplement", "2&~1", "2 1 ~&"},
                      PostfixCase{"ComplementReleasedBySum", "~5+3", "5 ~3 +"},
                      PostfixCase{"ComplementOfBracket", "~(5+3)&1", "5 3 +~1 &"},
                      PostfixCase{"ComplementPopsComplement", "~~5", "~5 ~"},
                      PostfixCase{"LeftAssociative", "8-3-2", "8 3 -2 -"},
                      PostfixCase{"OperatorStaysAfterBracket", "2*(3+4)", "2 3 4 +*"},
                      PostfixCase{"NegationCodeSkipped", "m5+3", "5 3 +"},
                      PostfixCase{"UnclosedBracketsPassThrough", "((1", "1 (("},
                      PostfixCase{"PointsStayInToken", "5.0.", "5.0. "}),
    rowName<::testing::TestParamInfo<PostfixCase>>);

TEST(IntToPostfixFailure, UnmatchedCloseThrows) {
    std::string postfix;
    EXPECT_THROW(intToPostfix("2+3)", postfix), IntEngineError);
    EXPECT_THROW(intToPostfix(")", postfix), IntEngineError);
}

struct PostfixValueCase {
    std::string name;
    std::string postfix;
    std::optional<std::uint64_t> value;
};

class EvaluateIntPostfix : public ::testing::TestWithParam<PostfixValueCase> {};

TEST_P(EvaluateIntPostfix, ReadsTokens) {
    const auto& c = GetParam();
    if (c.value) {
        EXPECT_EQ(evaluateIntPostfix(c.postfix), *c.value);
    } else {
        EXPECT_THROW(evaluateIntPostfix(c.postfix), IntEngineError);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tokens, EvaluateIntPostfix,
    ::testing::Values(PostfixValueCase{"FractionDropped", "5.7 ", 5},
                      PostfixValueCase{"SecondPointEndsNumber", "1.2.3 ", 1},
                      PostfixValueCase{"TrailingPoints", "5.0. ", 5},
                      PostfixValueCase{"LargestOperandWithFraction", "9223372036854775807.9 ",
                                       9223372036854775807u},
                      PostfixValueCase{"HugeTokenFails", std::string(40, '9') + " ", std::nullopt},
                      PostfixValueCase{"TokenOf99Characters", std::string(98, '0') + "5 ", 5},
                      PostfixValueCase{"TokenOf100CharactersFails", std::string(99, '0') + "5 ",
                                       std::nullopt},
                      PostfixValueCase{"LastValueWins", "2 3 ", 3},
                      PostfixValueCase{"BracketSkipped", "30 (", 30},
                      PostfixValueCase{"NoNumberFails", "(", std::nullopt}),
    rowName<::testing::TestParamInfo<PostfixValueCase>>);

struct FormatCase {
    std::string name;
    std::uint64_t value;
    NumberSystem numberSystem;
    std::string text;
};

class FormatInBase : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatInBase, WritesDigits) {
    const auto& c = GetParam();
    EXPECT_EQ(formatInBase(c.value, c.numberSystem), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, FormatInBase,
    ::testing::Values(FormatCase{"HexZero", 0, kHex, "0"}, FormatCase{"DecZero", 0, kDec, "0"},
                      FormatCase{"OctZero", 0, kOct, "0"}, FormatCase{"BinZero", 0, kBin, "0"},
                      FormatCase{"HexAllOnes", kAllOnes, kHex, std::string(16, 'F')},
                      FormatCase{"DecAllOnes", kAllOnes, kDec, "18446744073709551615"},
                      FormatCase{"OctAllOnes", kAllOnes, kOct, "1" + std::string(21, '7')},
                      FormatCase{"BinAllOnes", kAllOnes, kBin, std::string(64, '1')},
                      FormatCase{"HexCapitals", 0xAB, kHex, "AB"}),
    rowName<::testing::TestParamInfo<FormatCase>>);

struct ConvertCase {
    std::string name;
    std::string text;
    NumberSystem from;
    NumberSystem to;
    std::optional<std::string> result;
};

class ConvertNumberText : public ::testing::TestWithParam<ConvertCase> {};

TEST_P(ConvertNumberText, RewritesText) {
    const auto& c = GetParam();
    if (c.result) {
        EXPECT_EQ(convertNumberText(c.text, c.from, c.to), *c.result);
    } else {
        EXPECT_THROW(convertNumberText(c.text, c.from, c.to), IntEngineError);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, ConvertNumberText,
    ::testing::Values(
        ConvertCase{"HexToBin", "FF", kHex, kBin, "11111111"},
        ConvertCase{"BinToHex", "11111111", kBin, kHex, "FF"},
        ConvertCase{"DecToOct", "17", kDec, kOct, "21"},
        ConvertCase{"OctToDec", "21", kOct, kDec, "17"},
        ConvertCase{"HexAllOnesToDec", std::string(16, 'F'), kHex, kDec, "18446744073709551615"},
        ConvertCase{"LeadingZerosDropped", "0012", kDec, kHex, "C"},
        ConvertCase{"SameSystemCopies", "00FF", kHex, kHex, "00FF"},
        // The 20 digits of a wrapped negative are too long to be read back in DEC.
        ConvertCase{"TwentyDecDigitsFail", "18446744073709551614", kDec, kHex, std::nullopt},
        ConvertCase{"InvalidDigitFails", "102", kBin, kDec, std::nullopt}),
    rowName<::testing::TestParamInfo<ConvertCase>>);

struct ParseCase {
    std::string name;
    std::string digits;
    int base;
    std::optional<std::string> decimal;
};

class ParseInBase : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseInBase, ReadsWithinLengthLimit) {
    const auto& c = GetParam();
    if (c.decimal) {
        std::string decimal;
        const std::uint64_t value = parseInBase(c.digits, c.base, &decimal);
        EXPECT_EQ(decimal, *c.decimal);
        EXPECT_EQ(std::to_string(value), *c.decimal);
    } else {
        EXPECT_THROW(parseInBase(c.digits, c.base), IntEngineError);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Limits, ParseInBase,
    ::testing::Values(ParseCase{"Bin63Digits", std::string(63, '1'), 2, "9223372036854775807"},
                      ParseCase{"Bin64DigitsFail", std::string(64, '0'), 2, std::nullopt},
                      ParseCase{"Oct21Digits", std::string(21, '7'), 8, "9223372036854775807"},
                      ParseCase{"Oct22DigitsFail", "0" + std::string(21, '7'), 8, std::nullopt},
                      ParseCase{"Dec19Digits", std::string(19, '9'), 10, "9999999999999999999"},
                      ParseCase{"Dec20DigitsFail", std::string(19, '0') + "1", 10, std::nullopt},
                      ParseCase{"Hex16Digits", std::string(16, 'F'), 16, "18446744073709551615"},
                      ParseCase{"Hex17DigitsFail", "0" + std::string(16, 'F'), 16, std::nullopt},
                      ParseCase{"LeadingZeroWithinLimit", "0" + std::string(15, 'F'), 16,
                                "1152921504606846975"},
                      ParseCase{"BinDigitTwoFails", "10201", 2, std::nullopt},
                      ParseCase{"OctDigitEightFails", "18", 8, std::nullopt},
                      ParseCase{"OctLetterFails", "1A", 8, std::nullopt},
                      ParseCase{"DecLetterFails", "1A", 10, std::nullopt},
                      ParseCase{"HexLowerCaseFails", "ff", 16, std::nullopt}),
    rowName<::testing::TestParamInfo<ParseCase>>);

struct ToDecimalCase {
    std::string name;
    NumberSystem numberSystem;
    std::string code;
    std::optional<std::string> decimal;
};

class ProblemToDecimal : public ::testing::TestWithParam<ToDecimalCase> {};

TEST_P(ProblemToDecimal, RewritesDigitRuns) {
    const auto& c = GetParam();
    if (c.decimal) {
        EXPECT_EQ(problemToDecimal(c.code, c.numberSystem), *c.decimal);
    } else {
        EXPECT_THROW(problemToDecimal(c.code, c.numberSystem), IntEngineError);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Runs, ProblemToDecimal,
    ::testing::Values(ToDecimalCase{"HexRuns", kHex, "(FF&0F)~", "(255&15)~"},
                      ToDecimalCase{"BinRuns", kBin, "101<10", "5<2"},
                      ToDecimalCase{"OtherCodesCopied", kHex, "mA+B", "m10+11"},
                      ToDecimalCase{"DecCopied", kDec, "12+A", "12+A"},
                      ToDecimalCase{"LetterInOctRunFails", kOct, "1A", std::nullopt},
                      ToDecimalCase{"RunOf100CharactersFails", kOct, std::string(100, '0'),
                                    std::nullopt}),
    rowName<::testing::TestParamInfo<ToDecimalCase>>);

TEST(DigitChar, GivesCapitalDigits) {
    EXPECT_EQ(digitChar(0), '0');
    EXPECT_EQ(digitChar(9), '9');
    EXPECT_EQ(digitChar(10), 'A');
    EXPECT_EQ(digitChar(15), 'F');
    EXPECT_THROW(digitChar(16), IntEngineError);
    EXPECT_THROW(digitChar(-1), IntEngineError);
}

TEST(IntOperators, OtherCodesGiveZero) {
    EXPECT_EQ(applyIntOperator(6, 3, '~'), 0u);
    EXPECT_EQ(applyIntOperator(6, 3, 'm'), 0u);
    EXPECT_EQ(applyIntFunction(6, '+'), 0u);
    EXPECT_EQ(applyIntFunction(6, '~'), ~std::uint64_t{6});
    EXPECT_FALSE(isIntOperatorCode('m'));
    EXPECT_FALSE(isIntOperatorCode('('));
    EXPECT_EQ(intOperatorPrecedence('('), 0);
}

TEST(NumberSystems, UnknownIndexIsDecimalWithoutName) {
    EXPECT_EQ(numberSystemName(kHex), "HEX");
    EXPECT_EQ(numberSystemName(kBin), "BIN");
    EXPECT_EQ(numberSystemBase(kOct), 8);
    EXPECT_EQ(numberSystemBase(static_cast<NumberSystem>(4)), 10);
    EXPECT_EQ(numberSystemName(static_cast<NumberSystem>(-1)), "");
}

} // namespace
} // namespace zc
