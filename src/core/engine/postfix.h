// SPDX-License-Identifier: MIT
#pragma once
// The floating-point engine: infix code text -> postfix text -> value.
//
// Code texts use the one-letter engine alphabet: digits, ".", brackets and the
// 24 operator codes "+-*/piq%lnkmsctxyzboruvw". Postfix texts write every
// number followed by one space and every operator code bare.

#include <stdexcept>
#include <string>
#include <string_view>

namespace zc {

/// Extended precision used inside one operation; results are rounded to double.
using Extended = long double;

/// Thrown for every failure of the floating-point engine (malformed input,
/// division by zero, invalid operation, overflow, non-finite results).
class EvaluationError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

/// The 24 operator codes of the floating-point engine.
inline constexpr std::string_view kOperatorCodes = "+-*/piq%lnkmsctxyzboruvw";

/// True exactly for the 24 operator codes.
bool isOperatorCode(char c);

/// 2 for "*" "/", 1 for "+" "-", 3 for every other operator code, 0 otherwise.
int operatorPrecedence(char c);

/// Operands taken: 2 for "+" "-" "*" "/" "p", 1 for the other 19 codes, 0 otherwise.
int operatorArity(char c);

/// Converts a code text to postfix text in `postfix` (replaced). Returns true;
/// throws EvaluationError for a ")" without a matching "(".
bool toPostfix(std::string_view code, std::string& postfix);

/// Evaluates a postfix text with the angle mode (0 DEG, 1 RAD, else GRAD) and
/// returns the value on top of the stack. Throws EvaluationError on every
/// failure: missing operands, no value, a number token over 51 characters,
/// division by zero, invalid operations, overflow, non-finite results.
double evaluatePostfix(std::string_view postfix, int angleMode);

/// "+", "-", "*", "/", "p" on two operands; 0.0 for any other code.
/// Throws EvaluationError for division by zero, invalid operations, overflow.
double applyOperator(double left, double right, char code);

/// The 19 one-operand codes; 0.0 for any other code. "s" "c" "t" "b" "o" "r"
/// take their argument in the angle mode; "x" "y" "z" give their result in it.
/// Throws EvaluationError for domain failures and non-finite results.
double applyFunction(double x, char code, int angleMode);

/// x * pi * (1/180), the last factor in extended precision.
Extended degreesToRadians(double x);

/// x * 0.9.
Extended gradsToDegrees(double x);

/// degreesToRadians of gradsToDegrees(x) rounded to double.
Extended gradsToRadians(double x);

/// toPostfix followed by evaluatePostfix. Throws EvaluationError.
double evaluateCode(std::string_view code, int angleMode);

} // namespace zc
