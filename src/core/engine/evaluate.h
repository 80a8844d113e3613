// SPDX-License-Identifier: MIT
#pragma once
// The floating-point engine's second step: postfix text -> value, with the
// arithmetic of every operator code.

#include "core/engine/angles.h"
#include "core/engine/postfix.h"

#include <string_view>

namespace zc {

/// Evaluates a postfix text with the angle mode (a value outside the enum reads
/// as grads) and returns the value on top of the stack. Throws EvaluationError
/// on every failure: missing operands, no value, a number token over 51
/// characters, division by zero, invalid operations, overflow, non-finite results.
double evaluatePostfix(std::string_view postfix, AngleMode angleMode);

/// "+", "-", "*", "/", "p" on two operands; 0.0 for any other code.
/// Throws EvaluationError for division by zero, invalid operations, overflow.
double applyOperator(double left, double right, char code);

/// The 19 one-operand codes; 0.0 for any other code. "s" "c" "t" "b" "o" "r"
/// take their argument in the angle mode; "x" "y" "z" give their result in it.
/// Throws EvaluationError for domain failures and non-finite results.
double applyFunction(double x, char code, AngleMode angleMode);

/// toPostfix followed by evaluatePostfix. Throws EvaluationError.
double evaluateCode(std::string_view code, AngleMode angleMode);

} // namespace zc
