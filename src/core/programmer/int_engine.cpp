// SPDX-License-Identifier: MIT
#include "core/programmer/int_engine.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <vector>

namespace zc {
namespace {

struct IntOperator {
    char code;
    int precedence;
    int operands;
};

constexpr std::array<IntOperator, 10> kIntOperators{{
    {'~', 7, 1},
    {'*', 6, 2},
    {'/', 6, 2},
    {'%', 6, 2},
    {'+', 5, 2},
    {'-', 5, 2},
    {'<', 4, 2},
    {'&', 3, 2},
    {'^', 2, 2},
    {'|', 1, 2},
}};

constexpr bool tableMatchesCodes() {
    if (kIntOperators.size() != kIntOperatorCodes.size()) return false;
    return std::all_of(kIntOperatorCodes.begin(), kIntOperatorCodes.end(), [](char c) {
        return std::any_of(kIntOperators.begin(), kIntOperators.end(),
                           [c](const IntOperator& op) { return op.code == c; });
    });
}
static_assert(tableMatchesCodes());

constexpr const IntOperator* findIntOperator(char c) {
    for (const IntOperator& op : kIntOperators) {
        if (op.code == c) return &op;
    }
    return nullptr;
}

// Longer number tokens are refused instead of being read.
constexpr std::size_t kMaxTokenLength = 99;

// Operands must stay below 2^63: results at or above it (every two's-complement
// negative) can be shown but not used again.
constexpr std::uint64_t kMaxOperand = (std::uint64_t{1} << 63) - 1;

constexpr unsigned kBits = 64;

bool isDecimalDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isNumberChar(char c) {
    return isDecimalDigit(c) || c == '.';
}

// End of the run of digits and points that starts at `pos`.
std::size_t numberEnd(std::string_view text, std::size_t pos) {
    while (pos < text.size() && isNumberChar(text[pos]))
        ++pos;
    return pos;
}

// Reads a number token exactly. Only the digits before the first point count:
// the fraction is dropped (the value is taken toward zero), and so is a second
// point with everything after it.
std::uint64_t readNumberToken(std::string_view token) {
    if (token.size() > kMaxTokenLength) throw IntEngineError("number too long");
    std::uint64_t value = 0;
    for (const char c : token) {
        if (c == '.') break;
        const auto d = static_cast<std::uint64_t>(c - '0');
        if (value > (kMaxOperand - d) / 10) throw IntEngineError("operand of 2^63 or more");
        value = value * 10 + d;
    }
    return value;
}

std::uint64_t pop(std::vector<std::uint64_t>& stack) {
    if (stack.empty()) throw IntEngineError("missing operand");
    const std::uint64_t top = stack.back();
    stack.pop_back();
    return top;
}

} // namespace

bool isIntOperatorCode(char c) {
    return findIntOperator(c) != nullptr;
}

int intOperatorPrecedence(char c) {
    const IntOperator* op = findIntOperator(c);
    return op != nullptr ? op->precedence : 0;
}

std::uint64_t applyIntOperator(std::uint64_t left, std::uint64_t right, char code) {
    switch (code) {
    case '+':
        return left + right;
    case '-':
        return left - right;
    case '*':
        return left * right;
    case '/':
        if (right == 0) throw IntEngineError("division by zero");
        return left / right;
    case '%':
        if (right == 0) throw IntEngineError("remainder by zero");
        return left % right;
    case '<':
        // The whole count decides: every bit is shifted out from 64 places on.
        return right >= kBits ? 0 : left << right;
    case '&':
        return left & right;
    case '|':
        return left | right;
    case '^':
        return left ^ right;
    default:
        return 0;
    }
}

std::uint64_t applyIntFunction(std::uint64_t x, char code) {
    return code == '~' ? ~x : 0;
}

bool intToPostfix(std::string_view code, std::string& postfix) {
    postfix.clear();
    std::string stack;
    std::size_t i = 0;
    while (i < code.size()) {
        const char c = code[i];
        if (isDecimalDigit(c)) {
            const std::size_t end = numberEnd(code, i);
            postfix.append(code.substr(i, end - i));
            postfix += ' ';
            i = end;
            continue;
        }
        if (isIntOperatorCode(c)) {
            // Every code, "~" included, releases the waiting codes that bind at
            // least as tightly; equal precedences therefore associate to the left.
            const int precedence = intOperatorPrecedence(c);
            while (!stack.empty() && stack.back() != '(' &&
                   intOperatorPrecedence(stack.back()) >= precedence) {
                postfix += stack.back();
                stack.pop_back();
            }
            stack += c;
        } else if (c == '(') {
            stack += c;
        } else if (c == ')') {
            while (!stack.empty() && stack.back() != '(') {
                postfix += stack.back();
                stack.pop_back();
            }
            if (stack.empty()) throw IntEngineError("unmatched )");
            stack.pop_back();
            // The stack holds only operators and brackets: no function code waits
            // for this bracket to close.
        }
        // Anything else, such as the negation code "m", is skipped.
        ++i;
    }
    // Unclosed "(" go to the output too; the evaluator skips them.
    postfix.append(stack.rbegin(), stack.rend());
    return true;
}

std::uint64_t evaluateIntPostfix(std::string_view postfix) {
    std::vector<std::uint64_t> stack;
    std::size_t i = 0;
    while (i < postfix.size()) {
        const char c = postfix[i];
        if (isDecimalDigit(c)) {
            const std::size_t end = numberEnd(postfix, i);
            stack.push_back(readNumberToken(postfix.substr(i, end - i)));
            i = end;
            continue;
        }
        if (const IntOperator* op = findIntOperator(c)) {
            if (op->operands == 1) {
                stack.push_back(applyIntFunction(pop(stack), c));
            } else {
                const std::uint64_t right = pop(stack);
                const std::uint64_t left = pop(stack);
                stack.push_back(applyIntOperator(left, right, c));
            }
        }
        ++i;
    }
    // Values left below the top are discarded.
    if (stack.empty()) throw IntEngineError("no value");
    return stack.back();
}

std::string evaluateIntProblem(std::string_view code, NumberSystem numberSystem) {
    std::string postfix;
    intToPostfix(problemToDecimal(code, numberSystem), postfix);
    return formatInBase(evaluateIntPostfix(postfix), numberSystem);
}

} // namespace zc
