// SPDX-License-Identifier: MIT
#include "core/text/number_text.h"

#include <gtest/gtest.h>

namespace zc {
namespace {

struct NumberCodeCase {
    const char* name;
    const char* text;
    const char* code;
    lastOperandLength record;
};

class NumberTextToCode : public ::testing::TestWithParam<NumberCodeCase> {};

TEST_P(NumberTextToCode, RewritesENotation) {
    const auto& c = GetParam();
    const NumberCode got = numberTextToCode(c.text);
    EXPECT_EQ(got.code, c.code);
    EXPECT_EQ(got.record, c.record);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NumberTextToCode,
    ::testing::Values(NumberCodeCase{"Plain", "1234.5", "1234.5", {6, 6}},
                      NumberCodeCase{"Empty", "", "", {0, 0}},
                      NumberCodeCase{"PositiveExponent", "1.5e+20", "(1.5*10p(20))", {13, 7}},
                      NumberCodeCase{"NegativeExponent", "2e-07", "(2/10p(07))", {11, 5}},
                      NumberCodeCase{"NegativeNumber", "-4", "m4", {2, 2}},
                      NumberCodeCase{"NegativeWithExponent", "-1.5e-07", "(m1.5/10p(07))", {14, 8}},
                      NumberCodeCase{"HexDigits", "FF", "FF", {2, 2}}),
    [](const auto& info) { return std::string(info.param.name); });

struct GroupCase {
    const char* name;
    const char* text;
    const char* grouped; // nullptr: nothing
};

class GroupThousands : public ::testing::TestWithParam<GroupCase> {};

TEST_P(GroupThousands, InsertsCommas) {
    const auto& c = GetParam();
    const auto got = groupThousands(c.text);
    if (c.grouped == nullptr) {
        EXPECT_FALSE(got.has_value()) << *got;
    } else {
        ASSERT_TRUE(got.has_value());
        EXPECT_EQ(*got, c.grouped);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GroupThousands,
    ::testing::Values(GroupCase{"FourDigits", "1234", "1,234"},
                      GroupCase{"WithFraction", "1234567.891", "1,234,567.891"},
                      GroupCase{"Negative", "-1234567", "-1,234,567"},
                      GroupCase{"PlusSign", "+1234", "+1,234"},
                      GroupCase{"ThreeDigits", "123.4567", nullptr},
                      GroupCase{"NegativeThreeDigits", "-123", nullptr},
                      GroupCase{"ENotation", "1e+21", nullptr}, GroupCase{"Hex", "FFFF", "F,FFF"},
                      GroupCase{"Binary", "11111111", "11,111,111"},
                      GroupCase{"SixDigits", "123456", "123,456"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FormatResult, PrintsTwentySignificantDigits) {
    EXPECT_EQ(formatResult(5.0), "5");
    EXPECT_EQ(formatResult(0.1), "0.10000000000000000555");
    EXPECT_EQ(formatResult(1e20), "1e+20");
    EXPECT_EQ(formatResult(-4.0), "-4");
    EXPECT_EQ(formatResult(2e-7), "1.9999999999999999095e-07");
}

} // namespace
} // namespace zc
