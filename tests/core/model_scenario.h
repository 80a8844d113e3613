// SPDX-License-Identifier: MIT
#pragma once
// Scenario tests on the calculator alone: a script of clicks and keys run by the
// driver, then a check of selected fields of its state, named as in the window's dump.

#include "../support/scenario_text.h"
#include "calc_driver.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace zc::test {

/// Compares the fields named in `expect` with the state, each by its compact JSON text.
inline void expectState(const Json& state, const char* expect) {
    std::string error;
    const Json want = Json::parse(expect, &error);
    ASSERT_TRUE(error.empty()) << "bad expectation: " << error << ": " << expect;
    ASSERT_EQ(want.kind(), Json::Kind::Object) << "expectation is no object: " << expect;
    for (const auto& [field, value] : want.members()) {
        const Json* got = state.find(field);
        if (got == nullptr) {
            ADD_FAILURE() << "field " << field << " is no field of the calculator's state";
            continue;
        }
        EXPECT_EQ(got->compact(), value.compact()) << "field " << field;
    }
}

/// Runs one scenario on a fresh calculator.
inline void runScenario(const Scenario& s) {
    CalcDriver d;
    for (const std::string& e : d.runScript(s.script))
        ADD_FAILURE() << e;
    expectState(d.dump(), s.expect);
}

} // namespace zc::test
