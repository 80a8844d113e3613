// SPDX-License-Identifier: MIT
#include "core/dms/dms.h"
#include "core/engine/angles.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace zc {
namespace {

struct SplitCase {
    const char* name;
    double degrees;
    DmsParts parts;
};

class SplitDms : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitDms, GivesParts) {
    const auto& c = GetParam();
    const DmsParts got = splitDms(c.degrees);
    EXPECT_EQ(got, c.parts) << got.degrees << ' ' << got.minutes << ' ' << got.seconds;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitDms,
    ::testing::Values(
        SplitCase{"HalfDegree", 30.5, {30, 30, 0}},
        SplitCase{"SecondsRounded", 12.3456789, {12, 20, 44}},
        SplitCase{"RoundingCarriesIntoDegrees", 359.99999, {360, 0, 0}},
        SplitCase{"NegativeSignOnEveryPart", -30.5, {-30, -30, 0}},
        SplitCase{"NegativeBelowOneDegree", -0.5, {0, -30, 0}}, SplitCase{"Zero", 0, {0, 0, 0}},
        SplitCase{"OneRadian", angleInDegrees(1, AngleMode::Radians), {57, 17, 45}},
        SplitCase{"HundredGrads", angleInDegrees(100, AngleMode::Grads), {90, 0, 0}},
        SplitCase{"DegreesUnchanged", angleInDegrees(30.5, AngleMode::Degrees), {30, 30, 0}},
        // 0.03125 degrees are exactly 112.5 seconds: halves round up
        SplitCase{"HalfSecondRoundsUp", 0.03125, {0, 1, 53}},
        SplitCase{"NegativeHalfSecondRoundsAway", -0.03125, {0, -1, -53}},
        // beyond 32-bit seconds, still fine in 64 bits
        SplitCase{"BeyondThirtyTwoBits", 1e6, {1000000, 0, 0}},
        SplitCase{"LargestWholeDegrees", 2562047788015215.0, {2562047788015215, 0, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

struct RangeCase {
    const char* name;
    double degrees;
};

class SplitDmsRange : public ::testing::TestWithParam<RangeCase> {};

TEST_P(SplitDmsRange, Throws) {
    EXPECT_THROW(splitDms(GetParam().degrees), DmsRangeError);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitDmsRange,
    ::testing::Values(RangeCase{"SecondsPastSixtyFourBits", 2562047788015216.0},
                      RangeCase{"NegativeHuge", -1e300},
                      RangeCase{"Largest", std::numeric_limits<double>::max()},
                      RangeCase{"Infinity", std::numeric_limits<double>::infinity()},
                      RangeCase{"NotANumber", std::numeric_limits<double>::quiet_NaN()}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FormatDms, WritesSignsAndMarks) {
    EXPECT_EQ(formatDms({30, 30, 0}), "30\u00B0"
                                      "30'0\"");
    EXPECT_EQ(formatDms({-30, -30, 0}), "-30\xC2\xB0-30'0\"");
    EXPECT_EQ(formatDms({0, -30, 0}), "0\xC2\xB0-30'0\"");
    EXPECT_EQ(formatDms(splitDms(12.3456789)), "12\xC2\xB0"
                                               "20'44\"");
}

struct GeneralCase {
    const char* name;
    double value;
    char separator;
    const char* text;
};

class FormatGeneral : public ::testing::TestWithParam<GeneralCase> {};

TEST_P(FormatGeneral, Writes) {
    const auto& c = GetParam();
    EXPECT_EQ(formatGeneral(c.value, c.separator), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FormatGeneral,
    ::testing::Values(
        GeneralCase{"Zero", 0, '.', "0"}, GeneralCase{"NegativeZero", -0.0, '.', "0"},
        GeneralCase{"Fraction", 30.5, '.', "30.5"},
        GeneralCase{"CommaSeparator", 30.5, ',', "30,5"}, GeneralCase{"Integer", 100, '.', "100"},
        GeneralCase{"Negative", -1234.5, '.', "-1234.5"}, GeneralCase{"PointOne", 0.1, '.', "0.1"},
        GeneralCase{"FifteenDigits", 1.0 / 3, '.', "0.333333333333333"},
        GeneralCase{"FifteenDigitsRoundedUp", 2.0 / 3, '.', "0.666666666666667"},
        GeneralCase{"SmallestPlain", 0.00001, '.', "0.00001"},
        GeneralCase{"SmallPlain", 0.000123, '.', "0.000123"},
        GeneralCase{"RoundsUpToSmallestPlain", 9.9999999999999995e-6, '.', "0.00001"},
        GeneralCase{"BelowSmallestPlain", 9.99999999999999e-6, '.', "9.99999999999999E-6"},
        GeneralCase{"Micro", 0.000001, '.', "1E-6"},
        GeneralCase{"NegativeSmall", -2.5e-7, '.', "-2.5E-7"},
        GeneralCase{"NegativeSmallComma", -2.5e-7, ',', "-2,5E-7"},
        GeneralCase{"LargestPlain", 999999999999999, '.', "999999999999999"},
        GeneralCase{"Fourteenth", 1e14, '.', "100000000000000"},
        GeneralCase{"RoundsUpToScientific", 999999999999999.9, '.', "1E15"},
        GeneralCase{"FifteenthPower", 1e15, '.', "1E15"},
        GeneralCase{"Large", 1.5e20, '.', "1.5E20"},
        GeneralCase{"LargeRounded", 123456789012345678.0, '.', "1.23456789012346E17"},
        GeneralCase{"ThreeDigitExponent", 1e100, '.', "1E100"},
        GeneralCase{"LargestDouble", std::numeric_limits<double>::max(), '.',
                    "1.79769313486232E308"},
        GeneralCase{"Denormal", std::numeric_limits<double>::denorm_min(), '.',
                    "4.94065645841247E-324"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace zc
