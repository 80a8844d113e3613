// SPDX-License-Identifier: MIT
#include "core/engine/evaluate.h"

#include <charconv>
#include <cmath>
#include <system_error>
#include <vector>

namespace zc {
namespace {

// A number token is read from a 52-character area: 51 characters and the terminator.
constexpr std::size_t kMaxNumberLength = 51;

[[noreturn]] void fail(const char* what) {
    throw EvaluationError(what);
}

double readNumber(std::string_view token) {
    if (token.size() > kMaxNumberLength) fail("number too long");
    double value = 0;
    // The longest prefix that forms a number counts: "5.0." reads as 5.
    const auto [ptr, ec] = std::from_chars(token.data(), token.data() + token.size(), value);
    if (ec != std::errc{}) fail("malformed number");
    return value;
}

constexpr bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

double evaluatePostfix(std::string_view postfix, AngleMode angleMode) {
    std::vector<double> stack;
    stack.reserve(postfix.size() / 2 + 1);
    std::size_t i = 0;
    while (i < postfix.size()) {
        const char c = postfix[i];
        if (isDigit(c)) {
            std::size_t end = i + 1;
            while (end < postfix.size() && (isDigit(postfix[end]) || postfix[end] == '.'))
                ++end;
            stack.push_back(readNumber(postfix.substr(i, end - i)));
            i = end;
            continue;
        }
        switch (operatorArity(c)) {
        case 2: {
            if (stack.size() < 2) fail("missing operand");
            const double right = stack.back();
            stack.pop_back();
            stack.back() = applyOperator(stack.back(), right, c);
            break;
        }
        case 1:
            if (stack.empty()) fail("missing operand");
            stack.back() = applyFunction(stack.back(), c, angleMode);
            break;
        default:
            break; // the space after a number, an unclosed "("
        }
        ++i;
    }
    if (stack.empty()) fail("no value");
    // Values left below the top (as from 2(3)) are dropped.
    return stack.back();
}

double evaluateCode(std::string_view code, AngleMode angleMode) {
    std::string postfix;
    toPostfix(code, postfix);
    return evaluatePostfix(postfix, angleMode);
}

} // namespace zc
