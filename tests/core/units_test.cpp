// SPDX-License-Identifier: MIT
#include "core/units/unit_catalogue.h"

#include <gtest/gtest.h>
#include <set>
#include <string>

namespace zc {
namespace {

struct CategoryCase {
    const char* caption;
    int id;
    int units;
};

constexpr CategoryCase kCategories[] = {
    {"angle", 0, 14},   {"time", 1, 19},  {"data", 2, 24},  {"dist", 3, 17},  {"mass", 4, 20},
    {"temp", 5, 5},     {"area", 6, 11},  {"vol", 7, 31},   {"speed", 8, 30}, {"press", 9, 9},
    {"energy", 10, 10}, {"power", 11, 5}, {"force", 12, 6},
};

class UnitCategory : public ::testing::TestWithParam<CategoryCase> {};

TEST_P(UnitCategory, HasCaptionAndCount) {
    const auto& c = GetParam();
    EXPECT_EQ(unitCategoryCaption(c.id), c.caption);
    EXPECT_EQ(unitCount(c.id), c.units);
}

TEST_P(UnitCategory, ListTextsAreDistinct) {
    const auto& c = GetParam();
    std::set<std::string_view> seen;
    for (int i = 0; i < unitCount(c.id); ++i) {
        EXPECT_TRUE(seen.insert(unitListText(c.id, i)).second)
            << "repeated: " << unitListText(c.id, i);
    }
}

// A suffix is appended right after a number, so its shape is fixed: a blank,
// "[", the abbreviation, "]", a blank.
TEST_P(UnitCategory, SuffixesAreBracketedAndPadded) {
    const auto& c = GetParam();
    for (int i = 0; i < unitCount(c.id); ++i) {
        const std::string s = unitSuffix(c.id, i);
        ASSERT_GE(s.size(), 5u) << "unit " << i;
        EXPECT_EQ(s.substr(0, 2), " [") << "unit " << i << ": '" << s << "'";
        EXPECT_EQ(s.substr(s.size() - 2), "] ") << "unit " << i << ": '" << s << "'";
        EXPECT_FALSE(unitListText(c.id, i).empty()) << "unit " << i;
    }
}

TEST_P(UnitCategory, IndexPastTheEndHasNoTexts) {
    const auto& c = GetParam();
    EXPECT_EQ(unitListText(c.id, c.units), "");
    EXPECT_EQ(unitSuffix(c.id, c.units), "");
    EXPECT_EQ(unitListText(c.id, -1), "");
    EXPECT_EQ(unitSuffix(c.id, -1), "");
}

INSTANTIATE_TEST_SUITE_P(Catalogue, UnitCategory, ::testing::ValuesIn(kCategories),
                         [](const auto& info) { return std::string(info.param.caption); });

TEST(UnitCategoryRange, OutsideTheCatalogueIsEmpty) {
    for (int id : {-1, kUnitCategoryCount, 100}) {
        EXPECT_EQ(unitCategoryCaption(id), "") << id;
        EXPECT_EQ(unitCount(id), 0) << id;
        EXPECT_EQ(unitListText(id, 0), "") << id;
        EXPECT_EQ(unitSuffix(id, 0), "") << id;
    }
}

struct TextCase {
    const char* name;
    int category;
    int index;
    const char* listText;
    const char* suffix;
};

class UnitTexts : public ::testing::TestWithParam<TextCase> {};

TEST_P(UnitTexts, MatchExactly) {
    const auto& c = GetParam();
    EXPECT_EQ(unitListText(c.category, c.index), c.listText);
    EXPECT_EQ(unitSuffix(c.category, c.index), c.suffix);
}

INSTANTIATE_TEST_SUITE_P(
    Catalogue, UnitTexts,
    ::testing::Values(TextCase{"AngleDegree", 0, 0, "degree(\u00B0)", " [\u00B0] "},
                      TextCase{"AngleMinute", 0, 4, "minute(')", " ['] "},
                      TextCase{"AngleSecond", 0, 5, "second(\")", " [\"] "},
                      TextCase{"AngleRightAngle", 0, 12, "right angle", " [right angle] "},
                      TextCase{"AngleSextant", 0, 13, "sextant", " [sextant] "},
                      TextCase{"TimeMicrosecond", 1, 2, "microsecond(mcs)", " [mcs] "},
                      TextCase{"TimeJulianYear", 1, 14, "year(Julian)", " [y(Julian)] "},
                      TextCase{"TimeMillennium", 1, 18, "millennium", " [millennium] "},
                      TextCase{"DataCharacter", 2, 3, "character", " [ch] "},
                      TextCase{"DataYottaByte", 2, 23, "yottaByte(YB)", " [YB] "},
                      TextCase{"DistMillimetre", 3, 0, "millimetre(mm)", " [mm] "},
                      TextCase{"DistKilometre", 3, 3, "kilometre(km)", " [km] "},
                      TextCase{"DistNauticalMile", 3, 13, "naut mile", " [n mile] "},
                      TextCase{"DistParsec", 3, 16, "parsec(pc)", " [pc] "},
                      TextCase{"MassApothecaryOunce", 4, 16, "apothec.ounce", " [ap. oz.] "},
                      TextCase{"MassUSton", 4, 12, "USton", " [Uston] "},
                      TextCase{"MassTroyPound", 4, 19, "troy pound", " [tr.lb] "},
                      TextCase{"TempKelvin", 5, 0, "Kelvin(K)", " [K] "},
                      TextCase{"TempCelcius", 5, 1, "Celcius(\u00B0C)", " [\u00B0C] "},
                      TextCase{"TempReaumur", 5, 2, "Reaumur(\u00B0R)", " [\u00B0R] "},
                      TextCase{"TempFahrenheit", 5, 3, "Fahrenheit(\u00B0F)", " [\u00B0F] "},
                      TextCase{"TempRankine", 5, 4, "Rankine(\u00B0R)", " [\u00B0R] "},
                      TextCase{"AreaHectare", 6, 3, "hectare", " [hectare] "},
                      TextCase{"AreaSquareMile", 6, 10, "mile^2", " [mile^2] "},
                      TextCase{"VolMillilitre", 7, 1, "cm^3/ml", " [cm^3/ml] "},
                      TextCase{"VolLiquidOunce", 7, 14, "liquid ounce", " [US liq oz] "},
                      TextCase{"VolDryBarrel", 7, 30, "dry barrel", " [bbl] "},
                      TextCase{"SpeedMetrePerHour", 8, 1, "m/h", " [,/h] "},
                      TextCase{"SpeedKnotUK", 8, 22, "knot(UK)", " [kt(UK)] "},
                      TextCase{"SpeedMachSI", 8, 29, "Mach(SI)", " [Mach(SI)] "},
                      TextCase{"PressInchOfWater", 9, 4, "inch of water", " [inH2O] "},
                      TextCase{"PressAtmosphere", 9, 8, "standard atmosphere(atm)", " [atm] "},
                      TextCase{"EnergyFootPound", 10, 3, "ft*bf", " [ft*lbf] "},
                      TextCase{"EnergyBtu", 10, 6, "Btu", " [Btu] "},
                      TextCase{"EnergyKilowattHour", 10, 8, "kwatt hour(kW*h)", " [kW*h] "},
                      TextCase{"PowerMetricHorsepower", 11, 3, "horsepower(metric)",
                               " [hp metric] "},
                      TextCase{"ForcePoundForce", 12, 3, "pond-force(lbf)", " [lbf] "},
                      TextCase{"ForceSthene", 12, 5, "sthene(sn)", " [sn] "}),
    [](const auto& info) { return std::string(info.param.name); });

// The panes take UTF-8, so the degree sign must be the two bytes C2 B0.
TEST(UnitTextEncoding, DegreeSignIsUtf8) {
    EXPECT_EQ(unitListText(0, 0), "degree(\xC2\xB0)");
    EXPECT_EQ(unitSuffix(5, 3), " [\xC2\xB0"
                                "F] ");
}

} // namespace
} // namespace zc
