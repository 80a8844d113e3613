// SPDX-License-Identifier: MIT
#include "core/constants/constants_table.h"

#include <gtest/gtest.h>
#include <set>
#include <string>

namespace zc {
namespace {

struct GroupCase {
    const char* name;
    int group;
    const char* caption;
    int count;
};

class ConstantGroup : public ::testing::TestWithParam<GroupCase> {};

TEST_P(ConstantGroup, HasCaptionAndCount) {
    const auto& c = GetParam();
    EXPECT_EQ(constantGroupCaption(c.group), c.caption);
    EXPECT_EQ(constantCount(c.group), c.count);
}

TEST_P(ConstantGroup, EveryEntryHasADistinctTextAndAValue) {
    const auto& c = GetParam();
    std::set<std::string_view> seen;
    for (int i = 0; i < constantCount(c.group); ++i) {
        EXPECT_FALSE(constantListText(c.group, i).empty()) << i;
        EXPECT_TRUE(seen.insert(constantListText(c.group, i)).second) << i;
        EXPECT_GT(constantValue(c.group, i), 0.0) << i;
    }
}

TEST_P(ConstantGroup, IndexPastTheEndIsEmpty) {
    const auto& c = GetParam();
    EXPECT_EQ(constantListText(c.group, c.count), "");
    EXPECT_EQ(constantValue(c.group, c.count), 0.0);
    EXPECT_EQ(constantListText(c.group, -1), "");
    EXPECT_EQ(constantValue(c.group, -1), 0.0);
}

INSTANTIATE_TEST_SUITE_P(Table, ConstantGroup,
                         ::testing::Values(GroupCase{"Universal", 0, "universal", 8},
                                           GroupCase{"Electromagnetic", 1, "electromagnetic", 10},
                                           GroupCase{"AtomicNuclear", 2, "atomic/ nuclear", 9},
                                           GroupCase{"PhysicoChemical", 3, "physico-chemical", 9}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ConstantGroupRange, OutsideTheTableIsEmpty) {
    for (int g : {-1, kConstantGroupCount, 100}) {
        EXPECT_EQ(constantGroupCaption(g), "") << g;
        EXPECT_EQ(constantCount(g), 0) << g;
        EXPECT_EQ(constantListText(g, 0), "") << g;
        EXPECT_EQ(constantValue(g, 0), 0.0) << g;
    }
}

struct ConstantCase {
    const char* name;
    int group;
    int index;
    const char* text;
    double value; // compared exactly
};

class Constant : public ::testing::TestWithParam<ConstantCase> {};

TEST_P(Constant, HasTextAndValue) {
    const auto& c = GetParam();
    EXPECT_EQ(constantListText(c.group, c.index), c.text);
    EXPECT_EQ(constantValue(c.group, c.index), c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Constant,
    ::testing::Values(
        ConstantCase{"SpeedOfLight", 0, 0, "speed of light in vacuum(m/s)", 299792458},
        ConstantCase{"Planck", 0, 1, "Planck const(Js)", 6.62606896e-34},
        ConstantCase{"PlanckTime", 0, 6, "Planck time(s)", 5.39121e-44},
        // The one entry shown on two lines.
        ConstantCase{"Gravitation", 0, 7, "Newtonian constant of gravitation\n(m^3*kg^(-1)*s^(-2))",
                     6.67428e-11},
        ConstantCase{"ElectricConst", 1, 0, "electric const(F/m)", 8.854187817e-12},
        ConstantCase{"MagneticConst", 1, 1, "magnetic const(N/A^2)", 1.2566370614359173e-06},
        ConstantCase{"Coulomb", 1, 4, "Coulomb const(Nm2C^(-2))", 8987551787.368176},
        ConstantCase{"ConductanceQuantum", 1, 6, "conductance quantum(S)", 0.000077480917004},
        ConstantCase{"VonKlitzing", 1, 9, "von Klitzing const", 25812.807557},
        ConstantCase{"BohrRadius", 2, 0, "Bohr radius(m)", 5.2917720859e-11},
        ConstantCase{"FermiCoupling", 2, 4, "Fermi coupling const(Ge/V^2)", 0.0000116639},
        ConstantCase{"Rydberg", 2, 7, "Rydberg const(1/m)", 10973731.568527},
        ConstantCase{"WeakMixingAngle", 2, 8, "weak mixing angle", 0.22215},
        ConstantCase{"Avogadro", 3, 1, "Avogadro's number(1/mol)", 6.02214179e23},
        ConstantCase{"GasConst", 3, 4, "gas const(J/Kmol)", 8.314472},
        ConstantCase{"MolarVolume", 3, 6, "molar volume for ideal gas(m^3/mol)", 0.0224139964},
        ConstantCase{"StefanBoltzmann", 3, 8, "Stefan-Boltzmann const(Wm^(-2)K^(-4))",
                     5.6704004e-8}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace zc
