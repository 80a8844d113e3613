// SPDX-License-Identifier: MIT
// The conversion layer on the real window: category labels, the unit lists and
// what "=" adds to the panes when it converts a problem.

#include "scenario.h"

namespace zc::test {
namespace {

#define CONV TO_LAYER2
#define DIST_UNITS                                                                                 \
    R"j(["millimetre(mm)","centimetre(cm)","metre(m)","kilometre(km)","inch(in)","foot(ft)",)j"    \
    R"j("yard(yd)","rod","fathom","chain","furlong","mile","mile(UK)","naut mile","AU",)j"         \
    R"j("light year(l.y.)","parsec(pc)"])j"
#define DIST_LISTS                                                                                 \
    R"j("LListFrom":{"items":)j" DIST_UNITS R"j(,"selected":0},"LListTo":{"items":)j" DIST_UNITS   \
    R"j(,"selected":0})j"
#define UNIVERSAL_CONSTANTS                                                                        \
    R"j(["speed of light in vacuum(m/s)","Planck const(Js)","Planck const(Js) reduced",)j"         \
    R"j("Planck length(m)","Planck mass(kg)","Planck temp(K)","Planck time(s)",)j"                 \
    R"j("Newtonian constant of gravitation\n(m^3*kg^(-1)*s^(-2))"])j"
#define TEMP_UNITS R"j(["Kelvin(K)","Celcius(°C)","Reaumur(°R)","Fahrenheit(°F)","Rankine(°R)"])j"

class Conversion : public ::testing::TestWithParam<Scenario> {};

TEST_P(Conversion, CategoriesUnitsAndEquals) {
    runScenario(GetParam());
}

// clang-format off
const Scenario kCategories[] = {
    {"EnteringShowsDistance", CONV,
     R"j({"highlighted":["LLabelDist"],"lists":{"L4List":{"items":[],"selected":-1},)j" DIST_LISTS R"j(}})j"},
    {"CategoryClickFillsBothLists", CONV "type 12\nclick LLabelTemp",
     R"j({"highlighted":["LLabelTemp"],
         "lists":{"L4List":{"items":[],"selected":-1},"LListFrom":{"items":)j" TEMP_UNITS R"j(,"selected":0},"LListTo":{"items":)j" TEMP_UNITS R"j(,"selected":0}}})j"},
    {"SameCategoryAgainResetsSelections", CONV "click LListFrom 2\nclick LListTo 3\nclick LLabelDist",
     R"j({"highlighted":["LLabelDist"],"lists":{"L4List":{"items":[],"selected":-1},)j" DIST_LISTS R"j(}})j"},
    // The constants layer on the way filled its own list with its first group.
    {"ComingBackShowsDistance", CONV "click LLabelMass\n" ROUND,
     R"j({"highlighted":["LLabelDist"],"lists":{"L4List":{"items":)j" UNIVERSAL_CONSTANTS R"j(,"selected":0},)j" DIST_LISTS R"j(}})j"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Categories, Conversion, ::testing::ValuesIn(kCategories), scenarioName);

} // namespace
} // namespace zc::test
