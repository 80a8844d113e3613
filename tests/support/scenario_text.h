// SPDX-License-Identifier: MIT
#pragma once
// What the scenario tables of the calculator and of the window share: the row, and texts
// their scripts and expectations are built from.

#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace zc::test {

/// A row of a scenario table: a script, then the state fields it must leave.
struct Scenario {
    const char* name;
    const char* script; // commands, one a line
    const char* expect; // a JSON object with the fields to compare, named as in the dump
};

inline void PrintTo(const Scenario& s, std::ostream* os) {
    *os << s.name;
}

/// Names a parameterised case after its row's name, for any table whose rows have one.
inline constexpr auto scenarioName = [](const auto& info) { return std::string(info.param.name); };

} // namespace zc::test

// The history separator as it stands inside a JSON string of an expectation.
#define SEP "\\n_______________________________\\n"

// Scripts that move from the scientific layer to layer 1, 2, 3 or 4.
#define TO_LAYER1 "click LBtnNextLayer\n"
#define TO_LAYER2 TO_LAYER1 "click LBtnNextLayer\n"
#define TO_LAYER3 TO_LAYER2 "click L3BtnNextLayer\n"
#define TO_LAYER4 TO_LAYER3 "click L4BtnNextLayer\n"

// From the conversion layer once round the cycle back to it.
#define ROUND                                                                                      \
    "click L3BtnNextLayer\nclick L4BtnNextLayer\n"                                                 \
    "click LBtnNextLayer\nclick LBtnNextLayer\nclick LBtnNextLayer\n"
