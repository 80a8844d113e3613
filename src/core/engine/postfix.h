// SPDX-License-Identifier: MIT
#pragma once
// The floating-point engine's alphabet and its first step: infix code text ->
// postfix text (the second step, postfix text -> value, is in evaluate.h).
//
// Code texts use the one-letter engine alphabet: digits, ".", brackets and the
// 24 operator codes "+-*/piq%lnkmsctxyzboruvw". Postfix texts write every
// number followed by one space and every operator code bare.

#include <stdexcept>
#include <string>
#include <string_view>

namespace zc {

/// Thrown for every failure of the floating-point engine (malformed input,
/// division by zero, invalid operation, overflow, non-finite results).
class EvaluationError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// The operator codes of the floating-point engine, in the order of its operator table:
/// "+-*/piq%lnkmsctxyzboruvw".
std::string_view operatorCodes();

/// True exactly for the operator codes.
bool isOperatorCode(char c);

/// 2 for "*" "/", 1 for "+" "-", 3 for every other operator code, 0 otherwise.
int operatorPrecedence(char c);

/// Operands taken: 2 for "+" "-" "*" "/" "p", 1 for the other 19 codes, 0 otherwise.
int operatorArity(char c);

/// Converts a code text to postfix text in `postfix` (replaced). Returns true;
/// throws EvaluationError for a ")" without a matching "(".
bool toPostfix(std::string_view code, std::string& postfix);

} // namespace zc
