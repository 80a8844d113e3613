// SPDX-License-Identifier: MIT
#include "core/units/unit_catalogue.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

namespace zc {
namespace {

struct CategoryInfo {
    const char* name;
    int units;
    int base;
    double sample; // a value in the base unit
};

// Temperatures start from 300 K so that every scale sees an ordinary value.
constexpr CategoryInfo kCategoryInfo[kUnitCategoryCount] = {
    {"angle", 14, 0, 123.456}, {"time", 19, 0, 123.456},   {"data", 24, 2, 123.456},
    {"dist", 17, 3, 123.456},  {"mass", 20, 1, 123.456},   {"temp", 5, 0, 300.0},
    {"area", 11, 2, 123.456},  {"vol", 31, 2, 123.456},    {"speed", 30, 0, 123.456},
    {"press", 9, 0, 123.456},  {"energy", 10, 0, 123.456}, {"power", 5, 0, 123.456},
    {"force", 6, 0, 123.456},
};

struct UnitRef {
    int category;
    int index;
};

std::vector<UnitRef> allUnits() {
    std::vector<UnitRef> out;
    for (int k = 0; k < kUnitCategoryCount; ++k)
        for (int i = 0; i < kCategoryInfo[k].units; ++i)
            out.push_back({k, i});
    return out;
}

std::string unitName(const ::testing::TestParamInfo<UnitRef>& info) {
    return std::string(kCategoryInfo[info.param.category].name) + "_" +
           std::to_string(info.param.index);
}

class EveryUnit : public ::testing::TestWithParam<UnitRef> {};

TEST_P(EveryUnit, RoundTripThroughBaseComesBack) {
    const auto [k, i] = GetParam();
    const CategoryInfo& c = kCategoryInfo[k];
    const double there = convertUnits(k, c.sample, c.base, i);
    const double back = convertUnits(k, there, i, c.base);
    EXPECT_TRUE(std::isfinite(there));
    EXPECT_NEAR(back, c.sample, 1e-12 * c.sample);
}

// A unit converted into itself is handed back untouched, even where a trip
// through the base unit would round or overflow.
TEST_P(EveryUnit, SelfConversionIsBitExact) {
    const auto [k, i] = GetParam();
    for (double x :
         {0.1, -273.15, 7.7, 1e300, -0.0, 3.9, std::numeric_limits<double>::denorm_min()}) {
        EXPECT_EQ(std::bit_cast<std::uint64_t>(convertUnits(k, x, i, i)),
                  std::bit_cast<std::uint64_t>(x))
            << x;
    }
}

INSTANTIATE_TEST_SUITE_P(Catalogue, EveryUnit, ::testing::ValuesIn(allUnits()), unitName);

struct ConversionCase {
    const char* name;
    int category;
    double value;
    int from;
    int to;
    double expected; // compared exactly
};

class Conversion : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(Conversion, GivesExactDouble) {
    const auto& c = GetParam();
    EXPECT_EQ(convertUnits(c.category, c.value, c.from, c.to), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Factors, Conversion,
    ::testing::Values(
        // Angle: the radian rule, factors in both senses, two-step routes.
        ConversionCase{"DegreeToRadian", 0, 180, 0, 1, 3.141592653589793},
        ConversionCase{"RadianToDegree", 0, 1, 1, 0, 57.29577951308232},
        ConversionCase{"RadianToMinute", 0, 1, 1, 4, 3437.746770784939},
        ConversionCase{"SignToDegree", 0, 1, 6, 0, 30},
        ConversionCase{"DegreeToSecond", 0, 1, 0, 5, 3600},
        ConversionCase{"MilToDegree", 0, 1, 7, 0, 0.05625},
        // Units of one equal-unit group keep the value even where the trip
        // through degrees would not (3.9 * 0.9 / 0.9 is 3.8999999999999995).
        ConversionCase{"GradToGon", 0, 3.9, 2, 3, 3.9},
        ConversionCase{"GonToGrad", 0, 3.9, 3, 2, 3.9},
        ConversionCase{"CircleToTurn", 0, 763.7746189766141, 9, 10, 763.7746189766141},
        ConversionCase{"RevolutionToCircle", 0, 763.7746189766141, 8, 9, 763.7746189766141},
        ConversionCase{"TurnToRevolution", 0, 763.7746189766141, 10, 8, 763.7746189766141},
        ConversionCase{"RightAngleToQuadrant", 0, 495.43508709194094, 12, 11, 495.43508709194094},
        ConversionCase{"QuadrantToRightAngle", 0, 495.43508709194094, 11, 12, 495.43508709194094},
        ConversionCase{"GradToDegree", 0, 3.9, 2, 0, 3.51},
        ConversionCase{"QuadrantToSextant", 0, 2, 11, 13, 3},
        // Time.
        ConversionCase{"JulianYearToDays", 1, 1, 14, 10, 365.25},
        ConversionCase{"YearToDays", 1, 1, 13, 10, 365},
        ConversionCase{"MonthToSeconds", 1, 1, 12, 0, 2628000},
        ConversionCase{"HourToMinutes", 1, 1, 9, 8, 60},
        ConversionCase{"SecondToShakes", 1, 1, 0, 7, 100000000},
        // Data: the base is the Byte, not the bit.
        ConversionCase{"GigaByteToBits", 2, 1, 13, 0, 8589934592},
        ConversionCase{"BitsToGigaByte", 2, 8589934592, 0, 13, 1},
        ConversionCase{"BlockToBytes", 2, 1, 7, 2, 4},
        ConversionCase{"ByteToNibbles", 2, 1, 2, 1, 2},
        ConversionCase{"KilobitToBits", 2, 1, 8, 0, 1024},
        // Distance: the base is the kilometre.
        ConversionCase{"KilometreToMillimetres", 3, 1, 3, 0, 1000000},
        ConversionCase{"MileToMetres", 3, 1, 11, 2, 1609.3439798948},
        ConversionCase{"InchToMillimetres", 3, 1, 4, 0, 25.400000025908},
        // Mass: the base is the gram.
        ConversionCase{"KilogramToMilligrams", 4, 1, 2, 0, 1000000},
        ConversionCase{"GramToCarats", 4, 1, 1, 4, 5},
        ConversionCase{"TonneToKilograms", 4, 1, 3, 2, 1000},
        // Area.
        ConversionCase{"SquareMetreToSquareMillimetres", 6, 1, 2, 0, 1000000},
        ConversionCase{"SquareMillimetreToSquareMetres", 6, 1, 0, 2, 0.000001},
        ConversionCase{"HectareToSquareMetres", 6, 1, 3, 2, 10000},
        // Volume.
        ConversionCase{"CubicMetreToCubicMillimetres", 7, 1, 2, 0, 1000000000},
        ConversionCase{"CubicKilometreToCubicMetres", 7, 1, 4, 2, 1000000000},
        // Speed.
        ConversionCase{"MetrePerSecondToKilometresPerHour", 8, 1, 0, 3, 3.6},
        ConversionCase{"MachToMetresPerSecond", 8, 1, 28, 0, 343.6},
        // Pressure: equal factors still go through the pascal.
        ConversionCase{"MmHgToTorrGoesThroughPascal", 9, 1, 2, 3, 0.9999999999999999},
        ConversionCase{"AtmosphereToPascals", 9, 1, 8, 0, 101325},
        ConversionCase{"AtmosphereToBar", 9, 1, 8, 7, 1.01325},
        // Energy, power, force.
        ConversionCase{"KilogramForceMetreToJoules", 10, 1, 4, 0, 9.80665},
        ConversionCase{"JouleToErgs", 10, 1, 0, 2, 10000000},
        ConversionCase{"WattToMetricHorsepower", 11, 1, 0, 3, 0.00135962},
        ConversionCase{"NewtonToDynes", 12, 1, 0, 1, 100000},
        // Temperature: the formulas run through the kelvin in the order written.
        ConversionCase{"CelsiusToKelvin", 5, 0, 1, 0, 273.15},
        ConversionCase{"KelvinToFahrenheit", 5, 0, 0, 3, -459.67},
        ConversionCase{"FahrenheitMinus40ToCelsius", 5, -40, 3, 1, -40},
        ConversionCase{"FahrenheitBoilingToCelsius", 5, 212, 3, 1, 100.00000000000006},
        ConversionCase{"ReaumurToCelsius", 5, 80, 2, 1, 100},
        ConversionCase{"CelsiusToReaumur", 5, 100, 1, 2, 80},
        ConversionCase{"RankineToCelsius", 5, 491.67, 4, 1, 0},
        ConversionCase{"CelsiusToRankine", 5, 100, 1, 4, 671.67},
        ConversionCase{"BelowAbsoluteZero", 5, -500, 0, 1, -773.15},
        ConversionCase{"NegativeLength", 3, -2, 3, 2, -2000}),
    [](const auto& info) { return std::string(info.param.name); });

// Factors checked against the units' definitions rather than against the
// table itself: a slip in a factor shows here in the fourth or fifth digit.
struct DefinitionCase {
    const char* name;
    int category;
    int from;
    int to;
    double expected; // one unit of `from` in units of `to`, by definition
};

class AgreesWithDefinition : public ::testing::TestWithParam<DefinitionCase> {};

TEST_P(AgreesWithDefinition, WithinOnePartInAMillion) {
    const auto& c = GetParam();
    EXPECT_NEAR(convertUnits(c.category, 1, c.from, c.to), c.expected, 1e-6 * c.expected);
}

INSTANTIATE_TEST_SUITE_P(Factors, AgreesWithDefinition,
                         ::testing::Values(
                             // 1 pc = 648000/pi AU; the kilometre is the distance base.
                             DefinitionCase{"ParsecInKilometres", 3, 16, 3, 30856775814913.673},
                             DefinitionCase{"ParsecInAstronomicalUnits", 3, 16, 14,
                                            206264.80624709636},
                             // 1 mi/min = 1609.344 m / 60 s.
                             DefinitionCase{"MilePerMinuteInMetresPerSecond", 8, 19, 0, 26.8224},
                             DefinitionCase{"MilePerHourInMilesPerMinute", 8, 18, 19, 1.0 / 60.0},
                             // 1 ft*lbf = 0.3048 m * 4.4482216152605 N.
                             DefinitionCase{"FootPoundForceInJoules", 10, 3, 0, 1.3558179483314004},
                             DefinitionCase{"FootPoundForceInErgs", 10, 3, 2, 13558179.483314004}),
                         [](const auto& info) { return std::string(info.param.name); });

// 0 C passes through 273.15 K, which is not exact in binary, so the freezing
// point lands a hair below 32 F rather than on it.
TEST(TemperatureConversion, FreezingPointIsJustBelow32F) {
    const double f = convertUnits(5, 0, 1, 3);
    EXPECT_LT(f, 32.0);
    EXPECT_LT(32.0 - f, 1e-13);
}

TEST(TemperatureConversion, BoilingPointIsJustBelow212F) {
    const double f = convertUnits(5, 100, 1, 3);
    EXPECT_LT(f, 212.0);
    EXPECT_LT(212.0 - f, 1e-12);
}

struct RangeCase {
    const char* name;
    int category;
    int from;
    int to;
};

class OutOfRange : public ::testing::TestWithParam<RangeCase> {};

TEST_P(OutOfRange, GivesZero) {
    const auto& c = GetParam();
    EXPECT_EQ(convertUnits(c.category, 5.0, c.from, c.to), 0.0);
}

INSTANTIATE_TEST_SUITE_P(
    Converter, OutOfRange,
    ::testing::Values(RangeCase{"NegativeCategory", -1, 0, 0},
                      RangeCase{"CategoryPastTheEnd", kUnitCategoryCount, 0, 0},
                      RangeCase{"NegativeFrom", 3, -1, 2}, RangeCase{"NegativeTo", 3, 2, -1},
                      RangeCase{"FromPastTheEnd", 3, 17, 2}, RangeCase{"ToPastTheEnd", 3, 2, 17},
                      RangeCase{"SameIndexPastTheEnd", 5, 5, 5},
                      RangeCase{"IndexValidElsewhere", 11, 5, 0}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace zc
