// SPDX-License-Identifier: MIT
// The constants layer on the real window: the group labels and the list, and what
// the list shows after a click.

#include "scenario.h"
#include "ui/toolkit/list_box.h"

#include <QFontMetrics>

namespace zc::test {
namespace {

#define TO_CONSTANTS TO_LAYER3

// The dump nests the list under "lists"; the expectations name it "L4List" directly.
void runConstantsScenario(const Scenario& s) {
    Window w;
    const QStringList out = w.run(s.script);
    for (const QString& line : out)
        EXPECT_FALSE(line.startsWith(QLatin1String("{\"error\""))) << line.toStdString();
    QJsonObject state = w.state();
    state.insert(QStringLiteral("L4List"),
                 state.value(QStringLiteral("lists")).toObject().value(QStringLiteral("L4List")));
    expectState(state, s.expect);
}

class Constants : public ::testing::TestWithParam<Scenario> {};

TEST_P(Constants, GroupsAndInsertion) {
    runConstantsScenario(GetParam());
}

#define GROUP0                                                                                     \
    R"j(["speed of light in vacuum(m/s)","Planck const(Js)","Planck const(Js) reduced","Planck length(m)","Planck mass(kg)","Planck temp(K)","Planck time(s)","Newtonian constant of gravitation\n(m^3*kg^(-1)*s^(-2))"])j"

// clang-format off
const Scenario kGroups[] = {
    {"EnteringShowsUniversal", TO_CONSTANTS,
     R"j({"highlighted":["L4LabelUniversal"],"L4List":{"items":)j" GROUP0 R"j(,"selected":0}})j"},
    {"Electromagnetic", TO_CONSTANTS "click L4LabelElectromagnetic",
     R"j({"highlighted":["L4LabelElectromagnetic"],"L4List":{"items":["electric const(F/m)","magnetic const(N/A^2)","elementary charge(C)","characteristic impedance of vacuum","Coulomb const(Nm2C^(-2))","Bohr magneton(J/T)","conductance quantum(S)","Josephson const(Hz/V)","nuclear magneton(J/T)","von Klitzing const"],"selected":0}})j"},
    {"AtomicNuclear", TO_CONSTANTS "click L4LabelElectromagnetic\nclick L4LabelAtomicNuclear",
     R"j({"highlighted":["L4LabelAtomicNuclear"],"L4List":{"items":["Bohr radius(m)","classical electron radius(m)","electron mass(kg)","proton mass(kg)","Fermi coupling const(Ge/V^2)","fine-structure const","Hartree energy(J)","Rydberg const(1/m)","weak mixing angle"],"selected":0}})j"},
    {"PhysChem", TO_CONSTANTS "click L4LabelPhysChem",
     R"j({"highlighted":["L4LabelPhysChem"],"L4List":{"items":["atomic mass unit(kg)","Avogadro's number(1/mol)","Boltzmann const(J/K)","Faraday const(C/mol)","gas const(J/Kmol)","molar Planck const(Js/mol)","molar volume for ideal gas(m^3/mol)","first radiation const(Wm^2)","Stefan-Boltzmann const(Wm^(-2)K^(-4))"],"selected":0}})j"},
    {"BackToUniversal", TO_CONSTANTS "click L4LabelPhysChem\nclick L4LabelUniversal",
     R"j({"highlighted":["L4LabelUniversal"],"L4List":{"items":)j" GROUP0 R"j(,"selected":0}})j"},
    {"ReentryStartsAtUniversal",
     TO_CONSTANTS "click L4LabelPhysChem\nclick L4List 3\nclick L4BtnNextLayer\nclick LBtnNextLayer\nclick LBtnNextLayer\nclick LBtnNextLayer\nclick L3BtnNextLayer",
     R"j({"highlighted":["L4LabelUniversal"],"L4List":{"items":)j" GROUP0 R"j(,"selected":0}})j"},
};

const Scenario kInsert[] = {
    {"PlanckOnEmptyProblem", TO_CONSTANTS "click L4List 1",
     R"j({"L4List":{"items":)j" GROUP0 R"j(,"selected":1}})j"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Groups, Constants, ::testing::ValuesIn(kGroups), scenarioName);
INSTANTIATE_TEST_SUITE_P(Insert, Constants, ::testing::ValuesIn(kInsert), scenarioName);

class ConstantsWindow : public ::testing::Test {
protected:
    void SetUp() override {
        for (int i = 0; i < 3; ++i)
            w.form->LBtnNextLayerClick();
        ASSERT_EQ(w.form->state().currentLayer, Layer::Constants);
    }
    Window w;
};

TEST_F(ConstantsWindow, TwoLineEntryHasNaturalHeight) {
    ListBox* list = w.form->L4List;
    ASSERT_EQ(list->count(), 8);
    const int lineHeight = QFontMetrics(list->font()).height();
    const int twoLines = list->rowRect(7).height();
    EXPECT_GE(twoLines, 2 * lineHeight);
    for (int row = 0; row < 7; ++row) {
        EXPECT_LT(list->rowRect(row).height(), twoLines) << "row " << row;
        EXPECT_GE(list->rowRect(row).height(), ListBox::kMinRowHeight) << "row " << row;
    }
}

} // namespace
} // namespace zc::test
