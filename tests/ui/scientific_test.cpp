// SPDX-License-Identifier: MIT
// The scientific layer on the real window: what a double click on the history pane
// does to a problem. The keys themselves are tested on the calculator in tests/core.

#include "scenario.h"

namespace zc::test {
namespace {

class Scientific : public ::testing::TestWithParam<Scenario> {};

TEST_P(Scientific, KeysBuildAndEvaluate) {
    runScenario(GetParam());
}

// clang-format off
const Scenario kEditing[] = {
    {"DoubleClickEmptiesHistory", "type 2+3\npress Enter\ndblclick LHistoryREdit", R"j({"history":"History:\n"})j"},
    {"DoubleClickKeepsProblemBeingBuilt", "type 2+3\npress Enter\ntype 12+\ndblclick LHistoryREdit\nclick LBtnDel\nclick L1BtnPlusMinus",
     R"j({"history":"History:\n-(12)","problem":"-(12)"})j"},
    {"DoubleClickThenAc", "type 12+\ndblclick LHistoryREdit\nclick LBtnAc", R"j({"history":"History:\n"})j"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Editing, Scientific, ::testing::ValuesIn(kEditing), scenarioName);

} // namespace
} // namespace zc::test
