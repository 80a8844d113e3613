// SPDX-License-Identifier: MIT
#pragma once
// What an entry key does when the problem on show is already solved.

namespace zc {

enum class EntryRule {
    StartValue,         // a new problem: the problem pane and the code text start empty
    ContinueFromResult, // an operator: the new problem starts from the last result
    EnterAnswer,        // Ans: a new problem holding the last result
    NeedOperand,        // needs an operand before it: nothing happens
};

} // namespace zc
